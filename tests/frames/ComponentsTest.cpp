// Components on a running game, with the sample Counter installed beside the player: adding,
// finding and removing them with the exact messages, properties and methods from scripts, the
// element drawn in the frame, events routed to project procedures with a parameter handed back,
// an event procedure's GoToFrame, pause and resume, the game reset, and a game's own component
// files (asked for once; Windows ones named and never loaded).
#include "run/frames/Components.h"
#include "run/frames/FrameTransitions.h"
#include "tests/frames/FrameRig.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace run {
namespace {

using testing::FrameRig;

struct ComponentRig : FrameRig {
    ComponentRig() {
        installedComponents = std::filesystem::path(COUNTER_OCX).parent_path();
        project.variables({"events", "last", "n", "ok", "c"});
        project.procedures("Sub tally_Changed(params)\r\n"
                           "  events = events + 1 : last = params(0)\r\n"
                           "  If params(0) > 20 Then params(1) = False\r\n"
                           "End Sub\r\n"
                           "Sub gauge_Changed(params)\r\n"
                           "  GoToFrame \"Cove\"\r\n"
                           "End Sub");
        FrameFile start = testing::ColourFrame(0);
        start.RunEntryScript = true;
        start.EntryScript = "AddComponent \"Counter.Sample\", \"Tally\" : Component(\"tally\").Step = 5 : "
                            "Component(\"tally\").Left = 1500 : Component(\"tally\").Top = 1500 : "
                            "Component(\"tally\").Visible = True : Component(\"tally\").Increment : "
                            "n = Component(\"Tally\").Count : ok = DoesComponentExist(\"TALLY\")";
        project.frame("Start", start).frame("Cove", testing::ColourFrame(0xFFFFFF));
    }
    void run(const std::string& script) { play().ExecuteVBScriptAndConsequences(script, false); }
    int var(const std::string& name) {
        for (const auto& v : variables().Variables)
            if (v.Name == name) return v.Value;
        return -32000;
    }
};

TEST(Components, AddedByScriptTheyWorkDrawAndRouteTheirEvents) {
    ComponentRig rig;
    auto& d = rig.start();
    ASSERT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
    EXPECT_EQ(rig.var("n"), 5);
    EXPECT_EQ(rig.var("ok"), -1);
    EXPECT_EQ(rig.var("events"), 1) << "tally_Changed ran on the catalogue engine";
    EXPECT_EQ(rig.var("last"), 5);
    EXPECT_EQ(
        rig.stateLines("component: "),
        std::vector<std::string>{"component: tally = Counter.Sample at 100,100 size 100x100 (visible)"});
    EXPECT_EQ(d.pixel(105, 105), 0xFF40D070u) << "its first bar, drawn in the frame";
    EXPECT_EQ(d.pixel(155, 105), 0xFF202830u) << "five bars, no sixth";

    // The procedure refuses a count above 20 through the parameter it hands back.
    rig.run("Component(\"tally\").Add 30 : c = Component(\"tally\").Count");
    EXPECT_EQ(rig.var("c"), 5);
    EXPECT_EQ(rig.var("last"), 35);

    // Paused, the counter's own timer counts nothing; resumed, it counts again.
    rig.run("Component(\"tally\").Interval = 100");
    rig.game().components().PauseComponents();
    d.wait(300);
    rig.run("c = Component(\"tally\").Count");
    EXPECT_EQ(rig.var("c"), 5);
    rig.game().components().ResumeComponents();
    d.wait(250);
    rig.run("c = Component(\"tally\").Count");
    EXPECT_EQ(rig.var("c"), 15);

    // An event procedure's GoToFrame moves the game once it returns.
    rig.run("AddComponent \"Counter.Sample\", \"gauge\" : Component(\"gauge\").Increment");
    EXPECT_EQ(rig.game().frameName(), "Cove");
    EXPECT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
}

TEST(Components, AddingFindingAndRemovingGiveTheirMessages) {
    ComponentRig rig;
    rig.start();
    rig.run("AddComponent \"Counter.Sample\", \"TALLY\"");
    rig.run("AddComponent \"Counter.Sample\", \"my counter\"");
    rig.run("AddComponent \"Nowhere.Thing\", \"spare\"");
    rig.run("AddComponent \"Counter.Sample\", \"spare\"");
    rig.run("RemoveComponent \"ghost\"");
    rig.run("If Component(\"ghost\") Is Nothing Then ok = 7");
    rig.run("c = IsComponentInstalled(\"Counter.Sample\") + 2 * IsComponentInstalled(\"Nowhere.Thing\")");
    const auto boxes = rig.boxTexts();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_NE(boxes[0].find(" A component named \"TALLY\" already exists. Please use a different name."),
              std::string::npos);
    EXPECT_NE(boxes[1].find(" The component name must not contain spaces or other special characters."),
              std::string::npos);
    EXPECT_NE(boxes[2].find(" Error in Game.AddAdditionalComponent. The component is probably not installed "
                            "properly.  The component \"Nowhere.Thing\" is not registered on this system."),
              std::string::npos);
    EXPECT_NE(
        boxes[3].find(" The component named \"ghost\" could not be removed because it could not be found."),
        std::string::npos);
    EXPECT_NE(boxes[4].find(" The component named \"ghost\" could not be found."), std::string::npos);
    EXPECT_EQ(rig.var("ok"), 7);
    EXPECT_EQ(rig.var("c"), -1) << "installed, and not";
    EXPECT_EQ(rig.stateLines("component: ").size(), 2u)
        << "a failed add leaves no row: 'spare' was added after";

    rig.run("RemoveComponent \"Tally\"");
    EXPECT_FALSE(rig.game().components().DoesComponentExist("tally"));
    EXPECT_EQ(rig.form().find("tally"), nullptr);
    rig.game().ResetAll();
    EXPECT_TRUE(rig.stateLines("component: ").empty()) << "the game reset removes them all";
}

// Shown during transitions, a component rides on the cover of a blend (left out of the captured
// old frame when it disappears before blending) or comes in with the new frame's half of a slide;
// afterwards it stands where it stood, running again. One not shown waits under the cover.
TEST(Components, ThoseShownDuringTransitionsRideOnThemAndComeBack) {
    ComponentRig rig;
    auto& d = rig.start();
    rig.run("AddComponent \"Counter.Sample\", \"rider\", True, False : AddComponent \"Counter.Sample\", "
            "\"ghost\", True, True : Component(\"rider\").Left = 3000 : Component(\"ghost\").Left = 4500 : "
            "Component(\"rider\").Visible = True : Component(\"ghost\").Visible = True : "
            "Component(\"rider\").Increment : Component(\"ghost\").Increment");
    platform::Form& form = rig.form();
    platform::Element &rider = form.get("rider"), &ghost = form.get("ghost"), &tally = form.get("tally");
    platform::Element &frame = form.get("PictureBox"), &where = form.get("picWhere");

    rig.game().transitions().TransitionStep1(1);
    EXPECT_EQ(ghost.container, &where);
    EXPECT_EQ(rider.container, &where);
    EXPECT_EQ(tally.container, &frame);
    ASSERT_TRUE(where.picture);
    EXPECT_EQ(where.picture->image.pixel(305, 5), 0xFF000000u) << "the ghost left before the capture";
    EXPECT_EQ(where.picture->image.pixel(205, 5), 0xFF40D070u) << "the rider is in it as well";
    EXPECT_EQ(d.pixel(305, 5), 0xFF40D070u) << "both are seen on the cover";
    rig.run("ok = Component(\"rider\").Paused");
    EXPECT_EQ(rig.var("ok"), -1);
    rig.game().OpenFrame("Cove", true, 1, 0.3);

    // A slide from the right: the rider is on the new frame's half, coming in with it.
    const int W = rig.context().info.FrameWidth;
    std::vector<int> xs;
    platform::TimerElement& watch = form.addTimer("Watch");
    watch.onTimer = [&] {
        if (rig.flags().TransitionRunning)
            xs.push_back(platform::ElementRectOnForm(rider).x - platform::ElementRectOnForm(frame).x);
    };
    watch.setInterval(50);
    watch.setEnabled(true);
    rig.game().transitions().TransitionStep1(3);
    EXPECT_EQ(rider.container, &form.get("picStart"));
    rig.game().OpenFrame("Cove", true, 3, 1.0);
    watch.setEnabled(false);
    ASSERT_GE(xs.size(), 10u);
    EXPECT_GT(xs.front(), 200 + W * 3 / 4);
    EXPECT_NEAR(xs[xs.size() / 2], 200 + W / 2, W / 6);
    EXPECT_TRUE(std::is_sorted(xs.rbegin(), xs.rend()));

    for (platform::Element* e : {&rider, &ghost, &tally})
        EXPECT_EQ(e->container, &frame) << e->name;
    EXPECT_EQ(rider.left, 3000) << "back where it stood, not a frame's width to the right";
    EXPECT_EQ(rider.top, 0);
    rig.run("ok = Component(\"rider\").Paused");
    EXPECT_EQ(rig.var("ok"), 0);
    EXPECT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
}

TEST(Components, AGamesOwnComponentsAreAskedForOnceAndWindowsOnesNamed) {
    ComponentRig rig;
    std::filesystem::copy_file(TEST_OCX, rig.project.folder() / "CPData" / "own.ocx");
    std::ofstream(rig.project.folder() / "CPData" / "old.ocx", std::ios::binary)
        << "MZ" << std::string(100, '\0');
    auto& d = rig.prepare();
    d.backend().queueAnswer("Yes");
    d.start();
    const auto boxes = rig.boxTexts();
    ASSERT_GE(boxes.size(), 2u);
    EXPECT_NE(boxes[0].find("old.ocx\r\n\r\nA Windows component cannot run on this system."),
              std::string::npos);
    EXPECT_NE(boxes[1].find("own.ocx"), std::string::npos);
    EXPECT_EQ(rig.player().componentRegistry().find("Test.Counter"),
              std::filesystem::absolute(rig.project.folder() / "CPData" / "own.ocx"));
    EXPECT_EQ(rig.player().componentRegistry().gameAllowed(
                  std::filesystem::weakly_canonical(rig.project.folder()).string()),
              "1")
        << "the answer is kept: the next start does not ask";
}

} // namespace
} // namespace run
