// The timed events of the game window as the frame, action and halting steps ask for them; they
// do nothing while no game window is loaded.
#pragma once

namespace run {

struct Session;

void ResetTimedEvents(Session& s);
void PauseTimedEvents(Session& s);
void StartTimedEvents(Session& s);

} // namespace run
