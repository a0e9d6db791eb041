// What the game window and the game in play ask of the script host above them. The host
// (run/scripting/ScriptHost) is the one place that runs VBScript; frames, actions and the
// inventory reach it only through this.
#pragma once

#include "run/platform/components/ComponentHost.h"
#include "run/state/VBScriptActionModule.h"

#include <string>
#include <vector>

namespace vbs {
class Object;
}

namespace run {

class Scripts {
  public:
    virtual ~Scripts() = default;

    // The scripting part of the game reset: the project procedures are loaded, the catalogue
    // engine is filled, the time-out setting applied and the controls-reference mode undecided.
    virtual void GameReset() = 0;
    // Runs code as the body of the wrapper procedure; true when the script failed (the error
    // box has been shown).
    virtual bool ExecuteVBScript(const std::string& code, bool resetLastClickPosition) = 0;
    // The game-start script.
    virtual void ExecuteOnLoadVBScript() = 0;
    // "disable_script_timeout": both engines run without time-out until the next reset.
    virtual void DisableTimeouts() = 0;
    // A script timer of the game window fired (TimerObject(index)).
    virtual void TimerObject_Timer(int index) = 0;
    // The procedures of the catalogue engine, in definition order.
    virtual std::vector<std::string> CatalogueProcedures() const = 0;
    // Runs a component's event procedure on the catalogue engine with the event's parameter
    // collection (items changed by the procedure come back in `params`); the failure's
    // description, or "" when it ran.
    virtual std::string RunComponentEvent(const std::string& procedure,
                                          std::vector<platform::ComponentValue>& params) = 0;
    // What the last script asked of the consequence step (the action object's state).
    virtual VBScriptActionModule& VBScriptAction() = 0;
    // True while a script runs.
    virtual bool Running() const = 0;
    // The script object of the project variable of that name (any letter case): variant
    // variables first, then integer ones; null when there is none.
    virtual vbs::Object* VariableObject(const std::string& name) = 0;
};

} // namespace run
