#pragma once
// Arithmetic, concatenation, comparison and logical operators on Variants,
// with the classic type promotion (Integer -> Long -> Double on overflow) and
// Null propagation. Object operands are reduced by the caller first.
#include "Value.h"

namespace vbs {

Value opAdd(const Value& a, const Value& b);
Value opSub(const Value& a, const Value& b);
Value opMul(const Value& a, const Value& b);
Value opDiv(const Value& a, const Value& b);
Value opIntDiv(const Value& a, const Value& b);
Value opMod(const Value& a, const Value& b);
Value opPow(const Value& a, const Value& b);
Value opNeg(const Value& a);
Value opConcat(const Value& a, const Value& b);

Value opAnd(const Value& a, const Value& b);
Value opOr(const Value& a, const Value& b);
Value opXor(const Value& a, const Value& b);
Value opEqv(const Value& a, const Value& b);
Value opImp(const Value& a, const Value& b);
Value opNot(const Value& a);

enum class Cmp { Less, Equal, Greater, Null };
// aLiteral / bLiteral: the operand is a literal constant in the source, which
// makes a number-vs-string comparison convert instead of ordering by kind.
Cmp compareValues(const Value& a, const Value& b, bool aLiteral = false, bool bLiteral = false,
                  bool text = false);

} // namespace vbs
