// The rippling-water effect. Placeholder: no water ripples yet; the entry points note that they ran.
#pragma once

#include <string>

namespace run {

struct Session;

// Ends a running rippling-water step before a frame changes.
void StopRipplingWater(Session& s);
// Loads the frame's water effect; returns whether one was loaded.
bool LoadWaveEffectIfAny(Session& s, const std::string& frameName);
void StartRipplingWater(Session& s);

} // namespace run
