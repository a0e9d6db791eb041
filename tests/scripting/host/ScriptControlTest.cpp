// The host's two engines as script controls: code added to the catalogue engine stays between
// scripts, calls into the running engine nest, and failures reach the caller and Error.
#include "tests/scripting/host/ApiRig.h"

namespace run {
namespace {

using testing::ApiRig;
using testing::TextOfT;

TEST(ScriptControl, TheCatalogueEngineKeepsWhatAScriptAdds) {
    ApiRig g;
    g.project.procedures("Sub Listed(a, b)\r\nEnd Sub");
    g.start();
    g.script(
        "ScriptControl2Object.AddCode \"Function Twice(n) : Twice = 2 * n : End Function\" : "
        "ScriptControl2Object.ExecuteStatement \"Dim kept : kept = 7\" : "
        "v = ScriptControl2Object.Run(\"Twice\", 4) : w = ScriptControl2Object.Eval(\"Twice(5) + kept\") : "
        "Set p = ScriptControl2Object.Procedures : x = p(\"Listed\").NumArgs + 10 * p(\"Twice\").NumArgs : "
        "y = p(\"Twice\").HasReturnValue + 10 * p(\"Listed\").HasReturnValue : "
        "t = \"\" : For Each q In p : t = t & q.Name & \" \" : Next : "
        "t = t & ScriptControl2Object.Modules(1).Name & \" \" & ScriptControl2Object.Language");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 8);
    EXPECT_EQ(g.var("w"), 17);
    EXPECT_EQ(g.var("x"), 12);
    EXPECT_EQ(g.var("y"), -1);
    EXPECT_EQ(TextOfT(g), "Listed Procedure_that_is_going_to_be_executed Twice Global VBScript");

    g.script("v = ScriptControl2Object.Run(\"Twice\", 21) : w = "
             "ScriptControl2Object.Modules(\"Global\").Eval(\"kept\")");
    EXPECT_EQ(g.var("v"), 42) << "the catalogue engine is not rebuilt between scripts";
    EXPECT_EQ(g.var("w"), 7);

    // A failure is the caller's error and stays in Error until cleared.
    g.script("On Error Resume Next : ScriptControl2Object.Eval \"1 / 0\" : v = Err.Number : Err.Clear : "
             "w = ScriptControl2Object.Error.Number : t = ScriptControl2Object.Error.Description : "
             "ScriptControl2Object.Error.Clear : x = ScriptControl2Object.Error : "
             "ScriptControl2Object.Timeout = 2500 : y = ScriptControl2Object.Timeout \\ 100");
    EXPECT_EQ(g.var("v"), 11);
    EXPECT_EQ(g.var("w"), 11);
    EXPECT_EQ(TextOfT(g), "Division by zero");
    EXPECT_EQ(g.var("x"), 0);
    EXPECT_EQ(g.var("y"), 25);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

TEST(ScriptControl, TheRunningEngineTakesCodeButRefusesAReset) {
    ApiRig g;
    g.start();
    g.script("ScriptControlObject.AddCode \"Function Three() : Three = 3 : End Function\" : "
             "v = ScriptControlObject.Run(\"Three\") + ScriptControlObject.Eval(\"Three() * 10\") : "
             "On Error Resume Next : ScriptControlObject.Reset : w = Err.Number : x = 1");
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    EXPECT_EQ(g.var("v"), 33);
    EXPECT_EQ(g.var("w"), 17) << "the script's own engine is not pulled from under it";
    EXPECT_EQ(g.var("x"), 1);
    // Nor through the other engine.
    g.script(
        "ScriptControl2Object.AddCode \"Sub ResetOther() : ScriptControlObject.Reset : y = 5 : End Sub\" : "
        "ScriptControl2Object.Run \"ResetOther\"");
    EXPECT_EQ(g.var("y"), 0) << "the execution engine is running the caller";
    EXPECT_EQ(g.boxesWith("Cannot reset the script engine while a script is running"), 1);
    g.script("On Error Resume Next : z = ScriptControlObject.Run(\"Three\") + 1");
    EXPECT_EQ(g.var("z"), 0) << "what a script added to its own engine is gone with it";

    // A script that replaces or re-enters the procedure running it gets an error, not a crash.
    const std::size_t boxes = g.driver->boxes().size();
    g.script("ScriptControlObject.AddCode \"Sub Procedure_that_is_going_to_be_executed : v = 1 : End Sub\" : "
             "w = 2");
    g.script("ScriptControlObject.Run \"Procedure_that_is_going_to_be_executed\"");
    EXPECT_EQ(g.var("w"), 2);
    ASSERT_EQ(g.driver->boxes().size(), boxes + 1);
    EXPECT_NE(g.boxTexts().back().find("Out of stack space"), std::string::npos) << g.boxTexts().back();
    // Nor do the two engines calling each other without end.
    g.script("ScriptControl2Object.AddCode \"Sub Ping : ScriptControlObject.Run \"\"Pong\"\" : End Sub\" : "
             "ScriptControlObject.AddCode \"Sub Pong : ScriptControl2Object.Run \"\"Ping\"\" : End Sub\" : "
             "Pong");
    ASSERT_EQ(g.driver->boxes().size(), boxes + 2);
    EXPECT_NE(g.boxTexts().back().find("Out of stack space"), std::string::npos) << g.boxTexts().back();
    g.script("w = 9");
    EXPECT_EQ(g.var("w"), 9);
}

} // namespace
} // namespace run
