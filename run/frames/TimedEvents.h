// Timed events: script code the game runs after a delay, once or repeatedly, while the frame
// stays. Each event is one element of the game window's TimedEvent timer array and one entry of
// the table, under the same number; numbers are not reused until the next frame opening resets
// them.
#pragma once

#include "run/platform/ui/Form.h"

#include <string>
#include <vector>

namespace run {

class GameActions;
struct Flags;
struct ProjectContext;

class TimedEvents {
  public:
    TimedEvents(ProjectContext& project, Flags& flags, GameActions& actions, platform::Form& form)
        : m_project(project), m_flags(flags), m_actions(actions), m_form(form) {}

    // A new event running `code` after the duration, once or every time; its number, or 0
    // after the error box (more than 65 seconds, or a duration the timer refuses).
    int CreateTimedEvent(double durationSeconds, const std::string& code, bool repeatForever);
    void RemoveTimedEvent(int number);
    void ResetTimedEvents();
    void StartTimedEvents();
    void PauseTimedEvents();
    void TimedEvent_Timer(int number);

    struct Entry {
        bool active = false;
        bool repeatForever = false;
        std::string code;
    };
    // Entry n is TimedEvent(n).
    const std::vector<Entry>& entries() const { return m_entries; }

  private:
    ProjectContext& m_project;
    Flags& m_flags;
    GameActions& m_actions;
    platform::Form& m_form;
    std::vector<Entry> m_entries;
};

} // namespace run
