#pragma once
// The numeric fast path of the binary operators: Integer, Long and Double
// operands, the types counters and loops hold, computed inline with exactly
// the results of the general Variant rules (Operators.cpp). Expressions,
// `x = a op b` assignments and conditions all use this one copy.
#include "Ast.h"
#include "Value.h"

#include <cmath>
#include <cstdint>

namespace vbs::fast {

inline bool isInt(VarType t) {
    return t == VarType::Integer || t == VarType::Long;
}
inline bool isNumber(VarType t) {
    return isInt(t) || t == VarType::Double;
}
// The value of an operand isInt accepts.
inline int64_t intOf(const Value& v) {
    return v.type() == VarType::Integer ? v.asInteger() : v.asLong();
}
// The value of an operand isNumber accepts.
inline double doubleOf(const Value& v) {
    return v.type() == VarType::Double ? v.asDouble() : double(intOf(v));
}

inline bool isComparison(Op op) {
    return op >= Op::Eq && op <= Op::Ge;
}
// x op y for one of the six comparisons.
template <class T> inline bool compare(Op op, T x, T y) {
    switch (op) {
    case Op::Eq:
        return x == y;
    case Op::Ne:
        return x != y;
    case Op::Lt:
        return x < y;
    case Op::Gt:
        return x > y;
    case Op::Le:
        return x <= y;
    default:
        return x >= y;
    }
}

// An integer result in the narrowest type its operands allow: Integer with
// Integer stays Integer while it fits, then becomes Long; past Long it becomes
// Double, so integer overflow is never an error.
inline Value fitInt(int64_t v, bool bothInteger) {
    if (bothInteger && v >= INT16_MIN && v <= INT16_MAX) return Value::integer(int16_t(v));
    if (v >= INT32_MIN && v <= INT32_MAX) return Value::longv(int32_t(v));
    return Value::dbl(double(v));
}

// l op r for +, -, *, / and the comparisons on Integer, Long and Double
// operands, and integer division and Mod on Integer and Long ones. Empty
// (which no such result is) for anything else, for a division by zero, and
// for a Double result out of range: the general rules report those.
// Returning the Value lets callers build it in place: this runs for most
// arithmetic a script does.
inline Value binary(Op op, const Value& l, const Value& r) {
    VarType lt = l.type(), rt = r.type();
    if (isInt(lt) && isInt(rt)) {
        // Integer and Long operands cannot overflow 64 bits, even multiplied.
        int64_t x = intOf(l), y = intOf(r);
        bool bothInteger = lt == VarType::Integer && rt == VarType::Integer;
        switch (op) {
        case Op::Add:
            return fitInt(x + y, bothInteger);
        case Op::Sub:
            return fitInt(x - y, bothInteger);
        case Op::Mul:
            return fitInt(x * y, bothInteger);
        case Op::IntDiv: // truncated toward zero, as the general rule does on whole operands
            return y == 0 ? Value() : fitInt(x / y, bothInteger);
        case Op::Mod:
            return y == 0 ? Value() : fitInt(x % y, bothInteger);
        case Op::Div:
            if (y == 0) return {};
            return Value::dbl(double(x) / double(y));
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Gt:
        case Op::Le:
        case Op::Ge:
            return Value::boolean(compare(op, x, y));
        default:
            return {};
        }
    }
    if (!isNumber(lt) || !isNumber(rt)) return {};
    double x = doubleOf(l), y = doubleOf(r), v;
    switch (op) {
    case Op::Add:
        v = x + y;
        break;
    case Op::Sub:
        v = x - y;
        break;
    case Op::Mul:
        v = x * y;
        break;
    case Op::Div:
        if (y == 0) return {};
        v = x / y;
        break;
    case Op::Eq:
    case Op::Ne:
    case Op::Lt:
    case Op::Gt:
    case Op::Le:
    case Op::Ge:
        return Value::boolean(compare(op, x, y));
    default:
        return {};
    }
    if (!std::isfinite(v)) return {};
    return Value::dbl(v);
}

} // namespace vbs::fast
