#include "graphics/primitives.h"

#include <vector>

#include "graphics/gdi_scope.h"
#include "graphics/rect.h"

namespace gfx {

bool MOVETO(HDC hDC, int x, int y) { return MoveToEx(hDC, x, y, nullptr) != 0; }

bool LINETO(HDC hDC, int x, int y, HPEN pen) {
  Selection scope(hDC, pen);
  return LineTo(hDC, x, y) != 0;
}

bool RECTANGLE(HDC hDC, int top, int left, int bottom, int right, HPEN pen) {
  Selection scope(hDC, pen);
  return Rectangle(hDC, left, top, right, bottom) != 0;
}

bool ROUNDRECT(HDC hDC, int left, int top, int right, int bottom, int width, int height) {
  return RoundRect(hDC, left, top, right, bottom, width, height) != 0;
}

bool ELLIPSE(HDC hDC, int left, int top, int right, int bottom) {
  return Ellipse(hDC, left, top, right, bottom) != 0;
}

bool ARC(HDC hDC, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return Arc(hDC, left, top, right, bottom, xStart, yStart, xEnd, yEnd) != 0;
}

bool CHORD(HDC hDC, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return Chord(hDC, left, top, right, bottom, xStart, yStart, xEnd, yEnd) != 0;
}

bool PIE(HDC hDC, int top, int left, int bottom, int right, int row1, int col1, int row2, int col2) {
  return Pie(hDC, left, top, right, bottom, col1, row1, col2, row2) != 0;
}

bool FLOODFILL(HDC hDC, int x, int y, long rgbBorder, std::optional<long> rgbFill) {
  if (!rgbFill) return FloodFill(hDC, x, y, static_cast<COLORREF>(rgbBorder)) != 0;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(*rgbFill));
  HGDIOBJ old = SelectObject(hDC, brush);
  const bool done = FloodFill(hDC, x, y, static_cast<COLORREF>(rgbBorder)) != 0;
  SelectObject(hDC, old);
  DeleteObject(brush);
  return done;
}

bool POLYPOLYGON(HDC hDC, std::span<const rt::Value> polygons) {
  std::vector<POINT> points;
  std::vector<INT> counts;
  for (const rt::Value& polygon : polygons) {
    if (!polygon.IsArray() || polygon.Len() == 0) continue;
    for (const rt::Value& point : polygon.Items()) {
      const bool pair = point.IsArray() && point.Len() >= 2;
      const long x = pair ? point.At(1).AsInt() : 0;
      const long y = pair ? point.At(2).AsInt() : 0;
      points.push_back(POINT{x, y});
    }
    counts.push_back(static_cast<INT>(polygon.Len()));
  }
  if (counts.empty()) return false;
  return PolyPolygon(hDC, points.data(), counts.data(), static_cast<int>(counts.size())) != 0;
}

long SETPIXEL(HDC hDC, int x, int y, long rgb) {
  return static_cast<long>(SetPixel(hDC, x, y, static_cast<COLORREF>(rgb)));
}

bool TEXTOUT(HDC hDC, int row, int col, const std::string& text) {
  return TextOutA(hDC, col, row, text.data(), static_cast<int>(text.size())) != 0;
}

bool EXTTEXTOUT(HDC hDC, int row, int col, const rt::Value& rect, const std::string& text, unsigned options) {
  const RECT r = RectFromArray(rect);
  return ExtTextOutA(hDC, col, row, options, &r, text.data(), static_cast<UINT>(text.size()), nullptr) != 0;
}

int DRAWTEXT(HDC hDC, const rt::Value& text, const rt::Value& rect, unsigned format) {
  if (!text.IsString()) return 0;
  RECT r = rect.IsArray() ? RectFromArray(rect) : RECT{0, 0, 0, 14};
  const std::string& s = text.AsString();
  return DrawTextA(hDC, s.data(), static_cast<int>(s.size()), &r, format);
}

}  // namespace gfx
