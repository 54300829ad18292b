#pragma once
// Icons: loading, drawing, and the "selected" look of the grid.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace gfx {

HICON LOADICON(HINSTANCE hInstance, const rt::Value& nameOrId);
// Icon `index` of an executable or library.
HICON EXTRACTICON(const std::string& file, int index);
// The first icon of "user.exe", or the system's application icon where that
// file gives none (Wine has none): the icon shown where a program named none.
HICON DEFAULTICON();
// Top-left corner at (col, row).
bool DRAWICON(HDC hDC, int row, int col, HICON icon);
// Draws a 32 x 32 icon in its selected look: on displays of more than 8 bits
// per pixel its opaque pixels are darkened and tinted blue, on others a
// checkered dark blue covers every other opaque pixel. Always true.
bool DRAWICONFOCUS(HDC hDC, int row, int col, HICON icon);
bool DESTROYICON(HICON icon);

}  // namespace gfx
