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
      {"end of text", "number", "string", "date", "name", "macro variable", "token"},
      {"The table needs at least one field", "Invalid field name: %1", "Duplicate field name: %1",
       "Invalid field length: %1", "Invalid field type: %1", "Record too long", "Too many fields",
       "Invalid table structure", "Table structure missing", "Unknown table driver: %1",
       "Alias already in use: %1", "Alias not found: %1", "Field not found: %1", "Field number outside the table",
       "Wrong data type for field %1", "Number too large for field %1", "Index key too long",
       "Index expression too long", "Index key has the wrong type", "Index expression cannot be evaluated: %1",
       "Index expression invalid: %1", "The index was interrupted while being changed and must be rebuilt",
       "Table header damaged", "The table has lost rows", "The table header counts fewer rows than the file holds",
       "Memo file damaged", "Index file damaged"}};
  return table;
}

}  // namespace rt
