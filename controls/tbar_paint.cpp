// The button bar's face and its mouse handling.
#include "controls/tbar.h"
#include "controls/tbtnbmp.h"
#include "graphics/bar_paint.h"
#include "graphics/colour.h"

namespace controls {

namespace {

void EtchLine(HDC dc, COLORREF colour, int x1, int y1, int x2, int y2) {
  const HPEN pen = CreatePen(PS_SOLID, 1, colour);
  const HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

rt::Value TBar::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

rt::Value TBar::Paint() {
  if (!l3D) return TControl::Paint();
  const rt::Value restore = DispBegin();
  RECT client{};
  GetClientRect(hWnd, &client);
  if (oBrush) FillRect(hDC, &client, oBrush->hBrush);
  gfx::BARPAINT(hWnd, hDC);
  const auto first = Button(0);
  if (first && first->l97Look) {
    // Etched lines before each group: a shadow line and a highlight line.
    const auto shadow = static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNSHADOW));
    const auto light = static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNHIGHLIGHT));
    for (std::size_t i = 0; i < ButtonCount(); ++i) {
      const auto b = Button(i);
      if (!b || !b->lGroup) continue;
      if (Horizontal()) {
        EtchLine(hDC, shadow, b->nLeft - 5, 2, b->nLeft - 5, static_cast<int>(client.bottom) - 3);
        EtchLine(hDC, light, b->nLeft - 4, 2, b->nLeft - 4, static_cast<int>(client.bottom) - 3);
      } else if (Vertical()) {
        EtchLine(hDC, shadow, 2, b->nTop - 5, static_cast<int>(client.right) - 3, b->nTop - 5);
        EtchLine(hDC, light, 2, b->nTop - 4, static_cast<int>(client.right) - 3, b->nTop - 4);
      }
    }
  }
  DispEnd(restore);
  return {};
}

rt::Value TBar::LButtonDown(long nRow, long nCol, long nFlags) {
  TControl::LButtonDown(nRow, nCol, nFlags);
  UpdateWindow(hWnd);
  gfx::BARINVERT(hWnd);
  if (!bLClicked.IsBlock()) Capture();
  return {};
}

rt::Value TBar::LButtonUp(long nRow, long nCol, long nFlags) {
  gfx::BARINVERT(hWnd);
  if (!bLClicked.IsBlock()) ReleaseCapture();
  return TControl::LButtonUp(nRow, nCol, nFlags);
}

rt::Value TBar::MouseMove(long nRow, long nCol, long nFlags) {
  TControl::MouseMove(nRow, nCol, nFlags);
  if (const auto owner = Container()) owner->SetMsg(cMsg);
  return rt::Value(0);
}

}  // namespace controls
