// One-time videos played by an action and by a frame, by their pictures and sound: placement,
// pictures on the clock, the wait and what ends it, and a video that cannot be played.
#include "tests/e2e/Play.h"
#include "tests/support/VideoMaker.h"

#include <cmath>

namespace run::testing {
namespace {

constexpr int kLevelStep = 10;

// Picture i of a one-second clip is a flat grey of level i × 10, with a tone.
void WriteClip(Play& play, const std::string& name, double toneHz = 441) {
    VideoSpec spec;
    spec.width = 64;
    spec.height = 48;
    spec.pictures = 25;
    spec.toneHz = toneHz;
    const std::string error =
        WriteVideo((play.project.folder() / "Frames" / name).string(), spec, [](int i, platform::Canvas& c) {
            const platform::Pixel g = static_cast<platform::Pixel>(i * kLevelStep);
            c.fill({0, 0, c.width(), c.height()}, 0xFF000000u | g << 16 | g << 8 | g);
        });
    ASSERT_EQ(error, "");
}

int NumberAt(HeadlessDriver& d, int x, int y) {
    return static_cast<int>(std::lround(double(d.pixel(x, y) & 0xFF) / kLevelStep));
}

// Harbour is black; a click anywhere plays the action's video, stretched over (100, 50, 320 × 240).
void VideoActionGame(Play& play, const std::string& video = "clip.mpg") {
    ProjectInfo info = BasicInfo();
    info.SkipWelcomeWindow = true;
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    play.project.general(info);
    FrameFile harbour;
    harbour.Picture = "0";
    play.project.frame("Harbour", harbour);
    HotspotSpec spot;
    spot.width = 640 * platform::kTwipsPerPixel;
    spot.height = 480 * platform::kTwipsPerPixel;
    ActionSpec action;
    action.video = video;
    // The stored placement: the rectangle of fields 20–23, stretched.
    action.videoDefaultPlacement = false;
    action.videoLeft = 100;
    action.videoTop = 50;
    action.videoWidth = 320;
    action.videoHeight = 240;
    play.project.hotspots("Harbour", {spot}).actions("Harbour", {action});
    WriteClip(play, "clip.mpg");
    play.start();
}

std::vector<std::string> Lines(HeadlessDriver& d, const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& l : d.state())
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

TEST(OneTimeVideo, PlaysStretchedOnTheClockWithItsSoundWhileTheActionWaits) {
    Play play;
    VideoActionGame(play);
    HeadlessDriver& d = *play.driver;
    std::vector<int> numbers;
    std::vector<std::string> lines;
    std::uint64_t playStarted = 0;
    d.setNestedSteps([&] {
        if (numbers.empty()) playStarted = d.backend().nowMs();
        if (numbers.size() == 5) return false; // the rest plays to its end
        numbers.push_back(NumberAt(d, 260, 170));
        if (numbers.size() == 3) {
            lines = Lines(d, "video: ");
            EXPECT_EQ(d.pixel(99, 170), 0xFF000000u) << "left of the rectangle the frame shows";
            EXPECT_EQ(d.pixel(420, 170), 0xFF000000u) << "and right of it";
            EXPECT_EQ(NumberAt(d, 419, 289), numbers.back()) << "the corner is the video's";
        }
        d.wait(200);
        return true;
    });
    d.click(320, 240);
    // Five looks, 200 ms apart: pictures 0, 5, 10, 15, 20 of 25 a second.
    ASSERT_EQ(numbers.size(), 5u);
    for (std::size_t k = 0; k < numbers.size(); ++k)
        EXPECT_NEAR(numbers[k], int(k) * 5, 1) << "look " << k;
    EXPECT_EQ(lines, (std::vector<std::string>{"video: clip.mpg at 100,50 size 320x240 (playing)"}));
    // The sound at level 7 (−12 dB) of a half-scale tone.
    EXPECT_NEAR(d.backend().audio().levelOver(playStarted + 100, playStarted + 900), 0.354 * 0.251, 0.02);
    // The wait lasted the video; the action then stopped it.
    EXPECT_GE(d.backend().nowMs() - playStarted, 980u);
    EXPECT_TRUE(Lines(d, "video: ").empty());
    EXPECT_EQ(d.player().game().form().find("OneTimeVideoPlayer", 1), nullptr);
    EXPECT_TRUE(d.boxes().empty());
}

TEST(OneTimeVideo, AClickEscapeOrAnotherHotspotEndsTheWait) {
    for (const std::string source : {"click", "Escape"}) {
        Play play;
        VideoActionGame(play);
        HeadlessDriver& d = *play.driver;
        int looks = 0;
        d.setNestedSteps([&] {
            if (++looks == 1) {
                d.wait(100);
                return true;
            }
            if (source == "click")
                d.click(5, 5);
            else
                d.key("Escape");
            return true;
        });
        const std::uint64_t began = d.backend().nowMs();
        d.click(320, 240);
        EXPECT_EQ(looks, 2) << source;
        EXPECT_LT(d.backend().nowMs() - began, 700u)
            << source << " ended the wait well before the video's end";
        EXPECT_FALSE(d.player().flags().StopMovie) << "cleared after the wait";
    }
}

TEST(OneTimeVideo, AFramesVideoPlaysAtItsOwnSizeAndABadOneGetsItsBox) {
    Play play;
    ProjectInfo info = BasicInfo();
    info.SkipWelcomeWindow = true;
    play.project.general(info);
    FrameFile harbour;
    harbour.Picture = "0";
    harbour.VideoFile = "clip.mpg";
    harbour.VideoUnstretched = true;
    harbour.VideoLeft = 10;
    harbour.VideoTop = 20;
    play.project.frame("Harbour", harbour);
    FrameFile broken;
    broken.VideoFile = "nothere.mpg";
    play.project.frame("Broken", broken);
    WriteClip(play, "clip.mpg", 0);
    std::vector<std::string> lines;
    play.prepare();
    play.driver->setNestedSteps([&] {
        if (lines.empty()) lines = Lines(*play.driver, "video: ");
        return false;
    });
    play.driver->start();
    EXPECT_EQ(lines, (std::vector<std::string>{"video: clip.mpg at 10,20 size 64x48 (playing)"}));
    EXPECT_TRUE(Lines(*play.driver, "video: ").empty()) << "the opening stopped it after the wait";

    play.player().game().OpenFrame("Broken", false, 0, 0);
    // The file lookup warns of the missing file first; then the video's own box.
    ASSERT_EQ(play.driver->boxes().size(), 2u);
    EXPECT_NE(play.driver->boxes()[1].text.find(
                  " Error while attempting to play the following video file: \"nothere.mpg\". "),
              std::string::npos)
        << play.driver->boxes()[1].text;
    EXPECT_EQ(play.player().game().frameName(), "Broken") << "the game goes on";
}

} // namespace
} // namespace run::testing
