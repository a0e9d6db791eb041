// Components on a running game, with the sample Counter installed beside the player: adding,
// finding and removing them with the exact messages, properties and methods from scripts, the
// element drawn in the frame, events routed to project procedures with a parameter handed back,
// an event procedure's GoToFrame, pause and resume, the game reset, and a game's own component
// files (asked for once; Windows ones named and never loaded).
#include "run/frames/Components.h"
#include "tests/frames/FrameRig.h"

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
