// Action entry points (placeholders until hotspot actions are read).
#include "run/state/Actions.h"

#include "run/core/Session.h"

#include <string>

namespace run {

void PickOrNotPickObject(Session& s, GameWindow&, int areaIndex) {
    s.note("PickOrNotPickObject " + std::to_string(areaIndex));
}

void MakeActionAndConsequences(Session& s, GameWindow&, int areaIndex, int, int) {
    s.note("MakeActionAndConsequences " + std::to_string(areaIndex));
}

} // namespace run
