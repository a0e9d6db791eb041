#include "run/scripting/ScriptNames.h"

#include "run/scripting/HostObjects.h"
#include "run/scripting/NamedObjects.h"
#include "run/scripting/ScriptApi.h"
#include "run/scripting/objects/HostKit.h"
#include "vbscript/vbscript.h"

#include <set>

namespace run {

namespace {

// An object that only has names: the members of a table, which do nothing.
class NamesObject : public vbs::Object {
  public:
    explicit NamesObject(const vbs::MemberTable* members) : m_members(members) {}
    vbs::DispId memberId(std::u16string_view name) override {
        return m_members ? m_members->find(name) : vbs::kDispUnknown;
    }
    bool invoke(vbs::DispId, vbs::InvokeKind, std::span<vbs::Value>, vbs::Value&,
                vbs::HostError& err) override {
        return scripting::Fail(err, 438);
    }

  private:
    const vbs::MemberTable* m_members;
};

std::string lower(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return out;
}

// The first mention of each name that the mentions never assign.
std::vector<vbs::UndefinedName> UnassignedNames(const std::vector<vbs::UndefinedName>& mentions) {
    std::set<std::string> assigned, seen;
    for (const vbs::UndefinedName& n : mentions)
        if (n.assigned) assigned.insert(lower(n.name));
    std::vector<vbs::UndefinedName> out;
    for (const vbs::UndefinedName& n : mentions) {
        const std::string key = lower(n.name);
        if (!assigned.count(key) && seen.insert(key).second) out.push_back(n);
    }
    return out;
}

} // namespace

ScriptNames::ScriptNames(platform::WindowSystem& ui, const scripting::AppInfo& app,
                         const std::vector<std::string>& variables) {
    auto add = [&](const std::string& name, vbs::Object* o, bool membersGlobal) {
        o->addRef();
        m_held.push_back(o);
        m_engine.addObject(name, o, membersGlobal);
    };
    // In the host's order: among objects whose members are global, the first one added that has
    // a member answers to it.
    add("Action", new NamesObject(&ActionMembers()), true);
    for (const std::string& v : variables)
        add(v, new NamesObject(&VariableMembers()), true);
    for (const NamedObject& o : MakeNamedObjectsForChecking(ui, m_form, app))
        add(o.name, o.object ? o.object : new NamesObject(nullptr), o.membersGlobal);
}

ScriptNames::~ScriptNames() {
    m_engine.reset();
    for (vbs::Object* o : m_held)
        o->release();
}

bool ScriptNames::addDefinitions(const std::string& code, std::vector<vbs::UndefinedName>& undefined) {
    std::vector<vbs::UndefinedName> mentions;
    if (!m_engine.checkCode(code, mentions)) return false;
    undefined = UnassignedNames(mentions);
    return true;
}

bool ScriptNames::checkStatements(const std::string& statements, std::vector<vbs::UndefinedName>& undefined) {
    // A procedure of its own each time, so that no two checks define the same name.
    const std::string text =
        "Sub Checked_Script_" + std::to_string(++m_checked) + "\r\n" + statements + "\r\nEnd Sub";
    std::vector<vbs::UndefinedName> mentions;
    if (!m_engine.checkCode(text, mentions)) return false;
    for (vbs::UndefinedName& n : mentions)
        --n.line;
    undefined = UnassignedNames(mentions);
    return true;
}

} // namespace run
