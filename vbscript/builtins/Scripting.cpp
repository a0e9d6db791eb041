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

Value scriptEngine(Interp&, std::span<Value>) { return Value::string(std::u16string(u"VBScript")); }

const BuiltinInfo kTable[] = {
    {u"eval", 1, 1, evalFn}, {u"execute", 1, 1, execute}, {u"executeglobal", 1, 1, executeGlobal},
    {u"createobject", 1, 2, createObject}, {u"scriptengine", 0, 0, scriptEngine},
};

}  // namespace

std::span<const BuiltinInfo> scriptingBuiltins() { return kTable; }

}  // namespace vbs
