#pragma once
// Check boxes and radio buttons on pages can keep a focus rectangle after
// the focus has left them; this removes it.

#include <windows.h>

namespace gfx {

// For a check box or an auto radio button that has a grandparent and is not
// hWndFocus: when its pixels show a focus rectangle around the text, the
// rectangle is drawn once more, which removes it.
void CHECKFOCUS(HWND hWnd, HWND hWndFocus);

}  // namespace gfx
