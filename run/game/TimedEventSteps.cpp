#include "run/game/TimedEventSteps.h"

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"

namespace run {

void ResetTimedEvents(Session& s) {
    s.trace.note("ResetTimedEvents");
    if (s.game) s.game->ResetTimedEvents();
}

void PauseTimedEvents(Session& s) {
    if (s.game) s.game->PauseTimedEvents();
}

void StartTimedEvents(Session& s) {
    s.trace.note("StartTimedEvents");
    if (s.game) s.game->StartTimedEvents();
}

} // namespace run
