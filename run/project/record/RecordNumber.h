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

// The shortest text that reads back exactly: whole numbers below 1e15 as integers, other
// magnitudes from 1e-4 to below 1e15 in plain decimals, the rest as mantissa "E" exponent.
std::string FormatNumber(double value);

} // namespace run::record_detail
