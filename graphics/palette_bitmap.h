#pragma once
// Bitmaps that bring their own palette (256-colour images) and the table that
// keeps them right when the system palette changes: each entry ties a
// bitmap and its palette to the window that shows them, and one entry is the
// current foreground entry, whose palette is realised in the foreground.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace gfx {

// {hBitmap, hPalette} of a bitmap resource of the current resource module;
// {0, 0} when the resource is missing or malformed. The palette is made only
// for images of more than 16 colours.
rt::Value PALBMPLOAD(const rt::Value& nameOrId);
// {hBitmap, hPalette} of a .BMP file; {0, 0} when unreadable or malformed.
rt::Value PALBMPREAD(HDC hDC, const std::string& bmpFile);
// Draws at (col, row); natural size when a size is 0 or both equal the
// bitmap's, else stretched. With transparent true the bitmap's own pixels of
// its top-left colour are repainted in clrPane first (the bitmap changes).
void PALBMPDRAW(HDC hDC, int row, int col, HBITMAP bitmap, HPALETTE palette, int width = 0, int height = 0,
                DWORD raster = 0, bool transparent = false, long clrPane = 0);

void PALBMPNEW(HWND hWnd, HBITMAP bitmap, HPALETTE palette);
// Frees the entry of the bitmap and deletes the bitmap and palette kept in
// it; true when an entry was found. The palette argument is not needed: the
// entry knows its own.
bool PALBMPFREE(HBITMAP bitmap, HPALETTE palette);
rt::Value SETFOREBMP(HBITMAP bitmap, HPALETTE palette);
int QRYNEWPALEVENT(HWND hWnd);
void PALCHGEVENT(HWND hWndChanged);

}  // namespace gfx
