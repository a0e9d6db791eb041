// The rippling-water effect.
// NOT YET BUILT: no water ripples; each request is reported to the step trace so that the frame
// steps around it are in place and tested. The water effect replaces this service.
#pragma once

#include "run/project/StepTrace.h"

#include <string>

namespace run {

class Effects {
  public:
    explicit Effects(StepTrace& trace) : m_trace(trace) {}

    // Ends a running rippling-water step before a frame changes.
    void StopRipplingWater();
    // Loads the frame's water effect; returns whether one was loaded.
    bool LoadWaveEffectIfAny(const std::string& frameName);
    void StartRipplingWater();
    // Stops the rippling water's timer when the game ends.
    void StopRipplingWaterTimer();

  private:
    StepTrace& m_trace;
};

} // namespace run
