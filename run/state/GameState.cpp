#include "run/state/GameState.h"

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/state/Inventory.h"

namespace run {

GameState CurrentGameState(Session& s, GameWindow& game) {
    GameState g;
    g.frame = game.currentFrame().Name;
    g.integers.assign(s.variables.Variables.begin(), s.variables.Variables.end());
    g.variants.assign(s.variables.VariablesVariant.begin(), s.variables.VariablesVariant.end());
    g.disappeared.assign(s.variables.Disappear.begin(), s.variables.Disappear.end());
    Inventory& inventory = game.inventory();
    for (int i = 1; i <= inventory.ObjectsCount(); ++i) g.items.push_back(inventory.itemName(i));
    g.history = game.framesHistory();
    return g;
}

} // namespace run
