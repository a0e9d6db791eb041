// The script host: two VBScript engines on the game window. The execution engine is rebuilt
// before every script (the action object, the project procedures, the variables and the named
// objects, then the script as the body of one wrapper procedure) and runs it; the catalogue
// engine is filled once per game reset so that the project's procedures can be listed and
// called later. The only place in the player that runs VBScript.
#pragma once

#include "run/frames/Scripts.h"
#include "run/scripting/HostObjects.h"
#include "run/scripting/ScriptContext.h"

#include <memory>
#include <string>
#include <vector>

namespace vbs {
class Object;
class Runtime;
} // namespace vbs

namespace run {

class GameWindow;

class ScriptHost : public Scripts {
  public:
    // The time-out of both engines when the project sets none, in milliseconds.
    static constexpr int kDefaultTimeoutMs = 10000;
    static constexpr const char* kWrapper = "Procedure_that_is_going_to_be_executed";

    explicit ScriptHost(const ScriptServices& services);
    ~ScriptHost() override;

    void GameReset() override;
    bool ExecuteVBScript(const std::string& code, bool resetLastClickPosition) override;
    void ExecuteOnLoadVBScript() override;
    void DisableTimeouts() override;
    void TimerObject_Timer(int index) override;
    std::vector<std::string> CatalogueProcedures() const override;
    std::string RunComponentEvent(const std::string& procedure,
                                  std::vector<platform::ComponentValue>& params) override;
    VBScriptActionModule& VBScriptAction() override { return m_action; }
    bool Running() const override;
    vbs::Object* VariableObject(const std::string& name) override;

    const std::string& proceduresText() const { return m_procedures; }
    int timeoutMs() const;
    // Sets the execution engine's time-out until the next game reset (tools and fuzzing).
    void setTimeoutMs(int ms);

  private:
    void ensureEngines();
    // The objects every round adds, made once: the same objects round after round let the
    // engine reuse the previous round's work. The variables' objects follow their lists.
    void ensureObjects();
    void loadProcedures();
    void readProcedures(const std::string& file);
    // Resets the engine and adds everything a script sees; false when the reset was refused
    // (another script is running), after the engine-busy box.
    bool addCodeToScriptControl(vbs::Runtime& engine, const std::string& startupCode);
    // Assembles the code as the wrapper's body on the execution engine and runs it. Nothing to
    // run counts as run; Refused comes after the engine-busy box; a Failed run leaves its error in
    // the engine.
    enum class Outcome { Ran, Refused, Failed };
    Outcome runWrapper(const std::string& code, bool resetLastClickPosition);
    void errorBox(const std::string& what, const std::string& description);

    VBScriptActionModule m_action;
    ScriptContext m_s;
    GameWindow& m_game;
    std::unique_ptr<vbs::Runtime> m_scriptControl;
    std::unique_ptr<vbs::Runtime> m_scriptControl2;
    std::string m_procedures;
    // What every script is assembled with: the plug-ins' code and the procedures, built once per
    // loading, and whether that text calls CreateObject (the text guard's answer for it).
    std::string m_shared;
    bool m_sharedCallsCreateObject = false;
    std::vector<VariantSlot> m_variantSlots;
    bool m_creationAllowed = false; // AllowCreateObject, read once

    using Held = std::unique_ptr<vbs::Object, void (*)(vbs::Object*)>;
    struct HeldNamed {
        std::string name;
        bool membersGlobal;
        Held object;
    };
    std::vector<Held> m_hostObjects; // Action, SoftwareObjects
    std::vector<HeldNamed> m_named;
    std::vector<Held> m_integerObjects, m_variantObjects;
};

} // namespace run
