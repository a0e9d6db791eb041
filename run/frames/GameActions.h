// What the game window asks of the game in play above it (run/game/GamePlay): hotspot actions and
// their consequences, the consequence step after other scripts, and the save and load windows.
#pragma once

#include <string>

namespace run {

class GameActions {
  public:
    virtual ~GameActions() = default;

    // Offers the hotspot's item pick-up (FramesData/<frame>.fm4).
    virtual void PickOrNotPickObject(int areaIndex) = 0;
    // The action of a click on hotspot `areaIndex` (or of item `objectIndex` dropped on it), then
    // the one-time video stops, and a quit result starts unloading.
    virtual void MakeActionAndConsequences(int areaIndex, int objectIndex, bool doNotQuitDialogue) = 0;
    // Runs a script, then its consequences; true when the script failed.
    virtual bool ExecuteVBScriptAndConsequences(const std::string& text, bool resetLastClickPosition) = 0;
    // After a script outside an action: hotspot visibility, quitting, the frame the script chose
    // (else the timed events start again), then the load or save window it asked for, unless
    // `offerPopups` is false (the script timers offer none).
    virtual void ExecuteConsequences(bool offerPopups = true) = 0;
    // The load and save windows, modal; the frame timer and the timed events wait meanwhile.
    // With `abortIfATimerIsEnabled`, a running script timer keeps the load window closed.
    virtual void ShowLoadGameWindow(bool abortIfATimerIsEnabled = false) = 0;
    virtual void ShowSaveGameWindow() = 0;
};

} // namespace run
