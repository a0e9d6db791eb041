// What is fixed for a running project: the platform it runs on (windows, settings store, drive
// letters), its folders and paths, its information and user-interface texts, and its CD index.
// Start-up fills it once; every part of the engine reads it.
#pragma once

#include "run/platform/components/ComponentRegistry.h"
#include "run/platform/drives/DriveTable.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/CdIndex.h"
#include "run/project/ProjectInfo.h"
#include "run/project/ProjectPaths.h"
#include "run/project/StepTrace.h"
#include "run/project/UiText.h"

#include <string>

namespace run {

// The desktop mode remembered at start-up, restored when the game window unloads.
struct SavedDesktopMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

struct ProjectContext {
    ProjectContext(platform::WindowSystem& ui, platform::SettingsStore& settings)
        : ui(ui), settings(settings) {}
    ProjectContext(const ProjectContext&) = delete;
    ProjectContext& operator=(const ProjectContext&) = delete;

    platform::WindowSystem& ui;
    platform::SettingsStore& settings;
    // Which library makes each component; the player's, set when it is made.
    platform::ComponentRegistry* componentRegistry = nullptr;

    std::string projectFolder;   // as given on the command line, or the program's own folder
    std::string documentsFolder; // the user's documents folder ("" when there is none)
    ProjectPaths paths;
    ProjectInfo info;
    UiText uiText;
    SavedDesktopMode desktop;

    // The font whose height decides whether the system counts as set to large fonts.
    platform::FontSpec systemFont{"MS Sans Serif", 8.25};

    // The CD index of a multi-CD project, and the drive letters of this system.
    CdIndex cdIndex;
    platform::DriveTable drives;

    // Where the engine reports the steps whose order tests check; nothing is kept unless a test
    // attaches a list.
    StepTrace trace;

    // Shows the player's error box: UiText 30, two line breaks, UiText 31, then the operation's
    // own sentence and the failure's description.
    void showErrorBox(const std::string& sentence, const std::string& description = "");

    // Per-user settings of this project (application "Software", section ProjectRegistryName).
    std::string getUserSetting(const std::string& key, const std::string& defaultValue) const;
    void saveUserSetting(const std::string& key, const std::string& value);
    // A key of section "General" of Config/More; "" when the file or key is missing.
    std::string readProjectSetting(const std::string& key) const;
};

} // namespace run
