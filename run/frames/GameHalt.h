// Halting the game in play: while the player is asked for a CD, and when the game stops at a
// script's or the player's request.
#pragma once

#include "run/project/FileLookup.h"

#include <functional>

namespace run {

class AudioChannels;
class GameWindow;
class Videos;
struct Flags;
struct ProjectContext;

class GameHalt : public GameHalting {
  public:
    GameHalt(ProjectContext& project, Flags& flags, Videos& videos, AudioChannels& audio, GameWindow& game)
        : m_project(project), m_flags(flags), m_videos(videos), m_audio(audio), m_game(game) {}

    // Stops what runs: videos, sounds, transitions, the game window's timers and timed events.
    void HaltGame() override;
    // Halts the game for good, leaving the player the menu bar to quit or load a game.
    void StopEverything() override;
    // What runs now, to be started again once the player has answered.
    std::function<void()> RememberRunning() override;

  private:
    ProjectContext& m_project;
    Flags& m_flags;
    Videos& m_videos;
    AudioChannels& m_audio;
    GameWindow& m_game;
};

} // namespace run
