#pragma once
// The tray icon's context menu.

#include <string>

#include "runtime/value.h"

namespace vosklift {

// The row the menu opens above the click, so that it stands over the
// notification area.
inline constexpr long kMenuRise = 36;

// Builds the menu and shows it at the click's screen position (row nRow
// - kMenuRise); returns when it has closed and its choice has run.
void MENUTRAY(long nRow, long nCol, const rt::Value& oTray);

// Starts the editor for a language (its table's base name): [Dravonel]
// Sprache and Extern written first.
void StartEditor(const std::string& base);

}  // namespace vosklift
