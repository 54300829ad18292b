#pragma once
// The xBase comparison operators. "=" on strings is non-exact unless SET
// EXACT is on: "abc" = "ab" holds, because only the right operand's length is
// compared. "==" compares strings byte for byte. Comparing values of
// different types raises an argument error; the block's substitute (a
// logical) becomes the result.

#include "runtime/value.h"

namespace rt {

bool EQ(const Value& a, const Value& b);       // =
bool EXACTEQ(const Value& a, const Value& b);  // ==
bool NE(const Value& a, const Value& b);       // != <> #
bool LT(const Value& a, const Value& b);
bool LE(const Value& a, const Value& b);
bool GT(const Value& a, const Value& b);
bool GE(const Value& a, const Value& b);

// Three-way string comparison as "<" and ">" use it: unsigned bytes; with
// SET EXACT off a left operand that starts with the right one counts equal;
// with it on, trailing blanks do not count.
int StrCompare(std::string_view a, std::string_view b, bool exact);

}  // namespace rt
