#include "apps/dravonel/dictionary_choice.h"

#include "apps/common/settings_file.h"
#include "apps/common/word_tables.h"
#include "apps/dravonel/editor_state.h"
#include "runtime/files.h"
#include "runtime/strings.h"

namespace dravonel {

namespace {

bool TableExists(const common::WordTable& table) { return rt::FileExists(common::TablePath(table)); }

}  // namespace

std::optional<std::string> AvailableDictionary(std::string_view wanted) {
  // The settings file may hold the code in any case, as file names have none.
  if (const common::WordTable* table = common::FindWordTable(rt::UPPER(std::string(wanted)));
      table && TableExists(*table))
    return std::string(table->base);
  for (const common::WordTable& table : common::kWordTables)
    if (TableExists(table)) return std::string(table.base);
  return std::nullopt;
}

bool ChooseDictionary() {
  EditorState& s = Editor();
  const std::optional<std::string> found = AvailableDictionary(s.cDictBase);
  if (!found) return false;
  if (*found != s.cDictBase) {
    s.cDictBase = *found;
    s.lExportPending = common::ReadSwitch("Export", s.cDictBase);
  }
  return true;
}

}  // namespace dravonel
