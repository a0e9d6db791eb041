// Moving pictures: ten seconds of a 640 × 480 MPEG-1 video with sound played on a clock the
// benchmark steps (10 ms a step, the sound pulled as a device would), each new picture copied
// into the picture the window shows; and twenty animated pictures on a frame for a second of
// game time, the window painted after every step. The CPU share is the time an iteration takes
// over the time it plays.
#include "run/driver/HeadlessDriver.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/media/VideoPlayer.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/VideoMaker.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using namespace run;
using namespace run::testing;
using platform::Canvas;

void check(const std::string& problem) {
    if (!problem.empty()) throw std::runtime_error(problem);
}

// Ten seconds at 25 pictures a second, moving shapes over a gradient, with a tone.
const std::string& TenSecondVideo() {
    static TempFolder tmp;
    static const std::string path = [] {
        const std::string p = (tmp / "ten.mpg").string();
        VideoSpec spec;
        spec.width = 640;
        spec.height = 480;
        spec.pictures = 250;
        spec.toneHz = 330;
        check(WriteVideo(p, spec, [](int i, Canvas& c) {
            VerticalGradient(c, c.bounds(), 0xFF203050, 0xFFE0A070);
            for (int k = 0; k < 12; ++k)
                FillCircle(c, (i * 7 + k * 53) % 640, (k * 41 + i * 3) % 480, 30,
                           0xFF000000u | (k * 0x151A0Fu));
        }));
        return p;
    }();
    return path;
}

void BM_VideoPlay640x480TenSeconds(benchmark::State& state) {
    const std::string& file = TenSecondVideo();
    std::uint64_t dropped = 0, shown = 0;
    for (auto _ : state) {
        platform::Mixer mixer;
        std::uint64_t now = 0;
        platform::VideoPlayer player(mixer, [&] { return now; });
        player.setFileName(file);
        player.Play();
        std::vector<float> block(2 * 441);
        auto picture = std::make_shared<platform::Picture>();
        while (player.PlayState() == platform::VideoPlayer::kPlaying && now < 12000) {
            mixer.pull(block.data(), 441);
            now += 10;
            if (player.update()) picture->image = player.picture();
        }
        dropped = player.picturesDropped();
        shown = player.picturesShown();
        benchmark::DoNotOptimize(picture);
    }
    state.counters["dropped"] = static_cast<double>(dropped);
    state.counters["shown"] = static_cast<double>(shown);
    // The share of one core for each second of video.
    state.counters["cpu_per_video_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 10.0,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_VideoPlay640x480TenSeconds)->Unit(benchmark::kMillisecond)->Iterations(3);

struct AnimatedGame {
    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    AnimatedGame() {
        ProjectInfo info;
        info.ProjectRegistryName = "AnimatedBench";
        info.AdventureName = "Animated Bench";
        info.InitialFrame = "Start";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.SkipWelcomeWindow = true;
        project.general(info).texts(1).variables({});
        FrameFile start;
        start.Picture = "0";
        project.frame("Start", start);
        std::vector<HotspotSpec> spots;
        for (int i = 0; i < 20; ++i) {
            std::vector<GifPicture> pictures;
            for (int k = 0; k < 6; ++k) {
                Canvas c(64, 64, 0);
                FillCircle(c, 32, 32, 10 + 3 * k,
                           0xFF000000u | static_cast<std::uint32_t>((i * 37 + k * 40) << 8));
                pictures.push_back({c, 0, 0, 10, 1});
            }
            const std::string name = "anim" + std::to_string(i) + ".gif";
            project.file("Areas/" + name, MakeGifBytes(64, 64, pictures));
            HotspotSpec s;
            s.left = (i % 5) * 120 * 15;
            s.top = (i / 5) * 110 * 15;
            s.animated = s.hasPicture = true;
            s.pictureFile = name;
            s.withAnimationSpeed = true;
            s.animationSpeed = 80 + 5 * i; // out of step with each other, as authors' pictures are
            spots.push_back(s);
        }
        project.hotspots("Start", spots);
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
    }
};

void BM_TwentyAnimatedPicturesOneSecond(benchmark::State& state) {
    AnimatedGame game;
    platform::WindowSystem& ui = game.driver->player().ui();
    platform::Form& form = game.driver->player().game().form();
    for (auto _ : state) {
        for (int step = 0; step < 100; ++step) {
            game.driver->wait(10);
            benchmark::DoNotOptimize(ui.paintedCanvas(form).pixel(10, 10));
        }
    }
    state.counters["cpu_per_game_s"] = benchmark::Counter(
        static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TwentyAnimatedPicturesOneSecond)->Unit(benchmark::kMillisecond);

} // namespace
