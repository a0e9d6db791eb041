// Project settings from Config/More, and the display mode: the saved desktop, the switch to the
// project's size and the way back.
#include "run/project/DisplayResolution.h"
#include "run/project/WelcomeWindow.h"
#include "tests/project/startup/ProjectRig.h"

#include <gtest/gtest.h>

namespace run {
namespace {

using testing::ProjectRig;

TEST(ProjectSettingTest, KeysOfConfigMore) {
    ProjectRig rig;
    EXPECT_EQ(rig.s.readProjectSetting("ScriptTimeOut"), "") << "no More file";
    rig.project.more("ScriptTimeOut", "0").more("Empty", "").more("Name", "Gull Cove");
    const struct {
        const char* key;
        const char* value;
    } cases[] = {{"ScriptTimeOut", "0"},
                 {"scripttimeout", "0"},
                 {"Empty", ""},
                 {"Name", "Gull Cove"},
                 {"Missing", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(rig.s.readProjectSetting(c.key), c.value) << c.key;
}

TEST(ProjectSettingTest, MoreFileFoundWithoutRegardToCase) {
    ProjectRig rig;
    rig.project.file("Config/MORE", "[General]\r\nScriptTimeOut=30\r\n");
    EXPECT_EQ(rig.s.readProjectSetting("ScriptTimeOut"), "30");
}

struct DisplayCase {
    const char* what;
    platform::DisplayMode desktop;
    int projectResolution;
    bool atProjectSize;
    bool switches; // SwitchResolution(projectResolution + 1) changes the mode
};

class DisplayResolutionTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayResolutionTest, OfferAndSwitch) {
    const DisplayCase& c = GetParam();
    ProjectRig rig;
    rig.s.uiText.applySet(false);
    rig.backend.setDesktop(c.desktop);
    rig.s.info.ProjectResolution = static_cast<std::int16_t>(c.projectResolution);
    SaveDesktopMode(rig.s);
    EXPECT_EQ(rig.s.desktop.width, c.desktop.width);
    EXPECT_EQ(rig.s.desktop.height, c.desktop.height);
    EXPECT_EQ(IsDesktopAtProjectSize(rig.s), c.atProjectSize);

    int centred = 0;
    SwitchResolution(rig.s, c.projectResolution + 1, [&] { ++centred; });
    int w = 0, h = 0;
    ProjectResolutionSize(c.projectResolution, w, h);
    if (c.switches) {
        ASSERT_EQ(rig.backend.modeChanges().size(), 1u);
        EXPECT_EQ(rig.backend.desktopMode().width, w);
        EXPECT_EQ(rig.backend.desktopMode().height, h);
        EXPECT_EQ(rig.backend.desktopMode().refreshRate, c.desktop.refreshRate)
            << "the saved rate is asked for";
        EXPECT_EQ(centred, 1);
    } else {
        EXPECT_TRUE(rig.backend.modeChanges().empty());
        EXPECT_EQ(centred, 0);
    }
    EXPECT_TRUE(rig.backend.boxes().empty());

    RestoreDesktopMode(rig.s);
    EXPECT_EQ(rig.backend.desktopMode().width, c.desktop.width);
    EXPECT_EQ(rig.backend.desktopMode().height, c.desktop.height);
    EXPECT_EQ(rig.backend.modeChanges().size(), c.switches ? 2u : 0u)
        << "restoring changes only what was changed";
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DisplayResolutionTest,
    ::testing::Values(DisplayCase{"already_at_1024", {1024, 768, 60, 32}, 2, true, false},
                      DisplayCase{"same_width_other_height", {800, 500, 60, 32}, 1, false, false},
                      DisplayCase{"larger_desktop", {1280, 1024, 75, 32}, 0, false, true},
                      DisplayCase{"smaller_desktop", {640, 480, 60, 16}, 2, false, true},
                      DisplayCase{"unknown_resolution_number", {1280, 1024, 60, 32}, 5, false, false}),
    [](const ::testing::TestParamInfo<DisplayCase>& info) { return std::string(info.param.what); });

TEST(DisplayResolutionError, UnsupportedModeShowsTheErrorBox) {
    ProjectRig rig;
    rig.s.uiText.applySet(false);
    rig.backend.setDesktop({1280, 1024, 60, 32});
    rig.backend.setSupportedModes({{1280, 1024, 60, 32}, {1024, 768, 60, 32}});
    SaveDesktopMode(rig.s);
    SwitchResolution(rig.s, 1);
    EXPECT_TRUE(rig.backend.modeChanges().empty());
    EXPECT_EQ(rig.backend.desktopMode().width, 1280);
    ASSERT_EQ(rig.backend.boxes().size(), 1u);
    const auto& box = rig.backend.boxes()[0];
    EXPECT_EQ(box.title, rig.s.uiText[29]);
    EXPECT_EQ(box.text, rig.s.uiText[30] + "\r\n\r\n" + rig.s.uiText[31] +
                            " Unable to change display resolution. Mode not supported.");
    EXPECT_EQ(box.style & 0x70, platform::kCritical);

    SwitchResolution(rig.s, 3);
    EXPECT_EQ(rig.backend.desktopMode().width, 1024) << "a supported mode still switches";
    EXPECT_EQ(rig.backend.boxes().size(), 1u);
}

TEST(ResolutionLabel, ProjectSizeReplacesTheSizeInTheText) {
    const struct {
        const char* uiText7;
        int resolution;
        const char* label;
    } cases[] = {
        {"Change display resolution to", 0, "Change display resolution to 640x480."},
        {"Change display resolution to", 2, "Change display resolution to 1024x768."},
        {"Change display resolution to 640x480.", 1, "Change display resolution to 800x600."},
        {"Change display resolution to 640 x 480.", 1, "Change display resolution to 800x600."},
        {"Switch to 640X480", 2, "Switch to 1024x768."},
        {"Switch to 640 X 480.", 0, "Switch to 640x480."},
        {"Switch to 640*480", 1, "Switch to 800x600."},
        {"Switch to 640 * 480", 1, "Switch to 800x600."},
        {"Use the game's size.", 1, "Use the game's size 800x600."},
        {"Change display resolution to", 3, "Change display resolution to"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolutionLabelText(c.uiText7, c.resolution), c.label) << c.uiText7;
}

} // namespace
} // namespace run
