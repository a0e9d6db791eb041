// LenB, LeftB, RightB, MidB, InStrB, AscB and ChrB: a string seen as the bytes
// of its UTF-16 text, low byte first, as the classic engine stores it. A byte
// string of odd length (ChrB(65), LeftB("ABC", 3)) keeps its last byte in the
// low half of its last character and is marked so (StrBuf::oddBytes).
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <algorithm>
#include <string>

namespace vbs {

namespace {

// The argument as a String Value, so its odd-length mark can be read.
Value textOf(const Value& v) {
    return v.isString() ? v : Value::string(toString(v));
}

size_t byteLength(const Value& s) {
    return s.asString().size() * 2 - s.strBuf()->oddBytes;
}

uint8_t byteAt(const std::u16string& t, size_t i) {
    char16_t c = t[i / 2];
    return uint8_t(i % 2 ? c >> 8 : c & 0xFF);
}

// The first count bytes of t, one char each.
std::string bytesOf(const std::u16string& t, size_t count) {
    std::string out(count, '\0');
    for (size_t i = 0; i < count; ++i)
        out[i] = char(byteAt(t, i));
    return out;
}

// count bytes of s from byte offset from, both cut to what s holds.
Value byteSlice(const Value& s, size_t from, size_t count) {
    const std::u16string& t = s.asString();
    size_t total = byteLength(s);
    from = std::min(from, total);
    count = std::min(count, total - from);
    std::u16string out;
    if (from % 2 == 0) {
        out = t.substr(from / 2, (count + 1) / 2);
    } else {
        out.assign((count + 1) / 2, u'\0');
        for (size_t k = 0; k < count; ++k)
            out[k / 2] = char16_t(out[k / 2] | byteAt(t, from + k) << (k % 2 ? 8 : 0));
    }
    if (count % 2) out.back() = char16_t(out.back() & 0xFF);
    Value r = Value::string(std::move(out));
    r.strBuf()->oddBytes = count % 2 != 0;
    return r;
}

size_t countArg(Interp& rt, std::span<Value> a, size_t i) {
    int32_t n = argLong(rt, a, i);
    if (n < 0) throwError(Err::InvalidCall);
    return size_t(n);
}

Value lenB(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) return s;
    return Value::longv(int32_t(byteLength(textOf(s))));
}

Value leftB(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value s = argScalar(rt, a, 0);
    size_t n = countArg(rt, a, 1);
    if (s.isNull()) return s;
    return byteSlice(textOf(s), 0, n);
}

Value rightB(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value s = argScalar(rt, a, 0);
    size_t n = countArg(rt, a, 1);
    if (s.isNull()) return s;
    Value t = textOf(s);
    size_t total = byteLength(t);
    return byteSlice(t, total - std::min(n, total), n);
}

Value midB(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1, 2});
    Value s = argScalar(rt, a, 0);
    int32_t start = argLong(rt, a, 1);
    if (start < 1) throwError(Err::InvalidCall);
    size_t n = hasArg(a, 2) ? countArg(rt, a, 2) : SIZE_MAX;
    if (s.isNull()) return s;
    return byteSlice(textOf(s), size_t(start - 1), n);
}

// InStrB([start,] string1, string2[, compare]): the byte position of string2
// in string1, searched from byte position start.
Value inStrB(Interp& rt, std::span<Value> a) {
    size_t i = 0;
    int64_t start = 1;
    if (a.size() >= 3) {
        rejectNull(a, {0, 3});
        start = argLong(rt, a, 0);
        if (start < 1) throwError(Err::InvalidCall);
        i = 1;
    }
    bool text = a.size() >= 4 && textCompare(rt, a, 3);
    Value s1 = argScalar(rt, a, i), s2 = argScalar(rt, a, i + 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    Value h = textOf(s1), n = textOf(s2);
    size_t hl = byteLength(h), nl = byteLength(n);
    if (hl == 0 || size_t(start) > hl + (nl == 0 ? 1 : 0)) return Value::longv(0);
    if (nl == 0) return Value::longv(int32_t(start));
    rt.checkMemory(hl + nl);
    const std::string hb = bytesOf(text ? foldText(h.asString()) : h.asString(), hl);
    const std::string nb = bytesOf(text ? foldText(n.asString()) : n.asString(), nl);
    size_t p = hb.find(nb, size_t(start - 1));
    return Value::longv(p == std::string::npos ? 0 : int32_t(p + 1));
}

Value ascB(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    Value t = textOf(s);
    if (t.asString().empty()) throwError(Err::InvalidCall);
    return Value::byte(byteAt(t.asString(), 0));
}

// A one-byte string; the code is converted as CByte converts (256 is an Overflow).
Value chrB(Interp& rt, std::span<Value> a) {
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) throwError(Err::InvalidNull);
    Value r = Value::string(std::u16string(1, char16_t(toByte(v))));
    r.strBuf()->oddBytes = true;
    return r;
}

const BuiltinInfo kTable[] = {
    {u"lenb", 1, 1, lenB},     {u"leftb", 2, 2, leftB}, {u"rightb", 2, 2, rightB}, {u"midb", 2, 3, midB},
    {u"instrb", 2, 4, inStrB}, {u"ascb", 1, 1, ascB},   {u"chrb", 1, 1, chrB},
};

} // namespace

std::span<const BuiltinInfo> byteStringBuiltins() {
    return kTable;
}

} // namespace vbs
