// Timed events (see TimedEvents.h).
#include "run/frames/TimedEvents.h"

#include "run/frames/GameActions.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/WholeNumber.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace run {

namespace {

constexpr const char* kArray = "TimedEvent";

} // namespace

int TimedEvents::CreateTimedEvent(double durationSeconds, const std::string& code, bool repeatForever) {
    if (durationSeconds > 65) {
        m_project.showErrorBox(" The duration of a timed event cannot be greater than 65 seconds.");
        return 0;
    }
    // Entry n of the table is element n of the array, and neither is reused before the reset:
    // the number is taken before the interval is checked, so a failed creation uses it up too.
    const int n = static_cast<int>(m_entries.size()) + 1;
    try {
        auto& timer = static_cast<platform::TimerElement&>(m_form.loadArrayMember(kArray, n));
        timer.setEnabled(false);
        m_entries.resize(static_cast<std::size_t>(n));
        const int interval = WholeNumber<std::int32_t>(durationSeconds * 1000);
        // The window timer takes 0 to 65535 milliseconds; anything else is an invalid value.
        if (interval < 0 || interval > 65535) throw std::out_of_range("Invalid property value");
        timer.setInterval(interval);
        timer.onTimer = [this, n] { TimedEvent_Timer(n); };
        m_entries[static_cast<std::size_t>(n - 1)] = Entry{true, repeatForever, code};
        return n;
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Unable to create the timed event #" + std::to_string(n) + ". ", e.what());
        return 0;
    }
}

void TimedEvents::RemoveTimedEvent(int k) {
    if (k == 0 || k > static_cast<int>(m_entries.size())) return;
    // A negative number passes the checks and then names no entry.
    if (k < 0) {
        m_project.showErrorBox(" Unable to remove the timed event #" + std::to_string(k) + ". ",
                               "Subscript out of range");
        return;
    }
    m_entries[static_cast<std::size_t>(k - 1)].active = false;
    if (platform::TimerElement* t = m_form.findTimer(kArray, k)) t->setEnabled(false);
}

void TimedEvents::ResetTimedEvents() {
    m_project.trace.note("ResetTimedEvents");
    m_entries.clear();
    for (platform::Element* e : m_form.arrayMembers(kArray)) {
        if (e->index > 0) m_form.unloadArrayMember(kArray, e->index);
    }
    if (platform::TimerElement* first = m_form.findTimer(kArray, 0)) {
        first->setEnabled(false);
        first->setInterval(0);
    }
}

void TimedEvents::StartTimedEvents() {
    m_project.trace.note("StartTimedEvents");
    // One pass over the array: this runs after every script, with any number of events.
    for (platform::Element* e : m_form.arrayMembers(kArray)) {
        const int k = e->index;
        if (k < 1 || k > static_cast<int>(m_entries.size()) ||
            !m_entries[static_cast<std::size_t>(k - 1)].active)
            continue;
        auto* t = static_cast<platform::TimerElement*>(e);
        if (!t->enabled) t->setEnabled(true);
    }
}

void TimedEvents::PauseTimedEvents() {
    for (platform::Element* e : m_form.arrayMembers(kArray))
        static_cast<platform::TimerElement*>(e)->setEnabled(false);
}

void TimedEvents::TimedEvent_Timer(int k) {
    if (m_flags.Quitting) return;
    try {
        if (k <= 0 || k > static_cast<int>(m_entries.size())) return;
        Entry& entry = m_entries[static_cast<std::size_t>(k - 1)];
        if (!entry.active || entry.code.empty()) return;
        auto stop = [this, k] {
            if (k <= static_cast<int>(m_entries.size()))
                m_entries[static_cast<std::size_t>(k - 1)].active = false;
            if (platform::TimerElement* t = m_form.findTimer(kArray, k)) {
                t->setEnabled(false);
                t->setInterval(0);
            }
        };
        // A one-shot event fires exactly once: it is done before its code runs.
        if (!entry.repeatForever) stop();
        // The code may open another frame, which resets the table: a copy runs.
        const std::string code = entry.code;
        if (m_actions.ExecuteVBScriptAndConsequences(code, true)) stop();
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Error in TimedEvent_Timer. ", e.what());
    }
}

} // namespace run
