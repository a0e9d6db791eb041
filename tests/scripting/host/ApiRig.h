// A running game for script API tests: variables v … z and t, and hotspots in a row whose
// actions run the given scripts.
#pragma once

#include "run/game/GamePlay.h"
#include "tests/gameplay/GameRig.h"

namespace run::testing {

struct ApiRig : GameRig {
    explicit ApiRig(std::vector<std::string> hotspotScripts = {}) {
        project.variables({"v", "w", "x", "y", "z"}, {"t"});
        std::vector<testing::HotspotSpec> spots;
        std::vector<ActionSpec> actions;
        for (std::size_t i = 0; i < hotspotScripts.size(); ++i) {
            spots.push_back(Spot(20 + 70 * int(i), 200, 50, 50));
            ActionSpec a;
            a.script = hotspotScripts[i];
            actions.push_back(a);
        }
        if (!spots.empty()) project.hotspots("Start", spots).actions("Start", actions);
    }
    void click(int n) { driver->click(45 + 70 * (n - 1), 225); }
    void script(const std::string& code) { play().ExecuteVBScriptAndConsequences(code, false); }
};

// The text of the variant variable t, where the tests leave what scripts computed.
inline std::string TextOfT(GameRig& g) {
    return g.variables().VariablesVariant.Item(1).Value.text();
}

} // namespace run::testing
