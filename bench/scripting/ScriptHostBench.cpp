// The script host under a real game's load: a 3,000-line procedures file, 200 project variables
// and every named object, rebuilt for each script as the player does. Measured: one hotspot
// click, mouse-down to consequences done, whose script calls one procedure.
#include "run/driver/HeadlessDriver.h"
#include "run/frames/Hotspots.h"
#include "run/game/GamePlay.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/ProjectBuilder.h"

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace run;

constexpr int T = platform::kTwipsPerPixel;

// About 3,000 lines: 300 procedures of ten lines each.
std::string Procedures(int variant) {
    std::string text = "' version " + std::to_string(variant) + "\r\n";
    for (int p = 0; p < 300; ++p) {
        text += "Sub Step" + std::to_string(p) + "(n)\r\n";
        text +=
            "    Dim i, s\r\n    s = \"\"\r\n    For i = 1 To n\r\n        s = s & Chr(65 + (i Mod 26))\r\n";
        text += "    Next\r\n    If Len(s) > 3 Then v1 = v1 + 1\r\n    v2 = Len(s)\r\n    v3 = v3 Xor "
                "1\r\nEnd Sub\r\n";
    }
    return text;
}

struct Game {
    testing::TempFolder tmp;
    testing::ProjectBuilder b{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    Game() {
        ProjectInfo info;
        info.ProjectRegistryName = "ScriptBench";
        info.AdventureName = "Script Bench";
        info.InitialFrame = "A";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.SkipWelcomeWindow = true;
        std::vector<std::string> integers, variants;
        for (int i = 0; i < 150; ++i)
            integers.push_back("v" + std::to_string(i));
        for (int i = 0; i < 50; ++i)
            variants.push_back("n" + std::to_string(i));
        b.general(info).texts(1).variables(integers, variants);
        FrameFile a;
        a.Picture = "0";
        b.frame("A", a);
        testing::HotspotSpec spot;
        spot.left = 100 * T;
        spot.top = 100 * T;
        spot.width = 100 * T;
        spot.height = 100 * T;
        testing::ActionSpec act;
        act.script = "Step42 5";
        b.hotspots("A", {spot}).actions("A", {act});
        b.procedures(Procedures(0));
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{b.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
    }
};

void BM_ScriptedClickSameProcedures(benchmark::State& state) {
    Game g;
    GameWindow& game = g.driver->player().game();
    for (auto _ : state)
        game.hotspots().AreaClick(1, platform::kLeftButton);
    if (!g.driver->boxes().empty()) state.SkipWithError(g.driver->boxes()[0].text.c_str());
}
BENCHMARK(BM_ScriptedClickSameProcedures)->Unit(benchmark::kMillisecond);

void BM_ScriptedClickChangedProcedures(benchmark::State& state) {
    Game g;
    GameWindow& game = g.driver->player().game();
    ScriptHost& host = g.driver->player().scripts();
    int variant = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g.b.procedures(Procedures(++variant));
        host.GameReset(); // reads the changed file, as the next game reset does
        state.ResumeTiming();
        game.hotspots().AreaClick(1, platform::kLeftButton);
    }
    if (!g.driver->boxes().empty()) state.SkipWithError(g.driver->boxes()[0].text.c_str());
}
BENCHMARK(BM_ScriptedClickChangedProcedures)->Unit(benchmark::kMillisecond);

// 100 repeating timed events at 50 ms on one frame: the player's CPU time for one second of
// game time (2,000 firings, each a script run through the host). Reported as a share of a core.
void BM_HundredTimedEventsOneSecond(benchmark::State& state) {
    Game g;
    Player& player = g.driver->player();
    std::string create;
    for (int i = 0; i < 100; ++i)
        create += "CreateTimedEvent 0.05, \"v1 = v1 + 1\", True\r\n";
    player.play().ExecuteVBScriptAndConsequences(create, false);
    for (auto _ : state)
        g.driver->wait(1000);
    state.counters["core_share"] = benchmark::Counter(
        double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    if (!g.driver->boxes().empty()) state.SkipWithError(g.driver->boxes()[0].text.c_str());
}
BENCHMARK(BM_HundredTimedEventsOneSecond)->Unit(benchmark::kMillisecond);

// The cost of one call of a cheap script function, from a script that calls it 10,000 times.
void BM_ApiCall(benchmark::State& state, const char* call) {
    Game g;
    ScriptHost& host = g.driver->player().scripts();
    const std::string code = std::string("For i = 1 To 10000 : ") + call + " : Next";
    for (auto _ : state)
        host.ExecuteVBScript(code, false);
    state.SetItemsProcessed(state.iterations() * 10000);
    if (!g.driver->boxes().empty()) state.SkipWithError(g.driver->boxes()[0].text.c_str());
}
BENCHMARK_CAPTURE(BM_ApiCall, GoToFrame, "GoToFrame \"A\", 0, 0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ApiCall, GetHotspotNumber, "n = GetHotspotNumber()")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ApiCall, ConvertToNumber, "n = ConvertToNumber(\"12abc\")")
    ->Unit(benchmark::kMillisecond);

} // namespace
