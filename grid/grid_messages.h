#pragma once
// The grid's German message table and the proper-case helper that names
// columns built from field names.

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace grid {

// Number of texts in the message table.
constexpr int kMessageCount = 55;

// A new array of the 55 texts in Windows-1252. The table is kept in code
// page 850 and converted with the runtime's own table, whatever the
// platform's OEM code page is.
rt::Value LOADMSG();
// Text n (1-based) of the table; "" outside 1..55.
const std::string& GridMessage(int n);

// The trimmed text lower-cased, each word's first letter (after a blank or a
// full stop, and the first of all) upper-cased, and the conjunctions of
// entries 51-55 written in lower case.
std::string PROPER(std::string_view c);

}  // namespace grid
