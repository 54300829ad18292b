#include "graphics/bar_paint.h"

#include "graphics/frames.h"
#include "graphics/gdi_scope.h"
#include "graphics/rect.h"
#include "graphics/theme.h"

namespace gfx {

namespace {

// Inverts a frame of the given thickness inside the rectangle.
void InvertFrame(HDC dc, const RECT& r, int thickness) {
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  PatBlt(dc, r.left, r.top, w, thickness, PATINVERT);
  PatBlt(dc, r.left, r.bottom - thickness, w, thickness, PATINVERT);
  PatBlt(dc, r.left, r.top + thickness, thickness, h - 2 * thickness, PATINVERT);
  PatBlt(dc, r.right - thickness, r.top + thickness, thickness, h - 2 * thickness, PATINVERT);
}

}  // namespace

bool IsMaximisedChild(HWND hWnd) {
  return hWnd && IsZoomed(hWnd) && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD);
}

void BARADJUST(HWND hWnd, int nMode, bool lMsgBar, int nMsgBarHeight) {
  const RECT parent = ClientRectOf(GetParent(hWnd));
  const RECT bar = ClientRectOf(hWnd);
  const int W = parent.right, H = parent.bottom;
  const int w = bar.right, h = bar.bottom;
  const int m = lMsgBar ? nMsgBarHeight - 1 : 0;
  int x = -1, y = -1, width = 0, height = 0;
  switch (nMode) {
    case 1: width = W + 2, height = h + 2; break;
    case 2: width = w + 2, height = H + 1 - m; break;
    case 3: x = W - w - 1, width = w + 2, height = H + 1 - m; break;
    case 4: y = H - h - m - 2, width = W + 2, height = h + 2; break;
    default: return;
  }
  SetWindowPos(hWnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void BARINVERT(HWND hWnd) {
  HWND parent = GetParent(hWnd);
  RECT r{};
  GetWindowRect(hWnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  r.left += 1;
  r.right -= 1;
  if (!IsMaximisedChild(parent)) r.top += 1;
  WindowDc dc(parent);
  Selection brush(dc.get(), GetStockObject(WHITE_BRUSH));
  InvertFrame(dc.get(), r, 2);
}

void BARPAINT(HWND hWnd, HDC hDC) {
  BorrowedDc borrowed(hWnd, hDC);
  HDC dc = borrowed.get();
  RECT rc = ClientRectOf(hWnd);
  if (!IsMaximisedChild(GetParent(hWnd))) {
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    {
      Selection pen(dc, shadow);
      MoveToEx(dc, rc.left, rc.top, nullptr);
      LineTo(dc, rc.right, rc.top);
    }
    DeleteObject(shadow);
    rc.top += 1;
  }
  DrawFrame(dc, {rc.left, rc.top, rc.right - 1, rc.bottom - 1}, FrameKind::Raised);
  if (ISAPPTHEMED()) {
    DrawThemedGripper(hWnd, dc);
  } else if (rc.bottom - rc.top >= rc.right - rc.left) {
    DrawFrame(dc, {rc.left + 2, rc.top + 2, rc.right - 2, rc.top + 4}, FrameKind::Raised);
    DrawFrame(dc, {rc.left + 2, rc.top + 5, rc.right - 2, rc.top + 7}, FrameKind::Raised);
  } else {
    DrawFrame(dc, {rc.left + 4, rc.top + 2, rc.left + 6, rc.bottom - 2}, FrameKind::Raised);
    DrawFrame(dc, {rc.left + 7, rc.top + 2, rc.left + 9, rc.bottom - 2}, FrameKind::Raised);
  }
}

}  // namespace gfx
