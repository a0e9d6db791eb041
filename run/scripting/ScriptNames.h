// The names a game's scripts see, without a game behind them: an engine set up as the script
// host sets up its own (the action object and its functions, the game's variables, the named
// objects and the members of those whose members are global, the project's procedures), for a
// checker to find the names a script uses that nothing defines.
#pragma once

#include "run/platform/ui/Form.h"
#include "vbscript/vbscript.h"

#include <memory>
#include <string>
#include <vector>

namespace run {

namespace platform {
class WindowSystem;
}
namespace scripting {
struct AppInfo;
}

class ScriptNames {
  public:
    ScriptNames(platform::WindowSystem& ui, const scripting::AppInfo& app,
                const std::vector<std::string>& variables);
    ~ScriptNames();
    ScriptNames(const ScriptNames&) = delete;
    ScriptNames& operator=(const ScriptNames&) = delete;

    // Code whose definitions every script sees (the procedures, a plug-in's code); false when it
    // does not compile (lastError() says why). `undefined` gets the names it reads or calls that
    // nothing defines and it never assigns, one mention of each.
    bool addDefinitions(const std::string& code, std::vector<vbs::UndefinedName>& undefined);
    // Statements compiled as the host runs them, inside a procedure of their own; the same, with
    // lines counted in the statements.
    bool checkStatements(const std::string& statements, std::vector<vbs::UndefinedName>& undefined);
    const vbs::ErrorInfo& lastError() const { return m_engine.lastError(); }

  private:
    platform::Form m_form{"NamesForm"};
    vbs::Runtime m_engine;
    std::vector<vbs::Object*> m_held;
    int m_checked = 0;
};

} // namespace run
