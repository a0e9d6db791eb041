// What frames and actions ask of scripting: timed events, the frame-entry script, dialogues.
// Scripts run through the session's script host and timed events on the game window; the
// dialogue is a placeholder that only notes that it ran, until it is built.
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
// The frame code the loaded plug-ins add around the frame-entry script: `before` runs ahead of
// the frame's own script, `after` follows it; each piece ends with a line break.
// Empty until plug-ins are loaded.
struct PluginFrameCode {
    std::string before, after;
};
PluginFrameCode CollectPluginFrameCode(Session& s);
// Loads and shows the frame's question-and-answer dialogue when it has one.
void LoadFrameDialogueIfAny(Session& s, const std::string& frameName);
// Closes the running dialogue (placeholder until dialogues are built: it only notes).
void EndDialogue(Session& s);

} // namespace run

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

// Runs script code through the session's script host; true when the script failed (its error
// box has been shown). Without a host (a bare session in tests) nothing runs.
bool ExecuteVBScript(Session& s, const std::string& code, bool resetLastClickPosition);

} // namespace run
