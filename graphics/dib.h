#pragma once
// DIBs held in movable global memory: a packed DIB (information header,
// colour table, pixel bits) per block.

#include <windows.h>

#include <string>

namespace gfx {

// 0 when the file cannot be read or is no sound .BMP.
HGLOBAL DIBREAD(const std::string& bmpFile);
// Palette of the DIB's colour table, registered as "PAL"; 0 without a table
// or for a block that holds no sound DIB.
HPALETTE DIBPALETTE(HGLOBAL dib);
// Draws at (col, row), stretched when both sizes are not 0. Nothing happens
// without a DC or a DIB. Always true.
bool DIBDRAW(HDC hDC, HGLOBAL dib, HPALETTE palette, int row, int col, int width = 0, int height = 0,
             DWORD raster = SRCCOPY);
// A DIB of a device-dependent bitmap through the palette (the default one for
// 0); 0 when it cannot be made.
HGLOBAL DIBFROMBITMAP(HBITMAP bitmap, HPALETTE palette);

}  // namespace gfx
