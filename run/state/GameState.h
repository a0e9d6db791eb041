// What a saved game holds, as one plain value: the frame to resume at, the integer and variant
// variables, the hotspots that disappeared, the inventory's item names in order and the frames
// history. Saving takes it from the running game; loading builds it from a file, then shows it.
#pragma once

#include "run/state/Variables.h"

#include <string>
#include <vector>

namespace run {

class GameWindow;

struct GameState {
    std::string frame;
    std::vector<ClassVariable> integers;
    std::vector<ClassVariableVariant> variants;
    std::vector<ClassVariable> disappeared;   // Name: frame, Value: hotspot number
    std::vector<std::string> items;
    std::vector<std::string> history;
    // Saves of older versions end before the history, or before the variant variables.
    bool hasHistory = true;
    bool hasVariants = true;
};

// The state of the running game. The resume frame is the current frame (the frame a running
// dialogue started on, once dialogues exist).
GameState CurrentGameState(Session& s, GameWindow& game);

} // namespace run
