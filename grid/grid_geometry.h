#pragma once
// Geometry helpers of the browse grid: scrolling the body by whole rows,
// the row under a pixel, the rows that fit, a cell's screen rectangle and
// font and bitmap measures. A font of 0 measures with the DC's own font;
// a font given is selected only for the measurement. A row height of 0 or
// less means no rows: nothing scrolls and no row is found.

#include <windows.h>

#include <cstdint>

#include "runtime/value.h"

namespace grid {

// The row number NTGBROW answers for a point over the footer.
constexpr int kFooterRow = 65535;

// A mouse position half as the window's dispatcher hands it on (unsigned
// 16 bits) read signed: left of or above a window that captured the mouse
// is negative, not 65000-odd.
inline long SignedPixel(long v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF)); }

// Scrolls the body rows by nRows (positive: the content moves up), clipped
// to the whole rows between header and footer; the uncovered rows are left
// for the grid to paint.
void TGBRWSCROLL(HWND hWnd, int nRows, HFONT hFont, int nHeightCell, int nHeightHead, int nHeightFoot,
                 int nHeightSuper);

// The grid row under client y, which is read as a signed 16-bit number:
// 0 over the headers (and above the window), kFooterRow over the footer.
int NTGBROW(HWND hWnd, HDC hDC, long nPixelY, HFONT hFont, int nHeightCell, int nHeightHead, int nHeightFoot,
            int nHeightSuper);

// Whole body rows that fit between header and footer.
int NSBROWS(HWND hWnd, HDC hDC, HFONT hFont, int nHeightCell, int nHeightHead, int nHeightFoot, int nHeightSuper);

// {nTop, nLeft, nBottom, nRight} of a body cell in screen coordinates; a
// right edge at or past the window's is moved 18 pixels in from it, clear
// of the vertical scroll bar.
rt::Value ATGBRWPOSRECT(HWND hWnd, int nRow, int nCol, int nWidth, HFONT hFont, int nHeightCell, int nHeightHead,
                        int nHeightSuper);

// nWhat 0: the font's character height; 1: its average character width;
// 2 or more: the window's height.
int SBGETHEIGHT(HWND hWnd, HFONT hFont, int nWhat);

int SBMPHEIGHT(HBITMAP hBitmap);

// The font's character height on the DC (the screen's for 0).
int GETFONTHEIGHT(HDC hDC, HFONT hFont);

}  // namespace grid
