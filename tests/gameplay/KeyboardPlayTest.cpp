// Playing with the keys: Tab and Shift+Tab over the hotspots in reading order and, with the
// panel open (I), over the items; Enter clicks a hotspot, takes an item and uses it on the next
// hotspot; F1 held outlines every hotspot; the Options menu switches it off for good.
#include "run/frames/KeyboardPlay.h"
#include "run/frames/GameMenus.h"
#include "run/platform/ui/Keys.h"
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

using namespace testing;

TEST(KeyboardPlay, TabEnterItemsOutlinesAndTheSwitch) {
    GameRig g;
    g.item("key");
    // Hotspot 3 above the other two: first in reading order.
    std::vector<HotspotSpec> spots = Row(2);
    spots.push_back(Spot(300, 40, 60, 60));
    ActionSpec unlock;
    unlock.variable = "v";
    unlock.setOne = true;
    g.project.hotspots("Start", spots).actions("Start", {Say("one"), Go("Other"), Say("three")});
    g.project.itemActions("Start", {{"1_key.drg", unlock}});
    auto& d = g.start();
    g.give({"key"});

    d.key("Tab");
    EXPECT_EQ(g.stateLines("highlight: "), std::vector<std::string>{"highlight: hotspot 3"});
    d.key("Tab");
    d.key("Shift+Tab");
    d.key("Shift+Tab");
    EXPECT_EQ(g.stateLines("highlight: "), std::vector<std::string>{"highlight: hotspot 2"})
        << "round the end";
    const platform::Rect spot = platform::ElementRectOnForm(g.form().get("Area", 2));
    EXPECT_EQ(d.screenshot().pixel(spot.x + 2, spot.y + 2), 0xFFFFD200u) << "the highlight is drawn";

    // F1 held outlines the three hotspots; let go, none.
    g.game().keyboard().onKeyDown(platform::kKeyF1, 0);
    EXPECT_EQ(g.form().arrayMembers("KeyOutline").size(), 4u) << "the template and three outlines";
    g.game().keyboard().onKeyUp(platform::kKeyF1, 0);
    EXPECT_EQ(g.form().arrayMembers("KeyOutline").size(), 1u);

    // I opens the panel; the item joins Tab's round after the hotspots; Enter takes it and uses
    // it on the hotspot highlighted next.
    d.key("I");
    ASSERT_TRUE(g.inventory().panelOpen());
    d.key("Tab");
    EXPECT_EQ(g.stateLines("highlight: "), std::vector<std::string>{"highlight: item 1 = key"});
    d.key("Enter");
    EXPECT_EQ(g.stateLines("holding: "), std::vector<std::string>{"holding: item 1 = key"});
    d.key("Tab");
    d.key("Tab");
    EXPECT_EQ(g.stateLines("highlight: "), std::vector<std::string>{"highlight: hotspot 1"});
    d.key("Enter");
    EXPECT_EQ(g.var("v"), 1) << "the key's action on hotspot 1";
    EXPECT_TRUE(g.stateLines("holding: ").empty());

    // Enter clicks: hotspot 2 leads to the other frame, where nothing is highlighted yet.
    d.key("Tab");
    EXPECT_EQ(g.stateLines("highlight: "), std::vector<std::string>{"highlight: hotspot 2"});
    d.key("Enter");
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_TRUE(g.stateLines("highlight: ").empty());

    // Switched off, Tab does nothing, and the choice is kept.
    g.game().menus().InvertKeyboardPlay();
    d.key("Tab");
    EXPECT_TRUE(g.stateLines("highlight: ").empty());
    EXPECT_EQ(g.context().getUserSetting("KeyboardPlay", ""), "False");
    EXPECT_TRUE(d.boxes().empty());
}

} // namespace
} // namespace run
