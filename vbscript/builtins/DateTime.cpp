// Now, Date, Time, Timer and the date part functions.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <chrono>
#include <ctime>

namespace vbs {

namespace {

double localNow() {
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    return dateSerial(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) + timeSerial(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

Value nowFn(Interp&, std::span<Value>) { return Value::date(localNow()); }
Value dateFn(Interp&, std::span<Value>) { return Value::date(std::floor(localNow())); }
Value timeFn(Interp&, std::span<Value>) {
    double n = localNow();
    return Value::date(n - std::floor(n));
}

Value timer(Interp&, std::span<Value>) {
    auto now = std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return Value::single(float(tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec) + float(ms) / 1000.0f);
}

Value part(Interp& rt, std::span<Value> a, int which) {
    Value v = argScalar(rt, a, 0);
    if (v.isNull()) return v;
    DateParts p = dateParts(toDate(v));
    int r = 0;
    switch (which) {
    case 0: r = p.year; break;
    case 1: r = p.month; break;
    case 2: r = p.day; break;
    case 3: r = p.hour; break;
    case 4: r = p.minute; break;
    case 5: r = p.second; break;
    default: r = p.weekday; break;
    }
    return Value::integer(int16_t(r));
}
Value year(Interp& rt, std::span<Value> a) { return part(rt, a, 0); }
Value month(Interp& rt, std::span<Value> a) { return part(rt, a, 1); }
Value day(Interp& rt, std::span<Value> a) { return part(rt, a, 2); }
Value hour(Interp& rt, std::span<Value> a) { return part(rt, a, 3); }
Value minute(Interp& rt, std::span<Value> a) { return part(rt, a, 4); }
Value second(Interp& rt, std::span<Value> a) { return part(rt, a, 5); }
Value weekday(Interp& rt, std::span<Value> a) { return part(rt, a, 6); }

Value dateSerialFn(Interp& rt, std::span<Value> a) {
    return Value::date(dateSerial(argLong(rt, a, 0), argLong(rt, a, 1), argLong(rt, a, 2)));
}
Value timeSerialFn(Interp& rt, std::span<Value> a) {
    return Value::date(timeSerial(argLong(rt, a, 0), argLong(rt, a, 1), argLong(rt, a, 2)));
}

const BuiltinInfo kTable[] = {
    {u"now", 0, 0, nowFn}, {u"date", 0, 0, dateFn}, {u"time", 0, 0, timeFn}, {u"timer", 0, 0, timer},
    {u"year", 1, 1, year}, {u"month", 1, 1, month}, {u"day", 1, 1, day}, {u"hour", 1, 1, hour},
    {u"minute", 1, 1, minute}, {u"second", 1, 1, second}, {u"weekday", 1, 2, weekday},
    {u"dateserial", 3, 3, dateSerialFn}, {u"timeserial", 3, 3, timeSerialFn},
};

}  // namespace

std::span<const BuiltinInfo> dateTimeBuiltins() { return kTable; }

}  // namespace vbs
