// Rippling-water entry points (placeholders until that effect lands).
#include "run/media/Effects.h"

#include "run/core/Session.h"

namespace run {

void StopRipplingWater(Session& s) {
    s.note("StopRipplingWater");
}
bool LoadWaveEffectIfAny(Session& s, const std::string& frameName) {
    s.note("LoadWaveEffectIfAny " + frameName);
    return false;
}
void StartRipplingWater(Session& s) {
    s.note("StartRipplingWater");
}

} // namespace run
