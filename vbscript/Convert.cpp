#include "Convert.h"

#include "Dates.h"

#include "Errors.h"
#include "Locale.h"
#include "Object.h"

#include <algorithm>
#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vbs {

namespace {

bool isBlank(char16_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0;
}

[[noreturn]] void mismatch() {
    throwError(Err::TypeMismatch);
}

double checkedRange(double x, double lo, double hi) {
    if (!(x >= lo - 0.5 && x <= hi + 0.5) || std::isnan(x)) throwError(Err::Overflow);
    double r = roundHalfEven(x);
    if (r < lo || r > hi) throwError(Err::Overflow);
    return r;
}

} // namespace

double roundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which is to-nearest-even by default.
    return std::nearbyint(x);
}

namespace {

// The length of the currency symbol when it stands at s[j], else 0.
size_t currencyAt(std::u16string_view s, size_t j, std::u16string_view symbol) {
    return s.substr(j, symbol.size()) == symbol ? symbol.size() : 0;
}

} // namespace

bool parseNumber(std::u16string_view s, double& out) {
    const LocaleInfo* loc = activeLocaleOverride();
    const LocaleInfo& l = loc ? *loc : englishUS();
    const char16_t point = l.decimal, group = l.group;
    const std::u16string_view symbol = l.currency;
    // Where amounts are written "1 $" or "$ 1" a blank may stand between symbol and number.
    const bool spacedSymbol = l.currencyPositive >= 2;
    size_t i = 0, n = s.size();
    while (i < n && isBlank(s[i]))
        ++i;
    while (n > i && isBlank(s[n - 1]))
        --n;
    if (i >= n) return false;
    if (s[i] == '&' && i + 1 < n) {
        char16_t k = s[i + 1];
        int base = (k == 'h' || k == 'H') ? 16 : (k == 'o' || k == 'O') ? 8 : 0;
        if (!base) return false;
        i += 2;
        if (i >= n) return false;
        uint64_t acc = 0;
        size_t first = i;
        for (; i < n; ++i) {
            char16_t c = s[i];
            int d = (c >= '0' && c <= '9')   ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : 99;
            if (d >= base) return false;
            acc = acc * base + d;
            if (acc > 0xFFFFFFFFull) return false;
        }
        // Up to four hex digits is an Integer, so &HFFFF is -1 as in literals.
        bool shortForm = base == 16 ? (n - first) <= 4 : acc <= 0177777;
        out = shortForm && acc <= 0xFFFF ? double(int16_t(uint16_t(acc))) : double(int32_t(uint32_t(acc)));
        return true;
    }
    // Decimal form. A sign may lead or trail, parentheses mean negative, the
    // currency symbol may stand before or after the digits and the locale's
    // group separator (a comma here) groups thousands.
    std::string buf;
    buf.reserve(n - i + 2);
    bool paren = false, sign = false, money = false;
    char signChar = '+';
    size_t j = i;
    for (;; ++j) {
        if (j >= n) return false;
        char16_t c = s[j];
        if (c == '(' && !paren && !sign)
            paren = true;
        else if ((c == '+' || c == '-') && !sign && !paren) {
            sign = true;
            signChar = char(c);
        } else if (size_t k = money ? 0 : currencyAt(s, j, symbol)) {
            money = true;
            j += k - 1;
            while (spacedSymbol && j + 1 < n && isBlank(s[j + 1]))
                ++j;
        } else
            break;
    }
    buf.push_back(paren ? '-' : signChar);
    bool digits = false;
    // A no-break space groups thousands in French; a plain space does there too.
    auto isGroup = [&](char16_t c) { return c == group || (group == 0xA0 && c == u' '); };
    while (j < n && ((s[j] >= '0' && s[j] <= '9') || (digits && isGroup(s[j])))) {
        if (!isGroup(s[j])) buf.push_back(char(s[j]));
        digits = true;
        ++j;
    }
    if (j < n && s[j] == point) {
        buf.push_back('.');
        ++j;
        while (j < n && s[j] >= '0' && s[j] <= '9') {
            buf.push_back(char(s[j++]));
            digits = true;
        }
    }
    if (!digits) return false;
    if (j < n && (s[j] == 'e' || s[j] == 'E' || s[j] == 'd' || s[j] == 'D')) {
        buf.push_back('e');
        ++j;
        if (j < n && (s[j] == '+' || s[j] == '-')) buf.push_back(char(s[j++]));
        bool exp = false;
        while (j < n && s[j] >= '0' && s[j] <= '9') {
            buf.push_back(char(s[j++]));
            exp = true;
        }
        if (!exp) return false;
    }
    if (!money) {
        size_t k = j;
        while (spacedSymbol && k < n && isBlank(s[k]))
            ++k;
        if (size_t len = k < n ? currencyAt(s, k, symbol) : 0) {
            money = true;
            j = k + len;
        }
    }
    if (j < n && !sign && !paren && (s[j] == '+' || s[j] == '-')) {
        buf[0] = char(s[j]);
        ++j;
    }
    if (paren) {
        if (j >= n || s[j] != ')') return false;
        ++j;
    }
    if (j != n) return false;
    double d = std::strtod(buf.c_str(), nullptr);
    // A text beyond the Double range is not a number.
    if (std::isinf(d)) return false;
    out = d;
    return true;
}

char16_t foldCase(char16_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? char16_t(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return char16_t(c + 0x20);
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x178) return 0xFF;
        bool evenUpper = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1)) return char16_t(c + 1);
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return char16_t(c + 0x20);
    if (c >= 0x410 && c <= 0x42F) return char16_t(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return char16_t(c + 0x50);
    return c;
}

char16_t upperCase(char16_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return char16_t(c - 0x20);
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        bool evenUpper = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if ((evenUpper && c % 2 == 1) || (oddUpper && c % 2 == 0 && c != 0x138)) return char16_t(c - 1);
        return c;
    }
    if (c == 0x3C2) return 0x3A3; // final sigma
    if (c >= 0x3B1 && c <= 0x3C9) return char16_t(c - 0x20);
    if (c >= 0x430 && c <= 0x44F) return char16_t(c - 0x20);
    if (c >= 0x450 && c <= 0x45F) return char16_t(c - 0x50);
    return c;
}

std::u16string foldText(std::u16string_view s) {
    std::u16string r(s);
    for (auto& c : r)
        c = foldCase(c);
    return r;
}

double toDouble(const Value& v) {
    switch (v.type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        throwError(Err::InvalidNull);
    case VarType::Integer:
        return v.asInteger();
    case VarType::Long:
        return v.asLong();
    case VarType::Single:
        return v.asSingle();
    case VarType::Double:
        return v.asDouble();
    case VarType::Currency:
        return double(v.asCurrency()) / 10000.0;
    case VarType::Date:
        return v.asDate();
    case VarType::Boolean:
        return v.asBoolean() ? -1 : 0;
    case VarType::Byte:
        return v.asByte();
    case VarType::String: {
        double d;
        // A date text is not a number: CDbl("1/2/2003") is a Type mismatch.
        if (parseNumber(v.asString(), d)) return d;
        mismatch();
    }
    case VarType::Ref:
        return toDouble(v.deref());
    default:
        mismatch();
    }
}

float toSingle(const Value& v) {
    double d = toDouble(v);
    if (std::fabs(d) > 3.402823466e38) throwError(Err::Overflow);
    return float(d);
}

int32_t toLong(const Value& v) {
    switch (v.type()) {
    case VarType::Integer:
        return v.asInteger();
    case VarType::Long:
        return v.asLong();
    case VarType::Boolean:
        return v.asBoolean() ? -1 : 0;
    case VarType::Byte:
        return v.asByte();
    case VarType::Empty:
        return 0;
    default:
        return int32_t(checkedRange(toDouble(v), INT32_MIN, INT32_MAX));
    }
}

int16_t toInteger(const Value& v) {
    if (v.type() == VarType::Integer) return v.asInteger();
    return int16_t(checkedRange(toDouble(v), INT16_MIN, INT16_MAX));
}

uint8_t toByte(const Value& v) {
    // True is all bits set, so its Byte is 255 rather than an Overflow of -1.
    if (v.type() == VarType::Boolean) return v.asBoolean() ? 255 : 0;
    return uint8_t(checkedRange(toDouble(v), 0, 255));
}

int64_t toCurrency(const Value& v) {
    if (v.type() == VarType::Currency) return v.asCurrency();
    double d = toDouble(v) * 10000.0;
    if (!(std::fabs(d) < 9.2233720368547758e18)) throwError(Err::Overflow);
    return int64_t(roundHalfEven(d));
}

double toDate(const Value& v) {
    if (v.type() == VarType::String) {
        double d;
        if (parseDate(v.asString(), d, activeLocale())) return d;
        if (!parseNumber(v.asString(), d)) mismatch();
        if (!serialInRange(d)) throwError(Err::Overflow);
        return d;
    }
    double d = toDouble(v);
    if (!serialInRange(d)) throwError(Err::Overflow);
    return d;
}

bool toBool(const Value& v) {
    switch (v.type()) {
    case VarType::Boolean:
        return v.asBoolean();
    case VarType::String: {
        const auto& s = v.asString();
        if (equalsNoCase(s, u"true") || equalsNoCase(s, u"#true#")) return true;
        if (equalsNoCase(s, u"false") || equalsNoCase(s, u"#false#")) return false;
        double d;
        if (parseNumber(s, d)) return d != 0;
        mismatch();
    }
    case VarType::Ref:
        return toBool(v.deref());
    default:
        return toDouble(v) != 0;
    }
}

std::u16string formatNumber(double x, int precision) {
    if (x == 0) return u"0";
    if (std::isnan(x)) return u"NaN";
    if (std::isinf(x)) return x > 0 ? u"Infinity" : u"-Infinity";
    // The significant digits, rounded to the subtype's precision, and the decimal exponent.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, std::fabs(x));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits.push_back(*p);
    const int exp = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int n = int(digits.size());
    const LocaleInfo* loc = activeLocaleOverride();
    const char16_t point = loc ? loc->decimal : u'.';
    std::u16string r;
    if (x < 0) r.push_back(u'-');
    // The plain form, unless it would need more places before or after the point than the
    // subtype has digits: 1E+15, 4.16666666666667E-02, while 0.333333333333333 stays plain.
    if (exp >= precision || (exp < 0 && n - 1 - exp > precision)) {
        r.push_back(char16_t(digits[0]));
        if (n > 1) r.push_back(point);
        for (int i = 1; i < n; ++i)
            r.push_back(char16_t(digits[size_t(i)]));
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
        for (const char* q = e; *q; ++q)
            r.push_back(char16_t(*q));
        return r;
    }
    if (exp < 0) {
        r += u"0";
        r.push_back(point);
        r.append(size_t(-exp - 1), u'0');
        for (char c : digits)
            r.push_back(char16_t(c));
        return r;
    }
    for (int i = 0; i < std::max(n, exp + 1); ++i) {
        if (i == exp + 1) r.push_back(point);
        r.push_back(i < n ? char16_t(digits[size_t(i)]) : u'0');
    }
    return r;
}

std::u16string formatCurrency(int64_t scaled) {
    bool neg = scaled < 0;
    uint64_t u = neg ? uint64_t(0) - uint64_t(scaled) : uint64_t(scaled);
    std::string s = std::to_string(u / 10000);
    uint64_t frac = u % 10000;
    if (frac) {
        char buf[8];
        std::snprintf(buf, sizeof buf, ".%04u", unsigned(frac));
        std::string f = buf;
        while (f.back() == '0')
            f.pop_back();
        s += f;
    }
    if (neg) s = "-" + s;
    std::u16string r(s.begin(), s.end());
    if (const LocaleInfo* loc = activeLocaleOverride()) std::replace(r.begin(), r.end(), u'.', loc->decimal);
    return r;
}

std::u16string toString(const Value& v) {
    switch (v.type()) {
    case VarType::Empty:
        return {};
    case VarType::Null:
        throwError(Err::InvalidNull);
    case VarType::Integer: {
        auto s = std::to_string(v.asInteger());
        return {s.begin(), s.end()};
    }
    case VarType::Long: {
        auto s = std::to_string(v.asLong());
        return {s.begin(), s.end()};
    }
    case VarType::Byte: {
        auto s = std::to_string(v.asByte());
        return {s.begin(), s.end()};
    }
    case VarType::Single:
        return formatNumber(v.asSingle(), 7);
    case VarType::Double:
        return formatNumber(v.asDouble(), 15);
    case VarType::Currency:
        return formatCurrency(v.asCurrency());
    case VarType::Date:
        return formatDate(v.asDate());
    case VarType::Boolean:
        return v.asBoolean() ? u"True" : u"False";
    case VarType::String:
        return v.asString();
    case VarType::Error: {
        auto s = "Error " + std::to_string(v.asError() & 0xFFFF);
        return {s.begin(), s.end()};
    }
    case VarType::Ref:
        return toString(v.deref());
    default:
        mismatch();
    }
}

Value toArithmetic(const Value& v) {
    switch (v.type()) {
    case VarType::Empty:
        return Value::integer(0);
    case VarType::Boolean:
        return Value::integer(v.asBoolean() ? -1 : 0);
    case VarType::String: {
        double d;
        if (!parseNumber(v.asString(), d)) mismatch();
        return Value::dbl(d);
    }
    case VarType::Integer:
    case VarType::Long:
    case VarType::Single:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Date:
    case VarType::Byte:
    case VarType::Null:
        return v;
    case VarType::Ref:
        return toArithmetic(v.deref());
    default:
        mismatch();
    }
}

int varTypeNumber(const Value& v) {
    const Value& d = v.deref();
    return int(d.type());
}

std::u16string typeNameOf(const Value& v) {
    const Value& d = v.deref();
    switch (d.type()) {
    case VarType::Empty:
        return u"Empty";
    case VarType::Null:
        return u"Null";
    case VarType::Integer:
        return u"Integer";
    case VarType::Long:
        return u"Long";
    case VarType::Single:
        return u"Single";
    case VarType::Double:
        return u"Double";
    case VarType::Currency:
        return u"Currency";
    case VarType::Date:
        return u"Date";
    case VarType::String:
        return u"String";
    case VarType::Object:
        return d.asObject() ? d.asObject()->typeName() : u"Nothing";
    case VarType::Error:
        return u"Error";
    case VarType::Boolean:
        return u"Boolean";
    case VarType::Byte:
        return u"Byte";
    case VarType::Array:
        return u"Variant()";
    default:
        return u"Unknown";
    }
}

} // namespace vbs
