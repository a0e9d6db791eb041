// Eval, Execute, ExecuteGlobal, CreateObject, ScriptEngine.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../objects/Classic.h"

namespace vbs {

namespace {

Value evalFn(Interp& rt, std::span<Value> a) {
    Value text = argScalar(rt, a, 0);
    // Null and Empty are no code: they come back as they are.
    if (text.isNull() || text.isEmpty()) return text;
    return rt.evalLocal(text.isString() ? text.asString() : toString(text), true);
}

// The code to run must be text: a number or Empty is not turned into code.
std::u16string codeText(Interp& rt, std::span<Value> a) {
    Value text = argScalar(rt, a, 0);
    if (!text.isString()) throwError(Err::TypeMismatch);
    return text.asString();
}
Value execute(Interp& rt, std::span<Value> a) {
    rt.executeLocal(codeText(rt, a));
    return {};
}
Value executeGlobal(Interp& rt, std::span<Value> a) {
    rt.executeGlobal(codeText(rt, a));
    return {};
}

// Nothing is created while the host has switched object creation off. Every
// route to creation (any spelling, Execute, Eval, GetRef of a procedure that
// calls it) ends in these two built-ins, and GetRef cannot name a built-in.
void refuseCreation(Interp& rt, std::u16string_view progId) {
    if (rt.config().createObjectEnabled) return;
    if (rt.config().createObjectRefused) rt.config().createObjectRefused(progId);
    throwError(Err::CantCreateObject, progId);
}

Value createObject(Interp& rt, std::span<Value> a) {
    std::u16string progId = argString(rt, a, 0);
    refuseCreation(rt, progId);
    Object* o = rt.config().createObject ? rt.config().createObject(progId) : nullptr;
    if (!o) o = createClassicObject(rt, progId);
    if (!o) throwError(Err::CantCreateObject, progId);
    return Value::object(o);
}

Value getObject(Interp& rt, std::span<Value> a) {
    std::u16string path = hasArg(a, 0) ? argString(rt, a, 0) : std::u16string();
    std::u16string progId = hasArg(a, 1) ? argString(rt, a, 1) : std::u16string();
    refuseCreation(rt, progId.empty() ? path : progId);
    Object* o = rt.config().getObject ? rt.config().getObject(path, progId) : nullptr;
    if (!o) throwError(Err::CantCreateObject, progId.empty() ? path : progId);
    return Value::object(o);
}

Value msgBox(Interp& rt, std::span<Value> a) {
    std::string prompt = toUtf8(argString(rt, a, 0));
    int buttons = hasArg(a, 1) ? argLong(rt, a, 1) : 0;
    std::string title = hasArg(a, 2) ? toUtf8(argString(rt, a, 2)) : std::string("VBScript");
    if (!rt.config().msgBox) {
        rt.output(fromUtf8(prompt));
        return Value::integer(1);
    }
    const auto asked = std::chrono::steady_clock::now();
    int pressed = rt.config().msgBox(prompt, buttons, title);
    rt.notCounted(std::chrono::steady_clock::now() - asked);
    rt.afterHostCallback();
    return Value::integer(int16_t(pressed));
}

Value inputBox(Interp& rt, std::span<Value> a) {
    std::string prompt = toUtf8(argString(rt, a, 0));
    std::string title = hasArg(a, 1) ? toUtf8(argString(rt, a, 1)) : std::string("VBScript");
    std::string def = hasArg(a, 2) ? toUtf8(argString(rt, a, 2)) : std::string();
    if (!rt.config().inputBox) return Value::fromUtf8(def);
    const auto asked = std::chrono::steady_clock::now();
    std::optional<std::string> answer = rt.config().inputBox(prompt, title, def);
    rt.notCounted(std::chrono::steady_clock::now() - asked);
    rt.afterHostCallback();
    if (!answer) return {};
    return Value::fromUtf8(*answer);
}

// GetRef("Name"): an object whose default method calls the procedure.
class ProcRef final : public EngineObject {
  public:
    ProcRef(Interp& rt, ProcDef* proc) : EngineObject(rt), m_proc(proc) {}
    std::u16string typeName() const override { return u"Object"; }
    DispId memberId(std::u16string_view) override { return m_proc ? kDispUnknown : kDispValue; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        if (!m_proc) return Interp::cutOff(err, m_cutOffName);
        if (id != kDispValue || kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) {
            err.number = int32_t(Err::NoSuchMember);
            return false;
        }
        return m_rt.objectCall(err, [&] { result = m_rt.callWithValues(m_proc, nullptr, args); });
    }

  private:
    void dropScript(std::vector<Value>&) override {
        if (!m_proc) return;
        m_cutOffName = m_proc->name;
        m_proc = nullptr;
    }
    ProcDef* m_proc; // nullptr once cut off from the code
    std::u16string m_cutOffName;
};

// The name must be a String: GetRef(5) and GetRef(Null) are a Type mismatch, not a lookup.
Value getRef(Interp& rt, std::span<Value> a) {
    Value v = argScalar(rt, a, 0);
    if (!v.isString()) throwError(Err::TypeMismatch);
    const std::u16string& name = v.asString();
    int g = rt.findGlobal(name);
    if (g < 0 || !rt.global(g).proc) throwError(Err::InvalidCall);
    return Value::object(new ProcRef(rt, rt.global(g).proc));
}

Value scriptEngine(Interp&, std::span<Value>) {
    return Value::string(std::u16string(u"VBScript"));
}
// The language level this engine implements: 5.8, the last classic one.
Value engineMajor(Interp&, std::span<Value>) {
    return Value::longv(5);
}
Value engineMinor(Interp&, std::span<Value>) {
    return Value::longv(8);
}
Value engineBuild(Interp&, std::span<Value>) {
    return Value::longv(16384);
}

const BuiltinInfo kTable[] = {
    {u"eval", 1, 1, evalFn},
    {u"execute", 1, 1, execute},
    {u"executeglobal", 1, 1, executeGlobal},
    {u"createobject", 1, 2, createObject},
    {u"getobject", 0, 2, getObject},
    {u"msgbox", 1, 5, msgBox},
    {u"inputbox", 1, 7, inputBox},
    {u"scriptengine", 0, 0, scriptEngine},
    {u"scriptenginemajorversion", 0, 0, engineMajor},
    {u"scriptengineminorversion", 0, 0, engineMinor},
    {u"scriptenginebuildversion", 0, 0, engineBuild},
    {u"getref", 1, 1, getRef},
};

} // namespace

std::span<const BuiltinInfo> scriptingBuiltins() {
    return kTable;
}

} // namespace vbs
