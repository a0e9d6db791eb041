// Timed events on the virtual clock, created and removed by scripts: numbering, limits and their
// messages, one-shot and repeating firing, failures, pausing, and the reset of a frame opening.
#include "run/frames/TimedEvents.h"
#include "run/game/GamePlay.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

using testing::GameRig;

struct EventRig : GameRig {
    EventRig() {
        project.variables({"v", "w", "x", "y", "z"});
        start();
    }
    // A script as the Debug menu runs it: the consequences start the events it created.
    void script(const std::string& code) { play().ExecuteVBScriptAndConsequences(code, false); }
};

TEST(TimedEvents, NumbersLimitsAndMessages) {
    EventRig g;
    g.script("v = CreateTimedEvent(1, \"w = w + 1\", True) : x = CreateTimedEvent(65, \"\", False) : "
             "y = CreateTimedEvent(0, \"w = 100\", True)");
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.var("x"), 2) << "65 seconds is allowed";
    EXPECT_EQ(g.var("y"), 3);
    g.script("RemoveTimedEvent 2 : RemoveTimedEvent 0 : RemoveTimedEvent 99 : z = CreateTimedEvent(2, \"\", "
             "False)");
    EXPECT_EQ(g.var("z"), 4) << "numbers are not reused";
    EXPECT_TRUE(g.driver->boxes().empty());

    g.script("v = CreateTimedEvent(65.5, \"w = 1\", False)");
    EXPECT_EQ(g.var("v"), 0);
    EXPECT_EQ(g.boxesWith(" The duration of a timed event cannot be greater than 65 seconds."), 1);
    // A refused interval still uses up its number; a negative number to remove names no event.
    g.script(
        "v = CreateTimedEvent(-1, \"w = 1\", False) : x = CreateTimedEvent(\"soon\", \"w = 1\", False) : "
        "y = CreateTimedEvent(1, \"w = 1\", False) : RemoveTimedEvent -1");
    EXPECT_EQ(g.boxesWith(" Unable to create the timed event #5. "), 1);
    EXPECT_EQ(g.boxesWith(" Unable to create the timed event #6. "), 1);
    EXPECT_EQ(g.boxesWith(" Unable to remove the timed event #-1. "), 1);
    EXPECT_EQ(g.var("v"), 0);
    EXPECT_EQ(g.var("x"), 0);
    EXPECT_EQ(g.var("y"), 7);
    EXPECT_EQ(g.stateLines("timed event: ").size(), 4u) << "1, 3, 4 and 7: the failed ones are not events";

    // Ten thousand in one script: all numbered in turn, and the frame goes on.
    g.script("For i = 1 To 10000 : v = CreateTimedEvent(60, \"w = 1\", False) : Next");
    EXPECT_EQ(g.game().timedEvents().entries().size(), 10007u);
    EXPECT_EQ(g.form().findTimer("TimedEvent", 10007)->interval(), 60000);
    g.script("GoToFrame \"Other\", 0, 0");
    EXPECT_TRUE(g.game().timedEvents().entries().empty());
}

TEST(TimedEvents, FiringOnceOrRepeatedlyUntilRemovedFailedOrTheFrameChanges) {
    EventRig g;
    g.script(
        "v = CreateTimedEvent(1, \"w = w + 1\", True) : x = CreateTimedEvent(1.5, \"x = x + 1\", False) : "
        "y = CreateTimedEvent(0, \"z = 100\", True) : CreateTimedEvent 0.5, \"y = 1 / 0\", True");
    g.driver->wait(3050);
    EXPECT_EQ(g.var("w"), 3) << "every second";
    EXPECT_EQ(g.var("x"), 2 + 1) << "once, after its number (2) was stored";
    EXPECT_EQ(g.var("z"), 0) << "an interval of 0 never fires";
    EXPECT_EQ(g.boxesWith("Division by zero"), 1) << "a failing event stops after its first box";
    EXPECT_FALSE(g.game().timedEvents().entries()[3].active);

    // Pausing keeps the entries; starting again restarts a full interval.
    g.game().timedEvents().PauseTimedEvents();
    g.driver->wait(5000);
    EXPECT_EQ(g.var("w"), 3);
    g.game().timedEvents().StartTimedEvents();
    g.driver->wait(999);
    EXPECT_EQ(g.var("w"), 3);
    g.driver->wait(1);
    EXPECT_EQ(g.var("w"), 4);

    g.script("RemoveTimedEvent 1");
    g.driver->wait(3000);
    EXPECT_EQ(g.var("w"), 4);

    // An event whose code opens another frame: the new frame starts with no events.
    g.script("CreateTimedEvent 0.2, \"sFrameToLoad = \"\"Other\"\" : w = 50\", False : "
             "CreateTimedEvent 0.3, \"w = 60\", True");
    g.driver->wait(1000);
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.var("w"), 50);
    EXPECT_TRUE(g.game().timedEvents().entries().empty());
    EXPECT_EQ(g.form().arrayMembers("TimedEvent").size(), 1u) << "only element 0 stays";
}

// An event due while a hotspot's script waits in its box cannot run (the engine is busy): it
// reports so and stops, and the waiting script's own requests are kept.
TEST(TimedEvents, AnEventThatCannotRunLeavesTheWaitingScriptsRequests) {
    GameRig g;
    g.project.variables({"v", "w"});
    testing::ActionSpec waits;
    waits.script = "sFrameToLoad = |Other| : MsgBox |wait| : w = 3";
    g.project.hotspots("Start", testing::Row(1)).actions("Start", {waits});
    g.start();
    g.play().ExecuteVBScriptAndConsequences("CreateTimedEvent 0.01, \"v = 1\", False", false);
    g.driver->player().ui().msUntilNextTimer(100); // arms the event's timer now
    g.driver->backend().advanceClock(10);
    // Straight to the button: a pointer move first would let the event fire before the click.
    const platform::Rect r = platform::ElementRectOnForm(*g.form().find("Area", 1));
    using platform::InputEvent;
    g.driver->backend().inject(
        {InputEvent::Type::MouseDown, 0, r.x + 5, r.y + 5, platform::kLeftButton, 0, 0});
    g.driver->backend().inject({InputEvent::Type::MouseUp, 0, r.x + 5, r.y + 5, platform::kLeftButton, 0, 0});
    g.driver->player().ui().pump();
    EXPECT_EQ(g.boxesWith("Make sure that you are not trying to execute a script while another script"), 1);
    EXPECT_EQ(g.var("v"), 0);
    EXPECT_EQ(g.var("w"), 3);
    EXPECT_EQ(g.frame(), "Other") << "the waiting script's request survived the event";
}

} // namespace
} // namespace run
