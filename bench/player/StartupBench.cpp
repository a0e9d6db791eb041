// Start-up of the demo project, headless, up to the welcome window drawn.
#include "run/driver/HeadlessDriver.h"
#include "tests/support/ProjectBuilder.h"

#include <benchmark/benchmark.h>

static void BM_StartupToWelcomeDrawn(benchmark::State& state) {
    run::testing::TempFolder settings;
    for (auto _ : state) {
        run::HeadlessDriver driver({DEMO_FOLDER, settings / "settings.ini", settings / "Documents", {}});
        driver.start();
        run::platform::Canvas shot = driver.screenshot();
        benchmark::DoNotOptimize(shot.pixels().data());
        if (shot.empty()) state.SkipWithError("the welcome window was not drawn");
    }
}
BENCHMARK(BM_StartupToWelcomeDrawn)->Unit(benchmark::kMillisecond);
