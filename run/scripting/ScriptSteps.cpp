// Scripting entry points of frames and actions.
#include "run/scripting/ScriptSteps.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"
#include "run/frames/GameWindow.h"

namespace run {

void ResetTimedEvents(Session& s) {
    s.trace.note("ResetTimedEvents");
    if (s.game) s.game->ResetTimedEvents();
}
void PauseTimedEvents(Session& s) {
    if (s.game) s.game->PauseTimedEvents();
}
void StartTimedEvents(Session& s) {
    s.trace.note("StartTimedEvents");
    if (s.game) s.game->StartTimedEvents();
}
void ResetScriptModule(Session& s) {
    s.trace.note("ResetScriptModule");
    s.VBScriptAction.ResetModule();
}
bool RunFrameEntryScript(Session& s, const std::string& scriptText) {
    s.trace.note("RunFrameEntryScript");
    ExecuteVBScript(s, scriptText, false);
    return s.VBScriptAction.bStopGame;
}
PluginFrameCode CollectPluginFrameCode(Session&) {
    return {};
}
void LoadFrameDialogueIfAny(Session& s, const std::string& frameName) {
    s.trace.note("LoadFrameDialogueIfAny " + frameName);
}
void EndDialogue(Session& s) {
    s.trace.note("EndDialogue");
}

} // namespace run

namespace run {

bool ExecuteVBScript(Session& s, const std::string& code, bool resetLastClickPosition) {
    return s.scripts ? s.scripts->ExecuteVBScript(code, resetLastClickPosition) : false;
}

} // namespace run

namespace run {} // namespace run
