// Running scripts for frames and actions.
#include "run/scripting/ScriptSteps.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"

namespace run {

void ResetScriptModule(Session& s) {
    s.trace.note("ResetScriptModule");
    s.VBScriptAction.ResetModule();
}

bool RunFrameEntryScript(Session& s, const std::string& scriptText) {
    s.trace.note("RunFrameEntryScript");
    ExecuteVBScript(s, scriptText, false);
    return s.VBScriptAction.bStopGame;
}

bool ExecuteVBScript(Session& s, const std::string& code, bool resetLastClickPosition) {
    return s.scripts ? s.scripts->ExecuteVBScript(code, resetLastClickPosition) : false;
}

} // namespace run
