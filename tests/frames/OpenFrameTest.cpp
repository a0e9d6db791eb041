// Opening frames: the order of the steps, broken links, old frame files, the frame timer and
// the frames history.
#include "tests/frames/FrameRig.h"

#include "run/frames/Plugins.h"
#include "run/project/record/RecordFile.h"
#include "tests/platform/media/Tones.h"

namespace run {
namespace {

using testing::ColourFrame;
using testing::FrameRig;
using testing::Text;

TEST(OpenFrame, StepsRunInTheirFixedOrder) {
    FrameRig rig;
    FrameFile start = ColourFrame(0x000000);
    start.TimerEnabled = true;
    start.TimerSeconds = "3";
    start.TimerTarget = "Start";
    start.RunEntryScript = true;
    start.EntryScript = "x = 1";
    rig.project.frame("Start", start);
    rig.project.texts("Start", {Text(1, "Hello")});
    rig.project.hotspots("Start", {{}});
    rig.start();

    // Every step of the opening, in the order other parts rely on.
    const char* order[] = {"OpenFrame Start",
                           "ResetTimedEvents",
                           "ForgetTransitionDestination",
                           "FramesHistoryAdd Start",
                           "ReadFrameFile",
                           "StoreFrameChannelRequests",
                           "StopRipplingWater",
                           "FrameSoundOnOpen",
                           "ResetFrameTexts",
                           "ResetFrameAreas",
                           "DrawBackground",
                           "LoadTexts",
                           "ReadHotspotCount",
                           "LoadAreas",
                           "ResetScriptModule",
                           "RunFrameEntryScript",
                           "ShowOrNotShowAreas",
                           "FrameSoundAfterShow",
                           "ApplyChannelRequests",
                           "EnableAudioFadeTimer",
                           "LoadFrameDialogueIfAny Start",
                           "StopOneTimeVideoPlayer",
                           "RestartHotspotVideos",
                           "FrameTimer 3000 Start",
                           "StartTimedEvents"};
    int previous = -1;
    for (const char* step : order) {
        int at = rig.step(step);
        ASSERT_GE(at, 0) << step << " is missing";
        EXPECT_GT(at, previous) << step << " is out of order";
        previous = at;
    }
    EXPECT_EQ(rig.stateLines("text: ").size(), 1u);
    EXPECT_EQ(rig.stateLines("hotspot: ").size(), 1u);
    EXPECT_TRUE(rig.driver->boxes().empty());
}

TEST(OpenFrame, TheEntryScriptRunsAfterTheProjectsFrameScriptAndTheMusicIsHeard) {
    FrameRig rig;
    rig.project.variables({"x", "y"});
    rig.info.RunFrameScript = true;
    rig.info.FrameScript = "y = y + 2";
    FrameFile start = ColourFrame(0);
    start.MusicFile = "sea.wav";
    start.RunEntryScript = true;
    start.EntryScript = "x = y * 10";
    // A reference to a plug-in the game does not load adds no code: the entry script still runs.
    start.PluginParameters = "\xC2\xA4Weather\xC2\xA5sunny\xC2\xA5"
                             "2";
    rig.project.frame("Start", start);
    rig.project.file("Areas/sea.wav", platform::Tone(22050, 1, 3, 440, 0.5));
    auto& d = rig.start();
    EXPECT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
    EXPECT_EQ(rig.variables().Variables.Item(1).Value, 20);
    EXPECT_EQ(rig.stateLines("sound: "), std::vector<std::string>{"sound: 6 = sea.wav (-1200, loop)"});
    const std::uint64_t t = d.backend().nowMs();
    d.wait(300);
    EXPECT_GT(d.backend().audio().levelOver(t + 50, t + 300), 0.05) << "the music is heard";
}

TEST(PluginActions, ReferencesBecomeCallsOfTheLoadedPluginsProcedures) {
    const std::vector<PluginActionNames> plugins = {{"Rain", "RainOnClick", "RainOnFrame"},
                                                    {"Wind", "WindA", "WindB"},
                                                    {"Wind", "WindOnClick", "WindOnFrame"}};
    const std::string text = "ignored\xC2\xA4Rain\xC2\xA5"
                             "3\xC2\xA5heavy{Nobody}x{Wind}";
    EXPECT_EQ(ExpandPluginActions(plugins, text, true),
              "RainOnClick \"3\",\"heavy\"\r\n\r\nWindOnClick \"\"");
    EXPECT_EQ(ExpandPluginActions(plugins, text, false),
              "RainOnFrame \"3\",\"heavy\"\r\n\r\nWindOnFrame \"\"");
    EXPECT_EQ(ExpandPluginActions(plugins, "{rain}", true), "") << "identifiers match exactly";
    EXPECT_EQ(ExpandPluginActions(plugins, "no references", true), "");
}

TEST(OpenFrame, HistoryIsAddedBeforeTheFileIsReadAndOldElementsGoBeforeTheBackground) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0x000000));
    rig.project.texts("Start", {Text(1, "Hello")});
    rig.project.hotspots("Start", {{}});
    // Fields 1–3 are fine, field 4 is not a Boolean.
    rig.project.file("Frames/Damaged.fme", "0,\"255\",#FALSE#,\"not a Boolean\"\r\n");
    FrameFile badPicture;
    badPicture.PictureType = 1;
    badPicture.Picture = "garbage.bmp";
    rig.project.frame("BadPicture", badPicture);
    rig.project.file("Frames/garbage.bmp", "these bytes are no picture");
    rig.start();

    rig.open("Damaged");
    EXPECT_EQ(rig.game().framesHistory(), (std::vector<std::string>{"Start", "Damaged"}));
    EXPECT_EQ(rig.boxesWith(" Unable to load the frame called 'Damaged'. "), 1);

    rig.open("Start");
    ASSERT_EQ(rig.stateLines("hotspot: ").size(), 1u);
    rig.open("BadPicture");
    EXPECT_EQ(rig.boxesWith(" Unable to load the frame called 'BadPicture'. "), 1);
    EXPECT_TRUE(rig.stateLines("hotspot: ").empty()) << "the old hotspots went before the failing background";
    EXPECT_TRUE(rig.stateLines("text: ").empty());
}

TEST(OpenFrame, BrokenLinksKeepTheCurrentFrame) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0x0000FF));
    rig.project.hotspots("Start", {{}});
    auto& d = rig.start();

    rig.open("");
    rig.open("Nowhere");
    ASSERT_EQ(d.boxes().size(), 2u);
    EXPECT_TRUE(d.boxes()[0].text.ends_with(" A program link is broken.")) << d.boxes()[0].text;
    EXPECT_NE(
        d.boxes()[1].text.find(" A program link is broken. The frame named \"Nowhere\" could not be found. "
                               "Verify that the 'Initial Frame' exists"),
        std::string::npos)
        << d.boxes()[1].text;
    EXPECT_TRUE(rig.trace.empty()) << "nothing of the frame was touched";
    EXPECT_EQ(rig.game().frameName(), "Start");
    EXPECT_EQ(rig.stateLines("hotspot: ").size(), 1u);
    EXPECT_EQ(d.pixel(5, 5), 0xFFFF0000u);
}

TEST(FrameFile, OlderFilesEndAfterAnyGroup) {
    FrameFile full = ColourFrame(0x123456);
    full.MusicFile = "sea.mid";
    full.FrameSoundFile = "gulls.wav";
    full.VideoLeft = 7;
    full.MusicLoop = false;
    full.TimerTransition = true;
    full.TimerTransitionDuration = 900;
    full.TimerTransitionNumber = 4;
    full.RunEntryScript = true;
    full.EntryScript = "MsgBox \"hi\"";
    full.channelRequests.entries = {{1, false, true, 50, "wind.wav"}};
    full.VideoBeforeFrame = true;
    full.PluginParameters = "p=~1~";
    testing::TempFolder tmp;
    testing::ProjectBuilder b(tmp / "game");
    for (int last : {10, 13, 22, 23, 25, 26, 28, 38, 39, 40}) {
        b.frame("F", full, last);
        RecordReader r = RecordReader::open(b.folder() / "Frames" / "F.fme");
        FrameFile f = ReadFrameFile(r);
        EXPECT_EQ(f.Picture, full.Picture) << last;
        EXPECT_EQ(f.MusicFile, "sea.mid") << last;
        EXPECT_EQ(f.FrameSoundFile, last >= 13 ? "gulls.wav" : "") << last;
        EXPECT_EQ(f.VideoLeft, last >= 22 ? 7 : 0) << last;
        EXPECT_EQ(f.MusicLoop, last < 23) << last << ": music loops unless the file says otherwise";
        EXPECT_EQ(f.TimerTransitionDuration, last >= 25 ? 900 : 0) << last;
        EXPECT_EQ(f.TimerTransitionNumber, last >= 26 ? 4 : 0) << last;
        EXPECT_EQ(f.RunEntryScript, last >= 28) << last;
        EXPECT_EQ(f.EntryScript, last >= 28 ? "MsgBox \"hi\"" : "") << last;
        EXPECT_EQ(f.channelRequests.entries.size(), last >= 38 ? 1u : 0u) << last;
        EXPECT_EQ(f.VideoBeforeFrame, last >= 39) << last;
        EXPECT_EQ(f.PluginParameters, last >= 40 ? "p=\"\"1\"\"" : "") << last;
    }
}

TEST(OpenFrame, FrameFileOfTenFieldsOpensWithoutEntryScript) {
    FrameRig rig;
    FrameFile old = ColourFrame(0x00FF00);
    old.RunEntryScript = true;
    old.EntryScript = "x = 1";
    rig.project.frame("Start", old, 10);
    auto& d = rig.start();
    EXPECT_TRUE(d.boxes().empty());
    EXPECT_EQ(rig.game().frameName(), "Start");
    EXPECT_EQ(rig.step("RunFrameEntryScript"), -1);
    EXPECT_GE(rig.step("StartTimedEvents"), 0) << "the opening ran to its end";
    EXPECT_EQ(d.pixel(100, 100), 0xFF00FF00u);
}

TEST(FrameTimer, IntervalIsTheLeadingNumberInMilliseconds) {
    EXPECT_EQ(FrameTimerInterval("2.5"), 2500);
    EXPECT_EQ(FrameTimerInterval("0.0004"), 0);
    EXPECT_EQ(FrameTimerInterval("65.535"), 65535);
    EXPECT_EQ(FrameTimerInterval("3 seconds"), 3000);
    EXPECT_EQ(FrameTimerInterval("soon"), 0);
    EXPECT_THROW(FrameTimerInterval("65.536"), std::exception);
    EXPECT_THROW(FrameTimerInterval("-1"), std::exception);
}

TEST(FrameTimer, JumpsToItsTargetWhenDue) {
    FrameRig rig;
    FrameFile start = ColourFrame(0);
    start.TimerEnabled = true;
    start.TimerSeconds = "2.5";
    start.TimerTarget = "Next";
    rig.project.frame("Start", start).frame("Next", ColourFrame(0xFFFFFF));
    auto& d = rig.start();
    d.wait(2499);
    EXPECT_EQ(rig.game().frameName(), "Start");
    d.wait(1);
    EXPECT_EQ(rig.game().frameName(), "Next");
    EXPECT_EQ(d.pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_TRUE(d.boxes().empty());
}

TEST(FrameTimer, TooLongADurationIsReportedAndSetsNoTimer) {
    FrameRig rig;
    FrameFile start = ColourFrame(0);
    start.TimerEnabled = true;
    start.TimerSeconds = "70";
    start.TimerTarget = "Next";
    rig.project.frame("Start", start).frame("Next", ColourFrame(0xFFFFFF));
    auto& d = rig.start();
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_TRUE(d.boxes()[0].text.ends_with(" Unable to load timer duration.")) << d.boxes()[0].text;
    EXPECT_GE(rig.step("StartTimedEvents"), 0) << "the frame still opens";
    d.wait(80000);
    EXPECT_EQ(rig.game().frameName(), "Start");
}

TEST(FrameTimer, LastVisitedFrameGoesBackAndDoesNothingOnTheFirstFrame) {
    FrameRig rig;
    FrameFile start = ColourFrame(0);
    start.TimerEnabled = true;
    start.TimerSeconds = "1";
    start.TimerTarget = "[last visited frame]";
    FrameFile next = ColourFrame(0xFFFFFF);
    next.TimerEnabled = true;
    next.TimerSeconds = "1";
    next.TimerTarget = "[Last Visited Frame]";
    rig.project.frame("Start", start).frame("Next", next);
    auto& d = rig.start();
    rig.trace.clear();
    d.wait(1500);
    EXPECT_EQ(rig.game().frameName(), "Start");
    EXPECT_EQ(rig.step("OpenFrame"), -1);

    rig.open("Next");
    d.wait(1000);
    EXPECT_EQ(rig.game().frameName(), "Start");
    EXPECT_EQ(rig.game().framesHistory(), std::vector<std::string>{"Start"});
    EXPECT_TRUE(d.boxes().empty());
}

TEST(FrameTimer, QuitEndsTheGame) {
    FrameRig rig;
    FrameFile start = ColourFrame(0);
    start.TimerEnabled = true;
    start.TimerSeconds = "1";
    start.TimerTarget = "[QUIT]";
    rig.project.frame("Start", start);
    auto& d = rig.start();
    d.wait(999);
    EXPECT_FALSE(rig.flags().Quitting);
    d.wait(1);
    EXPECT_TRUE(rig.flags().Quitting);
    d.wait(500);
    EXPECT_TRUE(d.ended());
    EXPECT_TRUE(d.boxes().empty());
}

TEST(FramesHistory, NoRepeatAtTheEndAndTwentyAtMost) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.start();
    GameWindow& g = rig.game();
    for (const char* name : {"A", "B", "B", "C", "B"})
        g.FramesHistoryAdd(name);
    EXPECT_EQ(g.framesHistory(), (std::vector<std::string>{"Start", "A", "B", "C", "B"}));

    std::vector<std::string> expected;
    for (int i = 1; i <= 25; ++i) {
        g.FramesHistoryAdd("F" + std::to_string(i));
        if (i > 5) expected.push_back("F" + std::to_string(i));
    }
    EXPECT_EQ(g.framesHistory(), expected);
}

} // namespace
} // namespace run
