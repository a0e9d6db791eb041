// Rippling-water requests (not yet built: they are only reported).
#include "run/media/Effects.h"

namespace run {

void Effects::StopRipplingWater() {
    m_trace.note("StopRipplingWater");
}

bool Effects::LoadWaveEffectIfAny(const std::string& frameName) {
    m_trace.note("LoadWaveEffectIfAny " + frameName);
    return false;
}

void Effects::StartRipplingWater() {
    m_trace.note("StartRipplingWater");
}

void Effects::StopRipplingWaterTimer() {
    m_trace.note("StopRipplingWaterTimer");
}

} // namespace run
