// One run of the player on one project: the platform pieces, the project context, the run's
// flags, the game state, the services, the welcome window and the game window, wired together.
// The player owns them all and hands each part what it uses when it is made.
#pragma once

#include "run/frames/Components.h"
#include "run/frames/Dialogues.h"
#include "run/frames/GameHalt.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Plugins.h"
#include "run/game/GamePlay.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/media/Mixer.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/WelcomeWindow.h"
#include "run/scripting/ScriptHost.h"
#include "run/state/GameState.h"

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace run {

struct PlayerOptions {
    std::string projectFolder;             // the game's folder
    std::filesystem::path settingsFile;    // empty: the per-user default
    std::filesystem::path documentsFolder; // where saves go; empty: the user's documents folder
    // The components installed with the player (trusted, registered at start-up); empty: none.
    std::filesystem::path installedComponents;
};

class Player {
  public:
    Player(platform::IBackend& backend, PlayerOptions options);
    ~Player();

    // Start-up: loads the welcome window (which may start the game at once or end the program).
    void start();
    // Runs the event loop until the program ends.
    void run();
    bool ended() const { return m_flags.programEnded; }

    ProjectContext& project() { return m_project; }
    Flags& flags() { return m_flags; }
    GameVariables& variables() { return m_state.variables; }
    ProjectFiles& files() { return m_files; }
    GamePlay& play() { return m_play; }
    platform::WindowSystem& ui() { return m_ui; }
    WelcomeWindow& welcome() { return m_welcome; }
    GameWindow& game() { return m_game; }
    ScriptHost& scripts() { return m_scripts; }
    AudioChannels& audio() { return m_audio; }
    platform::Mixer& mixer() { return m_mixer; }
    platform::ComponentRegistry& componentRegistry() { return m_componentRegistry; }

    // What a player sees now, one item a line ("window: Game", "frame: …").
    std::vector<std::string> describeState();

  private:
    void startGame();
    void onGameUnloaded();

    platform::IBackend& m_backend;
    std::filesystem::path m_installedComponents;
    platform::FontCatalog m_fonts;
    platform::WindowSystem m_ui;
    platform::SettingsStore m_settings;
    ProjectContext m_project{m_ui, m_settings};
    Flags m_flags;
    GameState m_state;
    Dialogues m_dialogues{m_project, m_flags};
    Plugins m_plugins{m_project};
    // The parts below are made in this order: each is handed only parts already made, or
    // references to parts of their exact type made further down (held, not used, until then).
    GameHalt m_halt{m_project, m_flags, m_videos, m_audio, m_game};
    ProjectFiles m_files{m_project, m_flags, m_halt};
    // The mixer outlives the players that feed it; the device stops pulling it first.
    platform::Mixer m_mixer;
    std::thread m_tunesReady; // loads the MIDI sound font ahead of a game's first tune
    AudioChannels m_audio{m_project, m_flags, m_files, m_mixer};
    Videos m_videos{m_project, m_flags, m_files, m_mixer};
    // Which library makes each component, kept beside the settings.
    platform::ComponentRegistry m_componentRegistry{m_settings.file().parent_path() / "components.ini"};
    Components m_components{m_project, m_flags, m_mixer, m_componentRegistry};
    GamePlay m_play{m_project, m_flags,     m_files,   m_state, m_audio,
                    m_videos,  m_dialogues, m_plugins, m_game,  m_scripts};
    ScriptHost m_scripts{
        {m_project, m_flags, m_files, m_state, m_audio, m_dialogues, m_halt, m_game, m_play, m_plugins}};
    GameWindow m_game;
    WelcomeWindow m_welcome;
};

} // namespace run
