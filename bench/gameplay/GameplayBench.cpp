// Playing a game: (a) a click on a hotspot that sets ten variables and opens another frame,
// from the mouse-down to the new frame drawn; (b) the idle game window's CPU use on a real
// display, through the SDL backend (needs DISPLAY, e.g. Xvfb).
#include "run/driver/HeadlessDriver.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"

#ifdef PLAYER_WITH_SDL2
#include "run/platform/sdl/SdlBackend.h"
#endif

#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

namespace {

using namespace run;
using testing::ActionSpec;
using testing::HotspotSpec;

constexpr int T = platform::kTwipsPerPixel;

HotspotSpec Spot(int x, int y, int w, int h) {
    HotspotSpec s;
    s.left = x * T - 30;
    s.top = y * T - 30;
    s.width = w * T + 60;
    s.height = h * T + 60;
    return s;
}

// Two picture frames whose hotspot 1 leads to the other one, setting ten variables on the way.
void WriteTwoFrameGame(const std::filesystem::path& folder, bool skipWelcome) {
    testing::ProjectBuilder b(folder);
    ProjectInfo info;
    info.ProjectRegistryName = "GameplayBench";
    info.AdventureName = "Gameplay Bench";
    info.InitialFrame = "A";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.SkipWelcomeWindow = skipWelcome;
    std::vector<std::string> names;
    for (int i = 0; i < 10; ++i)
        names.push_back("var" + std::to_string(i));
    b.general(info).texts(1).variables(names);
    for (const char* name : {"A", "B"}) {
        platform::Canvas picture(640, 480, 0xFF000000);
        testing::VerticalGradient(picture, picture.bounds(), 0xFF305070, 0xFF102030);
        testing::FillCircle(picture, 320, 240, 90, 0xFFC0A060);
        std::string file = std::string(name) + ".jpg";
        std::string problem = platform::SaveJpg(picture, (folder / "Frames" / file).string(), 88);
        if (!problem.empty()) throw std::runtime_error(problem);
        FrameFile f;
        f.PictureType = 1;
        f.Picture = file;
        b.frame(name, f);
        b.hotspots(name, {Spot(100, 100, 120, 120), Spot(300, 300, 80, 60), Spot(0, 440, 640, 40)});
        testing::TextSpec text;
        text.caption = std::string("Frame ") + name;
        text.left = 20 * T;
        text.top = 20 * T;
        b.texts(name, {text});
        ActionSpec go;
        go.goToFrame = name[0] == 'A' ? "B" : "A";
        go.listZero = {names[0], names[1], names[2]};
        go.listOne = {names[3], names[4], names[5], names[6]};
        go.listToggle = {names[7], names[8], names[9]};
        b.actions(name, {go, ActionSpec{}, ActionSpec{}});
    }
}

void BM_HotspotClickToNextFrameDrawn(benchmark::State& state) {
    testing::TempFolder tmp;
    WriteTwoFrameGame(tmp / "game", true);
    HeadlessDriver d(PlayerOptions{(tmp / "game").string(), tmp / "settings.ini", tmp / "Documents", {}});
    d.start();
    Player& p = d.player();
    platform::Form& game = p.game().form();
    platform::Rect frame = platform::ElementRectOnForm(game.get("PictureBox"));
    const int x = frame.x + 160, y = frame.y + 160;
    bool toB = true;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        p.ui().dispatch({platform::InputEvent::Type::MouseDown, 0, x, y, platform::kLeftButton, 0, 0});
        const platform::Canvas& drawn = p.ui().paintedCanvas(game);
        benchmark::DoNotOptimize(drawn.pixel(x, y));
        auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        p.ui().dispatch({platform::InputEvent::Type::MouseUp, 0, x, y, platform::kLeftButton, 0, 0});
        if (p.game().frameName() != (toB ? "B" : "A")) {
            state.SkipWithError("the click did not open the other frame");
            break;
        }
        toB = !toB;
    }
}
BENCHMARK(BM_HotspotClickToNextFrameDrawn)->UseManualTime()->Unit(benchmark::kMillisecond);

// CPU seconds (user + system) this process has used so far.
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_IdleGameWindowCpu(benchmark::State& state) {
#ifndef PLAYER_WITH_SDL2
    state.SkipWithError("built without the SDL backend");
    return;
#else
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        state.SkipWithError("no display: set DISPLAY (for instance run `Xvfb :77 &` and DISPLAY=:77)");
        return;
    }
    std::unique_ptr<platform::IBackend> backend;
    try {
        backend = platform::CreateSdlBackend();
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    testing::TempFolder tmp;
    WriteTwoFrameGame(tmp / "game", true);
    Player p(*backend, PlayerOptions{(tmp / "game").string(), tmp / "settings.ini", tmp / "Documents", {}});
    p.start();
    // Settle: the first frames are drawn and shown.
    auto settle = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    p.ui().runUntil([&] { return std::chrono::steady_clock::now() >= settle; });
    for (auto _ : state) {
        long iterations = 0;
        double cpu0 = CpuSeconds();
        auto t0 = std::chrono::steady_clock::now();
        auto until = t0 + std::chrono::seconds(2);
        p.ui().runUntil([&] {
            ++iterations;
            return std::chrono::steady_clock::now() >= until;
        });
        double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        double cpu = CpuSeconds() - cpu0;
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
        // The loop asks `done` twice a pass.
        state.counters["pumps_per_s"] = double(iterations) / 2 / wall;
    }
    if (!p.game().loaded()) state.SkipWithError("the game window did not stay open");
#endif
}
BENCHMARK(BM_IdleGameWindowCpu)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
