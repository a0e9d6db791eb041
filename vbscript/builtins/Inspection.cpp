// TypeName, VarType and the Is* predicates.
#include "Builtins.h"

#include "../Convert.h"
#include "../Interp.h"
#include "../Locale.h"

namespace vbs {

namespace {

const Value& raw(std::span<Value> a) {
    return a[0].deref();
}

Value typeName(Interp&, std::span<Value> a) {
    return Value::string(typeNameOf(raw(a)));
}
// An object with a default property gives the type of that property's value;
// one without (or Nothing) is vbObject.
Value varType(Interp& rt, std::span<Value> a) {
    const Value& v = raw(a);
    if (v.isObject() && !v.isNothing()) {
        try {
            return Value::integer(int16_t(varTypeNumber(rt.scalar(v))));
        } catch (ScriptError&) {
            return Value::integer(int16_t(VarType::Object));
        }
    }
    return Value::integer(int16_t(varTypeNumber(v)));
}
Value isEmpty(Interp&, std::span<Value> a) {
    return Value::boolean(raw(a).isEmpty());
}
Value isNull(Interp&, std::span<Value> a) {
    return Value::boolean(raw(a).isNull());
}
Value isObject(Interp&, std::span<Value> a) {
    return Value::boolean(raw(a).isObject());
}
Value isArray(Interp&, std::span<Value> a) {
    return Value::boolean(raw(a).isArray());
}

Value isNumeric(Interp& rt, std::span<Value> a) {
    const Value& v = raw(a);
    if (v.isObject()) {
        try {
            Value s = rt.scalar(v);
            std::vector<Value> one{s};
            return isNumeric(rt, one);
        } catch (ScriptError&) {
            return Value::boolean(false);
        }
    }
    switch (v.type()) {
    case VarType::String: {
        double d;
        return Value::boolean(parseNumber(v.asString(), d));
    }
    case VarType::Date:
    case VarType::Null:
    case VarType::Array:
    case VarType::Error:
        return Value::boolean(false);
    default:
        return Value::boolean(v.isNumeric());
    }
}

Value isDate(Interp&, std::span<Value> a) {
    const Value& v = raw(a);
    if (v.type() == VarType::Date) return Value::boolean(true);
    if (v.isString()) {
        double d;
        return Value::boolean(parseDate(v.asString(), d, activeLocale()));
    }
    return Value::boolean(false);
}

const BuiltinInfo kTable[] = {
    {u"typename", 1, 1, typeName},   {u"vartype", 1, 1, varType},   {u"isempty", 1, 1, isEmpty},
    {u"isnull", 1, 1, isNull},       {u"isobject", 1, 1, isObject}, {u"isarray", 1, 1, isArray},
    {u"isnumeric", 1, 1, isNumeric}, {u"isdate", 1, 1, isDate},
};

} // namespace

std::span<const BuiltinInfo> inspectionBuiltins() {
    return kTable;
}

} // namespace vbs
