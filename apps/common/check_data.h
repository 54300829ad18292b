#pragma once
// The start-up index check with the programs' own dialogs: the update notice
// as an information box, every build inside the progress dialog.

#include <memory>
#include <string_view>

#include "apps/common/word_tables.h"

namespace core {
class TWindow;
}

namespace common {

// The editor passes its keys and kEditorMeterTitle, the quick-search tool its
// own; owner is the program's main window, empty while it does not exist.
bool CHECKDATA(KeyStyle keys, std::string_view meterTitle, const std::shared_ptr<core::TWindow>& owner);

}  // namespace common
