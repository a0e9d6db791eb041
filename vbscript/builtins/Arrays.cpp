// Array, LBound, UBound, Join, Split, Filter.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

namespace vbs {

namespace {

Value arrayFn(Interp& rt, std::span<Value> a) {
    rt.checkMemory(a.size() * sizeof(Value));
    auto* arr = new Array;
    arr->dims.push_back({0, int32_t(a.size())});
    arr->data.reserve(a.size());
    for (auto& v : a)
        arr->data.push_back(v.deref());
    return Value::array(arr);
}

Value bound(Interp& rt, std::span<Value> a, bool upper) {
    rejectNull(a, {1});
    // An object stands for its default value: Nothing is 91, no default member 438, a default
    // that needs an argument (a Dictionary's Item) 450.
    const Value v = a[0].deref().isObject() ? rt.scalar(a[0]) : a[0].deref();
    if (!v.isArray()) throwError(Err::TypeMismatch);
    Array* arr = v.asArray();
    int32_t dim = hasArg(a, 1) ? argLong(rt, a, 1) : 1;
    if (dim < 1 || dim > arr->rank()) throwError(Err::SubscriptOutOfRange);
    const ArrayDim& d = arr->dims[size_t(dim - 1)];
    return Value::longv(upper ? d.lbound + d.count - 1 : d.lbound);
}
Value lbound(Interp& rt, std::span<Value> a) {
    return bound(rt, a, false);
}
Value ubound(Interp& rt, std::span<Value> a) {
    return bound(rt, a, true);
}

// A Null element is a Type mismatch, not an empty part; an object in place of the array has no
// such member.
Value join(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1});
    const Value v = a[0].deref(); // a copy: element default values may run script code
    if (v.isObject()) throwError(Err::NoSuchMember);
    if (!v.isArray()) throwError(Err::TypeMismatch);
    std::u16string sep = hasArg(a, 1) ? argString(rt, a, 1) : u" ";
    std::u16string out;
    const Array* arr = v.asArray();
    if (arr->rank() > 1) throwError(Err::TypeMismatch);
    for (size_t i = 0; i < arr->data.size(); ++i) {
        Value e = rt.scalar(arr->data[i]);
        if (e.isNull()) throwError(Err::TypeMismatch);
        std::u16string part = e.isString() ? e.asString() : toString(e);
        rt.checkMemory((out.size() + (i ? sep.size() : 0) + part.size()) * sizeof(char16_t));
        if (i) out += sep;
        out += part;
    }
    return Value::string(std::move(out));
}

Value stringArray(std::vector<Value> items) {
    auto* arr = new Array;
    Value result = Value::array(arr);
    arr->dims.push_back({0, int32_t(items.size())});
    arr->data = std::move(items);
    return result;
}

// Split(expression, delimiter = " ", count = -1, compare): "" gives an empty
// array (UBound -1); an empty delimiter gives the whole text as one element.
Value split(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2, 3});
    Value s = argScalar(rt, a, 0);
    std::u16string t = s.isString() ? s.asString() : toString(s);
    std::u16string sep = hasArg(a, 1) ? argString(rt, a, 1) : u" ";
    int32_t limit = hasArg(a, 2) ? argLong(rt, a, 2) : -1;
    if (limit < -1) throwError(Err::InvalidCall);
    bool text = textCompare(rt, a, 3);
    std::vector<Value> items;
    if (!t.empty() && limit != 0) {
        const std::u16string ht = text ? foldText(t) : t, hs = text ? foldText(sep) : sep;
        size_t pos = 0;
        while (true) {
            if (limit > 0 && int32_t(items.size()) == limit - 1) {
                items.push_back(Value::string(t.substr(pos)));
                break;
            }
            size_t p = hs.empty() ? std::u16string::npos : ht.find(hs, pos);
            if (p == std::u16string::npos) {
                items.push_back(Value::string(t.substr(pos)));
                break;
            }
            items.push_back(Value::string(t.substr(pos, p - pos)));
            pos = p + hs.size();
        }
        rt.checkMemory(items.size() * sizeof(Value));
    }
    return stringArray(std::move(items));
}

// Filter(strings, match, include = True, compare): the elements (as text) that
// contain match, or with include False those that do not, in a new array.
Value filter(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2, 3});
    const Value& v = a[0].deref();
    if (!v.isArray() || v.asArray()->rank() != 1) throwError(Err::TypeMismatch);
    Value m = argScalar(rt, a, 1);
    std::u16string match = m.isString() ? m.asString() : toString(m);
    bool include = hasArg(a, 2) ? toBool(argScalar(rt, a, 2)) : true;
    bool text = textCompare(rt, a, 3);
    if (text) match = foldText(match);
    Value keep = v; // holds the array while element default values run script code
    std::vector<Value> items;
    for (const Value& e : keep.asArray()->data) {
        Value x = rt.scalar(e);
        if (x.isNull()) throwError(Err::InvalidNull);
        std::u16string s = x.isString() ? x.asString() : toString(x);
        bool found = (text ? foldText(s) : s).find(match) != std::u16string::npos;
        if (found == include) items.push_back(Value::string(std::move(s)));
    }
    return stringArray(std::move(items));
}

const BuiltinInfo kTable[] = {
    {u"array", 0, 1 << 20, arrayFn}, {u"lbound", 1, 2, lbound}, {u"ubound", 1, 2, ubound},
    {u"join", 1, 2, join},           {u"split", 1, 4, split},   {u"filter", 2, 4, filter},
};

} // namespace

std::span<const BuiltinInfo> arrayBuiltins() {
    return kTable;
}

} // namespace vbs
