#pragma once
// The xBase arithmetic operators on values: + - * / % ** and unary minus.
//
//   number + number, string + string (joins), date + number, number + date
//   number - number, string - string (the left operand's trailing blanks
//     move to the end of the result), date - date (days), date - number
//   number * number, number / number, number % number, number ** number
//
// Dates stay between the years 1 and 9999 (beyond: a numeric overflow
// error); the empty date plus or minus days stays empty.
// Operands of other types raise an argument error whose substitute is the
// result. A zero divisor of / and % raises the zero-divide error (EG_ZERODIV,
// can substitute); the error block's value is the result.
//
// Results keep the display decimals xBase gives them: + and - the larger of
// the operands' decimals, * their sum, / ** and mixed cases SET DECIMALS.

#include "runtime/value.h"

namespace rt {

Value Plus(const Value& a, const Value& b);
// The same, appending to a text the caller hands over instead of copying it.
Value Plus(Value&& a, const Value& b);
Value Minus(const Value& a, const Value& b);
Value Mult(const Value& a, const Value& b);
Value Divide(const Value& a, const Value& b);
Value Modulus(const Value& a, const Value& b);
Value Power(const Value& a, const Value& b);
Value Negate(const Value& a);

}  // namespace rt
