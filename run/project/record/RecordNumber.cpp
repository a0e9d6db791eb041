#include "run/project/record/RecordNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace run::record_detail {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool equalsAsciiNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = char(c - 32);
        if (c != b[i]) return false;
    }
    return true;
}

} // namespace

NumberParse ParseNumber(std::string_view s, double& out) {
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    const std::size_t mantissaStart = i;

    // Fast path: plain integers small enough to be exact in a double.
    std::uint64_t whole = 0;
    std::size_t n = 0;
    while (i < s.size() && isDigit(s[i]) && n < 16)
        whole = whole * 10 + std::uint64_t(s[i++] - '0'), ++n;
    if (i == s.size() && n > 0) {
        out = negative ? -double(whole) : double(whole);
        return NumberParse::Ok;
    }

    // Full syntax check; from_chars alone would also take "inf", "nan" and hex forms.
    i = mantissaStart;
    std::size_t intDigits = 0, fracDigits = 0;
    // Power of ten of the first non-zero mantissa digit, to tell underflow from overflow.
    long long leadPower = 0;
    bool nonZero = false;
    while (i < s.size() && isDigit(s[i])) {
        if (!nonZero && s[i] != '0')
            nonZero = true, leadPower = 0;
        else if (nonZero)
            ++leadPower;
        ++i, ++intDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++fracDigits;
            if (!nonZero && s[i] != '0') nonZero = true, leadPower = -(long long)fracDigits;
            ++i;
        }
    }
    if (intDigits + fracDigits == 0) return NumberParse::NotNumber;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        const bool expNegative = i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[i] - '0');
            ++i, ++expDigits;
        }
        if (expDigits == 0) return NumberParse::NotNumber;
        if (expNegative) exponent = -exponent;
    }
    if (i != s.size()) return NumberParse::NotNumber;

    if (!nonZero) {
        out = negative ? -0.0 : 0.0;
        return NumberParse::Ok;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data() + mantissaStart, s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (leadPower + exponent < 0) {
            out = negative ? -0.0 : 0.0;
            return NumberParse::Ok;
        }
        return NumberParse::Overflow;
    }
    if (ec != std::errc() || end != s.data() + s.size()) return NumberParse::NotNumber;
    if (!std::isfinite(value)) return NumberParse::Overflow;
    out = negative ? -value : value;
    return NumberParse::Ok;
}

Keyword ParseKeyword(std::string_view text) {
    if (text.size() < 6 || text.front() != '#' || text.back() != '#') return Keyword::None;
    if (equalsAsciiNoCase(text, "#TRUE#")) return Keyword::True;
    if (equalsAsciiNoCase(text, "#FALSE#")) return Keyword::False;
    if (equalsAsciiNoCase(text, "#NULL#")) return Keyword::Null;
    return Keyword::None;
}

std::string FormatNumber(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    // Plain decimals as the classic writer prints them, the exponent only for magnitudes a
    // plain form cannot hold sensibly; both the shortest text that reads back exactly.
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-4 && magnitude < 1e15;
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    if (!plain) {
        const std::size_t e = text.find('e');
        if (e != std::string::npos) text[e] = 'E';
    }
    return text;
}

} // namespace run::record_detail
