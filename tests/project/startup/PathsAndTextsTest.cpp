// Project folders, alternate frame files and the user-interface texts.
#include "run/project/ProjectPaths.h"
#include "run/project/StartUp.h"
#include "run/project/UiText.h"
#include "tests/project/startup/ProjectRig.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace run {
namespace {

namespace fs = std::filesystem;
using testing::ProjectBuilder;
using testing::ProjectRig;
using testing::TempFolder;

TEST(ProjectPathsTest, FoldersAreFoundInTheirLetterCaseOnDisk) {
    TempFolder tmp;
    fs::path game = tmp / "game";
    for (const char* sub : {"frames", "FRAMESDATA", "Config", "icons", "cpData"})
        fs::create_directories(game / sub);
    ProjectPaths p;
    ComputeProjectPaths(p, game.string() + "/");
    EXPECT_EQ(p.project, game.string() + "/");
    EXPECT_EQ(p.frames, game.string() + "/frames/");
    EXPECT_EQ(p.framesData, game.string() + "/FRAMESDATA/");
    EXPECT_EQ(p.config, game.string() + "/Config/");
    EXPECT_EQ(p.icons, game.string() + "/icons/");
    EXPECT_EQ(p.components, game.string() + "/cpData/");
    EXPECT_EQ(p.areas, game.string() + "/Areas/") << "a missing folder keeps its usual name";
    EXPECT_EQ(p.external, game.string() + "/External/");
}

TEST(ProjectPathsTest, ProjectFolderIsAbsoluteWithOneFinalSlash) {
    TempFolder tmp;
    fs::create_directories(tmp / "game" / "Frames");
    const std::string expected = (tmp / "game").string() + "/";
    for (const std::string& given : {(tmp / "game").string(), (tmp / "game").string() + "//",
                                     (tmp / "game" / "Frames" / "..").string()}) {
        ProjectPaths p;
        ComputeProjectPaths(p, given);
        EXPECT_EQ(p.project, expected) << given;
        EXPECT_EQ(p.frames, expected + "Frames/") << given;
    }

    const fs::path before = fs::current_path();
    fs::current_path(tmp.path());
    ProjectPaths relative;
    ComputeProjectPaths(relative, "game");
    fs::current_path(before);
    EXPECT_EQ(relative.project, expected);

    ProjectPaths root;
    ComputeProjectPaths(root, "/");
    EXPECT_EQ(root.project, "/");
    EXPECT_EQ(root.config.rfind("/", 0), 0u);
    EXPECT_NE(root.config.substr(0, 2), "//") << "the root folder is not doubled";
}

TEST(ProjectPathsTest, GetPathNumbers) {
    TempFolder tmp;
    ProjectPaths p;
    ComputeProjectPaths(p, tmp.path().string());
    const struct {
        int number;
        const std::string& path;
    } cases[] = {{0, p.project},  {1, p.project},   {2, p.external},   {3, p.config},
                 {4, p.areas},    {5, p.frames},    {6, p.framesData}, {7, p.icons},
                 {8, p.external}, {-1, p.external}, {99, p.external}};
    for (const auto& c : cases)
        EXPECT_EQ(&GetPath(p, c.number), &c.path) << c.number;
}

TEST(ProjectPathsTest, AlternateFrameFileWinsWhenItExists) {
    TempFolder tmp;
    ProjectBuilder project(tmp / "game");
    ProjectPaths p;
    ComputeProjectPaths(p, project.folder().string());
    const std::string data = p.framesData;

    EXPECT_EQ(HasAlternateFile(p, "Harbour", ".fm2", ".mr2"), data + "Harbour.fm2") << "neither exists";
    project.file("FramesData/Harbour.fm2", "x");
    EXPECT_EQ(HasAlternateFile(p, "Harbour", ".fm2", ".mr2"), data + "Harbour.fm2");
    project.file("FramesData/Harbour.mr2", "x");
    EXPECT_EQ(HasAlternateFile(p, "Harbour", ".fm2", ".mr2"), data + "Harbour.mr2");

    // Names in the game's data need not match the letter case on disk.
    project.file("FramesData/CAVE.MR1", "x");
    std::string cave = HasAlternateFile(p, "Cave", ".fm1", ".mr1");
    EXPECT_EQ(fs::path(cave).extension().string(), ".MR1");
    EXPECT_TRUE(fs::is_regular_file(cave)) << cave;
}

TEST(ProjectPathsTest, FilesAreFoundWithoutRegardToCaseOrBackslashes) {
    TempFolder tmp;
    ProjectBuilder project(tmp / "game");
    project.file("Frames/Sub/Pier.BMP", "x");
    const std::string base = project.folder().string();
    EXPECT_TRUE(ProjectFileExists(base + "/frames/sub/pier.bmp"));
    EXPECT_TRUE(ProjectFileExists(base + "/Frames\\Sub\\PIER.bmp"));
    EXPECT_EQ(ExistingPath(base + "/FRAMES/sub/pier.bmp"), base + "/Frames/Sub/Pier.BMP");
    EXPECT_FALSE(ProjectFileExists(base + "/Frames/Sub")) << "a folder is not a file";
    EXPECT_FALSE(ProjectFileExists(base + "/Frames/none.bmp"));
    EXPECT_EQ(ExistingPath(base + "/Frames/none.bmp"), base + "/Frames/none.bmp");
}

// --- User-interface texts ---

struct TextsCase {
    const char* what;
    int mode; // -1: no Texts file
    std::vector<std::string> overrides;
    std::vector<std::pair<int, std::string>> expected;
};

class UiTextModeTest : public ::testing::TestWithParam<TextsCase> {};

TEST_P(UiTextModeTest, ModeChoosesTheSet) {
    const TextsCase& c = GetParam();
    ProjectRig rig;
    if (c.mode >= 0) rig.project.texts(c.mode, c.overrides);
    LoadUiTexts(rig.s);
    EXPECT_TRUE(rig.backend.boxes().empty());
    for (const auto& [number, text] : c.expected)
        EXPECT_EQ(rig.s.uiText[number], text) << "entry " << number;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UiTextModeTest,
    ::testing::Values(
        TextsCase{
            "no file", -1, {}, {{1, "Start"}, {2, "  Load..."}, {3, "Exit"}, {17, "Load"}, {29, "Error"}}},
        TextsCase{"program set", 0, {}, {{1, "Start"}, {2, "  Load..."}, {8, "  Save..."}, {52, ""}}},
        TextsCase{"game set",
                  1,
                  {},
                  {{1, "Start New Game"}, {2, "Load Game..."}, {3, "Exit"}, {26, "Remove Saved Game"}}},
        TextsCase{"overrides",
                  2,
                  {"Begin", "", "Leave"},
                  {{1, "Begin"},
                   {2, ""},
                   {3, "Leave"},
                   {4, "Created By:"},
                   {30, "An error has occurred. The program may not work properly. Click OK and then press "
                        "Ctrl+Q to quit."}}},
        TextsCase{"no overrides", 2, {}, {{1, "Start"}, {33, "The following file is missing:"}}}),
    [](const ::testing::TestParamInfo<TextsCase>& info) {
        std::string n = info.param.what;
        for (char& ch : n)
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

TEST(UiTextTable, SixtyOverridesFillTheWholeTable) {
    ProjectRig rig;
    std::vector<std::string> texts;
    for (int i = 1; i <= 60; ++i)
        texts.push_back("text " + std::to_string(i));
    rig.project.texts(2, texts);
    LoadUiTexts(rig.s);
    EXPECT_TRUE(rig.backend.boxes().empty());
    EXPECT_EQ(rig.s.uiText[1], "text 1");
    EXPECT_EQ(rig.s.uiText[60], "text 60");
    EXPECT_EQ(rig.s.uiText[61], "") << "numbers outside the table read as empty";
    EXPECT_EQ(rig.s.uiText[0], "");
}

TEST(UiTextTable, UnreadableFilesGiveTheBoxAndTheProgramSet) {
    std::vector<std::string> tooMany;
    for (int i = 1; i <= 61; ++i)
        tooMany.push_back("text " + std::to_string(i));
    const struct {
        const char* what;
        std::function<void(ProjectBuilder&)> write;
    } cases[] = {
        {"61 overrides", [&](ProjectBuilder& p) { p.texts(2, tooMany); }},
        {"an empty file", [](ProjectBuilder& p) { p.file("Config/Texts", ""); }},
        {"fewer overrides than counted",
         [](ProjectBuilder& p) { p.file("Config/Texts", "2\r\n\r\n\r\n\r\n\r\n\r\n5\r\nOne\r\nTwo\r\n"); }},
        // A mode that is text, not a number, cannot be compared with the mode numbers.
        {"a text mode", [](ProjectBuilder& p) { p.file("Config/Texts", "\"garbage\r\nmore"); }},
        {"a mode of stray bytes", [](ProjectBuilder& p) { p.file("Config/Texts", "\x01\x02\xff,,\r\n"); }},
    };
    for (const auto& c : cases) {
        ProjectRig rig;
        c.write(rig.project);
        LoadUiTexts(rig.s);
        ASSERT_EQ(rig.backend.boxes().size(), 1u) << c.what;
        EXPECT_EQ(rig.backend.boxes()[0].text, "Unable to load text.") << c.what;
        EXPECT_EQ(rig.s.uiText[1], "Start") << c.what;
        EXPECT_EQ(rig.s.uiText[3], "Exit") << c.what;
    }
}

TEST(UiTextTable, UnknownModeLeavesTheTableAsItIs) {
    // An empty mode is 0 and #FALSE# is 0 too: the program set. #TRUE# (-1), 7 and #NULL# are
    // other modes, which apply no set.
    const struct {
        const char* bytes;
        const char* first; // entry 1 afterwards
    } cases[] = {
        {"7\r\n", "before"}, {"#TRUE#\r\n", "before"}, {"#NULL#\r\n", "before"},       {"\r\n", "Start"},
        {",1\r\n", "Start"}, {"#FALSE#\r\n", "Start"}, {"\"1\"\r\n", "Start New Game"}};
    for (const auto& c : cases) {
        TempFolder tmp;
        ProjectBuilder project(tmp / "game");
        project.file("Config/Texts", c.bytes);
        UiText texts;
        texts.set(1, "before");
        ASSERT_NO_THROW(LoadUiTextsFromFile((project.folder() / "Config" / "Texts").string(), texts))
            << c.bytes;
        EXPECT_EQ(texts[1], c.first) << c.bytes;
    }
}

} // namespace
} // namespace run
