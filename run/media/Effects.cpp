// Transition and water entry points (placeholders until those effects land).
#include "run/media/Effects.h"

#include "run/core/Session.h"

namespace run {

void StopRipplingWater(Session& s) { s.note("StopRipplingWater"); }
bool LoadWaveEffectIfAny(Session& s, const std::string& frameName) {
    s.note("LoadWaveEffectIfAny " + frameName);
    return false;
}
void StartRipplingWater(Session& s) { s.note("StartRipplingWater"); }
void TransitionStep2(Session& s, int transitionNumber, double durationSeconds) {
    s.note("TransitionStep2 " + std::to_string(transitionNumber) + " " + std::to_string(durationSeconds));
}

} // namespace run
