#pragma once
// Type queries that every layer uses.

#include <string>

#include "runtime/value.h"

namespace rt {

// "U", "L", "N", "C", "D", "A", "B" or "O".
std::string VALTYPE(const Value& v);
// NIL, .F., 0, the empty date, an empty array, and a string of nothing but
// blanks, tabs, CRs and LFs are empty.
bool EMPTY(const Value& v);
// Length of a string or array; any other value raises an argument error.
std::size_t LEN(const Value& v);

}  // namespace rt
