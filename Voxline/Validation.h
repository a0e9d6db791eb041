// How the control takes the values scripts write to its properties, and how it turns levels
// and balances into what its players take. Invalid values never fail: each rule replaces them.
#pragma once

#include "ComponentAbi.h"

#include <cstdint>
#include <optional>

namespace voxline {

// A script's value as a number: numbers and booleans as they are, text read as a number
// (blanks around it allowed), Empty as 0; nothing for Null, objects and other text.
std::optional<double> NumberOf(const pc_value& value);

// Whole-number conversion as the classic runtime does it: halves to the even neighbour.
double RoundHalfEven(double x);

// "Numeric": the value halved still converts to a 16-bit integer. Values that pass that test
// but do not fit 16 bits themselves are numeric for no rule that stores 16 bits.
bool IsNumeric(const pc_value& value);

std::int16_t TestInteger(const pc_value& value); // the value, else 0
std::int32_t TestDelay(const pc_value& value);   // not numeric or below 0: 0
std::int16_t TestBalance(const pc_value& value); // not numeric: 0; else within -10..10
std::int16_t TestVolume(const pc_value& value);  // not numeric: 10; else within 0..10

// Level 0 is silence (-10000); level v is (v - 10) x 400 hundredths of a decibel.
std::int32_t PlayerVolume(std::int16_t level);
// Balance -10..10 is b x 400; beyond, the far left (-10000) or right (10000).
std::int32_t PlayerBalance(std::int16_t balance);

} // namespace voxline
