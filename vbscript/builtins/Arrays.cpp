// Array, LBound, UBound, Join, Split.
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
    for (auto& v : a) arr->data.push_back(v.deref());
    return Value::array(arr);
}

Value bound(Interp& rt, std::span<Value> a, bool upper) {
    const Value& v = a[0].deref();
    if (!v.isArray()) throwError(Err::TypeMismatch);
    Array* arr = v.asArray();
    int32_t dim = hasArg(a, 1) ? argLong(rt, a, 1) : 1;
    if (dim < 1 || dim > arr->rank()) throwError(Err::SubscriptOutOfRange);
    const ArrayDim& d = arr->dims[size_t(dim - 1)];
    return Value::longv(upper ? d.lbound + d.count - 1 : d.lbound);
}
Value lbound(Interp& rt, std::span<Value> a) { return bound(rt, a, false); }
Value ubound(Interp& rt, std::span<Value> a) { return bound(rt, a, true); }

Value join(Interp& rt, std::span<Value> a) {
    const Value& v = a[0].deref();
    if (!v.isArray()) throwError(Err::TypeMismatch);
    std::u16string sep = hasArg(a, 1) ? argString(rt, a, 1) : u" ";
    std::u16string out;
    const Array* arr = v.asArray();
    if (arr->rank() > 1) throwError(Err::TypeMismatch);
    for (size_t i = 0; i < arr->data.size(); ++i) {
        if (i) out += sep;
        Value e = rt.scalar(arr->data[i]);
        if (!e.isNull()) out += toString(e);
        rt.checkMemory(out.size() * 2);
    }
    return Value::string(std::move(out));
}

Value split(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = s.isString() ? s.asString() : toString(s);
    std::u16string sep = hasArg(a, 1) ? argString(rt, a, 1) : u" ";
    int32_t limit = hasArg(a, 2) ? argLong(rt, a, 2) : -1;
    bool text = hasArg(a, 3) && argLong(rt, a, 3) == 1;
    auto* arr = new Array;
    Value result = Value::array(arr);
    if (!t.empty() && limit != 0) {
        std::u16string ht = t, hs = sep;
        if (text) {
            for (auto& c : ht) if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
            for (auto& c : hs) if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
        }
        size_t pos = 0;
        while (true) {
            if (limit > 0 && int32_t(arr->data.size()) == limit - 1) { arr->data.push_back(Value::string(t.substr(pos))); break; }
            size_t p = hs.empty() ? std::u16string::npos : ht.find(hs, pos);
            if (p == std::u16string::npos) { arr->data.push_back(Value::string(t.substr(pos))); break; }
            arr->data.push_back(Value::string(t.substr(pos, p - pos)));
            pos = p + hs.size();
        }
    }
    arr->dims.push_back({0, int32_t(arr->data.size())});
    return result;
}

const BuiltinInfo kTable[] = {
    {u"array", 0, 1 << 20, arrayFn}, {u"lbound", 1, 2, lbound}, {u"ubound", 1, 2, ubound},
    {u"join", 1, 2, join}, {u"split", 1, 4, split},
};

}  // namespace

std::span<const BuiltinInfo> arrayBuiltins() { return kTable; }

}  // namespace vbs
