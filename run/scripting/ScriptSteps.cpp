// Scripting entry points (placeholders until the script host lands).
#include "run/scripting/ScriptSteps.h"

#include "run/core/Session.h"

namespace run {

void ResetTimedEvents(Session& s) { s.note("ResetTimedEvents"); }
void PauseTimedEvents(Session& s) { s.note("PauseTimedEvents"); }
void StartTimedEvents(Session& s) { s.note("StartTimedEvents"); }
void ResetScriptModule(Session& s) { s.note("ResetScriptModule"); }
bool RunFrameEntryScript(Session& s, const std::string&) {
    s.note("RunFrameEntryScript");
    return false;
}
void LoadFrameDialogueIfAny(Session& s, const std::string& frameName) { s.note("LoadFrameDialogueIfAny " + frameName); }

} // namespace run

namespace run {

bool ExecuteVBScript(Session& s, const std::string& code, bool) {
    s.note("ExecuteVBScript " + code);
    return true;
}

} // namespace run
