#include "run/game/GameHalt.h"

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/game/SoundSteps.h"
#include "run/game/TimedEventSteps.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"

namespace run {

namespace {

platform::TimerElement* gameTimer(Session& s, const char* name) {
    return s.game ? s.game->form().findTimer(name) : nullptr;
}

} // namespace

void HaltGame(Session& s) {
    s.flags.StopMovie = true;
    s.flags.SkipTransitionRequested = true;
    s.ui.pump();
    for (const char* name : {"Timer1", "TimerMessageBox"}) {
        if (auto* t = gameTimer(s, name)) t->setEnabled(false);
    }
    PauseTimedEvents(s);
    s.videos.StopOneTimeVideoPlayer();
    StopAllChannels(s);
}

void StopEverything(Session& s) {
    s.flags.Quitting = true;
    if (s.game) s.game->form().get("PictureBox").visible = false;
    HaltGame(s);
    // The player is left with the menu bar, to quit or load a game.
    if (s.game) s.game->ShowMenus();
}

void SessionHalting::HaltGame() {
    run::HaltGame(m_s);
}

void SessionHalting::StopEverything() {
    run::StopEverything(m_s);
}

std::function<void()> SessionHalting::RememberRunning() {
    platform::TimerElement* timer1 = gameTimer(m_s, "Timer1");
    platform::TimerElement* timerBox = gameTimer(m_s, "TimerMessageBox");
    const bool timer1Was = timer1 && timer1->enabled;
    const bool timerBoxWas = timerBox && timerBox->enabled;
    return [this, timer1, timerBox, timer1Was, timerBoxWas] {
        // The game window may have gone while the player was asked.
        if (auto* t = gameTimer(m_s, "Timer1"); t && t == timer1) t->setEnabled(timer1Was);
        if (auto* t = gameTimer(m_s, "TimerMessageBox"); t && t == timerBox) t->setEnabled(timerBoxWas);
        StartTimedEvents(m_s);
    };
}

} // namespace run
