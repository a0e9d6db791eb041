// The script functions through real scripts on a running game, one test per group: requests
// for the consequence step, messages and the inventory, hotspots and the frame, and paths,
// settings, switches and helpers.
#include "run/frames/GameMenus.h"
#include "tests/scripting/host/ApiRig.h"

#include <fstream>
#include <iterator>

namespace run {
namespace {

using testing::ApiRig;
using testing::TextOfT;

TEST(ScriptApi, RequestsReachTheConsequenceStep) {
    ApiRig g({"v = GetHotspotNumber() : GoToFrame |Other|, 0, 7 : w = iHotspotNumber",
              "GoToFrame |Other|, 0, 0 : Quit"});
    g.start();
    g.click(1);
    EXPECT_EQ(g.var("v"), 1) << "the clicked hotspot";
    EXPECT_EQ(g.var("w"), 0) << "GoToFrame clears it";
    EXPECT_EQ(g.frame(), "Other");
    g.script("GoToFrame \"Last Visited Frame\", 0, 0");
    EXPECT_EQ(g.frame(), "Start") << "back in the history";
    g.click(2);
    EXPECT_TRUE(g.flags().Quitting) << "Quit wins over the frame";
    EXPECT_EQ(g.frame(), "Start");

    ApiRig halt;
    halt.start();
    halt.script("StopEverything : v = 1");
    EXPECT_TRUE(halt.flags().Quitting);
    EXPECT_TRUE(halt.game().menus().menusVisible());
    EXPECT_FALSE(halt.form().get("PictureBox").visible);
}

TEST(ScriptApi, MessagesAndTheInventory) {
    ApiRig g;
    for (const char* n : {"Key", "lamp", "key"})
        g.item(n);
    g.start();
    g.script("Message \"Hello\" : AddItem \"Key\", True : AddItem \"lamp\" : AddItem \"key\", True");
    EXPECT_EQ(g.stateLines("message: "), std::vector<std::string>{"message: Hello"});
    EXPECT_EQ(g.items(), (std::vector<std::string>{"Key", "lamp", "key"}));
    g.script("RemoveItem \"KEY\", False");
    EXPECT_EQ(g.items(), (std::vector<std::string>{"Key", "lamp"})) << "the last match only";
    g.script("AddItem \"key\", True : RemoveItem \"key\", True");
    EXPECT_EQ(g.items(), std::vector<std::string>{"lamp"}) << "every match";
    g.script("HideInventoryButton");
    EXPECT_FALSE(g.form().get("Inventory2").visible);
    g.script("RemoveAllItems : ShowInventoryButton");
    EXPECT_TRUE(g.form().get("Inventory2").visible);
    EXPECT_TRUE(g.items().empty());
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

TEST(ScriptApi, HotspotsClicksAndTheFrame) {
    ApiRig g({"v = GetClickPositionX() : w = GetClickPositionY()", "x = x + 1",
              "SimulateHotspotClick 2 : y = x : t = GetCurrentFrameName() & GetMergedHotspotIndex() & "
              "GetMergedTextIndex()"});
    g.start();
    g.driver->click(30, 230);
    EXPECT_EQ(g.var("v"), 30);
    EXPECT_EQ(g.var("w"), 230);
    g.click(3);
    EXPECT_EQ(g.var("y"), 0) << "the simulated click comes after the script";
    g.driver->wait(200);
    EXPECT_EQ(g.var("x"), 1);
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "Start11");
}

TEST(ScriptApi, PathsSettingsSwitchesAndHelpers) {
    ApiRig g;
    g.start();
    // The folders end with a backslash, and a script reaches their files through them.
    g.project.file("External/notes.ini", "[a]\r\nk=from external\r\n");
    g.script("t = (GetPath(2) = GetPath(99)) & \"|\" & Right(GetPath(2), 10) & \"|\" & Right(GetPath(4), 7) "
             "& \"|\" & "
             "ReadINI(GetPath(2) & \"notes.ini\", \"a\", \"k\")");
    EXPECT_EQ(TextOfT(g), "True|\\External\\|\\Areas\\|from external");

    g.script(
        "SaveParameter \"score\", 10 : t = LoadParameter(\"score\", \"none\") & LoadParameter(\"other\", 7)");
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "107");
    EXPECT_EQ(g.context().getUserSetting("_score", ""), "10");

    g.script("v = GetTransitionsStatus() : InvertTransitionsStatus : w = GetTransitionsStatus() : "
             "InvertEffectsStatus");
    EXPECT_EQ(g.var("v"), -1);
    EXPECT_EQ(g.var("w"), 0);
    EXPECT_EQ(g.context().getUserSetting("DisableTransitions", ""), "True");
    EXPECT_TRUE(g.flags().effectsDisabled);

    g.script("t = GetLFVersion() & DOUBLEQUOTES & ConvertQuotesIntoDoubleQuotes(\"a\"\"b\") & NEWLINE & "
             "ConvertToNumber(\"12abc\") + ConvertToNumber(\"x\") : v = GetProjectWidth() : "
             "Set r = GetVariableReferenceFromName(\"W\") : r.Value = 5");
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "Version 4.1.0\"a\"\"b\r\n12");
    EXPECT_EQ(g.var("v"), 640);
    EXPECT_EQ(g.var("w"), 5) << "a reference to the variable itself";
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];

    // The language's own CreateObject answers to the bare name; the action object's, which
    // only says it is unavailable, to its full name.
    g.script("Action.CreateObject \"Scripting.Dictionary\"");
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_EQ(g.driver->boxes()[0].title, "Unavailable Function");
}

} // namespace
} // namespace run

namespace run {
namespace {

TEST(ScriptApi, IniFilesInsideTheGameOnly) {
    ApiRig g;
    g.start();
    const std::string outside = (g.tmp / "outside.ini").string();
    std::string windowsOutside = outside;
    std::replace(windowsOutside.begin(), windowsOutside.end(), '/', '\\');
    g.project.file("External/game.ini", "[Scores]\r\nbest=" + std::string(300, '9') + "\r\n");
    g.project.file("External/garbage.ini", std::string("\x00\xff[\x01]\n=\n\n", 9));
    g.script("WriteINI \"saves.ini\", \"Player\", \"name\", \"Kim\" : t = ReadINI(\"saves.ini\", \"player\", "
             "\"NAME\") & "
             "\"|\" & Len(ReadINI(\"game.ini\", \"Scores\", \"best\")) & \"|\" & ReadINI(\"missing.ini\", "
             "\"a\", \"b\") & "
             "\"|\" & ReadINI(\"garbage.ini\", \"a\", \"b\")");
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "Kim|254||") << "cut to 254 characters";
    EXPECT_TRUE(std::filesystem::exists(g.project.folder() / "External" / "saves.ini"));
    // A full path outside the game's folders is neither written nor read.
    { std::ofstream(outside, std::ios::binary) << "[a]\r\nb=secret\r\n"; }
    g.script("WriteINI \"" + windowsOutside + "\", \"a\", \"b\", \"c\" : t = ReadINI(\"" + windowsOutside +
             "\", \"a\", \"b\")");
    std::ifstream in(outside, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "[a]\r\nb=secret\r\n") << "untouched";
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "") << "and unread";
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

} // namespace
} // namespace run
