#pragma once
// The embossed look of a disabled button.

#include <windows.h>

namespace gfx {

// Redraws the client area inset by 1: every pixel that is neither button
// face nor button highlight becomes a shadow with a highlight echo one
// pixel right and down.
void BTNDISABLE(HWND hWnd, HDC hDC);

}  // namespace gfx
