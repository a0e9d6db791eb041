// The game window's named objects on a running game: global names that reach the screen and the
// window past the empty video array, the frames history list, menus with their check marks, the
// window's operations through SoftwareObjects, and the spare media player heard on the device.
#include "tests/platform/media/Tones.h"
#include "tests/scripting/host/ApiRig.h"

namespace run {
namespace {

using testing::ApiRig;
using testing::TextOfT;

TEST(GameObjects, GlobalNamesPassTheEmptyVideoArray) {
    ApiRig g;
    g.project.variables({"v", "w", "x", "y", "z"}, {"t", "Reference_All_Controls"});
    g.start();
    g.script("v = (Width = ScreenObject.Width) : w = MousePointer : x = LoopingVideo.Count : y = "
             "LoopingVideo.UBound : "
             "Caption = \"Renamed\" : Top = 30 : Tag = \"kept\" : t = Tag");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), -1) << "Width is the screen's";
    EXPECT_EQ(g.var("w"), 0);
    EXPECT_EQ(g.var("x"), 1) << "no video plays: only the hidden template";
    EXPECT_EQ(g.var("y"), 0);
    EXPECT_EQ(g.form().caption, "Renamed") << "Caption is the game window's";
    EXPECT_EQ(g.form().top, 30);
    EXPECT_EQ(TextOfT(g), "kept");
}

TEST(GameObjects, TheFramesHistoryListIsTheGamesHistory) {
    ApiRig g;
    g.start();
    g.script("v = FramesHistoryObject.ListCount : t = FramesHistoryObject.List(0) & \"/\" & "
             "FramesHistoryObject.Text : "
             "FramesHistoryObject.ListIndex = 0 : t = t & \"/\" & FramesHistoryObject");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(TextOfT(g), "Start//Start") << "nothing selected, then the first entry";

    // A script that puts a frame before the current one sends "last visited frame" there.
    g.script("FramesHistoryObject.AddItem \"Other\", 0 : w = FramesHistoryObject.NewIndex : "
             "sFrameToLoad = \"last visited frame\"");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.game().framesHistory(), std::vector<std::string>{"Other"});

    g.script("FramesHistoryObject.List(0) = \"Start\" : FramesHistoryObject.AddItem \"Other\" : "
             "FramesHistoryObject.RemoveItem 1");
    EXPECT_EQ(g.game().framesHistory(), std::vector<std::string>{"Start"});
    g.script(
        "On Error Resume Next : FramesHistoryObject.RemoveItem 5 : y = Err.Number : Err.Clear : "
        "FramesHistoryObject.Clear : z = FramesHistoryObject.ListCount + 10 * Len(FramesHistoryObject.Text)");
    EXPECT_EQ(g.var("y"), 5);
    EXPECT_EQ(g.var("z"), 0);
    EXPECT_TRUE(g.game().framesHistory().empty());
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

TEST(GameObjects, MenuCheckMarksAreTheMenusOwn) {
    ApiRig g;
    g.start();
    ASSERT_FALSE(g.flags().transitionsDisabled);
    g.script("TransitionsMenuObject.Checked = True : DebugMenuObject.Checked = True : v = "
             "TransitionsMenuObject.Checked : "
             "w = ExitMenuObject.Checked : x = Len(ExitMenuObject.Caption)");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), -1);
    EXPECT_EQ(g.var("w"), 0);
    EXPECT_EQ(g.var("x"), static_cast<int>(g.form().get("mnuExit").caption.size()));
    EXPECT_TRUE(g.flags().transitionsDisabled) << "as choosing the menu item does";
    EXPECT_EQ(g.context().getUserSetting("DisableTransitions", ""), "True");
    EXPECT_EQ(g.form().get("mnuDisableTransitions").value, 1);
    EXPECT_EQ(g.form().get("mnuDebug").value, 1);
    g.script("TransitionsMenuObject.Checked = False : DisableEffectsMenuObject.Checked = True");
    EXPECT_FALSE(g.flags().transitionsDisabled);
    EXPECT_TRUE(g.flags().effectsDisabled);
}

TEST(GameObjects, SoftwareObjectsReachesTheWindowsOperations) {
    ApiRig g;
    g.project.variables({"v", "w", "x", "y", "z"}, {"t", "reference_all_controls"});
    testing::HotspotSpec spot = testing::Spot(20, 200, 50, 50);
    spot.hasConditions = true;
    spot.hideIf = {"v"};
    g.project.hotspots("Start", {spot});
    FrameFile other = testing::Colour(0x004000);
    other.RunEntryScript = true;
    other.EntryScript = "z = 7";
    g.project.frame("Other", other);
    g.start();
    ASSERT_TRUE(g.area(1)->visible);
    g.script(
        "v = 1 : ShowOrNotShowAreas : w = Area(1).Visible : SoftwareObjects.OpenFrame \"Other\" : x = 1");
    EXPECT_EQ(g.var("w"), 0) << "hidden while the script runs";
    EXPECT_EQ(g.var("x"), 1);
    EXPECT_EQ(g.frame(), "Other");
    // The frame opened inside the script cannot run its entry script meanwhile.
    EXPECT_EQ(g.var("z"), 0);
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_NE(
        g.boxTexts()[0].find("Error executing script. Make sure that you are not trying to execute a script "
                             "while another script is being executed."),
        std::string::npos);
    g.script("On Error Resume Next : SoftwareObjects.OpenFrame : y = Err.Number");
    EXPECT_EQ(g.var("y"), 450);
}

TEST(GameObjects, TheSparePlayerIsHeard) {
    ApiRig g;
    g.project.file("Areas/a.wav", platform::Tone(22050, 1, 3, 440, 0.5));
    g.start();
    const std::uint64_t t = g.driver->backend().nowMs();
    g.script("MediaPlayerObject.FileName = AppObject.Path & \"\\Areas\\a.wav\" : MediaPlayerObject.Play : v "
             "= MediaPlayerObject.PlayState");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 2);
    g.driver->wait(400);
    EXPECT_NEAR(g.driver->backend().audio().levelOver(t + 50, t + 300), 0.354, 0.02) << "a half-scale sine";
    EXPECT_TRUE(g.stateLines("sound: ").empty()) << "none of the channels' players";
    g.script("MediaPlayerObject.Stop");
    g.driver->wait(200);
    EXPECT_LT(g.driver->backend().audio().levelOver(t + 500, t + 600), 0.01);
}

} // namespace
} // namespace run
