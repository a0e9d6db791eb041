// Hotspot actions played through clicks and drops on built games: each part of the action
// record, the item-on-hotspot and pick-up files, the extra channel file, and damaged records.
#include "tests/gameplay/GameRig.h"
#include "tests/platform/media/Tones.h"

#include "run/project/record/RecordFile.h"

namespace run {
namespace {

using testing::ActionSpec;
using testing::GameRig;
using testing::Go;
using testing::Say;
using testing::Spot;

using testing::ClickSpot;
using testing::Row;

TEST(Actions, VariableFieldsApplyInOrderAndListsFollow) {
    GameRig g;
    ActionSpec all;
    all.variable = "v";
    all.setZero = all.setOne = all.toggle = true;
    ActionSpec toggleOnly;
    toggleOnly.variable = "v";
    toggleOnly.toggle = true;
    ActionSpec lists;
    lists.listZero = {"w"};
    lists.listOne = {"x", "v"};
    lists.listToggle = {"w"};
    g.project.hotspots("Start", Row(3)).actions("Start", {all, toggleOnly, lists});
    g.start();

    ClickSpot(g, 2);
    EXPECT_EQ(g.var("v"), 1);
    ClickSpot(g, 1);
    EXPECT_EQ(g.var("v"), 0) << "set to 0, set to 1, then toggled back to 0";
    ClickSpot(g, 1);
    EXPECT_EQ(g.var("v"), 0);

    ClickSpot(g, 3);
    EXPECT_EQ(g.var("w"), 1) << "zeroed, then toggled";
    EXPECT_EQ(g.var("x"), 1);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_TRUE(g.driver->boxes().empty());
}

TEST(Actions, MessageInTheFrameOrInABox) {
    GameRig g;
    g.project.hotspots("Start", Row(2))
        .actions("Start", {Say("Seen in the frame."), Say("Seen in a box.", false)});
    g.start();

    ClickSpot(g, 1);
    EXPECT_EQ(g.stateLines("message: "), std::vector<std::string>{"message: Seen in the frame."});
    EXPECT_TRUE(g.driver->boxes().empty());

    ClickSpot(g, 2);
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_EQ(g.driver->boxes()[0].text, "Seen in a box.");
    EXPECT_EQ(g.driver->boxes()[0].title, "Gameplay Tests");
}

TEST(Actions, DisappearHidesTheHotspotForGood) {
    GameRig g;
    ActionSpec vanish;
    vanish.disappear = true;
    g.project.hotspots("Start", Row(2)).actions("Start", {Go("Other"), vanish});
    g.project.hotspots("Other", Row(1)).actions("Other", {Go("Start")});
    g.start();
    ASSERT_TRUE(g.area(2)->visible);

    ClickSpot(g, 2);
    EXPECT_FALSE(g.area(2)->visible);
    EXPECT_TRUE(IsHotspotGone(g.variables(), "Start", 2));
    EXPECT_FALSE(IsHotspotGone(g.variables(), "Start", 1));

    ClickSpot(g, 1);
    ClickSpot(g, 1);
    ASSERT_EQ(g.frame(), "Start");
    EXPECT_FALSE(g.area(2)->visible) << "still gone when the frame opens again";
    EXPECT_TRUE(g.area(1)->visible);
}

TEST(Actions, QuitWinsOverTheFrameChangeAfterEarlierEffects) {
    GameRig g;
    ActionSpec quit = Go("Other");
    quit.variable = "v";
    quit.setOne = true;
    quit.disappear = true;
    quit.quit = true;
    quit.showMessage = true;
    quit.message = "never shown";
    g.project.hotspots("Start", Row(1)).actions("Start", {quit});
    g.start();

    ClickSpot(g, 1);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_TRUE(IsHotspotGone(g.variables(), "Start", 1));
    EXPECT_EQ(g.notes("OpenFrame Other"), 0);
    EXPECT_TRUE(g.flags().Quitting);
    EXPECT_TRUE(g.driver->boxes().empty());
    g.driver->wait(600);
    EXPECT_TRUE(g.driver->ended()) << "the welcome window was skipped, so the program ends";
}

TEST(Actions, GoToFrameAndGoBackNeedingTwoHistoryEntries) {
    GameRig g;
    ActionSpec back;
    back.goBack = true;
    g.project.hotspots("Start", Row(2)).actions("Start", {Go("Other"), back});
    g.project.hotspots("Other", Row(1)).actions("Other", {back});
    g.start();

    ClickSpot(g, 2);
    EXPECT_EQ(g.frame(), "Start") << "one history entry: nowhere to go back to";
    EXPECT_EQ(g.notes("OpenFrame"), 1);
    EXPECT_TRUE(g.driver->boxes().empty());

    ClickSpot(g, 1);
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.game().framesHistory(), (std::vector<std::string>{"Start", "Other"}));

    ClickSpot(g, 1);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_EQ(g.game().framesHistory(), std::vector<std::string>{"Start"});
}

TEST(Actions, AlternateRecordWinsAndMissingBlocksDoNothing) {
    GameRig g;
    g.project.hotspots("Start", Row(3))
        .actions("Start", {Say("from fm3", false), Say("fm3 two", false), Say("fm3 three", false)})
        .actions("Start", {Say("from mr3", false)}, true);
    g.start();

    ClickSpot(g, 1);
    EXPECT_EQ(g.boxTexts(), std::vector<std::string>{"from mr3"});
    ClickSpot(g, 2);
    ClickSpot(g, 3);
    EXPECT_EQ(g.boxTexts().size(), 1u) << "the alternate record has one block";
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_TRUE(g.stateLines("message: ").empty());
}

TEST(Actions, BlockWithOnlyTheFirstGroupStillActs) {
    GameRig g;
    ActionSpec old = Go("Other");
    old.variable = "v";
    old.setOne = true;
    old.showMessage = true;
    old.message = "An old record.";
    old.groups = 0;
    g.project.hotspots("Start", Row(1)).actions("Start", {old});
    g.start();

    ClickSpot(g, 1);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.boxTexts(), std::vector<std::string>{"An old record."})
        << "without group 4 a message is a box";
    EXPECT_EQ(g.frame(), "Other");
}

TEST(Actions, ItemOnHotspotByKeyInAnyLetterCaseUsesTheItemUp) {
    GameRig g;
    g.item("Key");
    g.item("coin");
    ActionSpec unlock = Say("Unlocked.");
    unlock.variable = "v";
    unlock.setOne = true;
    unlock.disappear = true;
    ActionSpec elsewhere = Say("Wrong hotspot.");
    g.project.hotspots("Start", Row(3)).actions("Start", {Say("a"), Say("b"), Say("c")});
    g.project.itemActions("Start", {{"2_key.drg", elsewhere}, {"3_kEY.DRG", unlock}});
    g.start();
    g.give({"coin", "Key"});

    g.openPanel();
    auto [cx, cy] = g.itemCentre(1);
    g.driver->drag(cx, cy, 50 + 2 * 70, 230);
    EXPECT_EQ(g.var("v"), 0) << "no block for the coin";
    EXPECT_EQ(g.items(), (std::vector<std::string>{"coin", "Key"}));
    EXPECT_TRUE(g.stateLines("message: ").empty()) << "a dropped item does not run the click action";

    g.openPanel();
    auto [kx, ky] = g.itemCentre(2);
    g.driver->drag(kx, ky, 50 + 2 * 70, 230);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.stateLines("message: "), std::vector<std::string>{"message: Unlocked."});
    EXPECT_EQ(g.items(), std::vector<std::string>{"coin"}) << "the used item goes, the hotspot stays";
    EXPECT_TRUE(g.area(3)->visible);
    EXPECT_FALSE(IsHotspotGone(g.variables(), "Start", 3));
}

TEST(Actions, PickUpsFromTheListThenFromTheRecord) {
    GameRig g;
    g.item("key");
    g.item("coin");
    ActionSpec pick;
    pick.pickItem = "coin";
    g.project.hotspots("Start", Row(2)).actions("Start", {pick, ActionSpec{}});
    g.project.pickups("Start", {{1, "key"}, {2, ""}});
    g.start();

    ClickSpot(g, 2);
    EXPECT_TRUE(g.items().empty());
    ClickSpot(g, 1);
    EXPECT_EQ(g.items(), (std::vector<std::string>{"key", "coin"}));
    EXPECT_EQ(g.stateLines("item: "), (std::vector<std::string>{"item: 1 = key", "item: 2 = coin"}));
    EXPECT_TRUE(g.driver->boxes().empty());
}

TEST(Actions, ExtraChannelsFileWithoutAHotspotsBlockLetsTheActionGoOn) {
    GameRig g;
    ActionSpec leave = Go("Other");
    leave.showMessage = true;
    leave.message = "Off we go.";
    leave.messageInFrame = false;
    g.project.hotspots("Start", Row(2)).actions("Start", {ActionSpec{}, leave});
    {
        RecordWriter w = RecordWriter::create(g.project.folder() / "FramesData" / "Start.fm5");
        w.writeField(RecordVariant{});
        w.writeField(std::int16_t{1});
        for (int i = 3; i <= 10 + 22; ++i)
            w.writeField(RecordVariant{});
        w.writeField(RecordVariant{});
        w.writeField(false);
        w.writeField(true);
        w.writeField("waves.wav");
        w.writeField(std::int16_t{1});
        w.writeField("----- SEPARATOR -----");
        w.commit();
    }
    g.project.file("Areas/waves.wav", platform::Tone(44100, 1, 0.5, 440, 0.5));
    g.start();

    ClickSpot(g, 1);
    AudioChannels& audio = g.driver->player().audio();
    const platform::MediaPlayer& waves = audio.channelPlayer(1);
    EXPECT_TRUE(waves.FileName().ends_with("waves.wav"));
    EXPECT_EQ(waves.PlayCount(), 0);
    EXPECT_EQ(waves.Volume(), LevelToVolume(8));
    ClickSpot(g, 2);
    EXPECT_EQ(g.boxTexts(), std::vector<std::string>{"Off we go."});
    EXPECT_EQ(g.frame(), "Other");
    g.driver->wait(2000);
    EXPECT_EQ(waves.PlayState(), platform::MediaPlayer::kPlaying) << "the loop goes on after half a second";
}

TEST(Actions, MissingFrameShowsTheBrokenLinkBoxAndTheGameGoesOn) {
    GameRig g;
    g.project.hotspots("Start", Row(2)).actions("Start", {Go("Nowhere"), Go("Other")});
    g.start();

    ClickSpot(g, 1);
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_NE(
        g.boxTexts()[0].find("A program link is broken. The frame named \"Nowhere\" could not be found."),
        std::string::npos);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_TRUE(g.area(1)->visible);
    ClickSpot(g, 2);
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.driver->boxes().size(), 1u);
}

TEST(Actions, RecordCutShortMidGroupKeepsEarlierEffectsAndSaysSo) {
    GameRig g;
    g.project.hotspots("Start", Row(1));
    {
        // Group 0 in full (v set to 1, disappear), then group 1 stops after three fields.
        RecordWriter w = RecordWriter::create(g.project.folder() / "FramesData" / "Start.fm3");
        for (int i = 0; i < 10; ++i)
            w.writeField(RecordVariant{});
        w.writeField(std::int16_t{1});
        w.writeField("v");
        w.writeField(false);
        w.writeField(true);
        w.writeField(false);
        w.writeField(std::int16_t{1});
        w.writeField("lost message");
        w.writeField(std::int16_t{0});
        w.writeField("");
        w.writeField(std::int16_t{1});
        w.writeField(std::int16_t{0});
        w.writeField(std::int16_t{1});
        w.writeField("Other");
        for (int i = 0; i < 3; ++i)
            w.writeField(std::int16_t{0});
        w.commit();
    }
    g.start();

    ClickSpot(g, 1);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_TRUE(IsHotspotGone(g.variables(), "Start", 1));
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_NE(g.boxTexts()[0].find(" Unable to make the action associated with the hotspot #1. "),
              std::string::npos);
    EXPECT_EQ(g.frame(), "Start") << "what follows the damage does not happen";
    EXPECT_TRUE(g.stateLines("message: ").empty());

    g.driver->click(400, 400);
    EXPECT_EQ(g.driver->boxes().size(), 1u) << "the game goes on";
}

TEST(Actions, ACountOrTransitionKindBeyondItsTypeFailsTheAction) {
    GameRig g;
    g.project.hotspots("Start", Row(2));
    // The fixed part going to Other and the groups up to the message's place, then the variable
    // lists' count and the transition kind as given.
    auto block = [](const std::string& listCount, const std::string& kind) {
        std::string b;
        for (int i = 0; i < 10; ++i)
            b += "0\r\n";
        b += "0\r\n\"\"\r\n#FALSE#\r\n#FALSE#\r\n#FALSE#"
             "\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n0\r\n1\r\n\"Other\"\r\n";
        b += "0\r\n0\r\n0\r\n\"\"\r\n#FALSE#\r\n#FALSE#\r\n0\r\n0\r\n0\r\n0\r\n";            // sounds, video
        b += "0\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n#TRUE#\r\n"; // sounds …
                                                                                             // message
        b += "0\r\n0\r\n0\r\n1\r\n0\r\n" + listCount + "\r\n\"v\"\r\n0\r\n";                 // lists: v to 1
        b += "#TRUE#\r\n" + kind + "\r\n500\r\n"; // looping, transition
        return b + "\"----- SEPARATOR -----\"\r\n";
    };
    g.project.file("FramesData/Start.fm3", block("1e12", "0") + block("1", "1e300"));
    g.start();
    for (int spot : {1, 2}) {
        ClickSpot(g, spot);
        EXPECT_EQ(g.boxesWith(" Unable to make the action associated with the hotspot #" +
                              std::to_string(spot) + ". "),
                  1);
        EXPECT_EQ(g.frame(), "Start");
    }
    EXPECT_EQ(g.var("v"), 1) << "the second block's list was read before its bad kind";
}

TEST(Actions, TheRecordsScriptRunsWithItsHotspotNumberAndChoosesTheFrame) {
    GameRig g;
    ActionSpec scripted;
    scripted.script = "If iHotspotNumber = 1 Then sFrameToLoad = |Other| : w = 7";
    ActionSpec quitting;
    quitting.script = "bStopGame = True";
    quitting.goToFrame = "Other";
    g.project.hotspots("Start", Row(2)).actions("Start", {scripted, quitting});
    g.start();
    ClickSpot(g, 1);
    EXPECT_EQ(g.frame(), "Other") << "the vertical bars are double quotes";
    EXPECT_EQ(g.var("w"), 7);
    EXPECT_TRUE(g.driver->boxes().empty());

    g.game().OpenFrame("Start", false, 0, 0);
    ClickSpot(g, 2);
    EXPECT_TRUE(g.flags().Quitting) << "a script that stops the game wins over the frame change";
    EXPECT_EQ(g.frame(), "Start");
}

} // namespace
} // namespace run
