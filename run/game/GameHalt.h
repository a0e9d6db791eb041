// Halting the game in play: while the player is asked for a CD, and when the game stops at a
// script's or the player's request.
#pragma once

#include "run/project/FileLookup.h"

#include <functional>

namespace run {

struct Session;

// Stops what runs: videos, sounds, transitions, the game window's timers and timed events.
void HaltGame(Session& s);
// Halts the game for good, leaving the player the menu bar to quit or load a game.
void StopEverything(Session& s);

// The halting the file lookup asks for, on the session's game.
class SessionHalting : public GameHalting {
  public:
    explicit SessionHalting(Session& s) : m_s(s) {}
    void HaltGame() override;
    void StopEverything() override;
    std::function<void()> RememberRunning() override;

  private:
    Session& m_s;
};

} // namespace run
