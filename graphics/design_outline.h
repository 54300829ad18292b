#pragma once
// Design mode: the outline of a control being moved or sized, and the eight
// sizing handles around it.

#include <windows.h>

#include <array>

namespace gfx {

// Inverts a 2-pixel outline in the parent: the control's window rectangle
// moved by the deltas (nMode 0, or no delta), or, with nMode 1-8 and a
// delta, with the edge or corner that nMode names following the point
// (nRow, nCol) of the control's client area: 1 top-left, 2 top, 3 top-right,
// 4 right, 5 bottom-right, 6 bottom, 7 bottom-left, 8 left. The same call
// again removes the outline.
void CTRLDRAWFOCUS(HWND hWnd, int nDeltaRow, int nDeltaCol, int nRow, int nCol, int nMode);

// Moves the eight 5 x 5 handle windows around the control, clockwise from
// its top-left corner, and repaints them.
void DOTSADJUST(HWND hWnd, const std::array<HWND, 8>& hDots);

}  // namespace gfx
