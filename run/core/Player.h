// One run of the player on one project: the platform pieces, the session, the welcome window
// and the game window, wired together.
#pragma once

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/game/SoundSteps.h"
#include "run/media/AudioChannels.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/media/Mixer.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/WelcomeWindow.h"
#include "run/scripting/ScriptHost.h"

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
};

class Player {
  public:
    Player(platform::IBackend& backend, PlayerOptions options);
    ~Player();

    // Start-up: loads the welcome window (which may start the game at once or end the program).
    void start();
    // Runs the event loop until the program ends.
    void run();
    bool ended() const { return m_session.flags.programEnded; }

    Session& session() { return m_session; }
    platform::WindowSystem& ui() { return m_ui; }
    WelcomeWindow& welcome() { return m_welcome; }
    GameWindow& game() { return m_game; }
    ScriptHost& scripts() { return m_scripts; }
    AudioChannels& audio() { return m_audio; }
    platform::Mixer& mixer() { return m_mixer; }

    // What a player sees now, one item a line ("window: Game", "frame: …").
    std::vector<std::string> describeState();

  private:
    void startGame();
    void onGameUnloaded();

    platform::IBackend& m_backend;
    platform::FontCatalog m_fonts;
    platform::WindowSystem m_ui;
    platform::SettingsStore m_settings;
    Session m_session;
    // The mixer outlives the players that feed it; the device stops pulling it first.
    platform::Mixer m_mixer;
    std::thread m_tunesReady; // loads the MIDI sound font ahead of a game's first tune
    AudioChannels m_audio{m_session, m_session.flags, m_session.files, m_mixer};
    GameWindow m_game;
    ScriptHost m_scripts{m_session, m_game};
    WelcomeWindow m_welcome;
};

} // namespace run
