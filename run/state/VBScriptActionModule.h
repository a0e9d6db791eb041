// What a script leaves for the consequence step of the action or frame that ran it.
#pragma once

#include <string>

namespace run {

// The requests a script leaves for the consequence step (the action object's state).
struct VBScriptActionModule {
    std::string sFrameToLoad;
    double dTransitionDuration = 0;
    int iTransitionNumber = 1;
    bool bStopGame = false;
    bool bPopupLoadGame = false;
    bool bPopupSaveGame = false;
    int iHotspotNumber = 0; // kept by ResetModule: the action that runs the script sets it
    void ResetModule() {
        int hotspot = iHotspotNumber;
        *this = VBScriptActionModule{};
        iHotspotNumber = hotspot;
    }
};

} // namespace run
