// CInt, CLng, CDbl, CSng, CStr, CBool, CByte, CCur, CDate, Hex, Oct.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

namespace vbs {

namespace {

Value scalarArg(Interp& rt, std::span<Value> a) {
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) throwError(Err::InvalidNull);
    return v;
}

Value cInt(Interp& rt, std::span<Value> a) {
    return Value::integer(toInteger(scalarArg(rt, a)));
}
Value cLng(Interp& rt, std::span<Value> a) {
    return Value::longv(toLong(scalarArg(rt, a)));
}
Value cDbl(Interp& rt, std::span<Value> a) {
    return Value::dbl(toDouble(scalarArg(rt, a)));
}
Value cSng(Interp& rt, std::span<Value> a) {
    return Value::single(toSingle(scalarArg(rt, a)));
}
Value cStr(Interp& rt, std::span<Value> a) {
    return Value::string(toString(scalarArg(rt, a)));
}
Value cBool(Interp& rt, std::span<Value> a) {
    return Value::boolean(toBool(scalarArg(rt, a)));
}
Value cByte(Interp& rt, std::span<Value> a) {
    return Value::byte(toByte(scalarArg(rt, a)));
}
Value cCur(Interp& rt, std::span<Value> a) {
    return Value::currency(toCurrency(scalarArg(rt, a)));
}
Value cDate(Interp& rt, std::span<Value> a) {
    return Value::date(toDate(scalarArg(rt, a)));
}

// Hex / Oct: a negative number is written in two's complement of its own
// width, 16 bits for Integer and Boolean, 32 bits for everything else
// (rounded to a Long first: Overflow outside its range).
Value radix(Interp& rt, std::span<Value> a, unsigned base) {
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) return v;
    uint32_t n;
    if (v.type() == VarType::Integer)
        n = uint16_t(v.asInteger());
    else if (v.type() == VarType::Boolean)
        n = v.asBoolean() ? 0xFFFFu : 0u;
    else if (v.type() == VarType::Byte)
        n = v.asByte();
    else
        n = uint32_t(toLong(v));
    std::string s;
    do {
        unsigned d = n % base;
        s.insert(s.begin(), char(d < 10 ? '0' + d : 'A' + d - 10));
        n /= base;
    } while (n);
    return Value::string(std::u16string(s.begin(), s.end()));
}
Value hex(Interp& rt, std::span<Value> a) {
    return radix(rt, a, 16);
}
Value oct(Interp& rt, std::span<Value> a) {
    return radix(rt, a, 8);
}

const BuiltinInfo kTable[] = {
    {u"cint", 1, 1, cInt},   {u"clng", 1, 1, cLng},   {u"cdbl", 1, 1, cDbl},   {u"csng", 1, 1, cSng},
    {u"cstr", 1, 1, cStr},   {u"cbool", 1, 1, cBool}, {u"cbyte", 1, 1, cByte}, {u"ccur", 1, 1, cCur},
    {u"cdate", 1, 1, cDate}, {u"hex", 1, 1, hex},     {u"oct", 1, 1, oct},
};

} // namespace

std::span<const BuiltinInfo> conversionBuiltins() {
    return kTable;
}

} // namespace vbs
