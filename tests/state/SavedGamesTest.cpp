// Saved games: the file field by field, loading saves written by hand and by older versions,
// values the record format cannot hold as they are, the name checks and questions, the list,
// removing, the resume mapping, and a failed save that leaves the old one intact.
#include "run/game/SavedGames.h"
#include "run/frames/Scripts.h"
#include "run/state/SaveFile.h"
#include "tests/gameplay/GameRig.h"

#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

namespace run {
namespace {

using testing::GameRig;

std::string readAll(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct SaveRig : GameRig {
    SaveRig() {
        project.variables({"v", "w", "x"}, {"t", "u"});
        item("lamp");
        item("key");
    }
    std::filesystem::path folder() { return documents / "Savegames" / "Gameplay Tests"; }
    bool save(const std::string& name) { return play().SaveGameAs(name); }
    bool load(const std::string& name) { return play().LoadSavedGame(name, {}); }
};

TEST(SavedGames, TheFileIsTheCommonRecordFormat) {
    SaveRig g;
    g.start();
    ChangeVariableValue(g.variables(), "v", 7);
    g.variables().Variables.Item(2).Value = -1;
    ChangeVariableVariantValue(g.variables(), "t", RecordVariant::string("a, b"));
    ChangeVariableVariantValue(g.variables(), "u", RecordVariant::number(2.5));
    g.variables().Disappear.Add("Start", 3);
    g.give({"lamp", "key"});
    g.game().OpenFrame("Other", false, 0, 0);
    ASSERT_TRUE(g.save("one"));

    const std::string expected =
        "\"Other\"\r\n3\r\n\"v\"\r\n7\r\n\"w\"\r\n-1\r\n\"x\"\r\n0\r\n1\r\n\"Start\"\r\n3\r\n"
        "2\r\n\"lamp\"\r\n\"key\"\r\n2\r\n\"Start\"\r\n\"Other\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
        "\"GameplayTests\"\r\n\"Gameplay Tests\"\r\n\"" +
        SaveDateText() + "\"\r\n\"Version 4.1.0\"\r\n2\r\n\"t\"\r\n\"a, b\"\r\n\"u\"\r\n2.5\r\n";
    EXPECT_EQ(readAll(g.folder() / "one.sav"), expected);
    EXPECT_TRUE(std::filesystem::exists(g.folder() / "one.png")) << "the picture for the load window";

    // Loading it back on a fresh game gives the same state.
    g.game().OpenFrame("Start", false, 0, 0);
    ChangeVariableValue(g.variables(), "v", 0);
    ASSERT_TRUE(g.load("one"));
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.var("v"), 7);
    EXPECT_EQ(g.var("w"), -1);
    EXPECT_EQ(g.items(), (std::vector<std::string>{"lamp", "key"}));
    EXPECT_TRUE(IsHotspotGone(g.variables(), "Start", 3));
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "a, b");
    EXPECT_EQ(g.game().framesHistory(), (std::vector<std::string>{"Start", "Other"}));
}

TEST(SavedGames, OlderAndHandWrittenSavesLoad) {
    SaveRig g;
    g.start();
    std::filesystem::create_directories(g.folder());
    // Written by an older version: it ends after the items; an unknown variable is skipped.
    std::ofstream(g.folder() / "old.sav", std::ios::binary)
        << "\"Other\"\r\n2\r\n\"gone\"\r\n5\r\n\"x\"\r\n-1\r\n0\r\n1\r\n\"key\"\r\n";
    ChangeVariableVariantValue(g.variables(), "t", RecordVariant::string("before"));
    ASSERT_TRUE(g.load("old"));
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_EQ(g.var("x"), -1);
    EXPECT_EQ(g.items(), std::vector<std::string>{"key"});
    EXPECT_EQ(g.variables().VariablesVariant.Item(1).Value.text(), "0") << "reset, not in the file";
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];

    // Damaged files get the load box and the game goes on exactly as it was: nothing is reset.
    for (const char* bad :
         {"", "\"Start\"\r\n2000000000\r\n\"v\"\r\n1\r\n", "\"Start\"\r\nxyz\r\n", "\x01\xff\x00garbage"}) {
        std::ofstream(g.folder() / "bad.sav", std::ios::binary) << bad;
        const std::size_t before = g.driver->boxes().size();
        EXPECT_FALSE(g.load("bad"));
        ASSERT_EQ(g.driver->boxes().size(), before + 1);
        EXPECT_NE(g.boxTexts().back().find(" Unable to load '"), std::string::npos);
        EXPECT_EQ(g.frame(), "Other");
        EXPECT_EQ(g.var("x"), -1);
        EXPECT_EQ(g.items(), std::vector<std::string>{"key"});
        EXPECT_TRUE(g.game().form().get("PictureBox").visible);
    }
}

TEST(SavedGames, AnyTextRoundTripsExactly) {
    for (const std::string& text :
         {std::string("say \"hi\""), std::string("two\r\nlines"), std::string("50% ~UTF8~"),
          std::string("snow \xE2\x98\x83 and \xE2\x82\xAC"), std::string("plain")}) {
        EXPECT_EQ(DecodeSaveText(EncodeSaveText(text)), text);
    }
    EXPECT_EQ(EncodeSaveText("plain \xE2\x82\xAC"), "plain \xE2\x82\xAC")
        << "Windows-1252 texts stay as they are";
    GameState g;
    g.frame = "Start";
    g.variables.VariablesVariant.Add("t", RecordVariant::string("a \"quoted\"\nline \xE2\x98\x83"));
    GameState back = ReadSaveBytes(SaveFileBytes(g, {"p", "t", "01/02/2026"})).state;
    ASSERT_EQ(back.variables.VariablesVariant.Count(), 1);
    EXPECT_EQ(back.variables.VariablesVariant.Item(1).Value, g.variables.VariablesVariant.Item(1).Value);
}

TEST(SavedGames, NamesQuestionsListAndRemoving) {
    SaveRig g;
    g.start();
    for (const char* refused : {"a,b", "x/y", "  ", "..", "."})
        EXPECT_FALSE(g.save(refused)) << refused;
    EXPECT_EQ(g.boxesWith("Please do not use any of the following characters:\r\n\" \\ / : * ? < > | ,"), 5);
    EXPECT_FALSE(g.save(std::string(201, 'n')));
    EXPECT_FALSE(g.save(""));
    EXPECT_EQ(g.boxesWith("Enter the name of the game you want to save"), 1);
    ASSERT_TRUE(g.save("a.b"));
    EXPECT_TRUE(std::filesystem::exists(g.folder() / "a.b.sav"));

    // Replacing asks; Cancel leaves the old file as it was.
    const std::string before = readAll(g.folder() / "a.b.sav");
    ChangeVariableValue(g.variables(), "v", 9);
    g.driver->answer("Cancel");
    EXPECT_FALSE(g.save("a.b"));
    EXPECT_EQ(g.boxesWith("'a.b' already exists. Do you want to replace it?"), 1);
    EXPECT_EQ(readAll(g.folder() / "a.b.sav"), before);

    // Newest first.
    ASSERT_TRUE(g.save("second"));
    std::filesystem::last_write_time(g.folder() / "a.b.sav",
                                     std::filesystem::last_write_time(g.folder() / "second.sav") -
                                         std::chrono::hours(1));
    EXPECT_EQ(ListSavedGames(g.folder().string()), (std::vector<std::string>{"second", "a.b"}));
    g.driver->answer("OK");
    EXPECT_TRUE(RemoveSavedGame(g.context(), "second"));
    EXPECT_EQ(ListSavedGames(g.folder().string()), std::vector<std::string>{"a.b"});
    EXPECT_FALSE(std::filesystem::exists(g.folder() / "second.png"));
}

TEST(SavedGames, AFailedSaveKeepsTheOldOne) {
    SaveRig g;
    g.start();
    ASSERT_TRUE(g.save("keep"));
    const std::string before = readAll(g.folder() / "keep.sav");
    // The new save fails half-way through writing: files may not grow past 64 bytes.
    ChangeVariableValue(g.variables(), "v", 4);
    g.driver->answer("OK");
    struct rlimit was {};
    ::getrlimit(RLIMIT_FSIZE, &was);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = was;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = g.save("keep");
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(g.boxesWith(" Unable to save '"), 1);
    EXPECT_EQ(readAll(g.folder() / "keep.sav"), before) << "the previous save is intact";
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(g.folder()))
        ++files;
    EXPECT_EQ(files, 2) << "the save and its picture, no half-written file";
    EXPECT_EQ(ListSavedGames(g.folder().string()), std::vector<std::string>{"keep"});
}

TEST(SavedGames, ResumeMappingIsOneLookup) {
    SaveRig g;
    g.project.file("Config/Resume",
                   "1,2,3,4,5,6\r\n\"other\",\"Start\"\r\n\"Start\",\"Other\"\r\n\"Loop\",\"Loop\"\r\n");
    g.start();
    EXPECT_EQ(GetResumeLocation(g.context(), "OTHER"), "Start") << "not followed on to Other";
    EXPECT_EQ(GetResumeLocation(g.context(), "Loop"), "Loop");
    EXPECT_EQ(GetResumeLocation(g.context(), "Elsewhere"), "Elsewhere");
}

} // namespace
} // namespace run

namespace run {
namespace {

TEST(SavedGames, ObjectsSaveTheirDefaultValueAndAFolderInTheWayFailsTheSave) {
    SaveRig g;
    g.project.procedures(
        "Class Named\r\n  Public Default Property Get Text() : Text = \"the lamp\" : End Property\r\n"
        "End Class\r\nClass Plain\r\nEnd Class");
    g.start();
    g.player().scripts().ExecuteVBScript("Set t.Value = New Named : Set u.Value = New Plain", false);
    ASSERT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
    ASSERT_TRUE(g.save("objects"));
    const VariantCollection saved = ReadSaveFile(g.folder() / "objects.sav").state.variables.VariablesVariant;
    ASSERT_EQ(saved.Count(), 2);
    EXPECT_EQ(saved.Item(1).Value, RecordVariant::string("the lamp")) << "the default value";
    EXPECT_TRUE(saved.Item(2).Value.isEmpty()) << "no default value: nothing";

    // A file where the save folder should be: the save fails with its box, nothing is lost.
    std::filesystem::remove_all(g.documents);
    std::filesystem::create_directories(g.documents / "Savegames");
    std::ofstream(g.documents / "Savegames" / "Gameplay Tests") << "not a folder";
    EXPECT_FALSE(g.save("blocked"));
    EXPECT_EQ(g.boxesWith(" Unable to save '"), 1);
    EXPECT_EQ(readAll(g.documents / "Savegames" / "Gameplay Tests"), "not a folder");
}

} // namespace
} // namespace run
