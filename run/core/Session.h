// What the game window, the script host and the game in play still reach through one object: the
// project context, the run's flags, the game state and the services. Being taken apart: each part
// moves to taking what it uses at construction (see ARCHITECTURE.md).
#pragma once

#include "run/game/GameHalt.h"
#include "run/media/Effects.h"
#include "run/media/Video.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/StepTrace.h"
#include "run/scripting/Dialogues.h"
#include "run/state/GameState.h"
#include "run/state/VBScriptActionModule.h"

#include <string>
#include <vector>

namespace run {

class GameWindow;
class Scripts;
class AudioChannels;

// The transitional bundle of the project context, the run's flags, the game state and the
// services; parts move from it to what they use.
struct Session : ProjectContext {
    Session(platform::WindowSystem& ui, platform::SettingsStore& settings) : ProjectContext(ui, settings) {}

    Flags flags;
    SessionHalting halting{*this};
    // The project's files, looked up as the game asks for them.
    ProjectFiles files{*this, flags, halting};

    // The running game's state, and its variables and hidden hotspots by their usual name.
    GameState state;
    GameVariables& variables = state.variables;
    // What the last script asked of the consequence step.
    VBScriptActionModule VBScriptAction;

    // The game window `Game` while it is loaded (null before Start and after unloading).
    GameWindow* game = nullptr;
    // The script host (null in a bare session: nothing runs).
    Scripts* scripts = nullptr;
    // The audio channels and their players (null in a bare session: nothing sounds).
    AudioChannels* audio = nullptr;

    // Where the subsystems report the steps they run, in order, when a test watches.
    StepTrace trace;
    // Videos and the water effect (not yet built: they report to the trace).
    Videos videos{trace};
    Effects effects{trace};
    // The frames' dialogues (not yet built: they report to the trace).
    Dialogues dialogues{trace};
};

} // namespace run
