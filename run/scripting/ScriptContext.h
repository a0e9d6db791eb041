// What the script host's objects and the action object's functions reach: the project, the run's
// flags, the game state and its files, the game window and the services around it. The player
// hands the services to the host, which adds itself and its action module.
#pragma once

#include "run/state/VBScriptActionModule.h"

namespace run {

class AudioChannels;
class Dialogues;
class GameActions;
class GameHalt;
class GameWindow;
class Plugins;
class ProjectFiles;
class Scripts;
struct Flags;
struct GameState;
struct ProjectContext;

struct ScriptServices {
    ProjectContext& project;
    Flags& flags;
    ProjectFiles& files;
    GameState& state;
    AudioChannels& audio;
    Dialogues& dialogues;
    GameHalt& halt;
    GameWindow& game;
    GameActions& actions;
    Plugins& plugins;
};

struct ScriptContext : ScriptServices {
    Scripts& scripts;
    // What the last script asked of the consequence step.
    VBScriptActionModule& action;
};

} // namespace run
