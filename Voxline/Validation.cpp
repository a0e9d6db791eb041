#include "Validation.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace voxline {

namespace {

bool fits16(double x) {
    return x >= -32768.0 && x <= 32767.0;
}

// The value passes the halving test and its own whole value fits 16 bits.
std::optional<double> whole16(const pc_value& value) {
    if (!IsNumeric(value)) return std::nullopt;
    const double n = RoundHalfEven(*NumberOf(value));
    if (!fits16(n)) return std::nullopt;
    return n;
}

} // namespace

std::optional<double> NumberOf(const pc_value& value) {
    switch (value.kind) {
    case PC_EMPTY:
        return 0.0;
    case PC_BOOL:
        return value.v.i ? -1.0 : 0.0;
    case PC_INT:
        return static_cast<double>(value.v.i);
    case PC_DOUBLE:
        return std::isfinite(value.v.d) ? std::optional<double>(value.v.d) : std::nullopt;
    case PC_STRING: {
        if (!value.v.s) return std::nullopt;
        std::string text(value.v.s, value.n);
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string::npos) return std::nullopt;
        const std::size_t last = text.find_last_not_of(" \t");
        text = text.substr(first, last - first + 1);
        // "&H1F" and "&O17" as the classic runtime reads them: up to four digits a 16-bit
        // number, up to eight a 32-bit one.
        if (text.size() > 2 && text[0] == '&' &&
            (text[1] == 'H' || text[1] == 'h' || text[1] == 'O' || text[1] == 'o')) {
            const bool hex = text[1] == 'H' || text[1] == 'h';
            const std::string digits = text.substr(2);
            if (digits.size() > (hex ? 8u : 11u)) return std::nullopt;
            for (char c : digits)
                if (hex ? !std::isxdigit(static_cast<unsigned char>(c)) : (c < '0' || c > '7'))
                    return std::nullopt;
            const unsigned long long n = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8);
            if (n <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(n));
            if (n <= 0xFFFFFFFFull) return static_cast<double>(static_cast<std::int32_t>(n));
            return std::nullopt;
        }
        // Digits, a sign, a decimal point and an exponent only: no other text, nor "inf".
        for (char c : text)
            if (!std::isdigit(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.' &&
                c != 'e' && c != 'E')
                return std::nullopt;
        char* end = nullptr;
        errno = 0;
        const double n = std::strtod(text.c_str(), &end);
        if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(n)) return std::nullopt;
        return n;
    }
    default:
        return std::nullopt;
    }
}

double RoundHalfEven(double x) {
    return std::nearbyint(x); // the default rounding mode rounds halves to even
}

bool IsNumeric(const pc_value& value) {
    const std::optional<double> n = NumberOf(value);
    return n && fits16(RoundHalfEven(*n / 2));
}

std::int16_t TestInteger(const pc_value& value) {
    const std::optional<double> n = whole16(value);
    return n ? static_cast<std::int16_t>(*n) : 0;
}

std::int32_t TestDelay(const pc_value& value) {
    if (!IsNumeric(value)) return 0;
    const double n = RoundHalfEven(*NumberOf(value));
    return n < 0 ? 0 : static_cast<std::int32_t>(n);
}

std::int16_t TestBalance(const pc_value& value) {
    const std::optional<double> n = whole16(value);
    if (!n) return 0;
    if (*n < -10) return -10;
    if (*n > 10) return 10;
    return static_cast<std::int16_t>(*n);
}

std::int16_t TestVolume(const pc_value& value) {
    if (!IsNumeric(value)) return 10;
    const double n = *NumberOf(value);
    if (n < 0) return 0;
    if (n > 10) return 10;
    return static_cast<std::int16_t>(RoundHalfEven(n));
}

std::int32_t PlayerVolume(std::int16_t level) {
    if (level == 0) return -10000;
    return static_cast<std::int16_t>((level - 10) * 400);
}

std::int32_t PlayerBalance(std::int16_t balance) {
    if (balance == 0) return 0;
    if (balance < -10) return -10000;
    if (balance > 10) return 10000;
    return static_cast<std::int32_t>(RoundHalfEven(balance / 2.5 * 1000));
}

} // namespace voxline
