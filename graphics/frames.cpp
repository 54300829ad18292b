#include "graphics/frames.h"

#include "graphics/gdi_scope.h"

namespace gfx {

namespace {

struct FramePens {
  COLORREF topLeft;
  COLORREF bottomRight;
};

FramePens PensOf(FrameKind kind) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF black = RGB(0, 0, 0);
  switch (kind) {
    case FrameKind::Raised: return {highlight, shadow};
    case FrameKind::Sunken: return {shadow, highlight};
    case FrameKind::RaisedDark: return {highlight, black};
    case FrameKind::SunkenDark: return {black, highlight};
    case FrameKind::Plain: break;
  }
  return {black, black};
}

void Line(HDC hDC, COLORREF colour, const POINT (&points)[3]) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  {
    Selection selected(hDC, pen);
    Polyline(hDC, points, 3);
  }
  DeleteObject(pen);
}

}  // namespace

void DrawFrame(HDC hDC, const RECT& r, FrameKind kind) {
  const FramePens pens = PensOf(kind);
  Line(hDC, pens.topLeft, {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}});
  Line(hDC, pens.bottomRight, {{r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top - 1}});
}

void WNDBOX(HDC hDC, int nTop, int nLeft, int nBottom, int nRight) {
  DrawFrame(hDC, {nLeft, nTop, nRight, nBottom}, FrameKind::Plain);
}

void WNDBOXIN(HDC hDC, int nTop, int nLeft, int nBottom, int nRight) {
  DrawFrame(hDC, {nLeft, nTop, nRight, nBottom}, FrameKind::Sunken);
}

}  // namespace gfx
