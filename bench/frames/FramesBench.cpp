// Frame engine costs: opening a busy frame (background JPEG, pictured hotspots, texts) and the
// hit test of one mouse move over a frame crowded with hotspots.
#include "run/driver/HeadlessDriver.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

using namespace run;
using namespace run::testing;
using platform::Canvas;

void check(const std::string& problem) {
    if (!problem.empty()) throw std::runtime_error(problem);
}

// One project for every benchmark, written once; the player reads its files afresh each time.
struct BenchGame {
    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    BenchGame() {
        ProjectInfo info;
        info.ProjectRegistryName = "FramesBench";
        info.AdventureName = "Frames Bench";
        info.InitialFrame = "Start";
        info.FrameWidth = 1024;
        info.FrameHeight = 768;
        info.SkipWelcomeWindow = true;
        project.general(info).texts(1).variables({"v1", "v2"});
        FrameFile start;
        start.Picture = "0";
        project.frame("Start", start);

        Canvas background(1024, 768);
        VerticalGradient(background, background.bounds(), 0xFF203050, 0xFFE0A070);
        for (int i = 0; i < 60; ++i)
            FillCircle(background, (i * 97) % 1024, (i * 53) % 768, 20, 0xFF80C0A0);
        check(platform::SaveJpg(background, (project.folder() / "Frames" / "busy.jpg").string(), 85));
        FrameFile busy;
        busy.PictureType = 1;
        busy.Picture = "busy.jpg";
        project.frame("Busy", busy);
        std::vector<HotspotSpec> spots;
        for (int i = 0; i < 50; ++i) {
            Canvas c(64, 48, 0xFF000000 | static_cast<std::uint32_t>(i * 0x050301));
            FillCircle(c, 32, 24, 10 + i % 10, 0xFFFFFFFF);
            std::string name = "item" + std::to_string(i) + ".bmp";
            check(platform::SaveBmp(c, (project.folder() / "Areas" / name).string()));
            HotspotSpec s;
            s.left = (i % 10) * 100 * 15;
            s.top = (i / 10) * 120 * 15;
            s.hasPicture = true;
            s.pictureFile = name;
            s.hasConditions = true;
            s.hideIf = {"v1"};
            s.showIf = {"v2"};
            spots.push_back(s);
        }
        project.hotspots("Busy", spots);
        std::vector<TextSpec> texts;
        for (int i = 0; i < 20; ++i) {
            TextSpec t;
            t.textNumber = i + 1;
            t.caption = "A line of frame text number " + std::to_string(i);
            t.left = 15 * 20;
            t.top = 15 * (20 + 30 * i);
            texts.push_back(t);
        }
        project.texts("Busy", texts);

        // 200 plain hotspots, each later one a little further right and down, so that a point
        // lies over many of them.
        project.frame("Crowded", start);
        std::vector<HotspotSpec> crowd;
        for (int i = 0; i < 200; ++i) {
            HotspotSpec s;
            s.left = (i * 4) * 15;
            s.top = (i * 3) * 15;
            s.width = 120 * 15;
            s.height = 90 * 15;
            crowd.push_back(s);
        }
        project.hotspots("Crowded", crowd);

        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
    }
};

BenchGame& Game() {
    static BenchGame game;
    return game;
}

void BM_OpenBusyFrame(benchmark::State& state) {
    BenchGame& g = Game();
    GameWindow& w = g.driver->player().game();
    for (auto _ : state) {
        w.OpenFrame("Busy", false, 0, 0);
        benchmark::DoNotOptimize(w.currentFrame());
    }
    if (!g.driver->boxes().empty()) state.SkipWithError(g.driver->boxes().back().text.c_str());
}
BENCHMARK(BM_OpenBusyFrame)->Unit(benchmark::kMillisecond);

void BM_MouseMoveOverCrowdedFrame(benchmark::State& state) {
    BenchGame& g = Game();
    GameWindow& w = g.driver->player().game();
    w.OpenFrame("Crowded", false, 0, 0);
    platform::WindowSystem& ui = g.driver->player().ui();
    platform::Rect frame = platform::ElementRectOnForm(w.form().get("PictureBox"));
    // Over the first hotspots only (the deepest in z-order), then over the background.
    const int points[][2] = {{30, 30}, {500, 700}, {10, 60}, {900, 20}};
    std::size_t k = 0;
    for (auto _ : state) {
        const int* p = points[k++ % 4];
        platform::InputEvent ev{
            platform::InputEvent::Type::MouseMove, 0, frame.x + p[0], frame.y + p[1], 0, 0, 0};
        ui.dispatch(ev);
    }
}
BENCHMARK(BM_MouseMoveOverCrowdedFrame);

} // namespace
