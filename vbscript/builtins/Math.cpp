// Abs, Int, Fix, Sgn, Round, Sqr, Exp, Log, trigonometry, Rnd, Randomize.
#include "Builtins.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"
#include "../Operators.h"

#include <cmath>

namespace vbs {

namespace {

Value num(Interp& rt, std::span<Value> a) { return toArithmetic(argScalar(rt, a, 0)); }

Value absFn(Interp& rt, std::span<Value> a) {
    Value v = num(rt, a);
    switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Integer: return v.asInteger() < 0 ? opNeg(v) : v;
    case VarType::Long: return v.asLong() < 0 ? opNeg(v) : v;
    case VarType::Single: return Value::single(std::fabs(v.asSingle()));
    case VarType::Currency: return Value::currency(v.asCurrency() < 0 ? -v.asCurrency() : v.asCurrency());
    case VarType::Byte: return v;
    default: return Value::dbl(std::fabs(toDouble(v)));
    }
}

Value rounding(Interp& rt, std::span<Value> a, double (*fn)(double)) {
    Value v = num(rt, a);
    switch (v.type()) {
    case VarType::Null: case VarType::Integer: case VarType::Long: case VarType::Byte: return v;
    case VarType::Single: return Value::single(float(fn(v.asSingle())));
    case VarType::Currency: return Value::currency(int64_t(fn(double(v.asCurrency()) / 10000.0)) * 10000);
    case VarType::Date: return Value::date(fn(v.asDate()));
    default: return Value::dbl(fn(toDouble(v)));
    }
}
Value intFn(Interp& rt, std::span<Value> a) { return rounding(rt, a, [](double x) { return std::floor(x); }); }
Value fixFn(Interp& rt, std::span<Value> a) { return rounding(rt, a, [](double x) { return std::trunc(x); }); }

Value sgn(Interp& rt, std::span<Value> a) {
    Value v = num(rt, a);
    if (v.isNull()) return v;
    double d = toDouble(v);
    return Value::integer(int16_t(d > 0 ? 1 : d < 0 ? -1 : 0));
}

Value roundFn(Interp& rt, std::span<Value> a) {
    Value v = num(rt, a);
    if (v.isNull()) return v;
    int places = hasArg(a, 1) ? argLong(rt, a, 1) : 0;
    if (places < 0) throwError(Err::InvalidCall);
    if (v.type() == VarType::Integer || v.type() == VarType::Long || v.type() == VarType::Byte) return v;
    double d = toDouble(v);
    double scale = std::pow(10.0, places > 15 ? 15 : places);
    double r = roundHalfEven(d * scale) / scale;
    if (v.type() == VarType::Single) return Value::single(float(r));
    if (v.type() == VarType::Currency) return Value::currency(toCurrency(Value::dbl(r)));
    return Value::dbl(r);
}

Value math1(Interp& rt, std::span<Value> a, double (*fn)(double), bool positive) {
    Value v = num(rt, a);
    if (v.isNull()) return v;
    double d = toDouble(v);
    if (positive && d < 0) throwError(Err::InvalidCall);
    double r = fn(d);
    if (std::isnan(r)) throwError(Err::InvalidCall);
    if (std::isinf(r)) throwError(Err::Overflow);
    return Value::dbl(r);
}
Value sqr(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::sqrt(x); }, true); }
Value expFn(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::exp(x); }, false); }
Value logFn(Interp& rt, std::span<Value> a) {
    Value v = num(rt, a);
    if (!v.isNull() && toDouble(v) <= 0) throwError(Err::InvalidCall);
    return math1(rt, a, [](double x) { return std::log(x); }, false);
}
Value sinFn(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::sin(x); }, false); }
Value cosFn(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::cos(x); }, false); }
Value tanFn(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::tan(x); }, false); }
Value atnFn(Interp& rt, std::span<Value> a) { return math1(rt, a, [](double x) { return std::atan(x); }, false); }

Value rnd(Interp& rt, std::span<Value> a) {
    if (hasArg(a, 0)) {
        double d = toDouble(argScalar(rt, a, 0));
        if (d == 0) return Value::single(rt.lastRnd());
        if (d < 0) rt.rng().seed(uint32_t(int64_t(d * 1000)));
    }
    float r = float(std::uniform_real_distribution<double>(0.0, 1.0)(rt.rng()));
    if (r >= 1.0f) r = 0.99999994f;
    rt.lastRnd() = r;
    return Value::single(r);
}

Value randomize(Interp& rt, std::span<Value> a) {
    uint32_t seed = hasArg(a, 0) ? uint32_t(int64_t(toDouble(argScalar(rt, a, 0)) * 1000))
                                 : uint32_t(std::chrono::steady_clock::now().time_since_epoch().count());
    rt.rng().seed(seed);
    return {};
}

const BuiltinInfo kTable[] = {
    {u"abs", 1, 1, absFn}, {u"int", 1, 1, intFn}, {u"fix", 1, 1, fixFn}, {u"sgn", 1, 1, sgn},
    {u"round", 1, 2, roundFn}, {u"sqr", 1, 1, sqr}, {u"exp", 1, 1, expFn}, {u"log", 1, 1, logFn},
    {u"sin", 1, 1, sinFn}, {u"cos", 1, 1, cosFn}, {u"tan", 1, 1, tanFn}, {u"atn", 1, 1, atnFn},
    {u"rnd", 0, 1, rnd}, {u"randomize", 0, 1, randomize},
};

}  // namespace

std::span<const BuiltinInfo> mathBuiltins() { return kTable; }

}  // namespace vbs
