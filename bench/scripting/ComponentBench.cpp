// Components under a real game's load (a 3,000-line procedures file): one event of the sample
// counter routed to its project procedure and the consequence step after; and a property read
// through the script bridge, measured over 10,000 reads in one script.
#include "run/driver/HeadlessDriver.h"
#include "run/frames/Components.h"
#include "run/game/GamePlay.h"
#include "tests/support/ProjectBuilder.h"

#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

namespace {

using namespace run;

std::string Procedures() {
    std::string text;
    for (int p = 0; p < 300; ++p) {
        text +=
            "Sub Step" + std::to_string(p) + "(n)\r\n    Dim i, s\r\n    s = \"\"\r\n    For i = 1 To n\r\n";
        text += "        s = s & Chr(65 + (i Mod 26))\r\n    Next\r\n    If Len(s) > 3 Then v1 = v1 + 1\r\n";
        text += "    v2 = Len(s)\r\n    v3 = v3 Xor 1\r\nEnd Sub\r\n";
    }
    return text + "Sub tally_Changed(params)\r\n    v1 = params(0)\r\nEnd Sub\r\n";
}

struct Game {
    testing::TempFolder tmp;
    testing::ProjectBuilder b{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    Game() {
        ProjectInfo info;
        info.ProjectRegistryName = "ComponentBench";
        info.AdventureName = "Component Bench";
        info.InitialFrame = "Start";
        info.SkipWelcomeWindow = true;
        b.general(info).texts(1).variables({"v1", "v2", "v3"}).procedures(Procedures());
        FrameFile start;
        start.Picture = "0";
        start.RunEntryScript = true;
        start.EntryScript = "AddComponent |Counter.Sample|, |tally|";
        b.frame("Start", start);
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{b.folder().string(), tmp / "settings.ini", tmp / "Documents",
                          std::filesystem::path(COUNTER_OCX).parent_path()});
        driver->start();
    }
};

void BM_ComponentEventToProcedure(benchmark::State& state) {
    Game g;
    Components& components = g.driver->player().game().components();
    platform::ComponentObject* tally = components.find("tally");
    if (!tally) {
        state.SkipWithError("the sample component is not installed");
        return;
    }
    for (auto _ : state)
        tally->call("Increment", {});
}
BENCHMARK(BM_ComponentEventToProcedure)->Unit(benchmark::kMicrosecond);

void BM_ComponentPropertyReadFromScript(benchmark::State& state) {
    Game g;
    for (auto _ : state)
        g.driver->player().play().ExecuteVBScriptAndConsequences(
            "Set c = Component(\"tally\") : For i = 1 To 10000 : v2 = c.Count : Next", false);
    state.counters["per_read"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 10000,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComponentPropertyReadFromScript)->Unit(benchmark::kMillisecond);

} // namespace
