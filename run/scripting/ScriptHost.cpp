#include "run/scripting/ScriptHost.h"

#include "run/frames/GameActions.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/frames/Plugins.h"
#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/ComponentObjects.h"
#include "run/scripting/NamedObjects.h"
#include "run/scripting/Procedures.h"
#include "run/scripting/ScriptApi.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/ScriptFiles.h"
#include "run/state/GameState.h"
#include "vbscript/vbscript.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

namespace run {

namespace {

constexpr const char* kCrLf = "\r\n";

// A new object kept by the host: the engine takes its own reference each time it is added.
std::unique_ptr<vbs::Object, void (*)(vbs::Object*)> hold(vbs::Object* o) {
    o->addRef();
    return {o, [](vbs::Object* p) { p->release(); }};
}

std::string describe(const vbs::ErrorInfo& e) {
    return e.description;
}

// Nothing but line breaks and blanks.
bool blank(const std::string& code) {
    return std::all_of(code.begin(), code.end(),
                       [](char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; });
}

} // namespace

ScriptHost::ScriptHost(const ScriptServices& services)
    : m_s{services, *this, m_action}, m_game(services.game) {}

ScriptHost::~ScriptHost() = default;

void ScriptHost::ensureEngines() {
    if (m_scriptControl) return;
    vbs::Config config = ScriptEngineConfig(m_s.project);
    m_creationAllowed = config.createObjectEnabled;
    m_scriptControl = std::make_unique<vbs::Runtime>(config);
    m_scriptControl2 = std::make_unique<vbs::Runtime>(config);
}

void ScriptHost::ensureObjects() {
    ensureEngines();
    if (m_hostObjects.empty()) {
        m_hostObjects.push_back(hold(NewActionObject(m_s, m_game)));
        m_hostObjects.push_back(hold(MakeSoftwareObjects(m_s, m_game)));
    }
    if (m_named.empty()) {
        for (const NamedObject& o :
             MakeNamedObjects(m_s, m_game, HostEngines{*m_scriptControl, *m_scriptControl2}))
            m_named.push_back({o.name, o.membersGlobal, hold(o.object)});
    }
    const auto ints = static_cast<std::size_t>(m_s.state.variables.Variables.Count());
    if (m_integerObjects.size() != ints) {
        m_integerObjects.clear();
        for (std::size_t i = 1; i <= ints; ++i)
            m_integerObjects.push_back(
                hold(NewIntegerVariableObject(m_s.state.variables, static_cast<int>(i))));
    }
    const auto variants = static_cast<std::size_t>(m_s.state.variables.VariablesVariant.Count());
    if (m_variantObjects.size() != variants) {
        m_variantObjects.clear();
        for (std::size_t i = 1; i <= variants; ++i)
            m_variantObjects.push_back(
                hold(NewVariantVariableObject(m_s.state.variables, m_variantSlots, static_cast<int>(i))));
    }
}

int ScriptHost::timeoutMs() const {
    return m_scriptControl ? m_scriptControl->timeout() : kDefaultTimeoutMs;
}

bool ScriptHost::Running() const {
    return (m_scriptControl && m_scriptControl->running()) ||
           (m_scriptControl2 && m_scriptControl2->running());
}

void ScriptHost::errorBox(const std::string& what, const std::string& description) {
    m_s.project.ui.messageBox(m_s.project.uiText[30] + " " + m_s.project.uiText[31] + kCrLf + kCrLf + what +
                                  description,
                              platform::kCritical, m_s.project.uiText[29]);
}

void ScriptHost::loadProcedures() {
    m_procedures.clear();
    const std::string file = m_s.project.paths.config + "Procedures";
    if (ProjectFileExists(file)) readProcedures(file);
    m_shared = m_s.plugins.PluginCode() + kCrLf + m_procedures;
    m_sharedCallsCreateObject = m_shared.find("CreateObject(") != std::string::npos;
}

void ScriptHost::readProcedures(const std::string& file) {
    try {
        auto bytes = platform::ReadWholeFile(ExistingPath(file));
        if (!bytes) throw RecordError(RecordError::Kind::BadFileName, file);
        const bool scrambled = std::atof(m_s.project.readProjectSetting("ProcEncr").c_str()) == 1;
        m_procedures =
            ReadProceduresText(*bytes, scrambled, ProjectKeyNumber(m_s.project.info.ProjectRegistryName));
    } catch (const std::exception& e) {
        m_procedures.clear();
        // The classic text, spelling included: games' players know it.
        m_s.project.ui.messageBox(std::string("Error loading projet procedures. ") + e.what(),
                                  platform::kCritical, "Error");
    }
}

void ScriptHost::GameReset() {
    ensureEngines();
    m_variantSlots.clear();
    m_integerObjects.clear();
    m_variantObjects.clear();
    m_scriptControl->setTimeout(kDefaultTimeoutMs);
    m_scriptControl2->setTimeout(kDefaultTimeoutMs);
    loadProcedures();
    addCodeToScriptControl(*m_scriptControl2, "");
    // The seconds are rounded half to even, as the classic conversion does.
    const std::string timeout = m_s.project.readProjectSetting("ScriptTimeOut");
    char* end = nullptr;
    double seconds = std::strtod(timeout.c_str(), &end);
    if (end != timeout.c_str() && std::isfinite(seconds)) {
        double whole = std::nearbyint(seconds);
        if (whole != 0 && std::fabs(whole) < 2e6) m_scriptControl->setTimeout(static_cast<int>(whole) * 1000);
    }
}

void ScriptHost::setTimeoutMs(int ms) {
    ensureEngines();
    m_scriptControl->setTimeout(ms);
}

void ScriptHost::DisableTimeouts() {
    ensureEngines();
    m_scriptControl->setTimeout(-1);
    m_scriptControl2->setTimeout(-1);
}

bool ScriptHost::addCodeToScriptControl(vbs::Runtime& engine, const std::string& startupCode) {
    if (!engine.reset()) {
        errorBox("Error executing script. Make sure that you are not trying to execute a script while "
                 "another script is "
                 "being executed. The Scripting Engine returned the following error message:\r\n\r\n",
                 describe(engine.lastError()));
        return false;
    }
    const std::string codeRejected = "Error executing script.\r\n- your system is not set to use chinese "
                                     "characters, or other special character "
                                     "sets;\r\n- your global variables do not have names that are reserved "
                                     "by Lumenfold.\r\n\r\nThe Scripting Engine "
                                     "returned the following error message:\r\n\r\n";
    auto rejected = [&] {
        errorBox(codeRejected, describe(engine.lastError()));
        return true;
    };
    ensureObjects();
    if (!engine.addObject("Action", m_hostObjects[0].get(), true)) return rejected();

    if (platform::Element* intercept = m_game.form().find("mnuInterceptCode");
        intercept && intercept->value) {
        intercept->value = 0;
        m_s.project.ui.messageBox(
            "The code interception function is not available in the compiled version of the project.",
            platform::kInformation, "Not Available");
    }
    const std::string wrapper =
        std::string("Sub ") + kWrapper + kCrLf + kCrLf + startupCode + kCrLf + kCrLf + "End Sub" + kCrLf;
    const std::string& shared = m_shared;

    // The text guard of the classic player, kept for the exact spelling games were written
    // against; the engine itself refuses object creation in every spelling when not allowed.
    const bool guarded = !m_creationAllowed &&
                         (wrapper.find("CreateObject(") != std::string::npos || m_sharedCallsCreateObject);
    if (guarded) {
        m_s.project.ui.messageBox(
            "WARNING! The VBScript code makes calls to the \"CreateObject\" function, which for security "
            "reasons is not allowed.\r\n\r\nPlease remove the calls to that function and try again.",
            platform::kCritical, "VBScript Execution Aborted");
    } else if (!blank(shared) && !engine.addCode(shared)) {
        // The procedures come first: unchanged from one script to the next, the engine keeps
        // them compiled, and only the wrapper is compiled anew.
        return rejected();
    }

    std::size_t position = 0;
    for (const ClassVariable& v : m_s.state.variables.Variables) {
        if (!engine.addObject(v.Name, m_integerObjects[position++].get(), true)) return rejected();
    }
    position = 0;
    for (const ClassVariableVariant& v : m_s.state.variables.VariablesVariant) {
        if (!engine.addObject(v.Name, m_variantObjects[position++].get(), true)) return rejected();
    }
    for (const HeldNamed& o : m_named) {
        if (!engine.addObject(o.name, o.object.get(), o.membersGlobal)) return rejected();
    }
    if (m_game.controlsReferenceMode() == 2 &&
        !engine.addObject("SoftwareObjects", m_hostObjects[1].get(), true)) {
        return rejected();
    }
    if (!engine.addCode(guarded ? std::string("Sub ") + kWrapper + kCrLf + kCrLf + "End Sub" : wrapper))
        return rejected();
    return true;
}

ScriptHost::Outcome ScriptHost::runWrapper(const std::string& code, bool resetLastClickPosition) {
    if (m_s.flags.Quitting || blank(code)) return Outcome::Ran;
    ensureEngines();
    if (resetLastClickPosition) m_game.hotspots().SaveClickPos(0, 0);
    // A refused reset means a script is running: this one does not start (running the busy
    // engine's wrapper again would run the other script a second time).
    if (!addCodeToScriptControl(*m_scriptControl, code)) return Outcome::Refused;
    return m_scriptControl->run(kWrapper, {}) ? Outcome::Ran : Outcome::Failed;
}

bool ScriptHost::ExecuteVBScript(const std::string& code, bool resetLastClickPosition) {
    switch (runWrapper(code, resetLastClickPosition)) {
    case Outcome::Ran:
        return false;
    case Outcome::Refused:
        return true;
    case Outcome::Failed:
        break;
    }
    errorBox("Error executing script. The Scripting Engine returned the following error message:\r\n\r\n",
             describe(m_scriptControl->lastError()));
    return true;
}

void ScriptHost::ExecuteOnLoadVBScript() {
    const std::string pluginStartCode = m_s.plugins.PluginStartCode();
    m_s.action.ResetModule();
    const ProjectInfo& i = m_s.project.info;
    if (pluginStartCode.empty() && (i.StartupScript.empty() || !i.RunStartupScript)) return;
    ExecuteVBScript(pluginStartCode + (i.RunStartupScript ? i.StartupScript : std::string()), true);
}

void ScriptHost::TimerObject_Timer(int index) {
    platform::TimerElement* timer = m_game.form().findTimer("TimerObject", index);
    if (!timer) return;
    if (m_s.flags.Quitting) {
        timer->setEnabled(false);
        return;
    }
    // A tick while a script runs (one showing a box, or waiting for a program) is let go: running
    // now would reset the engine under that script and clear its requests. The timer stays on
    // and fires again once the engine is free.
    if (m_scriptControl && m_scriptControl->running()) return;
    m_s.action.ResetModule();
    const std::string procedure = "TimerObject" + std::to_string(index);
    switch (runWrapper(procedure, true)) {
    case Outcome::Ran:
        m_s.actions.ExecuteConsequences(false);
        return;
    case Outcome::Refused:
        return;
    case Outcome::Failed:
        break;
    }
    // A procedure that is missing or fails stops its timer, with a box that names it.
    m_s.project.ui.messageBox("Unable to execute the procedure named " + procedure + ". " +
                                  describe(m_scriptControl->lastError()),
                              platform::kCritical, "Error Executing VBScript Code");
    if (platform::TimerElement* t = m_game.form().findTimer("TimerObject", index)) t->setEnabled(false);
}

vbs::Object* ScriptHost::VariableObject(const std::string& name) {
    ensureObjects();
    std::size_t i = 0;
    for (const ClassVariableVariant& v : m_s.state.variables.VariablesVariant) {
        if (platform::EqualsNoCase(v.Name, name)) return m_variantObjects[i].get();
        ++i;
    }
    i = 0;
    for (const ClassVariable& v : m_s.state.variables.Variables) {
        if (platform::EqualsNoCase(v.Name, name)) return m_integerObjects[i].get();
        ++i;
    }
    return nullptr;
}

std::string ScriptHost::RunComponentEvent(const std::string& procedure,
                                          std::vector<platform::ComponentValue>& params) {
    if (!m_scriptControl2) return "The scripts are not ready.";
    // The collection refers to `params` only while the procedure runs; a script that keeps it
    // finds its items gone afterwards.
    std::vector<platform::ComponentValue> items = params;
    vbs::Value collection = vbs::Value::object(NewEventParameters(items));
    vbs::Value args[] = {collection};
    const bool ran = m_scriptControl2->run(procedure, args);
    params = items;
    items.clear();
    if (!ran) return describe(m_scriptControl2->lastError());
    return {};
}

std::vector<std::string> ScriptHost::CatalogueProcedures() const {
    std::vector<std::string> names;
    if (!m_scriptControl2) return names;
    for (const vbs::ProcedureInfo& p : m_scriptControl2->procedures())
        names.push_back(p.name);
    return names;
}

} // namespace run
