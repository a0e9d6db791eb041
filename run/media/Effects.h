// Transitions and the rippling-water effect. Placeholder: frames change at once and no water
// ripples yet; the entry points note that they ran.
#pragma once

#include <string>

namespace run {

struct Session;

// Ends a running rippling-water step before a frame changes.
void StopRipplingWater(Session& s);
// Loads the frame's water effect; returns whether one was loaded.
bool LoadWaveEffectIfAny(Session& s, const std::string& frameName);
void StartRipplingWater(Session& s);
void TransitionStep2(Session& s, int transitionNumber, double durationSeconds);

} // namespace run
