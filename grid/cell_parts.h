#pragma once
// The pieces the cell painter is made of: the gradient, the colour
// replacement, the check box and the cell lines.

#include <windows.h>

namespace grid {

// Vertical gradient in one-pixel bands from the start colour at the top to
// the last band at bottom - 1; each channel moves by |end - start| div n per
// band (n = the height). A rectangle without height is not filled.
void FillGradient(HDC hDC, const RECT& rect, COLORREF start, COLORREF end);

// Every pixel of the rectangle in colour `from` becomes colour `to`.
void ReplaceColour(HDC hDC, const RECT& rect, COLORREF from, COLORREF to);

// A 16 x 16 check box placed in the rectangle by the alignment (0 left,
// 1 centre, 2 right), vertically centred, with the tick when checked.
void DrawCheckBox(HDC hDC, const RECT& rect, HPEN lightPen, int nAlign, bool checked);

// Cell lines on a frame: style 5 and above a dotted focus rectangle drawn
// by inverting; else left and top edges in the light pen, bottom and right
// in the dark pen. Outside title cells style 2 leaves out top and bottom,
// style 3 left and right.
void DrawCellLines(HDC hDC, const RECT& frame, HPEN lightPen, HPEN darkPen, int nStyle, bool title);

}  // namespace grid
