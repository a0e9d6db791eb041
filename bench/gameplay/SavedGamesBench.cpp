// Saving and loading a large game: 1,000 integer and 1,000 variant variables, 500 hidden
// hotspots and 100 items. Saving includes the flush and the picture beside the save; loading
// runs up to the frame shown (its fixed waits pass at once on the headless clock).
#include "run/driver/HeadlessDriver.h"
#include "run/frames/Inventory.h"
#include "run/game/SavedGames.h"
#include "run/state/Variables.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/PlayerRig.h"
#include "tests/support/ProjectBuilder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace run;

struct BigGame {
    testing::TempFolder tmp;
    testing::ProjectBuilder b{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    BigGame() {
        ProjectInfo info;
        info.ProjectRegistryName = "SaveBench";
        info.AdventureName = "Save Bench";
        info.InitialFrame = "Start";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.SkipWelcomeWindow = true;
        std::vector<std::string> integers, variants;
        for (int i = 0; i < 1000; ++i)
            integers.push_back("i" + std::to_string(i));
        for (int i = 0; i < 1000; ++i)
            variants.push_back("s" + std::to_string(i));
        b.general(info).texts(1).variables(integers, variants).frame("Start", testing::ColourFrame(0x402010));
        for (int i = 0; i < 100; ++i) {
            const std::string name = "item" + std::to_string(i);
            b.file("Areas/" + name + ".ico", testing::MakeIconBytes(platform::Canvas(32, 32, 0xFF808080)));
            b.item(name, name + ".ico");
        }
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{b.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
        GameVariables& variables = driver->player().variables();
        for (int i = 0; i < 1000; ++i) {
            variables.Variables.Item(i + 1).Value = static_cast<std::int16_t>(i - 500);
            variables.VariablesVariant.Item(i + 1).Value =
                RecordVariant::string("text of variable " + std::to_string(i));
        }
        for (int i = 0; i < 500; ++i)
            variables.Disappear.Add("Frame" + std::to_string(i % 20), i);
        for (int i = 0; i < 100; ++i)
            driver->player().game().inventory().AddPickedObject("item" + std::to_string(i), true);
    }
};

void BM_SaveLargeGame(benchmark::State& state) {
    BigGame g;
    Player& p = g.driver->player();
    for (auto _ : state) {
        if (!p.play().SaveGameAs("big")) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveLargeGame)->Unit(benchmark::kMillisecond);

void BM_LoadLargeGame(benchmark::State& state) {
    BigGame g;
    Player& p = g.driver->player();
    p.play().SaveGameAs("big");
    for (auto _ : state) {
        if (!p.play().LoadSavedGame("big")) state.SkipWithError("not loaded");
    }
    if (p.game().inventory().ObjectsCount() != 100) state.SkipWithError("items lost");
}
BENCHMARK(BM_LoadLargeGame)->Unit(benchmark::kMillisecond);

} // namespace
