#include "run/frames/GameHalt.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/TimedEvents.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"

namespace run {

namespace {

// The game window's timer of that name while a game is in play.
platform::TimerElement* gameTimer(GameWindow& game, const char* name) {
    return game.inPlay() ? game.form().findTimer(name) : nullptr;
}

} // namespace

void GameHalt::HaltGame() {
    m_flags.StopMovie = true;
    m_flags.SkipTransitionRequested = true;
    m_project.ui.pump();
    for (const char* name : {"Timer1", "TimerMessageBox"}) {
        if (auto* t = gameTimer(m_game, name)) t->setEnabled(false);
    }
    if (m_game.inPlay()) m_game.timedEvents().PauseTimedEvents();
    m_videos.StopOneTimeVideoPlayer();
    m_audio.StopAllChannels();
}

void GameHalt::StopEverything() {
    m_flags.Quitting = true;
    if (m_game.inPlay()) m_game.form().get("PictureBox").visible = false;
    HaltGame();
    // The player is left with the menu bar, to quit or load a game.
    if (m_game.inPlay()) m_game.menus().ShowMenus();
}

std::function<void()> GameHalt::RememberRunning() {
    platform::TimerElement* timer1 = gameTimer(m_game, "Timer1");
    platform::TimerElement* timerBox = gameTimer(m_game, "TimerMessageBox");
    const bool timer1Was = timer1 && timer1->enabled;
    const bool timerBoxWas = timerBox && timerBox->enabled;
    return [this, timer1, timerBox, timer1Was, timerBoxWas] {
        // The game window may have gone while the player was asked.
        if (auto* t = gameTimer(m_game, "Timer1"); t && t == timer1) t->setEnabled(timer1Was);
        if (auto* t = gameTimer(m_game, "TimerMessageBox"); t && t == timerBox) t->setEnabled(timerBoxWas);
        if (m_game.inPlay()) m_game.timedEvents().StartTimedEvents();
    };
}

} // namespace run
