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
       "Append lock failed", "Lock Failure"},
      1252,
      {"%1 at position %2", "empty expression", "unexpected %1", "unexpected byte 0x%1", "unexpected name %1",
       "expected %1, found %2", "expression nested too deeply", "expression too complex",
       "cannot assign to this expression", "%1() needs two or three arguments", "parameter %1 named twice",
       "too many block parameters", "hexadecimal number without digits",
       "date literal needs eight digits (0dYYYYMMDD)", "invalid date literal", "name directly after a number",
       "unterminated date literal", "unterminated string"},
      {"end of text", "number", "string", "date", "name", "macro variable", "token"}};
  return table;
}

}  // namespace rt
