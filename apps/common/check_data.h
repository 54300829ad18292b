#pragma once
// The start-up index check with the programs' own dialogs: the update notice
// as an information box, every build inside the progress dialog.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "apps/common/word_tables.h"

namespace core {
class TWindow;
}

namespace common {

// The editor passes its keys and kEditorMeterTitle, the quick-search tool its
// own; owner is the program's main window, empty while it does not exist.
// With nameUnreadable the tables that cannot be opened are named in one
// message box (UnreadableTablesText).
bool CHECKDATA(KeyStyle keys, std::string_view meterTitle, const std::shared_ptr<core::TWindow>& owner,
               bool nameUnreadable = false);

// "Die Wörterbuchdatei DEUFRA.DBF kann nicht gelesen werden ..." for one
// file, the plural for several.
std::string UnreadableTablesText(const std::vector<std::string>& files);
inline constexpr std::string_view kUnreadableTitle = "Problem";

}  // namespace common
