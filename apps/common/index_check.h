#pragma once
// The word tables' start-up check: the reaction to an installer's update
// marker, and the rebuild of every index file that is missing, damaged or
// holds a key of neither program. Shared by the editor and the quick-search
// tool, which pass their own keys and dialogs.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/common/word_tables.h"

namespace common {

// Called during a build with the record number reached; false stops it.
using BuildProgress = std::function<bool(long recno)>;

// Builds the index file `file` (the driver adds ".NTX") over the table of
// the current work area with the key text `key`, reporting progress once per
// hundredth of the table (every row when the table has fewer than 100). The
// new order stays open.
void BuildIndexFile(std::string_view key, std::string_view file, const BuildProgress& progress);

// Whether the table of the current work area has DEUTSCH and FREMD; for a
// missing one raises an error naming the table (base + ".DBF") and the field.
bool HasWordFields(std::string_view base);

struct CheckDataHooks {
  KeyStyle keys = KeyStyle::Editor;
  // A message box with text and title.
  std::function<void(std::string_view text, std::string_view title)> notify;
  // Builds one index file with its progress dialog, on the table of the
  // current work area.
  std::function<void(std::string_view meterText, std::string_view key, std::string_view file)> build;
  // When set: called once after the check with the file names (as
  // "DEUENG.DBF") of the tables that exist but cannot be opened.
  std::function<void(const std::vector<std::string>& files)> unreadable;
};

// Returns true. A table that cannot be opened (held exclusively elsewhere,
// damaged) is passed over and named to `unreadable`; a table without DEUTSCH or FREMD raises an error
// naming table and field before anything is built for it. No table is
// written to.
bool CheckData(const CheckDataHooks& hooks);

}  // namespace common
