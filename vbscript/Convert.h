#pragma once
// The classic coercion rules between Variant subtypes. Objects must already
// have been reduced to their default value by the caller (the interpreter).
#include "Value.h"

#include <string>
#include <string_view>

namespace vbs {

double toDouble(const Value& v);
float toSingle(const Value& v);
int32_t toLong(const Value& v); // banker's rounding, Overflow outside the range
int16_t toInteger(const Value& v);
uint8_t toByte(const Value& v);
int64_t toCurrency(const Value& v); // scaled by 10 000
double toDate(const Value& v);
bool toBool(const Value& v);
std::u16string toString(const Value& v);

// Reduces a String / Empty / Boolean operand to a number for arithmetic:
// Empty -> Integer 0, String -> Double (Type mismatch when not numeric).
Value toArithmetic(const Value& v);

struct LocaleInfo;

// Parses a numeric string as the classic engine does, with the separators and
// currency symbol of the active locale (Locale.h; English (United States) here):
// blanks around, a leading or trailing sign or parentheses, a "$", thousands
// commas, decimals, exponent, &H / &O prefixes. False when it is not a number.
bool parseNumber(std::u16string_view s, double& out);
// Parses a date / time string ("1/2/2003", "2003-01-02 10:30", "10:30 PM")
// in the locale's order of day and month and with its month names; without
// one, in English (United States), as date literals are read whatever the locale.
bool parseDate(std::u16string_view s, double& out);
bool parseDate(std::u16string_view s, double& out, const LocaleInfo& locale);

double roundHalfEven(double x);
// The texts of CStr, in the active locale.
std::u16string formatNumber(double x, int precision); // precision 15: Double, 7: Single
std::u16string formatCurrency(int64_t scaled);
std::u16string formatDate(double d);

// Serial day numbers (0 = 30 Dec 1899) to and from calendar dates.
double dateSerial(int year, int month, int day);
double timeSerial(int hour, int minute, int second);
struct DateParts {
    int year, month, day, hour, minute, second, weekday;
};
DateParts dateParts(double d);

// vbTextCompare: characters are compared case-folded (ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic); foldText folds a whole string.
char16_t foldCase(char16_t c);  // also the lower-case letter (LCase)
char16_t upperCase(char16_t c); // UCase, over the same letters
std::u16string foldText(std::u16string_view s);

// A value's VarType number and TypeName text (objects ask the object).
int varTypeNumber(const Value& v);
std::u16string typeNameOf(const Value& v);

} // namespace vbs
