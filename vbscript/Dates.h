#pragma once
// Calendar arithmetic on serial dates for the date built-ins: a serial split
// into its calendar day and second of the day, day numbers of any year, the
// day and month names and the date / time texts of the active locale.
// The basic conversions (parseDate, formatDate, dateParts) stay in Convert.h.
#include <cstdint>
#include <string>

namespace vbs {

// 1 Jan 100 and the first serial after 31 Dec 9999 23:59:59.
constexpr double kMinDateSerial = -657434.0;
constexpr double kEndDateSerial = 2958466.0;
constexpr int64_t kMinDateDay = -657434;
constexpr int64_t kMaxDateDay = 2958465;

// A moment as whole days after 30 Dec 1899 (negative before it) and the
// seconds into that day, so arithmetic never sees the odd negative serials
// whose fraction counts forward from the day.
struct DayTime {
    int64_t day = 0;
    int64_t secs = 0; // 0 .. 86399
};

// Splits a serial, rounding to the nearest second (a day of 86400 seconds
// rolls into the next calendar day).
DayTime splitDate(double serial);
// The serial for a calendar day and seconds (0 .. 86399).
double joinDate(int64_t day, int64_t secs);
// The same from a second count since 30 Dec 1899 00:00 (may be negative).
double serialFromSeconds(int64_t totalSeconds);
// True when the serial is a date between 1 Jan 100 and 31 Dec 9999.
bool serialInRange(double serial);

// Day number (days after 30 Dec 1899) of a valid calendar date of any year.
int64_t dayNumber(int64_t year, int month, int day);
struct Civil {
    int64_t year;
    int month, day;
};
Civil civilFromDay(int64_t day);
int daysInMonth(int64_t year, int month);
// 1 = Sunday .. 7 = Saturday.
int weekdayOfDay(int64_t day);
// Two-digit years 0..29 are 2000..2029, 30..99 are 1930..1999.
int64_t windowYear(int64_t year);

std::u16string monthNameText(int month, bool abbreviate);     // month 1..12
std::u16string weekdayNameText(int weekday, bool abbreviate); // 1 = Sunday

// FormatDateTime's named forms in the active locale.
enum class DateForm { General = 0, LongDate = 1, ShortDate = 2, LongTime = 3, ShortTime = 4 };
std::u16string formatDateForm(double serial, DateForm form);

} // namespace vbs
