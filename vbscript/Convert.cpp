#include "Convert.h"

#include "Errors.h"
#include "Object.h"

#include <cfenv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vbs {

namespace {

bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }

[[noreturn]] void mismatch() { throwError(Err::TypeMismatch); }

double checkedRange(double x, double lo, double hi) {
    if (!(x >= lo - 0.5 && x <= hi + 0.5) || std::isnan(x)) throwError(Err::Overflow);
    double r = roundHalfEven(x);
    if (r < lo || r > hi) throwError(Err::Overflow);
    return r;
}

}  // namespace

double roundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which is to-nearest-even by default.
    return std::nearbyint(x);
}

bool parseNumber(std::u16string_view s, double& out) {
    size_t i = 0, n = s.size();
    while (i < n && isBlank(s[i])) ++i;
    while (n > i && isBlank(s[n - 1])) --n;
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
            int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
            if (d >= base) return false;
            acc = acc * base + d;
            if (acc > 0xFFFFFFFFull) return false;
        }
        // Up to four hex digits is an Integer, so &HFFFF is -1 as in literals.
        bool shortForm = base == 16 ? (n - first) <= 4 : acc <= 0177777;
        out = shortForm && acc <= 0xFFFF ? double(int16_t(uint16_t(acc))) : double(int32_t(uint32_t(acc)));
        return true;
    }
    std::string buf;
    buf.reserve(n - i);
    size_t j = i;
    if (s[j] == '+' || s[j] == '-') buf.push_back(char(s[j++]));
    bool digits = false;
    while (j < n && s[j] >= '0' && s[j] <= '9') { buf.push_back(char(s[j++])); digits = true; }
    if (j < n && s[j] == '.') {
        buf.push_back('.');
        ++j;
        while (j < n && s[j] >= '0' && s[j] <= '9') { buf.push_back(char(s[j++])); digits = true; }
    }
    if (!digits) return false;
    if (j < n && (s[j] == 'e' || s[j] == 'E' || s[j] == 'd' || s[j] == 'D')) {
        buf.push_back('e');
        ++j;
        if (j < n && (s[j] == '+' || s[j] == '-')) buf.push_back(char(s[j++]));
        bool exp = false;
        while (j < n && s[j] >= '0' && s[j] <= '9') { buf.push_back(char(s[j++])); exp = true; }
        if (!exp) return false;
    }
    if (j != n) return false;
    out = std::strtod(buf.c_str(), nullptr);
    return true;
}

double toDouble(const Value& v) {
    switch (v.type()) {
    case VarType::Empty: return 0;
    case VarType::Null: throwError(Err::InvalidNull);
    case VarType::Integer: return v.asInteger();
    case VarType::Long: return v.asLong();
    case VarType::Single: return v.asSingle();
    case VarType::Double: return v.asDouble();
    case VarType::Currency: return double(v.asCurrency()) / 10000.0;
    case VarType::Date: return v.asDate();
    case VarType::Boolean: return v.asBoolean() ? -1 : 0;
    case VarType::Byte: return v.asByte();
    case VarType::String: {
        double d;
        if (parseNumber(v.asString(), d)) return d;
        if (parseDate(v.asString(), d)) return d;
        mismatch();
    }
    case VarType::Ref: return toDouble(v.deref());
    default: mismatch();
    }
}

float toSingle(const Value& v) {
    double d = toDouble(v);
    if (std::fabs(d) > 3.402823466e38) throwError(Err::Overflow);
    return float(d);
}

int32_t toLong(const Value& v) {
    switch (v.type()) {
    case VarType::Integer: return v.asInteger();
    case VarType::Long: return v.asLong();
    case VarType::Boolean: return v.asBoolean() ? -1 : 0;
    case VarType::Byte: return v.asByte();
    case VarType::Empty: return 0;
    default: return int32_t(checkedRange(toDouble(v), INT32_MIN, INT32_MAX));
    }
}

int16_t toInteger(const Value& v) {
    if (v.type() == VarType::Integer) return v.asInteger();
    return int16_t(checkedRange(toDouble(v), INT16_MIN, INT16_MAX));
}

uint8_t toByte(const Value& v) { return uint8_t(checkedRange(toDouble(v), 0, 255)); }

int64_t toCurrency(const Value& v) {
    if (v.type() == VarType::Currency) return v.asCurrency();
    double d = toDouble(v) * 10000.0;
    if (!(std::fabs(d) < 9.2233720368547758e18)) throwError(Err::Overflow);
    return int64_t(roundHalfEven(d));
}

double toDate(const Value& v) {
    if (v.type() == VarType::String) {
        double d;
        if (parseDate(v.asString(), d)) return d;
        if (parseNumber(v.asString(), d)) return d;
        mismatch();
    }
    double d = toDouble(v);
    if (d < -657434.0 || d >= 2958466.0) throwError(Err::Overflow);
    return d;
}

bool toBool(const Value& v) {
    switch (v.type()) {
    case VarType::Boolean: return v.asBoolean();
    case VarType::String: {
        const auto& s = v.asString();
        if (equalsNoCase(s, u"true") || equalsNoCase(s, u"#true#")) return true;
        if (equalsNoCase(s, u"false") || equalsNoCase(s, u"#false#")) return false;
        double d;
        if (parseNumber(s, d)) return d != 0;
        mismatch();
    }
    case VarType::Ref: return toBool(v.deref());
    default: return toDouble(v) != 0;
    }
}

std::u16string formatNumber(double x, int precision) {
    if (x == 0) return u"0";
    if (std::isnan(x)) return u"NaN";
    if (std::isinf(x)) return x > 0 ? u"Infinity" : u"-Infinity";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", precision, x);
    // %G writes a two-digit exponent minimum, as the classic engine does ("1E-05").
    std::u16string r;
    for (const char* p = buf; *p; ++p) r.push_back(char16_t(*p));
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
        while (f.back() == '0') f.pop_back();
        s += f;
    }
    if (neg) s = "-" + s;
    return std::u16string(s.begin(), s.end());
}

namespace {

int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}

const int64_t kEpoch = daysFromCivil(1899, 12, 30);

int monthFromName(std::u16string_view w) {
    static const char16_t* names[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                      u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};
    if (w.size() < 3) return 0;
    auto l = lowerName(w.substr(0, 3));
    for (int i = 0; i < 12; ++i)
        if (l == names[i]) return i + 1;
    return 0;
}

}  // namespace

double dateSerial(int year, int month, int day) {
    // Month and day overflow roll into the next unit, as DateSerial does.
    int64_t y = year, m = month - 1;
    y += m >= 0 ? m / 12 : -((11 - m) / 12);
    m = ((m % 12) + 12) % 12;
    return double(daysFromCivil(y, unsigned(m + 1), 1) - kEpoch + (day - 1));
}

double timeSerial(int hour, int minute, int second) {
    return (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

DateParts dateParts(double d) {
    double dayPart = std::trunc(d);
    double frac = std::fabs(d - dayPart);
    int64_t secs = int64_t(std::llround(frac * 86400.0));
    if (secs >= 86400) { secs -= 86400; dayPart += d < 0 ? -1 : 1; }
    int64_t z = int64_t(dayPart) + kEpoch + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = int64_t(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
    const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
    DateParts p;
    p.year = int(y + (mm <= 2));
    p.month = int(mm);
    p.day = int(dd);
    p.hour = int(secs / 3600);
    p.minute = int(secs / 60 % 60);
    p.second = int(secs % 60);
    int64_t wd = (int64_t(dayPart) % 7 + 7 + 6) % 7;  // serial 0 was a Saturday
    p.weekday = int(wd + 1);                          // 1 = Sunday
    return p;
}

std::u16string formatDate(double d) {
    DateParts p = dateParts(d);
    char buf[64];
    std::string out;
    bool hasDate = std::trunc(d) != 0;
    bool hasTime = d != std::trunc(d);
    if (hasDate || !hasTime) {
        std::snprintf(buf, sizeof buf, "%d/%d/%d", p.month, p.day, p.year);
        out += buf;
    }
    if (hasTime) {
        int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        std::snprintf(buf, sizeof buf, "%s%d:%02d:%02d %s", out.empty() ? "" : " ", h12, p.minute, p.second,
                      p.hour < 12 ? "AM" : "PM");
        out += buf;
    }
    return std::u16string(out.begin(), out.end());
}

bool parseDate(std::u16string_view s, double& out) {
    // Tokenise into numbers, words and separators.
    struct Tok { int kind; int num; int digits; std::u16string_view word; char16_t sep; };
    std::vector<Tok> toks;
    size_t i = 0;
    while (i < s.size()) {
        char16_t c = s[i];
        if (isBlank(c) || c == ',') { ++i; continue; }
        if (c >= '0' && c <= '9') {
            int v = 0, dg = 0;
            while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
                if (dg < 9) v = v * 10 + (s[i] - '0');
                ++dg;
                ++i;
            }
            toks.push_back({0, v, dg, {}, 0});
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            size_t b = i;
            while (i < s.size() && ((s[i] >= 'a' && s[i] <= 'z') || (s[i] >= 'A' && s[i] <= 'Z'))) ++i;
            toks.push_back({1, 0, 0, s.substr(b, i - b), 0});
        } else if (c == '/' || c == '-' || c == ':' || c == '.') {
            toks.push_back({2, 0, 0, {}, c});
            ++i;
        } else {
            return false;
        }
    }
    if (toks.empty()) return false;
    int nums[3] = {0, 0, 0};
    int ndig[3] = {0, 0, 0};
    int nd = 0, month = 0;
    int tnums[3] = {0, 0, 0};
    int nt = 0, ampm = 0;
    bool inTime = false;
    for (size_t k = 0; k < toks.size(); ++k) {
        const Tok& t = toks[k];
        if (t.kind == 0) {
            bool timeNext = k + 1 < toks.size() && toks[k + 1].kind == 2 && toks[k + 1].sep == ':';
            if (timeNext || inTime || (k + 1 < toks.size() && toks[k + 1].kind == 1 && monthFromName(toks[k + 1].word) == 0 && nd > 0)) {
                if (timeNext) inTime = true;
                if (nt >= 3) return false;
                tnums[nt++] = t.num;
            } else {
                if (nd >= 3) return false;
                ndig[nd] = t.digits;
                nums[nd++] = t.num;
            }
        } else if (t.kind == 1) {
            if (equalsNoCase(t.word, u"am") || equalsNoCase(t.word, u"a")) ampm = 1;
            else if (equalsNoCase(t.word, u"pm") || equalsNoCase(t.word, u"p")) ampm = 2;
            else if (int m = monthFromName(t.word)) month = m;
            else return false;
        } else if (t.sep != ':' && inTime) {
            return false;
        }
    }
    if (nt == 0 && ampm && nd == 1) { tnums[nt++] = nums[0]; nd = 0; }
    double day = 0;
    if (nd || month) {
        int y, m, d;
        if (month) {
            if (nd == 1) { m = month; d = nums[0]; y = dateParts(0).year; return false; }
            if (nd != 2) return false;
            m = month;
            if (ndig[0] >= 3) { y = nums[0]; d = nums[1]; }
            else { d = nums[0]; y = nums[1]; if (ndig[1] <= 2 && ndig[0] <= 2 && d > 31) std::swap(d, y); }
        } else if (nd == 3) {
            if (ndig[0] >= 3) { y = nums[0]; m = nums[1]; d = nums[2]; }
            else { m = nums[0]; d = nums[1]; y = nums[2]; if (m > 12 && d <= 12) std::swap(m, d); }
        } else if (nd == 2) {
            return false;
        } else {
            return false;
        }
        if (y < 100 && !(month && ndig[0] >= 3)) y += y < 30 ? 2000 : 1900;
        if (m < 1 || m > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return false;
        day = dateSerial(y, m, d);
        if (dateParts(day).day != d) return false;
    }
    double tm = 0;
    if (nt) {
        int h = tnums[0], mi = nt > 1 ? tnums[1] : 0, se = nt > 2 ? tnums[2] : 0;
        if (ampm) {
            if (h < 1 || h > 12) return false;
            h = h % 12 + (ampm == 2 ? 12 : 0);
        }
        if (h > 23 || mi > 59 || se > 59) return false;
        tm = timeSerial(h, mi, se);
    }
    out = day >= 0 ? day + tm : day - tm;
    return true;
}

std::u16string toString(const Value& v) {
    switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Null: throwError(Err::InvalidNull);
    case VarType::Integer: { auto s = std::to_string(v.asInteger()); return {s.begin(), s.end()}; }
    case VarType::Long: { auto s = std::to_string(v.asLong()); return {s.begin(), s.end()}; }
    case VarType::Byte: { auto s = std::to_string(v.asByte()); return {s.begin(), s.end()}; }
    case VarType::Single: return formatNumber(v.asSingle(), 7);
    case VarType::Double: return formatNumber(v.asDouble(), 15);
    case VarType::Currency: return formatCurrency(v.asCurrency());
    case VarType::Date: return formatDate(v.asDate());
    case VarType::Boolean: return v.asBoolean() ? u"True" : u"False";
    case VarType::String: return v.asString();
    case VarType::Error: { auto s = "Error " + std::to_string(v.asError() & 0xFFFF); return {s.begin(), s.end()}; }
    case VarType::Ref: return toString(v.deref());
    default: mismatch();
    }
}

Value toArithmetic(const Value& v) {
    switch (v.type()) {
    case VarType::Empty: return Value::integer(0);
    case VarType::Boolean: return Value::integer(v.asBoolean() ? -1 : 0);
    case VarType::String: {
        double d;
        if (!parseNumber(v.asString(), d)) mismatch();
        return Value::dbl(d);
    }
    case VarType::Integer: case VarType::Long: case VarType::Single: case VarType::Double:
    case VarType::Currency: case VarType::Date: case VarType::Byte: case VarType::Null:
        return v;
    case VarType::Ref: return toArithmetic(v.deref());
    default: mismatch();
    }
}

int varTypeNumber(const Value& v) {
    const Value& d = v.deref();
    return int(d.type());
}

std::u16string typeNameOf(const Value& v) {
    const Value& d = v.deref();
    switch (d.type()) {
    case VarType::Empty: return u"Empty";
    case VarType::Null: return u"Null";
    case VarType::Integer: return u"Integer";
    case VarType::Long: return u"Long";
    case VarType::Single: return u"Single";
    case VarType::Double: return u"Double";
    case VarType::Currency: return u"Currency";
    case VarType::Date: return u"Date";
    case VarType::String: return u"String";
    case VarType::Object: return d.asObject() ? d.asObject()->typeName() : u"Nothing";
    case VarType::Error: return u"Error";
    case VarType::Boolean: return u"Boolean";
    case VarType::Byte: return u"Byte";
    case VarType::Array: return u"Variant()";
    default: return u"Unknown";
    }
}

}  // namespace vbs
