#include "runtime/lang.h"

#include <vector>

#include "runtime/lang_tables.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

const LangTable*& Current() {
  static const LangTable* current = &LangEnglish();
  return current;
}

}  // namespace

std::vector<const LangTable*> AllLangTables() { return {&LangEnglish(), &LangGerman()}; }

std::string_view LangTable::ErrorText(int genCode) const {
  if (genCode < 0 || static_cast<std::size_t>(genCode) >= errors.size()) return {};
  return errors[static_cast<std::size_t>(genCode)];
}

const LangTable& CurrentLang() { return *Current(); }

std::string_view HB_LANGSELECT() { return Current()->id; }

std::string_view HB_LANGSELECT(std::string_view id) {
  std::string_view previous = Current()->id;
  const std::string wanted = AsciiUpper(id);
  for (const LangTable* t : AllLangTables())
    if (t->id == wanted) Current() = t;
  return previous;
}

}  // namespace rt
