// Abs, Int, Fix, Sgn, Round, Sqr, Exp, Log, trigonometry, Rnd, Randomize, RGB.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../Operators.h"

#include <cmath>
#include <cstring>

namespace vbs {

namespace {

Value num(Interp& rt, std::span<Value> a) {
    return toArithmetic(argScalar(rt, a, 0));
}

Value absFn(Interp& rt, std::span<Value> a) {
    Value v = num(rt, a);
    switch (v.type()) {
    case VarType::Null:
        return v;
    case VarType::Integer:
        return v.asInteger() < 0 ? opNeg(v) : v;
    case VarType::Long:
        return v.asLong() < 0 ? opNeg(v) : v;
    case VarType::Single:
        return Value::single(std::fabs(v.asSingle()));
    case VarType::Currency:
        if (v.asCurrency() == INT64_MIN) throwError(Err::Overflow);
        return Value::currency(v.asCurrency() < 0 ? -v.asCurrency() : v.asCurrency());
    case VarType::Byte:
        return v;
    default:
        return Value::dbl(std::fabs(toDouble(v)));
    }
}

// Currency is rounded in its own scaled integers, so large amounts stay exact.
int64_t currencyFloor(int64_t scaled, bool towardZero) {
    int64_t whole = scaled / 10000, rest = scaled % 10000;
    if (rest < 0 && !towardZero) --whole;
    return whole * 10000;
}

Value rounding(Interp& rt, std::span<Value> a, bool towardZero) {
    Value v = num(rt, a);
    auto fn = [towardZero](double x) { return towardZero ? std::trunc(x) : std::floor(x); };
    switch (v.type()) {
    case VarType::Null:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
        return v;
    case VarType::Single:
        return Value::single(float(fn(v.asSingle())));
    case VarType::Currency:
        return Value::currency(currencyFloor(v.asCurrency(), towardZero));
    case VarType::Date:
        return Value::date(fn(v.asDate()));
    default:
        return Value::dbl(fn(toDouble(v)));
    }
}
Value intFn(Interp& rt, std::span<Value> a) {
    return rounding(rt, a, false);
}
Value fixFn(Interp& rt, std::span<Value> a) {
    return rounding(rt, a, true);
}

// Unlike Abs, Int and Fix, Sgn takes no Null.
Value sgn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0});
    Value v = num(rt, a);
    double d = toDouble(v);
    return Value::integer(int16_t(d > 0 ? 1 : d < 0 ? -1 : 0));
}

// Round(x, places): half to even; whole-number subtypes and Booleans come back
// unchanged, Single stays Single, Currency stays Currency, everything else is a Double.
Value roundFn(Interp& rt, std::span<Value> a) {
    rejectNull(a, {1});
    Value v = argScalar(rt, a, 0);
    if (v.type() != VarType::Boolean) v = toArithmetic(v);
    int32_t places = hasArg(a, 1) ? argLong(rt, a, 1) : 0;
    if (places < 0) throwError(Err::InvalidCall);
    if (v.isNull()) return v;
    switch (v.type()) {
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
        return v;
    case VarType::Currency: {
        if (places >= 4) return v;
        int64_t unit = 1;
        for (int i = places; i < 4; ++i)
            unit *= 10;
        int64_t c = v.asCurrency(), q = c / unit, r = c % unit;
        if (r < 0) {
            r += unit;
            --q;
        }
        if (2 * r > unit || (2 * r == unit && (q & 1))) ++q;
        return Value::currency(q * unit);
    }
    default:
        break;
    }
    double d = toDouble(v);
    double scale = std::pow(10.0, places > 22 ? 22 : places);
    double scaled = d * scale;
    // Past 2^52 a Double has no fraction left to round.
    double r = std::fabs(scaled) >= 4503599627370496.0 ? d : roundHalfEven(scaled) / scale;
    if (v.type() == VarType::Single) return Value::single(float(r));
    return Value::dbl(r);
}

Value math1(Interp& rt, std::span<Value> a, double (*fn)(double)) {
    Value v = num(rt, a);
    if (v.isNull()) return v;
    double r = fn(toDouble(v));
    if (std::isnan(r)) throwError(Err::InvalidCall);
    if (std::isinf(r)) throwError(Err::Overflow);
    return Value::dbl(r);
}
Value sqr(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return x < 0 ? NAN : std::sqrt(x); });
}
Value expFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return std::exp(x); });
}
Value logFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return x <= 0 ? NAN : std::log(x); });
}
Value sinFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return std::sin(x); });
}
Value cosFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return std::cos(x); });
}
Value tanFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return std::tan(x); });
}
Value atnFn(Interp& rt, std::span<Value> a) {
    return math1(rt, a, [](double x) { return std::atan(x); });
}

// The classic generator, so a seeded script repeats its sequence:
//   x = (x * 1140671485 + 12820163) mod 2^24, Rnd = x / 2^24 as a Single,
// starting from x = &H50000 (the first Rnd of a fresh engine is 0.7055475).
// * Rnd(n < 0) restarts from the bits b of n as a Single: x = b + b \ 2^24,
//   then one step; the same negative number always gives the same value.
// * Rnd(0) returns the last value again; Rnd(n > 0) and Rnd are the next one.
// * Randomize n replaces the middle 16 bits of x (bits 8..23) by the XOR of
//   the two 16-bit halves of the upper 32 bits of n as a Double;
//   Randomize without a number does that with Timer.
// The 24-bit state is the engine's rndState(); a reset starts it afresh.
constexpr float kRndScale = 16777216.0f;
uint32_t rndState(Interp& rt) {
    return rt.rndState();
}
void setRndState(Interp& rt, uint32_t x) {
    rt.rndState() = x & 0xFFFFFF;
}
uint32_t rndStep(uint32_t x) {
    return (x * 1140671485u + 12820163u) & 0xFFFFFF;
}

Value rnd(Interp& rt, std::span<Value> a) {
    uint32_t x = rndState(rt);
    if (hasArg(a, 0)) {
        float n = toSingle(argScalar(rt, a, 0));
        if (n == 0) return Value::single(float(x) / kRndScale);
        if (n < 0) {
            uint32_t bits;
            std::memcpy(&bits, &n, sizeof bits);
            x = bits + (bits >> 24);
        }
    }
    x = rndStep(x);
    setRndState(rt, x);
    return Value::single(float(x) / kRndScale);
}

Value randomize(Interp& rt, std::span<Value> a) {
    double n;
    if (hasArg(a, 0)) {
        n = toDouble(argScalar(rt, a, 0));
    } else {
        static const BuiltinInfo* timer = findBuiltin(u"timer");
        n = timer ? toDouble(timer->fn(rt, {})) : 0.0;
    }
    uint64_t bits;
    std::memcpy(&bits, &n, sizeof bits);
    uint32_t high = uint32_t(bits >> 32);
    uint32_t mix = (high ^ (high >> 16)) & 0xFFFF;
    setRndState(rt, (rndState(rt) & 0xFF) | (mix << 8));
    return {};
}

// RGB(r, g, b) = r + g * 256 + b * 65536; a part above 255 counts as 255.
Value rgb(Interp& rt, std::span<Value> a) {
    rejectNull(a, {0, 1, 2});
    int32_t parts[3];
    for (size_t i = 0; i < 3; ++i) {
        int32_t p = argLong(rt, a, i);
        if (p < 0) throwError(Err::InvalidCall);
        parts[i] = p > 255 ? 255 : p;
    }
    return Value::longv(parts[0] + parts[1] * 256 + parts[2] * 65536);
}

const BuiltinInfo kTable[] = {
    {u"abs", 1, 1, absFn}, {u"int", 1, 1, intFn},           {u"fix", 1, 1, fixFn},
    {u"sgn", 1, 1, sgn},   {u"round", 1, 2, roundFn},       {u"sqr", 1, 1, sqr},
    {u"exp", 1, 1, expFn}, {u"log", 1, 1, logFn},           {u"sin", 1, 1, sinFn},
    {u"cos", 1, 1, cosFn}, {u"tan", 1, 1, tanFn},           {u"atn", 1, 1, atnFn},
    {u"rnd", 0, 1, rnd},   {u"randomize", 0, 1, randomize}, {u"rgb", 3, 3, rgb},
};

} // namespace

std::span<const BuiltinInfo> mathBuiltins() {
    return kTable;
}

} // namespace vbs
