// The script host on a running game: variables as objects from one script to the next, the
// error boxes, time-outs, object creation, a second script while one runs, the game-start and
// Debug menu scripts, and a scrambled procedures file.
#include "run/scripting/ScriptHost.h"
#include "run/frames/Hotspots.h"
#include "run/scripting/Procedures.h"
#include "run/scripting/ScriptFiles.h"
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

using testing::ActionSpec;
using testing::GameRig;
using testing::Spot;

std::string ScriptText(const std::string& code) {
    std::string out = code;
    for (char& c : out)
        c = c == '\'' ? '|' : c; // the records' stand-in for double quotes
    return out;
}

void Hotspots(GameRig& g, const std::vector<std::string>& scripts) {
    std::vector<testing::HotspotSpec> spots;
    std::vector<ActionSpec> actions;
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        spots.push_back(Spot(20 + 70 * int(i), 200, 50, 50));
        ActionSpec a;
        a.script = ScriptText(scripts[i]);
        actions.push_back(a);
    }
    g.project.hotspots("Start", spots).actions("Start", actions);
}

void Click(GameRig& g, int n) {
    g.driver->click(45 + 70 * (n - 1), 225);
}

std::string ErrorText(GameRig& g, const std::string& middle, const std::string& description) {
    const UiText& t = g.context().uiText;
    return t[30] + " " + t[31] + "\r\n\r\n" + middle + description;
}

const char* kRunFailed =
    "Error executing script. The Scripting Engine returned the following error message:\r\n\r\n";

TEST(ScriptHost, VariablesAreObjectsAndNothingElseOutlivesAScript) {
    GameRig g;
    g.project.variables({"v", "w", "x"}, {"name", "list"});
    g.project.procedures("Sub AddOne()\r\n    v = v + 1\r\nEnd Sub");
    FrameFile start = testing::Colour(0x400000);
    start.RunEntryScript = true;
    start.EntryScript =
        ScriptText("AddOne : v.Value = v.Value + 1 : name = 'Kim' & v : list = Array(4, 5) : kept = 9");
    g.project.frame("Start", start);
    Hotspots(g, {"If IsEmpty(kept) Then w = list(1) : x = Len(name.Value) + (name.Name = 'name')"});
    g.start();
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 2) << "a plain assignment and .Value both reach the variable";
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "Kim2");
    Click(g, 1);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("w"), 5) << "the script's own global is gone, the array in the variable is not";
    EXPECT_EQ(g.var("x"), 4 - 1);
}

TEST(ScriptHost, ErrorsShowTheirTextsAndTheGameGoesOn) {
    GameRig g;
    Hotspots(g, {"sFrameToLoad = 'Other' : x = 1 / 0", "w = 1"});
    g.start();
    Click(g, 1);
    ASSERT_EQ(g.boxTexts(), std::vector<std::string>{ErrorText(g, kRunFailed, "Division by zero")});
    EXPECT_EQ(g.driver->boxes()[0].title, "Error");
    EXPECT_EQ(g.frame(), "Other") << "a hotspot's action goes on after its script";

    // The Debug menu's command: a failing script has no consequences; the code is kept.
    g.game().OpenFrame("Start", false, 0, 0);
    g.driver->type("sFrameToLoad = \"Other\" : y = 1 / 0");
    ASSERT_TRUE(g.driver->player().ui().chooseMenu(g.form(), g.form().get("mnuExecuteVBScript")));
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_EQ(g.context().getUserSetting("ExecuteVBScriptCode", ""), "sFrameToLoad = \"Other\" : y = 1 / 0");
    g.driver->type("sFrameToLoad = \"Other\"");
    g.driver->player().ui().chooseMenu(g.form(), g.form().get("mnuExecuteVBScript"));
    EXPECT_EQ(g.frame(), "Other");

    // Procedures the engine cannot compile: the code-rejected box at the reset and at every script, then the
    // wrapper is missing (the run-failed box); nothing stops the game.
    GameRig broken;
    broken.project.procedures("Sub Broken(\r\nEnd Sub");
    Hotspots(broken, {"w = 1"});
    broken.start();
    ASSERT_EQ(broken.driver->boxes().size(), 1u);
    EXPECT_NE(broken.boxTexts()[0].find("- your global variables do not have names that are reserved by"),
              std::string::npos);
    Click(broken, 1);
    EXPECT_EQ(broken.driver->boxes().size(), 3u);
    EXPECT_EQ(broken.var("w"), 0);
    EXPECT_EQ(broken.frame(), "Start");
}

TEST(ScriptHost, TimeOutsFollowTheProjectSettings) {
    for (auto [setting, ms] : std::vector<std::pair<std::string, int>>{{"2.5", 2000},
                                                                       {"3.5", 4000},
                                                                       {"0", ScriptHost::kDefaultTimeoutMs},
                                                                       {"", ScriptHost::kDefaultTimeoutMs}}) {
        GameRig g;
        g.project.more("ScriptTimeOut", setting);
        g.start();
        EXPECT_EQ(g.driver->player().scripts().timeoutMs(), ms) << setting;
    }
    {
        GameRig g;
        g.project.variables({"v", "Disable_Script_Timeout"});
        g.project.more("ScriptTimeOut", "5");
        g.start();
        EXPECT_EQ(g.driver->player().scripts().timeoutMs(), -1);
    }
    // A runaway script ends with the run-failed box and the frame still opens.
    GameRig g;
    g.project.more("ScriptTimeOut", "1");
    FrameFile start = testing::Colour(0x400000);
    start.RunEntryScript = true;
    start.EntryScript = "w = 1 : Do : Loop";
    g.project.frame("Start", start);
    g.start();
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_EQ(g.boxTexts()[0].find(ErrorText(g, kRunFailed, "")), 0u) << g.boxTexts()[0];
    EXPECT_EQ(g.var("w"), 1);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_EQ(g.stateLines("frame: ").size(), 1u);
}

TEST(ScriptHost, ObjectCreationOnlyWhereTheProjectAllowsIt) {
    const std::string procedures =
        "Function NewList()\r\n    Set NewList = CreateObject(\"Scripting.Dictionary\")\r\nEnd Function";
    {
        // The classic text guard: the exact spelling anywhere blocks every script.
        GameRig g;
        g.project.procedures(procedures);
        Hotspots(g, {"w = 1"});
        g.start();
        Click(g, 1);
        EXPECT_EQ(g.var("w"), 0);
        EXPECT_GE(g.boxesWith("WARNING! The VBScript code makes calls to the \"CreateObject\" function"), 1);
        EXPECT_EQ(g.driver->boxes().back().title, "VBScript Execution Aborted");
    }
    {
        // Other spellings pass the text guard but the engine refuses them: the run-failed box.
        GameRig g;
        Hotspots(g, {"Set d = createobject ('Scripting.Dictionary') : w = 1",
                     "Execute 'Set d = Create' & 'Object(''Scripting.Dictionary'')' : w = 2"});
        g.start();
        Click(g, 1);
        Click(g, 2);
        EXPECT_EQ(g.var("w"), 0);
        EXPECT_EQ(g.boxesWith("Error executing script. The Scripting Engine returned"), 2);
    }
    {
        GameRig g;
        g.project.procedures(procedures).more("AllowCreateObject", "1");
        Hotspots(g, {"Set d = NewList() : d.Add 'a', 3 : w = d('a')"});
        g.start();
        Click(g, 1);
        EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
        EXPECT_EQ(g.var("w"), 3);
    }
}

// A script timer's tick while a script waits in its box is let go: the timer fires once the
// engine is free, without touching what the waiting script asked for.
TEST(ScriptHost, AScriptTimerWaitsForTheRunningScript) {
    GameRig g;
    g.project.procedures("Sub TimerObject0()\r\n    x = x + 1\r\nEnd Sub");
    Hotspots(g, {"sFrameToLoad = 'Other' : MsgBox 'wait' : w = 3"});
    g.start();
    // The script timer is due when the script's box opens: it fires inside the box.
    platform::TimerElement& timer = *g.form().findTimer("TimerObject", 0);
    timer.setInterval(10);
    timer.setEnabled(true);
    platform::WindowSystem& ui = g.driver->player().ui();
    ui.msUntilNextTimer(100);
    g.driver->backend().advanceClock(10);
    // Straight to the button: a pointer move first would let the timer fire before the click.
    platform::Rect r = platform::ElementRectOnForm(*g.area(1));
    using platform::InputEvent;
    g.driver->backend().inject(
        {InputEvent::Type::MouseDown, 0, r.x + 5, r.y + 5, platform::kLeftButton, 0, 0});
    g.driver->backend().inject({InputEvent::Type::MouseUp, 0, r.x + 5, r.y + 5, platform::kLeftButton, 0, 0});
    ui.pump();
    EXPECT_EQ(g.boxTexts(), std::vector<std::string>{"wait"}) << "no error box";
    EXPECT_EQ(g.var("w"), 3) << "the first script goes on";
    EXPECT_EQ(g.frame(), "Other") << "the waiting script's request survived the tick";
    EXPECT_TRUE(timer.isEnabled()) << "a busy engine does not stop a script timer";
    EXPECT_GE(g.var("x"), 1)
        << "the timer fired again once the engine was free (in the pause after the click)";

    // A timer without its procedure says which one is missing, once, and stops.
    ASSERT_TRUE(g.game().LoadControl("TimerObject", 3));
    platform::TimerElement& third = *g.form().findTimer("TimerObject", 3);
    third.setInterval(10);
    third.setEnabled(true);
    g.driver->wait(50);
    ASSERT_EQ(g.driver->boxes().size(), 2u);
    EXPECT_EQ(g.driver->boxes().back().title, "Error Executing VBScript Code");
    EXPECT_EQ(g.boxTexts().back().find("Unable to execute the procedure named TimerObject3. "), 0u)
        << g.boxTexts().back();
    EXPECT_FALSE(third.isEnabled());
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_GE(g.var("x"), 1);
}

TEST(ScriptHost, ScriptTimersCallTheirProcedureAndTheGameStartScriptRunsFirst) {
    GameRig g;
    g.info.RunStartupScript = true;
    g.info.StartupScript = "v = 5 : sFrameToLoad = |Other|";
    const std::int32_t key = ProjectKeyNumber(g.info.ProjectRegistryName);
    g.project.procedures(
        "Sub TimerObject0()\r\n    w = w + 1\r\n    If w = 2 Then sFrameToLoad = \"Other\"\r\nEnd Sub", key);
    FrameFile start = testing::Colour(0x400000);
    start.RunEntryScript = true;
    start.EntryScript = ScriptText("x = v");
    g.project.frame("Start", start);
    g.start();
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("x"), 5) << "the game-start script ran before the first frame";
    EXPECT_EQ(g.frame(), "Start") << "and has no consequences";

    platform::TimerElement& timer = *g.form().findTimer("TimerObject", 0);
    timer.setInterval(100);
    timer.setEnabled(true);
    g.driver->wait(150);
    EXPECT_EQ(g.var("w"), 1);
    EXPECT_EQ(g.frame(), "Start");
    g.driver->wait(100);
    EXPECT_EQ(g.var("w"), 2);
    EXPECT_EQ(g.frame(), "Other") << "the timer's script chose the frame";
}

} // namespace
} // namespace run

namespace run {
namespace {

TEST(ScriptHost, NamedObjectsComeInTheirOrderAndTheWindowsElementsByNameOnlyWhenAsked) {
    GameRig g;
    g.project.variables({"v", "w", "x", "y", "z"}, {"Reference_All_Controls"});
    testing::TextSpec words;
    words.caption = "Words";
    g.project.texts("Start", {words, words, words});
    // Count is the hotspots' (the first object with that member), the texts' only by name;
    // the message label is not global; the elements are reachable by their own names.
    Hotspots(g, {"v = Count : w = Text.Count : x = Hotspot.UBound : y = Hotspot(2).Left \\ 15 : "
                 "z = Len(MessageObject.Caption) + BackgroundObject.Width \\ 15",
                 "Inventory2.Left = 15 * Area(1).Left : LabelMessageBox.Caption = 'abc'"});
    g.start();
    Click(g, 1);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 3) << "an element array counts its template, element 0";
    EXPECT_EQ(g.var("w"), 4);
    EXPECT_EQ(g.var("x"), 2);
    EXPECT_EQ(g.var("y"), 90);
    EXPECT_EQ(g.var("z"), 640);
    Click(g, 2);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.form().get("Inventory2").left, 15 * 20 * 15) << "elements by their own names";
    EXPECT_EQ(g.form().get("LabelMessageBox").caption, "abc");

    // Without the variable the element names mean nothing.
    GameRig plain;
    Hotspots(plain, {"Inventory2.Left = 15"});
    plain.start();
    const int left = plain.form().get("Inventory2").left;
    Click(plain, 1);
    EXPECT_EQ(plain.boxesWith("Error executing script."), 1);
    EXPECT_EQ(plain.form().get("Inventory2").left, left);
}

TEST(ScriptHost, ScriptFilesStayInsideTheGame) {
    GameRig g;
    g.project.more("AllowCreateObject", "1");
    const std::string outside = (g.tmp / "outside.txt").string();
    Hotspots(g, {"Set f = CreateObject('Scripting.FileSystemObject') : "
                 "f.CreateTextFile('External\\notes.txt').Write 'kept' : w = 1",
                 "Set f = CreateObject('Scripting.FileSystemObject') : f.CreateTextFile('" + outside +
                     "').Write 'x' : x = 1"});
    g.start();
    std::filesystem::create_directories(g.project.folder() / "External");
    Click(g, 1);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("w"), 1);
    EXPECT_TRUE(std::filesystem::exists(g.project.folder() / "External" / "notes.txt"));
    Click(g, 2);
    EXPECT_EQ(g.boxesWith("Permission denied"), 1);
    EXPECT_EQ(g.var("x"), 0);
    EXPECT_FALSE(std::filesystem::exists(outside));

    // A game's own names never lead its files out of their folders.
    EXPECT_EQ(SafeFolderName("../../.ssh"), ".._.._.ssh");
    EXPECT_EQ(SafeFolderName(".."), "_..");
    EXPECT_EQ(SafeFolderName("Gull Cove: Part 2"), "Gull Cove_ Part 2");
}

TEST(ScriptHost, ADeferredHotspotClickComesAfterTheScript) {
    GameRig g;
    ActionSpec count;
    count.variable = "v";
    count.toggle = true;
    g.project.hotspots("Start", {Spot(20, 200, 50, 50)}).actions("Start", {count});
    g.start();
    g.game().hotspots().SimulateHotspotClick(1);
    g.game().hotspots().SimulateHotspotClick(0);
    EXPECT_EQ(g.var("v"), 0) << "not at once";
    g.driver->wait(5);
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.game().hotspots().clickX(), 20) << "a click at the hotspot's corner";
    g.driver->wait(200);
    EXPECT_EQ(g.var("v"), 1) << "once, and hotspot 0 clicks nothing";
    EXPECT_EQ(g.form().arrayMembers("timerSimulateHotspotClick").size(), 1u)
        << "the one-shot timers are gone";
}

} // namespace
} // namespace run

namespace run {
namespace {

TEST(ScriptHost, BadScriptsGetTheirBoxAndTheGameGoesOn) {
    GameRig g;
    g.project.variables({"v", "w"}, {"kept"});
    g.project.procedures("Sub Deeper()\r\n    Deeper\r\nEnd Sub\r\nSub Grow()\r\n    s = \"x\"\r\n    Do\r\n"
                         "        s = s & s\r\n    Loop\r\nEnd Sub");
    Hotspots(g, {"Deeper", "Grow", "NoSuchProcedure 1", "BackgroundObject.Left = 'left'",
                 "Set kept.Value = Hotspot(1) : sFrameToLoad = 'Other'"});
    g.start();
    const struct {
        int spot;
        const char* description;
    } cases[] = {{1, "Out of stack space"}, {2, "Out of memory"}, {3, "Type mismatch"}, {4, "Type mismatch"}};
    for (const auto& c : cases) {
        std::size_t before = g.driver->boxes().size();
        Click(g, c.spot);
        ASSERT_EQ(g.driver->boxes().size(), before + 1) << c.spot;
        EXPECT_NE(g.boxTexts().back().find(c.description), std::string::npos) << g.boxTexts().back();
        EXPECT_EQ(g.frame(), "Start");
    }
    // An element kept in a variable outlives the frame's hotspots: using it is an error, not a crash.
    Click(g, 5);
    ASSERT_EQ(g.frame(), "Other");
    EXPECT_TRUE(g.player().scripts().ExecuteVBScript("w = kept.Value.Left", false));
    EXPECT_NE(g.boxTexts().back().find("no longer exists"), std::string::npos) << g.boxTexts().back();
    EXPECT_FALSE(g.player().scripts().ExecuteVBScript("v = 1", false)) << "the next script runs";
    EXPECT_EQ(g.var("v"), 1);
}

} // namespace
} // namespace run

namespace run {
namespace {

// A procedures file written for the classic engine, with each construct it accepts that a
// stricter parser would refuse, loads and runs: one refusal would stop every script of a game.
TEST(ScriptHost, ClassicProceduresFileLoads) {
    testing::GameRig g;
    g.project.variables({"v", "w", "x"}, {"t"});
    g.project.procedures(
        "Class Box\r\n  Public Property Get Me2() : Set Me2 = Me : End Property\r\n"
        "  Public Sub S() : v = v + 1 : End Sub\r\n  Public Property End Class\r\n"
        "If True Then\r\n  Sub DefinedInIf() : w = &17 : End Sub\r\nEnd If\r\n"
        "Sub AddTo(n) x = x + n * 2 End Sub\r\n"
        "Sub Cases(n)\r\n  Select Case n\r\n    Case 1  t = \"one\"\r\n    Case Else t = \"other\"\r\n  End "
        "Select\r\nEnd Sub\r\n"
        "Sub Compare()\r\n  If 3 => 2 And 2 =< 3 And 1 >< 2 Then v = v + 10 Else v = 0 End If\r\n"
        "  If False Then :\r\n  Set o = New Box\r\n  o.Me2() _\r\n   .S()\r\n  Call (New Box).S()\r\n"
        "  x = -3^2\r\n  AddTo.5\r\nEnd Sub\r\n");
    g.start();
    g.player().scripts().ExecuteVBScript("Compare : DefinedInIf : Cases 1", false);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 12) << "the comparisons, then two calls through the chain";
    EXPECT_EQ(g.var("w"), 15) << "an octal literal in a Sub defined inside an If";
    EXPECT_EQ(g.var("x"), 10) << "-3^2 is 9, AddTo.5 is AddTo(0.5)";
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "one");
}

} // namespace
} // namespace run
