// Drives a real player on the headless backend: start it on a project folder, click, press
// keys, let virtual time pass, answer boxes, read state and pixels. Tests and `run --play` use it.
#pragma once

#include "run/core/Player.h"
#include "run/platform/headless/HeadlessBackend.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace run {

// A text in double quotes as the state lines show it: a double quote or a backslash inside gets
// a backslash before it, a line break is \n and a lone carriage return \r.
std::string QuotedStateText(const std::string& text);

class HeadlessDriver {
  public:
    explicit HeadlessDriver(PlayerOptions options, platform::DisplayMode desktop = {1280, 1024, 60, 32});
    ~HeadlessDriver();

    platform::HeadlessBackend& backend() { return m_backend; }
    Player& player() { return *m_player; }
    void start();
    bool ended() const { return m_player->ended(); }

    // Positions are pixels of the frame area while the game window is active, otherwise of the
    // active window's inside.
    void click(int x, int y, int button = platform::kLeftButton);
    void move(int x, int y);
    void drag(int x1, int y1, int x2, int y2);
    // A key name as ParseKeyName takes it; false when the name is unknown.
    bool key(const std::string& name);
    // Lets `ms` milliseconds of virtual time pass, firing timers on their due times. Called by
    // steps run inside a transition, it gives the transition that much time to go on drawing.
    void wait(int ms);
    // The steps that run while a transition is drawn and the time given to it is spent: they run
    // until one of them gives time (`wait`) or acts on the transition (a click or key that ends
    // it); false when no steps are left, and the transition then plays to its end. Without
    // them a transition plays to its end inside the step that started it.
    void setStepsDuringTransitions(std::function<bool()> steps) {
        m_stepsDuringTransitions = std::move(steps);
        m_stepsFinished = false;
    }
    // Passes the time a step inside a transition gave and the transition did not need.
    void spendGivenTime() {
        if (m_stepsInTransition == 0 && m_timeGiven > 0) wait(static_cast<int>(m_timeGiven));
    }
    void answer(const std::string& buttonCaption) { m_backend.queueAnswer(buttonCaption); }
    void type(const std::string& text) { m_backend.queueInput(text); }

    // The active window as a player sees it; empty canvas when no window is shown.
    platform::Canvas screenshot();
    // The colour at a position (same coordinates as click), 0 when no window is shown.
    platform::Pixel pixel(int x, int y);
    // State lines, followed by every box shown since the previous call.
    std::vector<std::string> state();
    const std::vector<platform::RecordedBox>& boxes() const { return m_backend.boxes(); }

  private:
    void toWindow(int& x, int& y);
    void letTimePass(std::uint64_t ms);
    void send(platform::InputEvent ev);

    platform::HeadlessBackend m_backend;
    std::unique_ptr<Player> m_player;
    std::size_t m_boxesReported = 0;
    std::size_t m_openedReported = 0;
    std::function<bool()> m_stepsDuringTransitions;
    std::uint64_t m_timeGiven = 0; // of the last wait step, not yet passed
    int m_stepsInTransition = 0;
    bool m_stepsFinished = false;
};

} // namespace run
