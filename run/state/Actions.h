// Hotspot actions and their consequences. Placeholder: the action files are not read yet; a
// click reaches these entry points, which note that they ran.
#pragma once

namespace run {

struct Session;
class GameWindow;

// Offers the hotspot's item pick-up.
void PickOrNotPickObject(Session& s, GameWindow& game, int areaIndex);
// Carries out hotspot n's action and its consequences.
void MakeActionAndConsequences(Session& s, GameWindow& game, int areaIndex, int itemIndex, int mode);

} // namespace run
