// Now, Date, Time, Timer, the date part functions, DateSerial / TimeSerial,
// DateValue / TimeValue, DateAdd, DateDiff, DatePart and the day and month names.
#include "Builtins.h"

#include "../Convert.h"
#include "../Dates.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../Locale.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <ctime>
#include <optional>

namespace vbs {

namespace {

// ---- the clock ----

std::tm localTm(std::chrono::system_clock::time_point now) {
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

double localNow() {
    std::tm tm = localTm(std::chrono::system_clock::now());
    return joinDate(dayNumber(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday),
                    tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec);
}

Value nowFn(Interp&, std::span<Value>) {
    return Value::date(localNow());
}
Value dateFn(Interp&, std::span<Value>) {
    return Value::date(joinDate(splitDate(localNow()).day, 0));
}
Value timeFn(Interp&, std::span<Value>) {
    return Value::date(joinDate(0, splitDate(localNow()).secs));
}

Value timer(Interp&, std::span<Value>) {
    auto now = std::chrono::system_clock::now();
    std::tm tm = localTm(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return Value::single(float(tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) + float(ms) / 1000.0f);
}

// ---- arguments ----

// A date argument; nullopt for Null, which most date functions pass through.
std::optional<DayTime> dateArg(Interp& rt, std::span<Value> a, size_t i) {
    Value v = argScalar(rt, a, i);
    if (v.isNull()) return std::nullopt;
    double d = toDate(v);
    if (!serialInRange(d)) throwError(Err::Overflow);
    return splitDate(d);
}

// firstdayofweek: 1 = Sunday .. 7; vbUseSystemDayOfWeek (0) is Sunday here.
int firstDayArg(Interp& rt, std::span<Value> a, size_t i) {
    if (!hasArg(a, i)) return 1;
    int32_t v = argLong(rt, a, i);
    if (v < 0 || v > 7) throwError(Err::InvalidCall);
    return v == 0 ? 1 : v;
}

enum class FirstWeek { Jan1 = 1, FourDays = 2, FullWeek = 3 };

// firstweekofyear: vbUseSystem (0) is vbFirstJan1 here.
FirstWeek firstWeekArg(Interp& rt, std::span<Value> a, size_t i) {
    if (!hasArg(a, i)) return FirstWeek::Jan1;
    int32_t v = argLong(rt, a, i);
    if (v < 0 || v > 3) throwError(Err::InvalidCall);
    return v == 0 ? FirstWeek::Jan1 : FirstWeek(v);
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval intervalArg(Interp& rt, std::span<Value> a, size_t i) {
    std::u16string s = lowerName(argString(rt, a, i));
    static const std::pair<const char16_t*, Interval> kNames[] = {
        {u"yyyy", Interval::Year},   {u"q", Interval::Quarter}, {u"m", Interval::Month},
        {u"y", Interval::DayOfYear}, {u"d", Interval::Day},     {u"w", Interval::Weekday},
        {u"ww", Interval::Week},     {u"h", Interval::Hour},    {u"n", Interval::Minute},
        {u"s", Interval::Second}};
    for (const auto& [name, iv] : kNames)
        if (s == name) return iv;
    throwError(Err::InvalidCall);
}

Value dateResult(double serial, Err outOfRange) {
    if (!serialInRange(serial)) throwError(outOfRange);
    return Value::date(serial);
}

int64_t floorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Weekday counted from firstDay (1 .. 7).
int relativeWeekday(int64_t day, int firstDay) {
    return (weekdayOfDay(day) - firstDay + 7) % 7 + 1;
}

// ---- parts ----

Value part(Interp& rt, std::span<Value> a, Interval which) {
    // Weekday checks its first day before it passes a Null date through.
    int first = 1;
    if (which == Interval::Weekday) {
        rejectNull(a, {1});
        first = firstDayArg(rt, a, 1);
    }
    auto t = dateArg(rt, a, 0);
    if (!t) return Value::null();
    Civil c = civilFromDay(t->day);
    int r = 0;
    switch (which) {
    case Interval::Year:
        r = int(c.year);
        break;
    case Interval::Month:
        r = c.month;
        break;
    case Interval::Day:
        r = c.day;
        break;
    case Interval::Hour:
        r = int(t->secs / 3600);
        break;
    case Interval::Minute:
        r = int(t->secs / 60 % 60);
        break;
    case Interval::Second:
        r = int(t->secs % 60);
        break;
    default:
        r = relativeWeekday(t->day, first);
        break;
    }
    return Value::integer(int16_t(r));
}
Value year(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Year);
}
Value month(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Month);
}
Value day(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Day);
}
Value hour(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Hour);
}
Value minute(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Minute);
}
Value second(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Second);
}
Value weekday(Interp& rt, std::span<Value> a) {
    return part(rt, a, Interval::Weekday);
}

Value monthName(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1});
    int32_t m = argLong(rt, a, 0);
    if (m < 1 || m > 12) throwError(Err::InvalidCall);
    bool abbreviate = hasArg(a, 1) && toBool(argScalar(rt, a, 1));
    return Value::string(monthNameText(m, abbreviate));
}

Value weekdayName(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2});
    int32_t n = argLong(rt, a, 0);
    if (n < 1 || n > 7) throwError(Err::InvalidCall);
    bool abbreviate = hasArg(a, 1) && toBool(argScalar(rt, a, 1));
    int first = firstDayArg(rt, a, 2);
    return Value::string(weekdayNameText((n - 1 + first - 1) % 7 + 1, abbreviate));
}

// ---- building dates ----

Value dateSerialFn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2});
    int16_t y = toInteger(argScalar(rt, a, 0));
    int16_t m = toInteger(argScalar(rt, a, 1));
    int16_t d = toInteger(argScalar(rt, a, 2));
    return dateResult(dateSerial(int(windowYear(y)), m, d), Err::InvalidCall);
}

Value timeSerialFn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2});
    int16_t h = toInteger(argScalar(rt, a, 0));
    int16_t m = toInteger(argScalar(rt, a, 1));
    int16_t s = toInteger(argScalar(rt, a, 2));
    return Value::date(serialFromSeconds(int64_t(h) * 3600 + int64_t(m) * 60 + s));
}

// DateValue and TimeValue read a date, or a text that is one: Null is refused, and neither a
// number nor a numeric text is taken for a serial day (DateValue(12) is a Type mismatch).
DayTime dateOrText(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0});
    Value v = argScalar(rt, a, 0);
    double d = 0;
    if (v.isString()) {
        if (!parseDate(v.asString(), d, activeLocale())) throwError(Err::TypeMismatch);
    } else if (v.type() == VarType::Date || v.isEmpty()) {
        d = toDate(v);
    } else {
        throwError(Err::TypeMismatch);
    }
    if (!serialInRange(d)) throwError(Err::Overflow);
    return splitDate(d);
}

Value dateValue(Interp& rt, std::span<Value> a) {
    return Value::date(joinDate(dateOrText(rt, a).day, 0));
}

Value timeValue(Interp& rt, std::span<Value> a) {
    return Value::date(joinDate(0, dateOrText(rt, a).secs));
}

// ---- DateAdd, DateDiff, DatePart ----

// Adds months keeping the time of day; a day past the new month's end
// becomes its last day (31 Jan + 1 month = 28 Feb).
double addMonths(const DayTime& t, int64_t months) {
    Civil c = civilFromDay(t.day);
    int64_t m0 = c.year * 12 + (c.month - 1) + months;
    int64_t y = floorDiv(m0, 12);
    int m = int(m0 - y * 12) + 1;
    if (y < 100 || y > 9999) throwError(Err::InvalidCall);
    int d = std::min(c.day, daysInMonth(y, m));
    return joinDate(dayNumber(y, m, d), t.secs);
}

Value dateAdd(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1});
    Interval iv = intervalArg(rt, a, 0);
    double n = roundHalfEven(toDouble(argScalar(rt, a, 1)));
    auto t = dateArg(rt, a, 2);
    if (!t) return Value::null();
    // No count this large keeps the result inside 100 .. 9999, and smaller
    // ones keep the arithmetic below in 64 bits.
    if (!(std::fabs(n) < 1e12)) throwError(Err::InvalidCall);
    int64_t k = int64_t(n);
    int64_t total = t->day * 86400 + t->secs;
    double r = 0;
    switch (iv) {
    case Interval::Year:
        r = addMonths(*t, k * 12);
        break;
    case Interval::Quarter:
        r = addMonths(*t, k * 3);
        break;
    case Interval::Month:
        r = addMonths(*t, k);
        break;
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday:
        r = serialFromSeconds(total + k * 86400);
        break;
    case Interval::Week:
        r = serialFromSeconds(total + k * 7 * 86400);
        break;
    case Interval::Hour:
        r = serialFromSeconds(total + k * 3600);
        break;
    case Interval::Minute:
        r = serialFromSeconds(total + k * 60);
        break;
    case Interval::Second:
        r = serialFromSeconds(total + k);
        break;
    }
    return dateResult(r, Err::InvalidCall);
}

// Counts the boundaries of the interval crossed between the two dates, not
// the elapsed time: from 31 Dec to 1 Jan is one year.
Value dateDiff(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 3, 4});
    Interval iv = intervalArg(rt, a, 0);
    auto t1 = dateArg(rt, a, 1);
    auto t2 = dateArg(rt, a, 2);
    int first = firstDayArg(rt, a, 3);
    firstWeekArg(rt, a, 4); // checked; no interval here depends on it
    if (!t1 || !t2) return Value::null();
    Civil c1 = civilFromDay(t1->day), c2 = civilFromDay(t2->day);
    int64_t s1 = t1->day * 86400 + t1->secs, s2 = t2->day * 86400 + t2->secs;
    int64_t r = 0;
    switch (iv) {
    case Interval::Year:
        r = c2.year - c1.year;
        break;
    case Interval::Quarter:
        r = (c2.year * 4 + (c2.month - 1) / 3) - (c1.year * 4 + (c1.month - 1) / 3);
        break;
    case Interval::Month:
        r = (c2.year * 12 + c2.month) - (c1.year * 12 + c1.month);
        break;
    case Interval::DayOfYear:
    case Interval::Day:
        r = t2->day - t1->day;
        break;
    case Interval::Weekday:
        r = (t2->day - t1->day) / 7;
        break; // whole 7-day periods
    case Interval::Week:
        r = floorDiv(t2->day - first, 7) - floorDiv(t1->day - first, 7);
        break;
    case Interval::Hour:
        r = floorDiv(s2, 3600) - floorDiv(s1, 3600);
        break;
    case Interval::Minute:
        r = floorDiv(s2, 60) - floorDiv(s1, 60);
        break;
    case Interval::Second:
        r = s2 - s1;
        break;
    }
    // Seconds over a few centuries pass the Long range: they come back as a Double.
    if (r < INT32_MIN || r > INT32_MAX) return Value::dbl(double(r));
    return Value::longv(int32_t(r));
}

// The first day of week 1 of a year.
int64_t firstWeekStart(int64_t year, int firstDay, FirstWeek rule) {
    int64_t jan1 = dayNumber(year, 1, 1);
    int64_t start = jan1 - (relativeWeekday(jan1, firstDay) - 1);
    int64_t daysInYear = 7 - (jan1 - start);
    if (rule == FirstWeek::FourDays && daysInYear < 4) start += 7;
    if (rule == FirstWeek::FullWeek && daysInYear < 7) start += 7;
    return start;
}

// Days before week 1 belong to the last week of the year before; with the
// four-day rule the last days of December may already be week 1.
int weekOfYear(int64_t day, int firstDay, FirstWeek rule) {
    int64_t year = civilFromDay(day).year;
    int64_t start = firstWeekStart(year, firstDay, rule);
    if (day < start)
        start = firstWeekStart(year - 1, firstDay, rule);
    else if (rule == FirstWeek::FourDays && day >= firstWeekStart(year + 1, firstDay, rule))
        return 1;
    return int((day - start) / 7 + 1);
}

Value datePart(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 2, 3});
    Interval iv = intervalArg(rt, a, 0);
    auto t = dateArg(rt, a, 1);
    int first = firstDayArg(rt, a, 2);
    FirstWeek rule = firstWeekArg(rt, a, 3);
    if (!t) return Value::null();
    Civil c = civilFromDay(t->day);
    int r = 0;
    switch (iv) {
    case Interval::Year:
        r = int(c.year);
        break;
    case Interval::Quarter:
        r = (c.month - 1) / 3 + 1;
        break;
    case Interval::Month:
        r = c.month;
        break;
    case Interval::DayOfYear:
        r = int(t->day - dayNumber(c.year, 1, 1) + 1);
        break;
    case Interval::Day:
        r = c.day;
        break;
    case Interval::Weekday:
        r = relativeWeekday(t->day, first);
        break;
    case Interval::Week:
        r = weekOfYear(t->day, first, rule);
        break;
    case Interval::Hour:
        r = int(t->secs / 3600);
        break;
    case Interval::Minute:
        r = int(t->secs / 60 % 60);
        break;
    case Interval::Second:
        r = int(t->secs % 60);
        break;
    }
    return Value::integer(int16_t(r));
}

const BuiltinInfo kTable[] = {
    {u"now", 0, 0, nowFn},
    {u"date", 0, 0, dateFn},
    {u"time", 0, 0, timeFn},
    {u"timer", 0, 0, timer},
    {u"year", 1, 1, year},
    {u"month", 1, 1, month},
    {u"day", 1, 1, day},
    {u"hour", 1, 1, hour},
    {u"minute", 1, 1, minute},
    {u"second", 1, 1, second},
    {u"weekday", 1, 2, weekday},
    {u"monthname", 1, 2, monthName},
    {u"weekdayname", 1, 3, weekdayName},
    {u"dateserial", 3, 3, dateSerialFn},
    {u"timeserial", 3, 3, timeSerialFn},
    {u"datevalue", 1, 1, dateValue},
    {u"timevalue", 1, 1, timeValue},
    {u"dateadd", 3, 3, dateAdd},
    {u"datediff", 3, 5, dateDiff},
    {u"datepart", 2, 4, datePart},
};

} // namespace

std::span<const BuiltinInfo> dateTimeBuiltins() {
    return kTable;
}

} // namespace vbs
