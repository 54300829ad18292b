#include "graphics/design_outline.h"

#include "graphics/gdi_scope.h"

namespace gfx {

void CTRLDRAWFOCUS(HWND hWnd, int nDeltaRow, int nDeltaCol, int nRow, int nCol, int nMode) {
  RECT r{};
  GetWindowRect(hWnd, &r);
  const bool delta = nDeltaRow != 0 || nDeltaCol != 0;
  if (nMode == 0 || !delta) {
    OffsetRect(&r, nDeltaCol, nDeltaRow);
  } else {
    POINT p{nCol, nRow};
    ClientToScreen(hWnd, &p);
    switch (nMode) {
      case 1: r.left = p.x, r.top = p.y; break;
      case 2: r.top = p.y; break;
      case 3: r.top = p.y, r.right = p.x; break;
      case 4: r.right = p.x; break;
      case 5: r.right = p.x, r.bottom = p.y; break;
      case 6: r.bottom = p.y; break;
      case 7: r.bottom = p.y, r.left = p.x; break;
      case 8: r.left = p.x; break;
      default: break;
    }
  }
  HWND parent = GetParent(hWnd);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  InflateRect(&r, -1, -1);

  WindowDc dc(parent);
  HBRUSH grey = CreateSolidBrush(RGB(127, 127, 127));
  {
    Selection brush(dc.get(), grey);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    PatBlt(dc.get(), r.left, r.top, w, 2, PATINVERT);
    PatBlt(dc.get(), r.left, r.bottom - 2, w, 2, PATINVERT);
    PatBlt(dc.get(), r.left, r.top + 2, 2, h - 4, PATINVERT);
    PatBlt(dc.get(), r.right - 2, r.top + 2, 2, h - 4, PATINVERT);
  }
  DeleteObject(grey);
}

void DOTSADJUST(HWND hWnd, const std::array<HWND, 8>& hDots) {
  RECT window{};
  GetWindowRect(hWnd, &window);
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  const std::array<POINT, 8> points{{{-3, -2},
                                     {w / 2 - 2, -2},
                                     {w - 3, -2},
                                     {w - 3, h / 2 - 2},
                                     {w - 3, h - 3},
                                     {w / 2 - 2, h - 3},
                                     {-3, h - 3},
                                     {-3, h / 2 - 2}}};
  HWND parent = GetParent(hWnd);
  for (std::size_t i = 0; i < hDots.size(); ++i) {
    POINT p = points[i];
    MapWindowPoints(hWnd, parent, &p, 1);
    SetWindowPos(hDots[i], HWND_TOP, p.x, p.y, 5, 5, SWP_NOACTIVATE);
    RedrawWindow(hDots[i], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

}  // namespace gfx
