#pragma once
// Number functions and the number-to-text rules that STR, TRANSFORM and the
// value functions share.
//
// Display width and decimals: a number carries its total display width
// (sign, digits, point and decimals; 0 means "the default") and its
// decimals (-1 means "SET DECIMALS when shown"). STR without a width uses
// them: integers get 10 columns (20 from ten digits on), numbers with
// decimals 10 integer columns plus the point and the decimals, a literal
// such as 1.50 exactly its own width. With SET FIXED on, every number that
// is not an integer shows SET DECIMALS decimals.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

// The text of `value` right-aligned in `width` columns with `dec` decimals,
// rounded half away from zero on the number's shortest decimal form (so
// 1.005 rounds to 1.01). A number that does not fit gives `width`
// asterisks. A negative zero shows without its sign.
std::string FormatNumber(double value, int width, int dec);

// The width and decimals STR uses for a number without explicit ones.
struct NumberLayout {
  int width;
  int dec;
};
NumberLayout DefaultLayout(const Number& n);

// STR(n [, width [, dec]]): a width without decimals means 0 decimals. A
// non-numeric argument raises an argument error; the substitute, when it is
// text, becomes the result.
std::string STR(const Value& n, std::optional<int> width = {}, std::optional<int> dec = {});
std::string STR(double n, int width, int dec = 0);
// STR with leading blanks turned into zeros; a minus sign moves to the front.
std::string STRZERO(const Value& n, std::optional<int> width = {}, std::optional<int> dec = {});

// VAL: leading blanks, an optional sign, digits, an optional point and
// decimals; anything after that is ignored. The result keeps the text's
// length as its width and the count of decimals given.
Value VAL(std::string_view text);

Value INT(const Value& n);                // truncated toward zero, 0 decimals
Value ROUND(const Value& n, int dec);     // half away from zero
Value ABS(const Value& n);
Value MIN(const Value& a, const Value& b);  // numbers or dates
Value MAX(const Value& a, const Value& b);
// MOD: the remainder with the divisor's sign (MOD(-5, 3) is 1); a zero
// divisor raises the zero-divide error.
Value MOD(const Value& a, const Value& b);

// Rounding helper used by ROUND and the formatters.
double RoundHalfAway(double value, int dec);

std::string I2BIN(long n);             // 2 bytes, low byte first
int BIN2I(std::string_view s);         // signed 16-bit; short input reads as zero bytes
std::string L2BIN(long n);             // 4 bytes, low byte first
std::int32_t BIN2L(std::string_view s);

}  // namespace rt
