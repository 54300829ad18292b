#pragma once
// Menus from resources.

#include <windows.h>

#include "controls/tmenu.h"

namespace ctl {

// Appends a copy of every entry of hSource to hTarget, submenus copied too.
void MENUCLONE(HMENU hSource, HMENU hTarget);
// Gives the menu an item object for every entry of its native menu, and a
// menu object for every submenu.
void RESBUILD(TMenu& menu);

}  // namespace ctl
