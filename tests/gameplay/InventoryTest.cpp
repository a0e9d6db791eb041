// The inventory on a running game: the grid and the panel's growth, removing and combining
// items by dragging, the pop-up on pick-up, the sliding panel on the virtual clock, the band
// along the frame's top edge, and the inventory switched off.
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

using testing::ActionSpec;
using testing::GameRig;
using testing::Spot;

constexpr int kTw = platform::kTwipsPerPixel;

std::vector<std::string> Names(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i)
        out.push_back("i" + std::to_string(i));
    return out;
}

TEST(Inventory, FifteenToARowThenTheSixteenthGrowsThePanel) {
    GameRig g;
    for (const auto& n : Names(16))
        g.item(n);
    g.start();
    platform::Element& panel = g.form().get("Inventory1");
    g.give(Names(15));
    // A cell is 10 × 15 + 480 = 630 twips, and 9600 / 630 gives 15 columns.
    EXPECT_EQ(panel.height, 150 + 630);
    platform::Element& last = g.form().get("PickedObject", 15);
    EXPECT_EQ(last.left, 150 + 14 * 630);
    EXPECT_EQ(last.top, 150);
    EXPECT_LE(last.left + last.width, 640 * kTw);
    EXPECT_EQ(panel.top, -panel.height) << "still closed";

    g.give({"i16"});
    platform::Element& next = g.form().get("PickedObject", 16);
    EXPECT_EQ(next.left, 150);
    EXPECT_EQ(next.top, 150 + 630);
    EXPECT_EQ(panel.height, 150 + 2 * 630);
    EXPECT_EQ(panel.top, -panel.height) << "a closed panel stays out of sight as it grows";

    g.openPanel();
    auto [x, y] = g.itemCentre(16);
    EXPECT_EQ(g.driver->pixel(x, y), 0xFFC03020u) << "the second row is on the open panel";
}

TEST(Inventory, RemovingMovesLaterItemsUp) {
    GameRig g;
    g.item("a", 0xFF101010);
    g.item("b", 0xFF202020);
    g.item("c", 0xFF303030);
    g.item("d", 0xFF404040);
    g.start();
    g.give({"a", "b", "c", "d"});
    platform::PicturePtr third = g.form().get("PickedObject", 3).picture;

    g.inventory().RemovePickedObject(2);
    EXPECT_EQ(g.items(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(g.form().find("PickedObject", 4), nullptr);
    EXPECT_EQ(g.form().get("PickedObject", 2).picture, third);
    g.openPanel();
    auto [x, y] = g.itemCentre(3);
    EXPECT_EQ(g.driver->pixel(x, y), 0xFF404040u);

    g.inventory().RemovePickedObject(7);
    EXPECT_EQ(g.boxesWith("Unable to remove the item from the inventory."), 1);
    EXPECT_EQ(g.items().size(), 3u);
}

TEST(Inventory, CombiningConsumesBothWhicheverWayTheyLie) {
    // Dragged item before the target (its removal shifts the target down) and after it.
    for (auto [from, onto] : {std::pair{3, 5}, std::pair{5, 3}}) {
        GameRig g;
        for (const auto& n : Names(6))
            g.item(n);
        g.item("mix", 0xFF00A0A0);
        std::string dragged = "i" + std::to_string(from), target = "i" + std::to_string(onto);
        g.project.combination(dragged, target, true, true, "mix");
        g.start();
        g.give(Names(6));

        g.openPanel();
        auto [x1, y1] = g.itemCentre(from);
        auto [x2, y2] = g.itemCentre(onto);
        g.driver->drag(x1, y1, x2, y2);
        std::vector<std::string> expected;
        for (const auto& n : Names(6)) {
            if (n != dragged && n != target) expected.push_back(n);
        }
        expected.push_back("mix");
        EXPECT_EQ(g.items(), expected) << dragged << " onto " << target;
    }
}

TEST(Inventory, DraggingAnItemOntoItselfOrAnUnknownPairDoesNothing) {
    GameRig g;
    for (const auto& n : Names(3))
        g.item(n);
    g.project.combination("i2", "i2", true, true, "i3");
    g.start();
    g.give(Names(3));
    g.openPanel();
    auto [x, y] = g.itemCentre(2);
    g.driver->drag(x, y, x + 3, y + 3);
    auto [x3, y3] = g.itemCentre(3);
    g.driver->drag(x, y, x3, y3);
    EXPECT_EQ(g.items(), Names(3));
    EXPECT_EQ(g.notes("RemovePickedObject"), 0);
    EXPECT_TRUE(g.driver->boxes().empty());
    EXPECT_FALSE(g.form().get("DragIcon").visible);
}

TEST(Inventory, PopUpOnPickUpClosesTwoSecondsLaterEvenUnderThePointer) {
    GameRig g;
    g.info.OpenInventoryOnPickUp = true;
    g.item("key");
    g.project.hotspots("Start", {Spot(200, 200, 60, 60)})
        .actions("Start", {ActionSpec{}})
        .pickups("Start", {{1, "key"}});
    g.start();
    ASSERT_FALSE(g.inventory().panelOpen());

    g.driver->click(230, 230);
    EXPECT_TRUE(g.inventory().panelOpen());
    EXPECT_EQ(g.form().get("Inventory1").top, 0);
    auto [x, y] = g.itemCentre(1);
    g.driver->move(x, y);
    g.driver->move(x + 100, y);
    g.driver->wait(1500);
    EXPECT_TRUE(g.inventory().panelOpen());
    g.driver->wait(1000);
    EXPECT_FALSE(g.inventory().panelOpen());
    EXPECT_FALSE(g.inventory().moving());
}

TEST(Inventory, FullSlideTakesAboutAThirdOfASecondOfClockTime) {
    for (bool slideIn : {true, false}) {
        GameRig g;
        g.info.InventorySlideIn = slideIn;
        g.item("key");
        g.start();
        g.give({"key"});
        std::uint64_t before = g.driver->backend().nowMs();
        g.openPanel();
        std::uint64_t opened = g.driver->backend().nowMs();
        g.driver->move(300, 300);
        std::uint64_t closed = g.driver->backend().nowMs();
        EXPECT_FALSE(g.inventory().panelOpen());
        if (slideIn) {
            EXPECT_GE(opened - before, 250u);
            EXPECT_LE(opened - before, 500u);
        } else {
            EXPECT_LE(opened - before, 20u) << "without sliding in, the panel jumps open";
        }
        EXPECT_GE(closed - opened, 250u);
        EXPECT_LE(closed - opened, 500u);
    }
}

TEST(Inventory, BandAlongTheTopEdgeOpensAClosedPanel) {
    GameRig g;
    g.item("key");
    // A hotspot along the top edge: the band works over it too.
    g.project.hotspots("Start", {Spot(0, 0, 320, 40)}).actions("Start", {ActionSpec{}});
    g.start();
    g.give({"key"});

    g.driver->move(500, 200);
    g.driver->move(500, Inventory::kOpenBand);
    EXPECT_FALSE(g.inventory().panelOpen()) << "just below the band";
    g.driver->move(500, Inventory::kOpenBand - 1);
    EXPECT_TRUE(g.inventory().panelOpen());
    g.driver->move(500, 300);
    EXPECT_FALSE(g.inventory().panelOpen());
    g.driver->move(100, 0);
    EXPECT_TRUE(g.inventory().panelOpen()) << "over the hotspot";
    g.driver->move(100, 300);
    EXPECT_FALSE(g.inventory().panelOpen());
}

TEST(Inventory, FrameTimerDuringASlideWaitsASecond) {
    GameRig g;
    FrameFile timed = testing::Colour(0x400000);
    timed.TimerEnabled = true;
    timed.TimerSeconds = "0.2";
    timed.TimerTarget = "Other";
    g.project.frame("Start", timed);
    g.item("key");
    g.start();
    g.give({"key"});
    std::uint64_t t0 = g.driver->backend().nowMs();

    g.openPanel();
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_EQ(g.form().findTimer("Timer1")->interval(), 1000);
    std::uint64_t slid = g.driver->backend().nowMs() - t0;
    g.driver->wait(static_cast<int>(1100 - slid));
    EXPECT_EQ(g.frame(), "Start");
    g.driver->wait(200);
    EXPECT_EQ(g.frame(), "Other");
}

TEST(Inventory, SwitchedOffItShowsItemsOnTheFramePicture) {
    GameRig g;
    g.info.InventoryEnabled = false;
    g.item("key", 0xFF20C040);
    g.project.hotspots("Start", {Spot(200, 200, 60, 60)})
        .actions("Start", {ActionSpec{}})
        .pickups("Start", {{1, "key"}});
    g.start();
    EXPECT_FALSE(g.form().get("Inventory1").visible);

    g.driver->click(230, 230);
    EXPECT_EQ(g.items(), std::vector<std::string>{"key"});
    EXPECT_EQ(g.form().get("PickedObject", 1).container, &g.form().get("PictureBox"));
    EXPECT_EQ(g.driver->pixel(26, 26), 0xFF20C040u);
    g.driver->move(300, 1);
    EXPECT_FALSE(g.inventory().panelOpen());
    EXPECT_FALSE(g.inventory().moving());
}

TEST(Inventory, MissingItemFileShowsThePickUpErrorBox) {
    GameRig g;
    g.project.hotspots("Start", {Spot(200, 200, 60, 60)})
        .actions("Start", {ActionSpec{}})
        .pickups("Start", {{1, "ghost"}});
    g.start();
    g.driver->click(230, 230);
    EXPECT_EQ(g.boxesWith(" Unable to pick up the item named 'ghost'."), 1);
    EXPECT_TRUE(g.items().empty());
    EXPECT_EQ(g.frame(), "Start");
}

TEST(Inventory, AnItemWhoseIconFailsLeavesNoHole) {
    GameRig g;
    g.item("a", 0xFF101010);
    g.item("b", 0xFF202020);
    g.project.item("broken", "broken.ico");
    g.project.file("Areas/broken.ico", "these bytes are no icon");
    g.start();
    g.give({"a", "broken", "b"});
    EXPECT_EQ(
        g.boxesWith(" Unable to pick up the item named 'broken'. The item may be unavailable, or the icon "
                    "'broken.ico' associated to the item may be corrupt."),
        1);
    EXPECT_EQ(g.inventory().ObjectsCount(), 2);
    EXPECT_EQ(g.items(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(g.form().find("PickedObject", 3), nullptr);
    // The next item takes the second cell, right after the first.
    EXPECT_EQ(g.form().get("PickedObject", 2).left, 150 + 630);
}

TEST(Inventory, SpacingsBeyondTheTwipsRangeAreReportedNotWrapped) {
    {
        // 200,000,000 pixels are 3,000,000,000 twips: the item cannot be placed.
        GameRig g;
        g.info.InventorySpacingX = 200000000;
        g.item("key");
        g.start();
        EXPECT_TRUE(g.driver->boxes().empty());
        g.give({"key"});
        EXPECT_EQ(g.boxesWith(" Unable to pick up the item named 'key'."), 1);
        EXPECT_EQ(g.inventory().ObjectsCount(), 0);
    }
    {
        GameRig g;
        g.info.InventorySpacingY = -200000000;
        g.start();
        EXPECT_EQ(g.boxesWith(" Unable to initialize the program. "), 1);
        EXPECT_EQ(g.frame(), "Start") << "the game goes on";
    }
}

TEST(Inventory, ItemNamesShowAsTooltipsOnceThePointerRests) {
    GameRig g;
    g.item("a", 0xFF101010);
    g.item("b", 0xFF202020);
    g.item("c", 0xFF303030);
    g.start();
    g.give({"a", "b", "c"});
    g.openPanel();
    auto [x, y] = g.itemCentre(2);
    g.driver->move(x, y);
    g.driver->wait(400);
    EXPECT_TRUE(g.stateLines("tooltip: ").empty()) << "not before the pointer has rested";
    platform::Canvas before = g.driver->screenshot();
    g.driver->wait(100);
    EXPECT_EQ(g.stateLines("tooltip: "), std::vector<std::string>{"tooltip: b"});
    // Drawn below the pointer, in both backends' pixels.
    platform::Canvas after = g.driver->screenshot();
    platform::Rect f = platform::ElementRectOnForm(g.form().get("PictureBox"));
    int changed = 0;
    for (int dy = 20; dy < 40; ++dy) {
        for (int dx = 0; dx < 20; ++dx)
            changed += before.pixel(f.x + x + dx, f.y + y + dy) != after.pixel(f.x + x + dx, f.y + y + dy);
    }
    EXPECT_GT(changed, 100);

    // Removing item 1 moves b's name onto element 1, and the tooltip follows the names.
    g.inventory().RemovePickedObject(1);
    EXPECT_EQ(g.form().get("PickedObject", 1).toolTipText, "b");
    EXPECT_EQ(g.form().get("PickedObject", 2).toolTipText, "c");
    g.driver->click(x, y);
    EXPECT_TRUE(g.stateLines("tooltip: ").empty()) << "a button going down hides it";
}

TEST(Inventory, TheProjectPointerStaysOnThePanelAfterAHotspotClick) {
    GameRig g;
    g.info.DefaultCursor = "Hand.cur";
    g.project.file("Icons/Hand.cur", testing::MakeCursorBytes(platform::Canvas(32, 32, 0xFF00C000), 2, 2));
    g.item("key");
    g.project.hotspots("Start", {Spot(100, 100, 50, 50)}).actions("Start", {ActionSpec{}});
    g.start();
    g.give({"key"});
    platform::HeadlessBackend& backend = g.driver->backend();
    auto pointerAt = [&](int x, int y) {
        g.driver->move(x, y);
        return backend.pointerOf(g.form().id());
    };
    for (const char* part : {"Inventory1", "Inventory2", "Inventory_Background", "PictureBox", "BackImage"}) {
        EXPECT_EQ(g.form().get(part).mousePointer, platform::kPointerCustom) << part;
        EXPECT_NE(g.form().get(part).mouseIcon, nullptr) << part;
    }
    g.driver->click(125, 125);
    EXPECT_EQ(g.form().mousePointer, platform::kPointerCustom) << "the window keeps the project's pointer";
    EXPECT_EQ(pointerAt(300, 400), platform::kPointerCustom) << "the frame";
    g.openPanel();
    EXPECT_EQ(pointerAt(300, 5), platform::kPointerCustom) << "the inventory button";
    EXPECT_EQ(pointerAt(600, 30), platform::kPointerCustom) << "the panel";
    auto [x, y] = g.itemCentre(1);
    EXPECT_EQ(pointerAt(x, y), platform::kPointerCustom) << "an item";
    EXPECT_TRUE(g.driver->boxes().empty());
}

} // namespace
} // namespace run
