// Len, Left, Right, Mid, UCase, LCase, InStr, InStrRev, Chr, Asc (and their
// W forms), Space, String, the Trim family, Replace,
// StrComp, StrReverse, Escape, Unescape.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <algorithm>

namespace vbs {

namespace {

// UCase and LCase change accented, Greek and Cyrillic letters too, as the
// classic engine does through the system's case tables.
char16_t upper(char16_t c) {
    return upperCase(c);
}
char16_t lower(char16_t c) {
    return foldCase(c);
}

// Most string functions return Null for a Null argument.
bool nullArg(Interp& rt, std::span<Value> a, size_t i, Value& s) {
    s = argScalar(rt, a, i);
    return s.isNull();
}

std::u16string str(const Value& v) {
    return v.isString() ? v.asString() : toString(v);
}

// The text of a value without copying a string's characters (Left, Mid and InStr on a long
// text in a loop would otherwise copy the whole of it on every call); `storage` holds the
// conversion of anything else. The view lives as long as `v` and `storage`.
std::u16string_view strView(const Value& v, std::u16string& storage) {
    if (v.isString()) return v.asString();
    storage = toString(v);
    return storage;
}

// A length or count argument: Null is "Invalid use of Null", negative is error 5.
size_t countArg(Interp& rt, std::span<Value> a, size_t i) {
    int32_t n = argLong(rt, a, i);
    if (n < 0) throwError(Err::InvalidCall);
    return size_t(n);
}

// Windows-1252 characters 0x80..0x9F; the five unassigned codes stand for themselves.
const char16_t kCp1252[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                              0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                              0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                              0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};

char16_t fromAnsi(int32_t c) {
    return (c >= 0x80 && c < 0xA0) ? kCp1252[c - 0x80] : char16_t(c);
}

int16_t toAnsi(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return int16_t(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252[i] == c) return int16_t(0x80 + i);
    return int16_t('?'); // not in the code page: the classic best-fit default
}

Value len(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    if (s.isString()) return Value::longv(int32_t(s.asString().size() - s.strBuf()->oddBytes));
    return Value::longv(int32_t(str(s).size()));
}

Value left(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value s = argScalar(rt, a, 0);
    size_t n = countArg(rt, a, 1);
    if (s.isNull()) return s;
    std::u16string storage;
    return Value::string(std::u16string(strView(s, storage).substr(0, n)));
}

Value right(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value s = argScalar(rt, a, 0);
    size_t n = countArg(rt, a, 1);
    if (s.isNull()) return s;
    std::u16string storage;
    const std::u16string_view t = strView(s, storage);
    size_t k = std::min(n, t.size());
    return Value::string(std::u16string(t.substr(t.size() - k)));
}

Value mid(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1, 2});
    Value s = argScalar(rt, a, 0);
    int32_t start = argLong(rt, a, 1);
    if (start < 1) throwError(Err::InvalidCall);
    size_t n = hasArg(a, 2) ? countArg(rt, a, 2) : std::u16string::npos;
    if (s.isNull()) return s;
    std::u16string storage;
    const std::u16string_view t = strView(s, storage);
    size_t b = size_t(start - 1);
    if (b >= t.size()) return Value::string(std::u16string());
    return Value::string(std::u16string(t.substr(b, n)));
}

Value ucase(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    for (auto& c : t)
        c = upper(c);
    return Value::string(std::move(t));
}

Value lcase(Interp& rt, std::span<Value> a) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    for (auto& c : t)
        c = lower(c);
    return Value::string(std::move(t));
}

Value inStr(Interp& rt, std::span<Value> a) {
    size_t i = 0;
    int64_t start = 1;
    // With three or four arguments the first is the start position.
    if (a.size() >= 3) {
        rejectNull(a, {0, 3});
        start = argLong(rt, a, 0);
        if (start < 1) throwError(Err::InvalidCall);
        i = 1;
    }
    bool text = a.size() >= 4 && textCompare(rt, a, 3);
    Value s1 = argScalar(rt, a, i), s2 = argScalar(rt, a, i + 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    std::u16string hs, ns;
    const std::u16string_view h = strView(s1, hs), n = strView(s2, ns);
    if (h.empty() || size_t(start) > h.size() + (n.empty() ? 1 : 0)) return Value::longv(0);
    if (n.empty()) return Value::longv(int32_t(start));
    size_t p = text ? foldText(h).find(foldText(n), size_t(start - 1)) : h.find(n, size_t(start - 1));
    return Value::longv(p == std::u16string::npos ? 0 : int32_t(p + 1));
}

// Unlike InStr, InStrRev takes no Null text.
Value inStrRev(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2, 3});
    std::u16string h = argString(rt, a, 0), n = argString(rt, a, 1);
    int64_t start = hasArg(a, 2) ? argLong(rt, a, 2) : -1;
    if (start == 0 || start < -1) throwError(Err::InvalidCall);
    bool text = textCompare(rt, a, 3);
    if (h.empty()) return Value::longv(0);
    if (start == -1) start = int64_t(h.size());
    if (size_t(start) > h.size()) return Value::longv(0);
    if (n.empty()) return Value::longv(int32_t(start));
    if (n.size() > size_t(start)) return Value::longv(0);
    size_t from = size_t(start) - n.size();
    size_t p = text ? foldText(h).rfind(foldText(n), from) : h.rfind(n, from);
    return Value::longv(p == std::u16string::npos ? 0 : int32_t(p + 1));
}

Value chr(Interp& rt, std::span<Value> a) {
    int32_t c = argLong(rt, a, 0);
    if (c < 0 || c > 255) throwError(Err::InvalidCall);
    return Value::string(std::u16string(1, fromAnsi(c)));
}

Value chrW(Interp& rt, std::span<Value> a) {
    int32_t c = argLong(rt, a, 0);
    if (c < -32768 || c > 65535) throwError(Err::InvalidCall);
    return Value::string(std::u16string(1, char16_t(uint16_t(c))));
}

// The first character of a non-empty text argument; Null is error 94, "" error 5.
char16_t firstChar(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = str(s);
    if (t.empty()) throwError(Err::InvalidCall);
    return t[0];
}

Value asc(Interp& rt, std::span<Value> a) {
    return Value::integer(toAnsi(firstChar(rt, a)));
}
Value ascW(Interp& rt, std::span<Value> a) {
    return Value::integer(int16_t(firstChar(rt, a)));
}
std::u16string repeated(Interp& rt, size_t n, char16_t c) {
    rt.checkMemory(n * sizeof(char16_t));
    return std::u16string(n, c);
}

Value space(Interp& rt, std::span<Value> a) {
    return Value::string(repeated(rt, countArg(rt, a, 0), u' '));
}

Value stringFn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0});
    size_t n = countArg(rt, a, 0);
    Value c = argScalar(rt, a, 1);
    if (c.isNull()) return c;
    char16_t ch;
    if (c.isString()) {
        if (c.asString().empty()) throwError(Err::InvalidCall);
        ch = c.asString()[0];
    } else {
        // A character code above 255 is taken modulo 256.
        int32_t code = toLong(c);
        if (code < 0) throwError(Err::InvalidCall);
        ch = fromAnsi(code % 256);
    }
    return Value::string(repeated(rt, n, ch));
}

Value trimImpl(Interp& rt, std::span<Value> a, bool l, bool r) {
    Value s;
    if (nullArg(rt, a, 0, s)) return s;
    std::u16string t = str(s);
    size_t b = 0, e = t.size();
    if (l)
        while (b < e && t[b] == u' ')
            ++b;
    if (r)
        while (e > b && t[e - 1] == u' ')
            --e;
    return Value::string(t.substr(b, e - b));
}
Value trim(Interp& rt, std::span<Value> a) {
    return trimImpl(rt, a, true, true);
}
Value ltrim(Interp& rt, std::span<Value> a) {
    return trimImpl(rt, a, true, false);
}
Value rtrim(Interp& rt, std::span<Value> a) {
    return trimImpl(rt, a, false, true);
}

// Replace(expression, find, with, start, count, compare): the result begins at
// start, the text before it is dropped. No argument may be Null.
Value replace(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2, 3, 4, 5});
    Value s = argScalar(rt, a, 0);
    std::u16string find = argString(rt, a, 1), with = argString(rt, a, 2);
    int64_t start = hasArg(a, 3) ? argLong(rt, a, 3) : 1;
    int64_t count = hasArg(a, 4) ? argLong(rt, a, 4) : -1;
    bool text = textCompare(rt, a, 5);
    if (start < 1 || count < -1) throwError(Err::InvalidCall);
    std::u16string t = str(s);
    if (size_t(start) > t.size()) return Value::string(std::u16string());
    t.erase(0, size_t(start - 1));
    if (find.empty() || count == 0) return Value::string(std::move(t));
    const std::u16string folded = text ? foldText(t) : std::u16string();
    const std::u16string& hay = text ? folded : t;
    const std::u16string needle = text ? foldText(find) : find;
    std::u16string out;
    size_t pos = 0;
    while (count != 0) {
        size_t p = hay.find(needle, pos);
        if (p == std::u16string::npos) break;
        rt.checkMemory((out.size() + (p - pos) + with.size()) * sizeof(char16_t));
        out.append(t, pos, p - pos);
        out += with;
        pos = p + needle.size();
        if (count > 0) --count;
    }
    rt.checkMemory((out.size() + t.size() - pos) * sizeof(char16_t));
    out.append(t, pos, std::u16string::npos);
    return Value::string(std::move(out));
}

Value strComp(Interp& rt, std::span<Value> a) {
    rejectNull(a, {2});
    bool text = textCompare(rt, a, 2);
    Value s1 = argScalar(rt, a, 0), s2 = argScalar(rt, a, 1);
    if (s1.isNull() || s2.isNull()) return Value::null();
    std::u16string x = str(s1), y = str(s2);
    int r = text ? foldText(x).compare(foldText(y)) : x.compare(y);
    return Value::integer(int16_t(r < 0 ? -1 : r > 0 ? 1 : 0));
}

Value strReverse(Interp& rt, std::span<Value> a) {
    Value s = argScalar(rt, a, 0);
    if (s.isNull()) throwError(Err::InvalidNull);
    std::u16string t = str(s);
    return Value::string(std::u16string(t.rbegin(), t.rend()));
}

bool escapeFree(char16_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '@' ||
           c == '*' || c == '_' || c == '+' || c == '-' || c == '.' || c == '/';
}

// %XX for characters below 256, %uXXXX above, as JavaScript's escape().
Value escape(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0}); // unlike the other text functions, no Null passes through
    Value s = argScalar(rt, a, 0);
    std::u16string t = str(s);
    size_t size = 0;
    for (char16_t c : t)
        size += escapeFree(c) ? 1 : c < 0x100 ? 3 : 6;
    rt.checkMemory(size * sizeof(char16_t));
    static const char16_t digits[] = u"0123456789ABCDEF";
    std::u16string out;
    out.reserve(size);
    for (char16_t c : t) {
        if (escapeFree(c)) {
            out.push_back(c);
        } else if (c < 0x100) {
            out += {u'%', digits[c >> 4], digits[c & 15]};
        } else {
            out +=
                {u'%', u'u', digits[c >> 12], digits[(c >> 8) & 15], digits[(c >> 4) & 15], digits[c & 15]};
        }
    }
    return Value::string(std::move(out));
}

int hexDigit(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes %XX and %uXXXX; a % not followed by a whole sequence stays as it is.
Value unescape(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0}); // unlike the other text functions, no Null passes through
    Value s = argScalar(rt, a, 0);
    std::u16string t = str(s), out;
    out.reserve(t.size());
    auto hexRun = [&](size_t at, int count, int& value) {
        if (at + size_t(count) > t.size()) return false;
        value = 0;
        for (int k = 0; k < count; ++k) {
            int d = hexDigit(t[at + size_t(k)]);
            if (d < 0) return false;
            value = value * 16 + d;
        }
        return true;
    };
    for (size_t i = 0; i < t.size(); ++i) {
        int v;
        if (t[i] == '%' && i + 1 < t.size() && t[i + 1] == 'u' && hexRun(i + 2, 4, v)) {
            out.push_back(char16_t(v));
            i += 5;
        } else if (t[i] == '%' && hexRun(i + 1, 2, v)) {
            out.push_back(char16_t(v));
            i += 2;
        } else {
            out.push_back(t[i]);
        }
    }
    return Value::string(std::move(out));
}

const BuiltinInfo kTable[] = {
    {u"len", 1, 1, len},         {u"left", 2, 2, left},
    {u"right", 2, 2, right},     {u"mid", 2, 3, mid},
    {u"ucase", 1, 1, ucase},     {u"lcase", 1, 1, lcase},
    {u"instr", 2, 4, inStr},     {u"instrrev", 2, 4, inStrRev},
    {u"chr", 1, 1, chr},         {u"chrw", 1, 1, chrW},
    {u"asc", 1, 1, asc},         {u"ascw", 1, 1, ascW},
    {u"space", 1, 1, space},     {u"string", 2, 2, stringFn},
    {u"trim", 1, 1, trim},       {u"ltrim", 1, 1, ltrim},
    {u"rtrim", 1, 1, rtrim},     {u"replace", 3, 6, replace},
    {u"strcomp", 2, 3, strComp}, {u"strreverse", 1, 1, strReverse},
    {u"escape", 1, 1, escape},   {u"unescape", 1, 1, unescape},
};

} // namespace

std::span<const BuiltinInfo> stringBuiltins() {
    return kTable;
}

} // namespace vbs
