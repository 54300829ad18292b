#pragma once
// TRANSFORM and its picture language.
//
// A picture is an optional function part ("@" and letters, ended by a blank)
// and a template. Functions: ! upper case (letters a to z), B left-justify
// numbers, C " CR" after positive numbers, X " DB" after negative numbers
// (without their sign), ( negative numbers in parentheses, D dates in the
// SET DATE format, E European: numbers with "," as the decimal point and "."
// between thousands, dates as dd/mm/yy(yy), R template literals are inserted
// into text rather than replacing its characters, Z blanks for zero numbers
// and empty dates, K nothing (it matters only while editing).
//
// Text templates: A N X 9 # take a character, ! takes it upper-cased,
// anything else is a literal that replaces a character of the text (or,
// with @R, is inserted); the result ends where the text or, with @R, the
// template ends. Number templates: 9 # digit positions, . the decimal point,
// , a thousands separator shown only after a digit, * and $ fill leading
// blanks, anything else a literal; a number too wide for its digit
// positions shows asterisks there. Without a template numbers show as STR
// shows them, dates as DTOC, logicals as "T" or "F".

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

std::string TRANSFORM(const Value& v, std::string_view picture);

}  // namespace rt
