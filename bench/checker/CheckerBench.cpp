// `run --check` over a game of 200 frames, each with its own 640x480 JPEG picture, five hotspots
// (two with pictures), texts, five actions (links to other frames, sounds, scripts) and an
// entry script: the whole check, pictures and sounds decoded.
#include "run/checker/ProjectChecker.h"
#include "run/platform/graphics/Picture.h"
#include "tests/platform/media/Tones.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"

#include <sstream>
#include <stdexcept>

#include <benchmark/benchmark.h>

namespace {

using namespace run;
using testing::ActionSpec;
using testing::HotspotSpec;

constexpr int kFrames = 200;

std::string frameName(int i) {
    return "Frame" + std::to_string(i % kFrames);
}

void WriteGame(const std::filesystem::path& folder) {
    testing::ProjectBuilder b(folder);
    ProjectInfo info;
    info.ProjectRegistryName = "CheckerBench";
    info.AdventureName = "Checker Bench";
    info.InitialFrame = frameName(0);
    b.general(info).texts(1).variables({"a", "b", "c"});
    b.procedures("Sub Tick()\r\n    a = a + 1\r\nEnd Sub\r\n");
    b.file("Areas/chime.wav", platform::Tone(22050, 1, 0.2, 440, 0.4));
    platform::Canvas icon(32, 32, 0xFF806040);
    b.file("Areas/thing.ico", testing::MakeIconBytes(icon));
    for (int i = 0; i < kFrames; ++i) {
        platform::Canvas picture(640, 480, 0xFF203040 + static_cast<platform::Pixel>(i));
        testing::FillCircle(picture, 320, 240, 50 + i % 100, 0xFFC0A060);
        const std::string file = "f" + std::to_string(i) + ".jpg";
        const std::string problem = platform::SaveJpg(picture, (folder / "Frames" / file).string(), 85);
        if (!problem.empty()) throw std::runtime_error(problem);
        FrameFile f;
        f.PictureType = 1;
        f.Picture = file;
        f.RunEntryScript = true;
        f.EntryScript = "Tick : If a > 3 Then b = 1";
        b.frame(frameName(i), f);
        std::vector<HotspotSpec> spots(5);
        spots[0].hasPicture = spots[1].hasPicture = true;
        spots[0].pictureFile = spots[1].pictureFile = "thing.ico";
        spots[2].hasConditions = true;
        spots[2].hideIf = {"a"};
        b.hotspots(frameName(i), spots);
        std::vector<ActionSpec> actions(5);
        actions[0].goToFrame = frameName(i + 1);
        actions[1].goToFrame = frameName(i + 7);
        actions[2].hotspotSound = "chime.wav";
        actions[3].script = "c = c + 1 : GoToFrame |" + frameName(i + 3) + "|";
        actions[4].goBack = true;
        b.actions(frameName(i), actions);
        testing::TextSpec text;
        text.caption = "Frame " + std::to_string(i);
        b.texts(frameName(i), {text});
    }
}

void BM_CheckTwoHundredFrames(benchmark::State& state) {
    testing::TempFolder tmp;
    WriteGame(tmp / "game");
    for (auto _ : state) {
        std::ostringstream out;
        const checker::CheckOutcome o = checker::CheckProject(tmp / "game", out, {});
        if (o.status != 0) {
            state.SkipWithError(out.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(o.filesChecked);
    }
}
BENCHMARK(BM_CheckTwoHundredFrames)->Unit(benchmark::kMillisecond);

} // namespace
