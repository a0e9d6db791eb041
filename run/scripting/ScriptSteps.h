// Running scripts for the engine's steps: the code of an action or a frame entry through the
// script host, and the action module the consequence step reads afterwards.
#pragma once

#include <string>

namespace run {

struct Session;

// Resets the script API's per-frame state (`ResetModule`).
void ResetScriptModule(Session& s);
// Runs the frame-entry script text; returns true when the script asked to end the game.
bool RunFrameEntryScript(Session& s, const std::string& scriptText);
// Runs script code through the session's script host; true when the script failed (its error
// box has been shown). Without a host (a bare session in tests) nothing runs.
bool ExecuteVBScript(Session& s, const std::string& code, bool resetLastClickPosition);

} // namespace run
