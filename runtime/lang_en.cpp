#include "runtime/lang_tables.h"

namespace rt {

const LangTable& LangEnglish() {
  static const LangTable table{
      "EN",
      {"January", "February", "March", "April", "May", "June", "July", "August", "September",
       "October", "November", "December"},
      {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
      {"Unknown error", "Argument error", "Bound error", "String overflow", "Numeric overflow",
       "Zero divisor", "Numeric error", "Syntax error", "Operation too complex", "", "",
       "Memory low", "Undefined function", "No exported method", "Variable does not exist",
       "Alias does not exist", "No exported variable", "Illegal characters in alias",
       "Alias already in use", "", "Create error", "Open error", "Close error", "Read error",
       "Write error", "Print error", "", "", "", "", "Operation not supported", "Limit exceeded",
       "Corruption detected", "Data type error", "Data width error", "Workarea not in use",
       "Workarea not indexed", "Exclusive required", "Lock required", "Write not allowed",
       "Append lock failed", "Lock Failure"}};
  return table;
}

}  // namespace rt
