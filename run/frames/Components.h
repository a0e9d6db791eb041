// The components a game places on its frames.
// NOT YET BUILT: no component loads; each request is reported to the step trace so that the
// steps around it are in place and tested. The components work replaces this service.
#pragma once

#include "run/project/StepTrace.h"

namespace run {

class Components {
  public:
    explicit Components(StepTrace& trace) : m_trace(trace) {}

    // Removes every component of the game (its window is unloading).
    void RemoveComponents();

  private:
    StepTrace& m_trace;
};

} // namespace run
