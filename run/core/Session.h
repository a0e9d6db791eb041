// The state one running project shares across its parts: the platform it runs on, the project
// paths and information, the user-interface texts, the per-user settings and the process flags.
#pragma once

#include "run/platform/drives/DriveTable.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/CdIndex.h"
#include "run/project/ProjectInfo.h"
#include "run/project/ProjectPaths.h"
#include "run/project/UiText.h"
#include "run/scripting/ScriptSteps.h"
#include "run/state/GameState.h"

#include <string>
#include <vector>

namespace run {

class GameWindow;
class Scripts;
class AudioChannels;

// Flags through which interleaved long operations coordinate.
struct Flags {
    bool Quitting = false;                // the game is being left
    bool SkipTransitionRequested = false; // a running transition should end at once
    bool StopMovie = false;               // a video wait should end
    bool TransitionRunning = false;       // a transition is being drawn (Escape leaves the menus)
    bool AlphaBlendErrorReported = false; // the drawing failure box was shown once
    int TransitionNumber = 0;             // while a transition runs: its number 0–5
    double TransitionFraction = 0;        // and how far it has been drawn, 0 to 1
};

// The desktop mode remembered at start-up, restored when the game window unloads.
struct SavedDesktopMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

struct Session {
    Session(platform::WindowSystem& ui, platform::SettingsStore& settings) : ui(ui), settings(settings) {}
    Session(const Session&) = delete; // `variables` refers into its own `state`
    Session& operator=(const Session&) = delete;

    platform::WindowSystem& ui;
    platform::SettingsStore& settings;

    std::string projectFolder;   // as given on the command line, or the program's own folder
    std::string documentsFolder; // the user's documents folder ("" when there is none)
    ProjectPaths paths;
    ProjectInfo info;
    UiText uiText;
    Flags flags;
    SavedDesktopMode desktop;
    int pendingLoadGameResolution = 0; // set by scripts, reset with the game state
    bool transitionsDisabled = false;  // Options menu, kept as per-user settings
    bool effectsDisabled = false;
    bool inventorySliding = false; // the inventory panel is moving

    // The font whose height decides whether the system counts as set to large fonts.
    platform::FontSpec systemFont{"MS Sans Serif", 8.25};

    // Set when the program should end (the welcome window was unloaded).
    bool programEnded = false;

    // The running game's state, and its variables and hidden hotspots by their usual name.
    GameState state;
    GameVariables& variables = state.variables;
    // What the last script asked of the consequence step.
    VBScriptActionModule VBScriptAction;

    // The CD index of a multi-CD project, and the drive letters of this system.
    CdIndex cdIndex;
    platform::DriveTable drives;

    // The game window `Game` while it is loaded (null before Start and after unloading).
    GameWindow* game = nullptr;
    // The script host (null in a bare session: nothing runs).
    Scripts* scripts = nullptr;
    // The audio channels and their players (null in a bare session: nothing sounds).
    AudioChannels* audio = nullptr;

    // Where the subsystems note the steps they run, in order, when a test asks for it.
    std::vector<std::string>* trace = nullptr;
    void note(std::string step) {
        if (trace) trace->push_back(std::move(step));
    }

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
