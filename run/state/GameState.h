// The state of a game in play, as one plain value: the frame it is on, the integer and variant
// variables with the hotspots that disappeared, the inventory's item names in order and the
// frames history. The engine keeps the running game's state here (the player owns it), the
// inventory panel shows its items, and saving and loading write and read it.
#pragma once

#include "run/state/Variables.h"

#include <string>
#include <vector>

namespace run {

struct GameState {
    std::string frame;
    GameVariables variables;
    std::vector<std::string> items;
    std::vector<std::string> history;
};

} // namespace run
