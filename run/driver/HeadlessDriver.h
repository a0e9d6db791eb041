// Drives a real player on the headless backend: start it on a project folder, click, press
// keys, let virtual time pass, answer boxes, read state and pixels. Tests and `run --play` use it.
#pragma once

#include "run/core/Player.h"
#include "run/core/StateText.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/BoxForm.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace run {

class HeadlessDriver {
  public:
    explicit HeadlessDriver(PlayerOptions options, platform::DisplayMode desktop = {1280, 1024, 60, 32});
    ~HeadlessDriver();

    platform::HeadlessBackend& backend() { return m_backend; }
    Player& player() { return *m_player; }
    void start();
    bool ended() const { return m_player->ended(); }

    // Positions are pixels of the frame area while the game window is active, otherwise of the
    // active window's inside (below its title bar, if it has one).
    void click(int x, int y, int button = platform::kLeftButton);
    void move(int x, int y);
    void drag(int x1, int y1, int x2, int y2);
    // A key name as ParseKeyName takes it; false when the name is unknown.
    bool key(const std::string& name);
    // Lets `ms` milliseconds of virtual time pass, firing timers on their due times. Called by
    // nested steps, it gives the transition (or the video waited for) that much time to go on, or
    // lets that much time pass with the held box open (the box then takes its default answer).
    void wait(int ms);
    // The steps that run while the player waits inside a step: while a transition is drawn or a
    // video is waited for and the time given to it is spent, and while a held box is open. They
    // run until one of them gives time (`wait`) or ends what they run inside (a click or key that
    // ends the transition or the video's wait, or answers the box); false when no steps are left:
    // the transition or video then plays to its end and the box takes its default answer.
    // Without them a transition or video plays to its end inside the step that started it, and a
    // held box takes its default answer at once.
    void setNestedSteps(std::function<bool()> steps) {
        m_nestedSteps = std::move(steps);
        m_stepsFinished = false;
    }
    // Whether what the nested steps run inside still goes on: the transition draws, the video is
    // waited for, the box waits.
    bool nestedGoesOn();
    // Passes the time a nested step gave and the transition did not need.
    void spendGivenTime() {
        if (m_nestedDepth == 0 && m_timeGiven > 0) wait(static_cast<int>(m_timeGiven));
    }
    // While on, each message or input box that opens stays open, and the nested steps run on it
    // as a player would act on it. Turning it off lets a box held now take its queued or default
    // answer.
    void holdBoxes(bool on) { m_backend.setHoldBoxes(on); }
    // The held box waiting for its answer; null when there is none.
    platform::BoxForm* heldBox();
    // With a box held: presses its button of that caption (false when it has none). Otherwise
    // queues the answer for the next box.
    bool answer(const std::string& buttonCaption);
    // With a box held: types the text into it. Otherwise queues it for the next input box.
    void type(const std::string& text);

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
    enum class Nested { Nothing, Transition, Video, Answer, Box };
    // The long operation the player waits inside now: a transition drawn, a video waited for,
    // a dialogue's answer shown.
    Nested longWait();
    // Runs the nested steps on what the player waits inside now; false when none are left.
    bool runNested(Nested inside);
    // Lets the held box's time pass; false when no box is held.
    bool letTimePassOnHeldBox(std::uint64_t ms);

    std::function<bool()> m_nestedSteps;
    std::uint64_t m_timeGiven = 0; // of the last wait step, not yet passed
    int m_nestedDepth = 0;
    Nested m_inside = Nested::Nothing; // what the innermost nested steps run inside
    // The held box that a nested wait passes on; null while the steps still run on it.
    const platform::BoxForm* m_waitingIn = nullptr;
    bool m_stepsFinished = false;
};

} // namespace run
