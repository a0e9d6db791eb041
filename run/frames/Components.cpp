// Component requests (not yet built: they are only reported).
#include "run/frames/Components.h"

namespace run {

void Components::RemoveComponents() {
    m_trace.note("RemoveComponents");
}

} // namespace run
