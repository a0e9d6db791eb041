#include "Operators.h"

#include "Convert.h"
#include "Dates.h"
#include "Errors.h"

#include <climits>
#include <cmath>

namespace vbs {

namespace {

// Arithmetic "kind" of an operand once Empty/Boolean/String are reduced.
enum Kind { KByte, KInteger, KLong, KSingle, KDouble, KCurrency, KDate, KNull };

Kind kindOf(const Value& v) {
    switch (v.type()) {
    case VarType::Byte:
        return KByte;
    case VarType::Integer:
        return KInteger;
    case VarType::Long:
        return KLong;
    case VarType::Single:
        return KSingle;
    case VarType::Double:
        return KDouble;
    case VarType::Currency:
        return KCurrency;
    case VarType::Date:
        return KDate;
    case VarType::Null:
        return KNull;
    default:
        throwError(Err::TypeMismatch);
    }
}

Kind resultKind(Kind a, Kind b) {
    if (a == KDate || b == KDate) return KDate;
    if (a == KDouble || b == KDouble) return KDouble;
    if (a == KCurrency || b == KCurrency) return (a == KSingle || b == KSingle) ? KDouble : KCurrency;
    if (a == KSingle || b == KSingle) return (a == KLong || b == KLong) ? KDouble : KSingle;
    if (a == KLong || b == KLong) return KLong;
    if (a == KInteger || b == KInteger) return KInteger;
    return KByte;
}

// The smallest type at least as wide as k that holds r; Double when none does.
Value fitInteger(int64_t r, Kind k) {
    if (k == KByte && r >= 0 && r <= 255) return Value::byte(uint8_t(r));
    if (k <= KInteger && r >= INT16_MIN && r <= INT16_MAX) return Value::integer(int16_t(r));
    if (r >= INT32_MIN && r <= INT32_MAX) return Value::longv(int32_t(r));
    return Value::dbl(double(r));
}

int64_t intOf(const Value& v) {
    switch (v.type()) {
    case VarType::Byte:
        return v.asByte();
    case VarType::Integer:
        return v.asInteger();
    default:
        return v.asLong();
    }
}

Value finishDouble(double r, Kind k) {
    if (std::isinf(r) || std::isnan(r)) throwError(Err::Overflow);
    if (k == KSingle) {
        if (std::fabs(r) > 3.402823466e38) return Value::dbl(r);
        return Value::single(float(r));
    }
    if (k == KDate) {
        if (!serialInRange(r)) throwError(Err::Overflow);
        return Value::date(r);
    }
    return Value::dbl(r);
}

enum class ArOp { Add, Sub, Mul };

// Null in an arithmetic operation makes the result Null before the other operand is converted:
// Null + "x" is Null, not a type mismatch.
bool eitherNull(const Value& a, const Value& b) {
    return a.isNull() || b.isNull();
}

Value arith(ArOp op, const Value& a0, const Value& b0) {
    if (eitherNull(a0, b0)) return Value::null();
    Value a = toArithmetic(a0), b = toArithmetic(b0);
    Kind ka = kindOf(a), kb = kindOf(b);
    if (ka == KNull || kb == KNull) return Value::null();
    Kind k = resultKind(ka, kb);
    if (k <= KLong) {
        int64_t x = intOf(a), y = intOf(b);
        int64_t r = op == ArOp::Add ? x + y : op == ArOp::Sub ? x - y : x * y;
        return fitInteger(r, k);
    }
    if (k == KCurrency) {
        long double x = ka == KCurrency ? (long double)a.asCurrency() : (long double)toDouble(a) * 10000.0L;
        long double y = kb == KCurrency ? (long double)b.asCurrency() : (long double)toDouble(b) * 10000.0L;
        long double r = op == ArOp::Add ? x + y : op == ArOp::Sub ? x - y : x * y / 10000.0L;
        if (!(std::fabs((double)r) < 9.2233720368547758e18)) throwError(Err::Overflow);
        return Value::currency(int64_t(std::nearbyint((double)r)));
    }
    double x = toDouble(a), y = toDouble(b);
    double r = op == ArOp::Add ? x + y : op == ArOp::Sub ? x - y : x * y;
    if (k == KDate && op == ArOp::Sub && ka == KDate && kb == KDate) return finishDouble(r, KDouble);
    if (k == KDate && op == ArOp::Mul) k = KDouble;
    return finishDouble(r, k);
}

} // namespace

Value opAdd(const Value& a, const Value& b) {
    // Both strings concatenate; Empty + String gives the String.
    if (a.isString() && (b.isString() || b.isEmpty()))
        return Value::string(a.asString() + (b.isString() ? b.asString() : u""));
    if (b.isString() && a.isEmpty()) return b;
    if (a.type() == VarType::Integer && b.type() == VarType::Integer) {
        int32_t r = int32_t(a.asInteger()) + b.asInteger();
        if (r >= INT16_MIN && r <= INT16_MAX) return Value::integer(int16_t(r));
        return Value::longv(r);
    }
    if (a.type() == VarType::Double && b.type() == VarType::Double)
        return finishDouble(a.asDouble() + b.asDouble(), KDouble);
    return arith(ArOp::Add, a, b);
}

Value opSub(const Value& a, const Value& b) {
    return arith(ArOp::Sub, a, b);
}
Value opMul(const Value& a, const Value& b) {
    return arith(ArOp::Mul, a, b);
}

Value opDiv(const Value& a0, const Value& b0) {
    if (eitherNull(a0, b0)) return Value::null();
    Value a = toArithmetic(a0), b = toArithmetic(b0);
    if (a.isNull() || b.isNull()) return Value::null();
    double x = toDouble(a), y = toDouble(b);
    if (y == 0) throwError(x == 0 ? Err::Overflow : Err::DivisionByZero);
    // A Single divided with a Single / Integer / Byte stays Single.
    auto small = [](const Value& v) {
        return v.type() == VarType::Single || v.type() == VarType::Integer || v.type() == VarType::Byte;
    };
    if ((a.type() == VarType::Single || b.type() == VarType::Single) && small(a) && small(b))
        return finishDouble(x / y, KSingle);
    return finishDouble(x / y, KDouble);
}

namespace {

// Operands of \ and Mod are rounded to whole numbers first.
bool integerOperands(const Value& a0, const Value& b0, int64_t& x, int64_t& y, Kind& k) {
    if (eitherNull(a0, b0)) return false;
    Value a = toArithmetic(a0), b = toArithmetic(b0);
    Kind ka = kindOf(a), kb = kindOf(b);
    if (ka == KNull || kb == KNull) return false;
    k = resultKind(ka, kb);
    if (k > KLong) k = KLong;
    x = toLong(a);
    y = toLong(b);
    if (y == 0) throwError(Err::DivisionByZero);
    return true;
}

} // namespace

Value opIntDiv(const Value& a, const Value& b) {
    int64_t x, y;
    Kind k;
    if (!integerOperands(a, b, x, y, k)) return Value::null();
    return fitInteger(x / y, k);
}

Value opMod(const Value& a, const Value& b) {
    int64_t x, y;
    Kind k;
    if (!integerOperands(a, b, x, y, k)) return Value::null();
    return fitInteger(x % y, k);
}

Value opPow(const Value& a0, const Value& b0) {
    if (eitherNull(a0, b0)) return Value::null();
    Value a = toArithmetic(a0), b = toArithmetic(b0);
    if (a.isNull() || b.isNull()) return Value::null();
    double x = toDouble(a), y = toDouble(b);
    if (x == 0 && y < 0) throwError(Err::DivisionByZero);
    if (x < 0 && y != std::trunc(y)) throwError(Err::InvalidCall);
    return finishDouble(std::pow(x, y), KDouble);
}

Value opNeg(const Value& a0) {
    Value a = toArithmetic(a0);
    switch (a.type()) {
    case VarType::Null:
        return a;
    case VarType::Byte:
        return Value::integer(int16_t(-int(a.asByte())));
    case VarType::Integer:
        return fitInteger(-int64_t(a.asInteger()), KInteger);
    case VarType::Long:
        return fitInteger(-int64_t(a.asLong()), KLong);
    case VarType::Single:
        return Value::single(-a.asSingle());
    case VarType::Double:
        return Value::dbl(-a.asDouble());
    case VarType::Currency:
        return Value::currency(-a.asCurrency());
    case VarType::Date:
        return finishDouble(-a.asDate(), KDate);
    default:
        throwError(Err::TypeMismatch);
    }
}

Value opConcat(const Value& a, const Value& b) {
    if (a.isNull() && b.isNull()) return Value::null();
    std::u16string s = a.isNull() ? std::u16string() : toString(a);
    if (!b.isNull()) {
        if (b.isString())
            s += b.asString();
        else
            s += toString(b);
    }
    return Value::string(std::move(s));
}

namespace {

enum class LogOp { And, Or, Xor, Eqv, Imp };

int64_t logicEval(LogOp op, int64_t x, int64_t y) {
    switch (op) {
    case LogOp::And:
        return x & y;
    case LogOp::Or:
        return x | y;
    case LogOp::Xor:
        return x ^ y;
    case LogOp::Eqv:
        return ~(x ^ y);
    case LogOp::Imp:
        return ~x | y;
    }
    return 0;
}

// How an operand takes part in a logical operator: Booleans and Bytes keep
// their type and Integers their width; anything else, Empty included, works
// as a Long. A text counts as its number, else as True / False.
enum class LKind : uint8_t { Bool, Byte, Int, Long, Null };

struct LogicOperand {
    LKind kind;
    int64_t bits;
};

LogicOperand logicOperand(const Value& v) {
    switch (v.type()) {
    case VarType::Boolean:
        return {LKind::Bool, v.asBoolean() ? -1 : 0};
    case VarType::Byte:
        return {LKind::Byte, v.asByte()};
    case VarType::Integer:
        return {LKind::Int, v.asInteger()};
    case VarType::Null:
        return {LKind::Null, 0};
    case VarType::String: {
        const std::u16string& s = v.asString();
        double d;
        if (parseNumber(s, d)) return {LKind::Long, toLong(Value::dbl(d))};
        if (equalsNoCase(s, u"true") || equalsNoCase(s, u"#true#")) return {LKind::Bool, -1};
        if (equalsNoCase(s, u"false") || equalsNoCase(s, u"#false#")) return {LKind::Bool, 0};
        throwError(Err::TypeMismatch);
    }
    default:
        return {LKind::Long, toLong(v)};
    }
}

Value logicValue(LKind k, int64_t r) {
    switch (k) {
    case LKind::Bool:
        return Value::boolean(r != 0);
    case LKind::Byte:
        return Value::byte(uint8_t(r));
    case LKind::Int:
        return Value::integer(int16_t(r));
    default:
        return Value::longv(int32_t(r));
    }
}

// Null is "unknown": the result is known where the other operand decides it.
// Unknown bits count as clear unless no bit at all is known.
Value logicWithNull(LogOp op, const LogicOperand& o, bool nullFirst) {
    const int64_t all = o.kind == LKind::Byte ? 0xFF : -1;
    switch (op) {
    case LogOp::And:
        return o.bits == 0 ? logicValue(o.kind, 0) : Value::null();
    case LogOp::Or:
        return o.bits == 0 ? Value::null() : logicValue(o.kind, o.bits);
    case LogOp::Imp:
        if (nullFirst) return o.bits == 0 ? Value::null() : logicValue(o.kind, o.bits);
        return o.bits == all ? Value::null() : logicValue(o.kind, ~o.bits);
    default:
        return Value::null();
    }
}

Value logic(LogOp op, const Value& a, const Value& b) {
    if (a.type() == VarType::Boolean && b.type() == VarType::Boolean)
        return Value::boolean(logicEval(op, a.asBoolean() ? -1 : 0, b.asBoolean() ? -1 : 0) != 0);
    LogicOperand x = logicOperand(a), y = logicOperand(b);
    if (x.kind == LKind::Null || y.kind == LKind::Null) {
        if (x.kind == y.kind) return Value::null();
        return x.kind == LKind::Null ? logicWithNull(op, y, true) : logicWithNull(op, x, false);
    }
    // Boolean or Byte when both are, Integer when both fit 16 bits, else Long.
    LKind k = x.kind == y.kind                               ? x.kind
              : x.kind <= LKind::Int && y.kind <= LKind::Int ? LKind::Int
                                                             : LKind::Long;
    return logicValue(k, logicEval(op, x.bits, y.bits));
}

} // namespace

Value opAnd(const Value& a, const Value& b) {
    return logic(LogOp::And, a, b);
}
Value opOr(const Value& a, const Value& b) {
    return logic(LogOp::Or, a, b);
}
Value opXor(const Value& a, const Value& b) {
    return logic(LogOp::Xor, a, b);
}
Value opEqv(const Value& a, const Value& b) {
    return logic(LogOp::Eqv, a, b);
}
Value opImp(const Value& a, const Value& b) {
    return logic(LogOp::Imp, a, b);
}

Value opNot(const Value& a) {
    if (a.type() == VarType::Boolean) return Value::boolean(!a.asBoolean());
    LogicOperand o = logicOperand(a);
    if (o.kind == LKind::Null) return Value::null();
    return logicValue(o.kind, ~o.bits);
}

namespace {

Cmp cmpNum(double x, double y) {
    return x < y ? Cmp::Less : x > y ? Cmp::Greater : Cmp::Equal;
}

Cmp cmpStr(const std::u16string& x, const std::u16string& y, bool text) {
    if (text) {
        std::u16string lx = x, ly = y;
        for (auto& c : lx)
            if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
        for (auto& c : ly)
            if (c >= 'a' && c <= 'z') c = char16_t(c - 32);
        int r = lx.compare(ly);
        return r < 0 ? Cmp::Less : r > 0 ? Cmp::Greater : Cmp::Equal;
    }
    int r = x.compare(y);
    return r < 0 ? Cmp::Less : r > 0 ? Cmp::Greater : Cmp::Equal;
}

} // namespace

Cmp compareValues(const Value& a, const Value& b, bool aLiteral, bool bLiteral, bool text) {
    VarType ta = a.type(), tb = b.type();
    if (ta == VarType::Null || tb == VarType::Null) {
        if (ta == VarType::Array || tb == VarType::Array) throwError(Err::TypeMismatch);
        return Cmp::Null;
    }
    if (ta == VarType::Integer && tb == VarType::Integer) return cmpNum(a.asInteger(), b.asInteger());
    if (ta == VarType::Long && tb == VarType::Long) return cmpNum(a.asLong(), b.asLong());
    bool sa = ta == VarType::String, sb = tb == VarType::String;
    if (sa && sb) return cmpStr(a.asString(), b.asString(), text);
    if (sa && tb == VarType::Empty) return cmpStr(a.asString(), std::u16string(), text);
    if (sb && ta == VarType::Empty) return cmpStr(std::u16string(), b.asString(), text);
    if (!sa && !sb) {
        if (!a.isNumeric() || !b.isNumeric()) throwError(Err::TypeMismatch);
        if (ta == VarType::Currency && tb == VarType::Currency)
            return cmpNum(double(a.asCurrency()), double(b.asCurrency()));
        // A Single meets a Double at Single precision: CSng(x) = x holds.
        if ((ta == VarType::Single && tb == VarType::Double) ||
            (ta == VarType::Double && tb == VarType::Single))
            return cmpNum(float(toDouble(a)), float(toDouble(b)));
        return cmpNum(toDouble(a), toDouble(b));
    }
    // One string, one number.
    const Value& s = sa ? a : b;
    const Value& n = sa ? b : a;
    if (!n.isNumeric()) throwError(Err::TypeMismatch);
    bool sLit = sa ? aLiteral : bLiteral, nLit = sa ? bLiteral : aLiteral;
    Cmp r;
    if (n.type() == VarType::Boolean) {
        // With a literal on either side the Boolean is compared as its text ("True" = True; "-1"
        // is another text); two variables order by kind, the Boolean first, as numbers do.
        r = sLit || nLit ? cmpStr(toString(n), s.asString(), text) : Cmp::Less;
    } else if (sLit && !nLit) {
        r = cmpStr(toString(n), s.asString(), text);
    } else if (nLit) {
        double d;
        if (!parseNumber(s.asString(), d)) throwError(Err::TypeMismatch);
        r = cmpNum(toDouble(n), d);
    } else {
        r = Cmp::Less; // a number sorts before any string
    }
    if (sa) r = r == Cmp::Less ? Cmp::Greater : r == Cmp::Greater ? Cmp::Less : r;
    return r;
}

} // namespace vbs
