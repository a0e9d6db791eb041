// FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in the
// active locale: two decimals, a leading zero, groups of three digits and the
// locale's separators, currency symbol and patterns for amounts (in English
// (United States) "$" before amounts and negative amounts in parentheses).
#include "Builtins.h"

#include "../Convert.h"
#include "../Dates.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../Locale.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vbs {

namespace {

constexpr int kDefaultDigits = 2;
constexpr int kMaxDigits = 255;

// The digits of |x| rounded half away from zero to `decimals` places. Like
// the classic functions this rounds the number's 15-digit decimal form, so
// 1.005 (stored as 1.00499999...) still rounds up to 1.01.
struct Decimal {
    std::string intPart;  // no leading zeros; "0" when below one
    std::string fraction; // exactly `decimals` digits
    bool zero = true;
};

Decimal roundDecimal(double x, int decimals) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    // digits[1..n] hold the significant digits; digits[0] takes a carry.
    char digits[20];
    int n = 15;
    digits[0] = '0';
    digits[1] = buf[0];
    std::memcpy(digits + 2, buf + 2, 14);
    int point = std::atoi(std::strchr(buf, 'e') + 1) + 1; // digits before the decimal point
    int first = 1;
    int keep = point + decimals;
    if (x == 0 || keep < 0) {
        n = 0;
    } else if (keep < n) {
        bool up = digits[first + keep] >= '5';
        n = keep;
        for (int i = first + keep - 1; up && i >= first; --i) {
            if (digits[i] == '9')
                digits[i] = '0';
            else {
                ++digits[i];
                up = false;
            }
        }
        if (up) {
            digits[0] = '1';
            first = 0;
            ++n;
            ++point;
        }
    }
    auto digitAt = [&](int i) { return i >= 0 && i < n ? digits[first + i] : '0'; };
    Decimal r;
    for (int i = 0; i < point; ++i)
        r.intPart.push_back(digitAt(i));
    size_t nz = r.intPart.find_first_not_of('0');
    if (nz == std::string::npos)
        r.intPart.assign(1, '0');
    else
        r.intPart.erase(0, nz);
    for (int i = point; i < point + decimals; ++i)
        r.fraction.push_back(digitAt(i));
    r.zero = r.intPart == "0" && r.fraction.find_first_not_of('0') == std::string::npos;
    return r;
}

// vbTrue / vbFalse / vbUseDefault (-2); any other non-zero value counts as true.
bool tristateArg(Interp& rt, std::span<Value> a, size_t i, bool byDefault) {
    if (!hasArg(a, i)) return byDefault;
    int32_t v = argLong(rt, a, i);
    return v == -2 ? byDefault : v != 0;
}

struct Style {
    int digits = kDefaultDigits;
    bool leadingDigit = true;
    bool parens = false;
    bool group = true;
};

// The value and the four optional arguments shared by the number formats.
// A Null value is a Type mismatch: it is converted like any other.
double readArgs(Interp& rt, std::span<Value> a, Style& style) {
    rejectNull(a, {1, 2, 3, 4});
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) throwError(Err::TypeMismatch);
    double x;
    if (v.isString()) {
        if (!parseNumber(v.asString(), x)) throwError(Err::TypeMismatch);
    } else {
        x = toDouble(v);
    }
    if (!std::isfinite(x)) throwError(Err::Overflow);
    if (hasArg(a, 1)) {
        int32_t d = argLong(rt, a, 1);
        if (d < -1 || d > kMaxDigits) throwError(Err::InvalidCall);
        if (d != -1) style.digits = d; // -1: the default, the locale's for amounts
    }
    style.leadingDigit = tristateArg(rt, a, 2, style.leadingDigit);
    style.parens = tristateArg(rt, a, 3, style.parens);
    style.group = tristateArg(rt, a, 4, style.group);
    return x;
}

// The digits of |x| with the locale's separators: "1,234.50".
std::u16string magnitude(const Decimal& d, const Style& style, const LocaleInfo& loc) {
    std::u16string out;
    if (style.leadingDigit || d.intPart != "0" || style.digits == 0) {
        for (size_t i = 0; i < d.intPart.size(); ++i) {
            if (style.group && i && (d.intPart.size() - i) % 3 == 0) out += loc.group;
            out += char16_t(d.intPart[i]);
        }
    }
    if (style.digits > 0) {
        out += loc.decimal;
        out.append(d.fraction.begin(), d.fraction.end());
    }
    return out;
}

Value formatted(double x, const Style& style, std::u16string_view suffix) {
    Decimal d = roundDecimal(x, style.digits);
    // A value that rounds to zero shows no sign.
    bool negative = x < 0 && !d.zero;
    std::u16string out;
    if (negative) out += style.parens ? u'(' : u'-';
    out += magnitude(d, style, activeLocale());
    out += suffix;
    if (negative && style.parens) out += u')';
    return Value::string(std::move(out));
}

Value formatNumberFn(Interp& rt, std::span<Value> a) {
    Style style;
    double x = readArgs(rt, a, style);
    return formatted(x, style, u"");
}

bool hasParens(const LocaleInfo& loc) {
    return kNegativeCurrency[loc.currencyNegative][0] == u'(';
}

// Amounts follow the locale's patterns; asked for parentheses (or not) against
// the locale's habit, the positive pattern is wrapped in them (or signed).
Value formatCurrencyFn(Interp& rt, std::span<Value> a) {
    const LocaleInfo& loc = activeLocale();
    Style style;
    style.parens = hasParens(loc);
    style.digits = loc.currencyDigits;
    double x = readArgs(rt, a, style);
    Decimal d = roundDecimal(x, style.digits);
    bool negative = x < 0 && !d.zero;
    std::u16string_view pattern = kPositiveCurrency[loc.currencyPositive];
    std::u16string before, after;
    if (negative && style.parens == hasParens(loc)) {
        pattern = kNegativeCurrency[loc.currencyNegative];
    } else if (negative) {
        before = style.parens ? u"(" : u"-";
        after = style.parens ? u")" : u"";
    }
    std::u16string out = before;
    for (char16_t c : pattern) {
        if (c == u'$')
            out += loc.currency;
        else if (c == u'n')
            out += magnitude(d, style, loc);
        else
            out += c;
    }
    out += after;
    return Value::string(std::move(out));
}

Value formatPercentFn(Interp& rt, std::span<Value> a) {
    Style style;
    double x = readArgs(rt, a, style) * 100.0;
    if (!std::isfinite(x)) throwError(Err::Overflow);
    return formatted(x, style, u"%");
}

Value formatDateTimeFn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) throwError(Err::TypeMismatch);
    double d = toDate(v);
    if (!serialInRange(d)) throwError(Err::Overflow);
    int32_t form = hasArg(a, 1) ? argLong(rt, a, 1) : 0;
    if (form < 0 || form > 4) throwError(Err::InvalidCall);
    return Value::string(formatDateForm(d, DateForm(form)));
}

const BuiltinInfo kTable[] = {
    {u"formatnumber", 1, 5, formatNumberFn},
    {u"formatcurrency", 1, 5, formatCurrencyFn},
    {u"formatpercent", 1, 5, formatPercentFn},
    {u"formatdatetime", 1, 2, formatDateTimeFn},
};

} // namespace

std::span<const BuiltinInfo> formatBuiltins() {
    return kTable;
}

} // namespace vbs
