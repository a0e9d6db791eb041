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
