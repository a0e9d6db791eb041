// What start-up leaves before a game window exists: the project context, the run's flags, the
// game state and the file lookup. With no game in play, halting only sets the flags a halted game
// sees (the player's own halting also stops the game window's timers, sounds and videos).
#pragma once

#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/state/GameState.h"

namespace run::testing {

class NoGameInPlay : public GameHalting {
  public:
    NoGameInPlay(ProjectContext& project, Flags& flags) : m_project(project), m_flags(flags) {}
    void HaltGame() override {
        m_flags.StopMovie = true;
        m_flags.SkipTransitionRequested = true;
        m_project.ui.pump();
    }
    void StopEverything() override {
        m_flags.Quitting = true;
        HaltGame();
    }
    std::function<void()> RememberRunning() override {
        return [] {};
    }

  private:
    ProjectContext& m_project;
    Flags& m_flags;
};

struct ProjectRun : ProjectContext {
    ProjectRun(platform::WindowSystem& ui, platform::SettingsStore& settings)
        : ProjectContext(ui, settings) {}

    Flags flags;
    GameState state;
    GameVariables& variables = state.variables;
    NoGameInPlay halting{*this, flags};
    ProjectFiles files{*this, flags, halting};
};

} // namespace run::testing
