// Number and keyword conversions of record fields, shared by the reader and RecordVariant.
// Internal to the record library.
#pragma once

#include <string>
#include <string_view>

namespace run::record_detail {

enum class NumberParse { Ok, NotNumber, Overflow };

// Strict decimal syntax: [+-]digits[.digits][(e|E)[+-]digits], at least one digit in the
// mantissa. Values too small for a double become zero; too large ones give Overflow.
NumberParse ParseNumber(std::string_view text, double& out);

enum class Keyword { None, True, False, Null };
Keyword ParseKeyword(std::string_view text); // #TRUE#, #FALSE#, #NULL#, any letter case

// Shortest decimal text; integral values below 1e15 without exponent or ".0".
std::string FormatNumber(double value);

} // namespace run::record_detail
