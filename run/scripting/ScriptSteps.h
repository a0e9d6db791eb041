// What frames and actions ask of scripting: timed events, the frame-entry script, dialogues.
// Placeholder: scripts do not run yet; the entry points note that they ran, in order.
#pragma once

#include <string>

namespace run {

struct Session;

void ResetTimedEvents(Session& s);
void PauseTimedEvents(Session& s);
void StartTimedEvents(Session& s);
// Resets the script API's per-frame state (`ResetModule`).
void ResetScriptModule(Session& s);
// Runs the frame-entry script text; returns true when the script asked to end the game.
bool RunFrameEntryScript(Session& s, const std::string& scriptText);
// Loads and shows the frame's question-and-answer dialogue when it has one.
void LoadFrameDialogueIfAny(Session& s, const std::string& frameName);

} // namespace run

namespace run {

// The requests a script leaves for the consequence step (the action object's state).
struct VBScriptActionModule {
    std::string sFrameToLoad;
    double dTransitionDuration = 0;
    int iTransitionNumber = 0;
    bool bStopGame = false;
    bool bPopupLoadGame = false;
    bool bPopupSaveGame = false;
    int iHotspotNumber = 0;
    void ResetModule() { *this = VBScriptActionModule{}; }
};

// Plug-in parameter texts store character 254 and '~' for double quotes; the text comes back
// with each of them (and each double quote) written as a doubled double quote.
std::string DecodePluginText(const std::string& stored);

// Runs script code through the script host; false when the script failed.
// Placeholder: scripts do not run yet; the call only notes the code it was given.
bool ExecuteVBScript(Session& s, const std::string& code, bool resetLastClickPosition);

} // namespace run
