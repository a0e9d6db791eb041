// Reading Config/General: files of every age, script texts, and damaged files.
#include "run/project/ProjectInfo.h"
#include "run/driver/HeadlessDriver.h"
#include "run/project/record/RecordError.h"
#include "tests/support/ProjectBuilder.h"

#include <fstream>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

namespace run {
namespace {

using testing::ProjectBuilder;
using testing::TempFolder;

// A project whose every field differs from the defaults.
ProjectInfo FullInfo() {
    ProjectInfo i;
    i.ProjectRegistryName = "GullCove";
    i.AdventureName = "The Lantern";
    i.InitialFrame = "Harbour";
    i.VersionText = "1.2";
    i.FrameWidth = 800;
    i.FrameHeight = 600;
    i.Author = "Ann";
    i.Email = "ann@example.org";
    i.Homepage = "https://example.org/";
    i.OfferResolutionChange = 1;
    i.SchemeName = "Night";
    i.DisableLoadGame = true;
    i.DisableSaveGame = true;
    i.InventorySpacingX = 70000;
    i.InventorySpacingY = 12;
    i.InventoryEnabled = false;
    i.InventorySlideIn = false;
    i.InventorySlideOut = false;
    i.HideEmptyInventoryButton = false;
    i.OpenInventoryOnPickUp = false;
    i.CustomInventoryImages = true;
    i.InventoryButtonImage = "bag.bmp";
    i.InventoryBackgroundImage = "bagback.bmp";
    i.ProjectResolution = 1;
    i.DefaultCursor = "hand.cur";
    i.KeepMenusVisible = true;
    i.SkipWelcomeWindow = true;
    i.MenuOption1 = true;
    i.MenuOption2 = true;
    i.NoMenus = true;
    i.RunStartupScript = true;
    i.StartupScript = "Say \"word\"";
    i.RunFrameScript = true;
    i.FrameScript = "x = \"a\" & \"b\"";
    i.MenuOption3 = true;
    return i;
}

struct Field {
    int number;
    const char* name;
    std::function<bool(const ProjectInfo&, const ProjectInfo&)> same;
};

#define FIELD(n, member)                                                                                     \
    Field {                                                                                                  \
        n, #member, [](const ProjectInfo& a, const ProjectInfo& b) { return a.member == b.member; }          \
    }

const Field kFields[] = {
    FIELD(1, ProjectRegistryName),
    FIELD(3, AdventureName),
    FIELD(5, InitialFrame),
    FIELD(6, VersionText),
    FIELD(7, FrameWidth),
    FIELD(8, FrameHeight),
    FIELD(9, Author),
    FIELD(10, Email),
    FIELD(11, Homepage),
    FIELD(12, OfferResolutionChange),
    FIELD(16, SchemeName),
    FIELD(20, DisableLoadGame),
    FIELD(21, DisableSaveGame),
    FIELD(25, InventorySpacingX),
    FIELD(26, InventorySpacingY),
    FIELD(27, InventoryEnabled),
    FIELD(28, InventorySlideIn),
    FIELD(29, InventorySlideOut),
    FIELD(30, HideEmptyInventoryButton),
    FIELD(31, OpenInventoryOnPickUp),
    FIELD(32, CustomInventoryImages),
    FIELD(33, InventoryButtonImage),
    FIELD(34, InventoryBackgroundImage),
    FIELD(35, ProjectResolution),
    FIELD(38, DefaultCursor),
    FIELD(41, KeepMenusVisible),
    FIELD(43, SkipWelcomeWindow),
    FIELD(46, MenuOption1),
    FIELD(47, MenuOption2),
    FIELD(48, NoMenus),
    FIELD(52, RunStartupScript),
    FIELD(53, StartupScript),
    FIELD(54, RunFrameScript),
    FIELD(55, FrameScript),
    FIELD(56, MenuOption3),
};

#undef FIELD

class GeneralAgeTest : public ::testing::TestWithParam<int> {};

TEST_P(GeneralAgeTest, FieldsUpToTheEndAreReadAndLaterOnesKeepTheirDefaults) {
    const int lastField = GetParam();
    TempFolder tmp;
    ProjectBuilder project(tmp / "game");
    const ProjectInfo written = FullInfo();
    const ProjectInfo defaults;
    project.general(written, lastField);

    ProjectInfo read;
    read.AdventureName = "left over from before";
    ASSERT_NO_THROW(ReadProjectInfo((project.folder() / "Config" / "General").string(), read));
    for (const Field& f : kFields) {
        bool present = f.number <= lastField;
        EXPECT_TRUE(f.same(read, present ? written : defaults))
            << f.name << " (field " << f.number << ") should be " << (present ? "read" : "the default");
    }
}

INSTANTIATE_TEST_SUITE_P(EndsAfterField, GeneralAgeTest,
                         ::testing::Values(11, 12, 16, 22, 38, 41, 44, 46, 47, 48, 55, 56));

TEST(ProjectInfoFile, ScriptTextsStoreBarsForQuotes) {
    TempFolder tmp;
    ProjectBuilder project(tmp / "game");
    project.general(FullInfo());
    std::ifstream raw(project.folder() / "Config" / "General", std::ios::binary);
    std::stringstream bytes;
    bytes << raw.rdbuf();
    EXPECT_NE(bytes.str().find("Say |word|"), std::string::npos);

    ProjectInfo read;
    ReadProjectInfo((project.folder() / "Config" / "General").string(), read);
    EXPECT_EQ(read.StartupScript, "Say \"word\"");
    EXPECT_EQ(read.FrameScript, "x = \"a\" & \"b\"");
}

// The first eleven fields of a small project, as raw record lines.
std::string Head(const std::string& frameWidth) {
    return "GullCove\r\n\r\nThe Lantern\r\n0\r\nHarbour\r\nv1\r\n" + frameWidth +
           "\r\n480\r\nAnn\r\n\r\n\r\n";
}

TEST(ProjectInfoFile, DamagedFileThrowsAndKeepsWhatWasRead) {
    const struct {
        const char* what;
        std::string bytes;
        const char* versionText;
        int frameWidth;
    } cases[] = {
        {"text in a number field", Head("wide"), "v1", 0},
        {"ending inside a group", Head("640") + "1\r\n\r\n", "v1", 640},
        {"a number out of range", Head("99999"), "v1", 0},
    };
    for (const auto& c : cases) {
        TempFolder tmp;
        ProjectBuilder project(tmp / "game");
        project.file("Config/General", c.bytes);
        ProjectInfo read;
        EXPECT_THROW(ReadProjectInfo((project.folder() / "Config" / "General").string(), read), RecordError)
            << c.what;
        EXPECT_EQ(read.AdventureName, "The Lantern") << c.what;
        EXPECT_EQ(read.VersionText, c.versionText) << c.what;
        EXPECT_EQ(read.FrameWidth, c.frameWidth) << c.what;
        EXPECT_FALSE(read.SkipWelcomeWindow) << c.what;
    }
}

TEST(ProjectInfoFile, DamagedFileAtStartUpShowsTheErrorBoxAndGoesOn) {
    TempFolder tmp;
    ProjectBuilder project(tmp / "game");
    project.file("Config/General", Head("wide"));
    HeadlessDriver driver({project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
    driver.start();

    ASSERT_EQ(driver.boxes().size(), 1u);
    const auto& box = driver.boxes()[0];
    const UiText& t = driver.player().project().uiText;
    EXPECT_EQ(box.title, t[29]);
    EXPECT_EQ(box.text, t[30] + "\r\n\r\n" + t[31] + " Error loading project information.");
    EXPECT_FALSE(driver.ended());
    EXPECT_EQ(driver.player().ui().activeForm(), &driver.player().welcome().form());
    EXPECT_EQ(driver.player().project().info.AdventureName, "The Lantern");
    EXPECT_EQ(driver.player().welcome().form().get("txtAdventureName").caption, "The Lantern");
}

} // namespace
} // namespace run
