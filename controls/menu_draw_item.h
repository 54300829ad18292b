#pragma once
// The flat look of owner-drawn menu items: a 17-pixel image column with the
// item's bitmap or check mark, a highlight bar, the label at the left and
// the key name after a tab flush right.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace ctl {

// nDrawItem is the address of the platform's draw-item record. .T. after
// drawing, .F. for a focus change, NIL for any other request. lSubmenu is
// taken and not used.
rt::Value MENUDRAWITEM(LPARAM nDrawItem, const std::string& cPrompt, bool lSubmenu = false, HBITMAP hBitmap = nullptr);

}  // namespace ctl
