#pragma once
// Device-dependent bitmaps: loading from .BMP files, resources and packed
// DIBs, measuring, and drawing plain, stretched and with a transparent colour.

#include <windows.h>

#include <string>

#include "graphics/dib_reader.h"
#include "runtime/value.h"

namespace gfx {

// A bitmap for the DC (the screen when hDC is 0) from a checked packed DIB;
// 0 when the block does not hold one. Registered as "BMP".
HBITMAP BitmapFromPackedDib(HDC hDC, Bytes dib);

// 0 when the file cannot be read or is no sound .BMP.
HBITMAP READBITMAP(HDC hDC, const std::string& bmpFile);
// A bitmap resource by name or number.
HBITMAP LOADBITMAP(HINSTANCE hInstance, const rt::Value& nameOrId);

int NBMPWIDTH(HBITMAP bitmap);
int NBMPHEIGHT(HBITMAP bitmap);

// Draws at (col, row); stretched when both sizes are not 0. The raster
// operation defaults to a plain copy.
void DRAWBITMAP(HDC hDC, HBITMAP bitmap, int row, int col, int width = 0, int height = 0,
                DWORD raster = SRCCOPY);
// Draws with the colour of the bitmap's top-left pixel left transparent.
void DRAWMASKED(HDC hDC, HBITMAP bitmap, int row, int col);
// The disabled look of menu images: as DRAWMASKED over a checkered ground of
// the button-highlight and button-face colours.
void DrawMaskedDithered(HDC hDC, HBITMAP bitmap, int row, int col);

// A new screen-compatible bitmap holding a copy of the given one, as the
// clipboard takes it; registered as "BMP". 0 for bitmap 0.
HBITMAP CopyBitmapForScreen(HBITMAP bitmap);

}  // namespace gfx
