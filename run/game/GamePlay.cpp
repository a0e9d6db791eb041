// The game in play: its wiring, saving and loading, and the save and load windows.
#include "run/game/GamePlay.h"

#include "run/frames/GameWindow.h"
#include "run/frames/TimedEvents.h"
#include "run/game/LoadGameWindow.h"
#include "run/game/SaveGameWindow.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/scripting/ScriptHost.h"
#include "run/state/GameState.h"

namespace run {

GamePlay::GamePlay(ProjectContext& project, Flags& flags, ProjectFiles& files, GameState& state,
                   AudioChannels& audio, Videos& videos, Dialogues& dialogues, Plugins& plugins,
                   GameWindow& game, ScriptHost& scripts)
    : m_project(project), m_flags(flags), m_files(files), m_state(state), m_audio(audio), m_videos(videos),
      m_dialogues(dialogues), m_plugins(plugins), m_game(game), m_scripts(scripts) {}

GamePlay::~GamePlay() = default;

bool GamePlay::SaveGameAs(const std::string& name) {
    return run::SaveGameAs(m_project, m_state, m_game, name);
}

bool GamePlay::LoadSavedGame(const std::string& name, const LoadWindows& windows) {
    return run::LoadSavedGame(m_project, m_flags, m_state, m_game, m_scripts, name, windows);
}

namespace {

// The frame timer and the timed events wait while a save or load window is open.
struct GameOnHold {
    explicit GameOnHold(GameWindow& game) : timer(*game.form().findTimer("Timer1")) {
        ran = timer.enabled;
        timer.setEnabled(false);
        game.timedEvents().PauseTimedEvents();
    }
    void resume(GameWindow& game) {
        timer.setEnabled(ran);
        game.timedEvents().StartTimedEvents();
    }
    platform::TimerElement& timer;
    bool ran = false;
};

} // namespace

void GamePlay::ShowLoadGameWindow(bool abortIfATimerIsEnabled) {
    if (abortIfATimerIsEnabled) {
        for (const platform::Element* t : m_game.form().arrayMembers("TimerObject")) {
            if (static_cast<const platform::TimerElement*>(t)->isEnabled()) return;
        }
    }
    GameOnHold hold(m_game);
    if (!m_loadWindow)
        m_loadWindow = std::make_unique<LoadGameWindow>(
            m_project,
            [this](const std::string& name, const LoadWindows& windows) {
                return LoadSavedGame(name, windows);
            },
            LoadWindows{m_hideWelcome, m_resolutionTicked, {}});
    // A loaded game has started its own timers; a cancelled window gives these back.
    if (!m_loadWindow->showModal()) hold.resume(m_game);
}

void GamePlay::ShowSaveGameWindow() {
    GameOnHold hold(m_game);
    if (!m_saveWindow)
        m_saveWindow = std::make_unique<SaveGameWindow>(
            m_project, [this](const std::string& name) { return SaveGameAs(name); });
    m_saveWindow->showModal();
    hold.resume(m_game);
}

} // namespace run
