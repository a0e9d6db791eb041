// Len, Left, Right, Mid, UCase, LCase, InStr, InStrRev, Chr, Asc, Space,
// String, Trim family, Replace, StrComp, StrReverse.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

namespace vbs {

namespace {

char16_t upper(char16_t c) { return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c; }
char16_t lower(char16_t c) { return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c; }

// Most string functions return Null for a Null argument.
bool nullArg(Interp& rt, std::span<Value> a, size_t i, Value& s) {
    s = argScalar(rt, a, i);
    return s.isNull();
}

std::u16string str(const Value& v) { return v.isString() ? v.asString() : toString(v); }

Value len(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    return Value::longv(int32_t(s.isString() ? s.asString().size() : str(s).size()));
}

Value left(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    int32_t n = argLong(rt, a, 1);
    if (n < 0) throwError(Err::InvalidCall);
    std::u16string t = str(s);
    return Value::string(t.substr(0, size_t(n)));
}

Value right(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    int32_t n = argLong(rt, a, 1);
    if (n < 0) throwError(Err::InvalidCall);
    std::u16string t = str(s);
    size_t k = std::min(size_t(n), t.size());
    return Value::string(t.substr(t.size() - k));
}

Value mid(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    int32_t start = argLong(rt, a, 1);
    if (start < 1) throwError(Err::InvalidCall);
    std::u16string t = str(s);
    size_t b = size_t(start - 1);
    if (b >= t.size()) return Value::string(std::u16string());
    if (hasArg(a, 2)) {
        int32_t n = argLong(rt, a, 2);
        if (n < 0) throwError(Err::InvalidCall);
        return Value::string(t.substr(b, size_t(n)));
    }
    return Value::string(t.substr(b));
}

Value ucase(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    for (auto& c : t) c = upper(c);
    return Value::string(std::move(t));
}

Value lcase(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    for (auto& c : t) c = lower(c);
    return Value::string(std::move(t));
}

size_t findText(const std::u16string& hay, const std::u16string& needle, size_t from, bool text) {
    if (!text) return hay.find(needle, from);
    std::u16string h = hay, n = needle;
    for (auto& c : h) c = upper(c);
    for (auto& c : n) c = upper(c);
    return h.find(n, from);
}

Value inStr(Interp& rt, std::span<Value> a) {
    size_t i = 0;
    int64_t start = 1;
    if (a.size() >= 3) {
        Value s0 = argScalar(rt, a, 0);
        if (s0.isNull()) throwError(Err::InvalidNull);
        start = toLong(s0);
        if (start < 1) throwError(Err::InvalidCall);
        i = 1;
    }
    Value s1 = argScalar(rt, a, i), s2 = argScalar(rt, a, i + 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    bool text = a.size() >= 4 && hasArg(a, 3) && argLong(rt, a, 3) == 1;
    std::u16string h = str(s1), n = str(s2);
    if (size_t(start) > h.size() + (n.empty() ? 1 : 0)) return Value::longv(0);
    if (n.empty()) return Value::longv(int32_t(start));
    size_t p = findText(h, n, size_t(start - 1), text);
    return Value::longv(p == std::u16string::npos ? 0 : int32_t(p + 1));
}

Value inStrRev(Interp& rt, std::span<Value> a) {
    Value s1 = argScalar(rt, a, 0), s2 = argScalar(rt, a, 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    std::u16string h = str(s1), n = str(s2);
    int64_t start = hasArg(a, 2) ? argLong(rt, a, 2) : -1;
    if (start == 0 || start < -1) throwError(Err::InvalidCall);
    if (start == -1) start = int64_t(h.size());
    if (size_t(start) > h.size()) return Value::longv(0);
    if (n.empty()) return Value::longv(int32_t(start));
    if (n.size() > size_t(start)) return Value::longv(0);
    size_t p = h.rfind(n, size_t(start) - n.size());
    return Value::longv(p == std::u16string::npos ? 0 : int32_t(p + 1));
}

Value chr(Interp& rt, std::span<Value> a) {
    int32_t c = argLong(rt, a, 0);
    if (c < 0 || c > 255) throwError(Err::InvalidCall);
    // Code points 128..255 are taken as Windows-1252, as on a Western system.
    static const char16_t cp1252[32] = {0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160,
                                        0x2039, 0x152, 0x8D, 0x17D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                        0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178};
    char16_t ch = (c >= 0x80 && c < 0xA0) ? cp1252[c - 0x80] : char16_t(c);
    return Value::string(std::u16string(1, ch));
}

Value chrW(Interp& rt, std::span<Value> a) {
    int32_t c = argLong(rt, a, 0);
    if (c < -32768 || c > 65535) throwError(Err::InvalidCall);
    return Value::string(std::u16string(1, char16_t(uint16_t(c))));
}

Value asc(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = str(s);
    if (t.empty()) throwError(Err::InvalidCall);
    char16_t c = t[0];
    if (c >= 0x100) {
        static const char16_t cp1252[32] = {0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160,
                                            0x2039, 0x152, 0x8D, 0x17D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                            0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178};
        for (int i = 0; i < 32; ++i)
            if (cp1252[i] == c) return Value::integer(int16_t(0x80 + i));
        return Value::integer(int16_t('?'));
    }
    return Value::integer(int16_t(c));
}

Value ascW(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = str(s);
    if (t.empty()) throwError(Err::InvalidCall);
    return Value::integer(int16_t(t[0]));
}

Value space(Interp& rt, std::span<Value> a) {
    int32_t n = argLong(rt, a, 0);
    if (n < 0) throwError(Err::InvalidCall);
    rt.checkMemory(size_t(n) * 2);
    return Value::string(std::u16string(size_t(n), u' '));
}

Value stringFn(Interp& rt, std::span<Value> a) {
    int32_t n = argLong(rt, a, 0);
    if (n < 0) throwError(Err::InvalidCall);
    Value c = argScalar(rt, a, 1);
    if (c.isNull()) return c;
    char16_t ch;
    if (c.isString()) {
        if (c.asString().empty()) throwError(Err::InvalidCall);
        ch = c.asString()[0];
    } else {
        ch = char16_t(toLong(c) & 0xFF);
    }
    rt.checkMemory(size_t(n) * 2);
    return Value::string(std::u16string(size_t(n), ch));
}

bool blank(char16_t c) { return c == ' '; }

Value trimImpl(Interp& rt, std::span<Value> a, bool l, bool r) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    size_t b = 0, e = t.size();
    if (l) while (b < e && blank(t[b])) ++b;
    if (r) while (e > b && blank(t[e - 1])) --e;
    return Value::string(t.substr(b, e - b));
}
Value trim(Interp& rt, std::span<Value> a) { return trimImpl(rt, a, true, true); }
Value ltrim(Interp& rt, std::span<Value> a) { return trimImpl(rt, a, true, false); }
Value rtrim(Interp& rt, std::span<Value> a) { return trimImpl(rt, a, false, true); }

Value replace(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) return s;
    std::u16string t = str(s), find = argString(rt, a, 1), with = argString(rt, a, 2);
    int64_t start = hasArg(a, 3) ? argLong(rt, a, 3) : 1;
    int64_t count = hasArg(a, 4) ? argLong(rt, a, 4) : -1;
    bool text = hasArg(a, 5) && argLong(rt, a, 5) == 1;
    if (start < 1 || count < -1) throwError(Err::InvalidCall);
    if (size_t(start) > t.size()) return Value::string(std::u16string());
    t = t.substr(size_t(start - 1));
    if (find.empty() || count == 0) return Value::string(t);
    std::u16string out;
    size_t pos = 0;
    while (count != 0) {
        size_t p = findText(t, find, pos, text);
        if (p == std::u16string::npos) break;
        out.append(t, pos, p - pos);
        out += with;
        pos = p + find.size();
        if (count > 0) --count;
        rt.checkMemory(out.size() * 2);
    }
    out.append(t, pos, std::u16string::npos);
    return Value::string(std::move(out));
}

Value strComp(Interp& rt, std::span<Value> a) {
    Value s1 = argScalar(rt, a, 0), s2 = argScalar(rt, a, 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    bool text = hasArg(a, 2) && argLong(rt, a, 2) == 1;
    std::u16string x = str(s1), y = str(s2);
    if (text) {
        for (auto& c : x) c = upper(c);
        for (auto& c : y) c = upper(c);
    }
    int r = x.compare(y);
    return Value::integer(int16_t(r < 0 ? -1 : r > 0 ? 1 : 0));
}

Value strReverse(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = str(s);
    return Value::string(std::u16string(t.rbegin(), t.rend()));
}

const BuiltinInfo kTable[] = {
    {u"len", 1, 1, len}, {u"left", 2, 2, left}, {u"right", 2, 2, right}, {u"mid", 2, 3, mid},
    {u"ucase", 1, 1, ucase}, {u"lcase", 1, 1, lcase}, {u"instr", 2, 4, inStr}, {u"instrrev", 2, 4, inStrRev},
    {u"chr", 1, 1, chr}, {u"chrw", 1, 1, chrW}, {u"asc", 1, 1, asc}, {u"ascw", 1, 1, ascW},
    {u"space", 1, 1, space}, {u"string", 2, 2, stringFn}, {u"trim", 1, 1, trim}, {u"ltrim", 1, 1, ltrim},
    {u"rtrim", 1, 1, rtrim}, {u"replace", 3, 6, replace}, {u"strcomp", 2, 3, strComp},
    {u"strreverse", 1, 1, strReverse},
};

}  // namespace

std::span<const BuiltinInfo> stringBuiltins() { return kTable; }

}  // namespace vbs
