// Eval, Execute, ExecuteGlobal, CreateObject, ScriptEngine.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

namespace vbs {

namespace {

Value evalFn(Interp& rt, std::span<Value> a) { return rt.evalLocal(argString(rt, a, 0)); }
Value execute(Interp& rt, std::span<Value> a) {
    rt.executeLocal(argString(rt, a, 0));
    return {};
}
Value executeGlobal(Interp& rt, std::span<Value> a) {
    rt.executeGlobal(argString(rt, a, 0));
    return {};
}

Value createObject(Interp& rt, std::span<Value> a) {
    std::u16string progId = argString(rt, a, 0);
    Object* o = rt.config().createObject ? rt.config().createObject(progId) : nullptr;
    if (!o) throwError(Err::CantCreateObject, progId);
    return Value::object(o);
}

// GetRef("Name"): an object whose default method calls the procedure.
class ProcRef final : public Object {
public:
    ProcRef(Interp& rt, ProcDef* proc) : m_rt(rt), m_proc(proc) {}
    std::u16string typeName() const override { return u"Object"; }
    DispId memberId(std::u16string_view) override { return kDispUnknown; }
    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        if (id != kDispValue || kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef) {
            err.number = int32_t(Err::NoSuchMember);
            return false;
        }
        try {
            result = m_rt.callWithValues(m_proc, nullptr, args);
            return true;
        } catch (ScriptError& e) {
            err.number = e.number;
            err.description = e.description;
            err.source = e.source;
            return false;
        }
    }

private:
    Interp& m_rt;
    ProcDef* m_proc;
};

Value getRef(Interp& rt, std::span<Value> a) {
    std::u16string name = argString(rt, a, 0);
    int g = rt.findGlobal(name);
    if (g < 0 || !rt.global(g).proc) throwError(Err::InvalidCall);
    return Value::object(new ProcRef(rt, rt.global(g).proc));
}

Value scriptEngine(Interp&, std::span<Value>) { return Value::string(std::u16string(u"VBScript")); }

const BuiltinInfo kTable[] = {
    {u"eval", 1, 1, evalFn}, {u"execute", 1, 1, execute}, {u"executeglobal", 1, 1, executeGlobal},
    {u"createobject", 1, 2, createObject}, {u"scriptengine", 0, 0, scriptEngine}, {u"getref", 1, 1, getRef},
};

}  // namespace

std::span<const BuiltinInfo> scriptingBuiltins() { return kTable; }

}  // namespace vbs
