#pragma once
// Drawing primitives. The argument order is each function's own and differs
// between them: MOVETO, LINETO, ROUNDRECT, ELLIPSE, ARC, CHORD, FLOODFILL and
// SETPIXEL take x before y; RECTANGLE, PIE, TEXTOUT and EXTTEXTOUT take the row
// (y) before the column (x).

#include <windows.h>

#include <optional>
#include <span>
#include <string>

#include "runtime/value.h"

// wingdi.h names an old printer escape EXTTEXTOUT; this library never sends
// escapes by that name, and the macro would swallow the function below.
#undef EXTTEXTOUT

namespace gfx {

bool MOVETO(HDC hDC, int x, int y);
// A pen other than 0 is selected for the call and the previous one restored.
bool LINETO(HDC hDC, int x, int y, HPEN pen = nullptr);
bool RECTANGLE(HDC hDC, int top, int left, int bottom, int right, HPEN pen = nullptr);
bool ROUNDRECT(HDC hDC, int left, int top, int right, int bottom, int width, int height);
bool ELLIPSE(HDC hDC, int left, int top, int right, int bottom);
bool ARC(HDC hDC, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
bool CHORD(HDC hDC, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
bool PIE(HDC hDC, int top, int left, int bottom, int right, int row1, int col1, int row2, int col2);
// With a fill colour a solid brush of it is used for the fill only.
bool FLOODFILL(HDC hDC, int x, int y, long rgbBorder, std::optional<long> rgbFill = std::nullopt);
// Each polygon is an array of {x, y} points.
bool POLYPOLYGON(HDC hDC, std::span<const rt::Value> polygons);
long SETPIXEL(HDC hDC, int x, int y, long rgb);

bool TEXTOUT(HDC hDC, int row, int col, const std::string& text);
// Options default to opaque and clipped to the rectangle.
bool EXTTEXTOUT(HDC hDC, int row, int col, const rt::Value& rect, const std::string& text,
                unsigned options = ETO_OPAQUE | ETO_CLIPPED);
// Without text nothing is drawn and 0 returned; without a rectangle the text
// goes into {0, 0, 14, 0}; the format defaults to a single unclipped line.
// Returns the text height.
int DRAWTEXT(HDC hDC, const rt::Value& text, const rt::Value& rect = {},
             unsigned format = DT_SINGLELINE | DT_NOCLIP);

}  // namespace gfx
