#pragma once
// Language tables: month and day names and the runtime's error descriptions.
// The programs start with "EN" and select "DE" in their main function.

#include <array>
#include <string_view>

namespace rt {

struct LangTable {
  std::string_view id;
  std::array<std::string_view, 12> months;
  std::array<std::string_view, 7> days;  // Sunday first
  // Indexed by generic error code; codes beyond the table have no text.
  std::array<std::string_view, 42> errors;
  // The code page the texts are stored in (the "DE" table keeps 850, as
  // the runtime's German table always did); callers that show a text in a
  // window convert it with Cp850To1252.
  int codePage = 1252;

  std::string_view ErrorText(int genCode) const;
};

const LangTable& CurrentLang();
// Selects a table by id and returns the previous id; an unknown id keeps the
// current table.
std::string_view HB_LANGSELECT(std::string_view id);
std::string_view HB_LANGSELECT();

}  // namespace rt
