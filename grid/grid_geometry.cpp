#include "grid/grid_geometry.h"

#include <cstdint>

#include "graphics/bitmap.h"
#include "graphics/gdi_scope.h"

namespace grid {
namespace {

// The body between header and footer, shortened to whole rows; empty when
// no row fits or the row height is not positive.
RECT BodyArea(HWND hWnd, int nHeightCell, int nHeightHead, int nHeightFoot, int nHeightSuper) {
  RECT area{};
  GetClientRect(hWnd, &area);
  area.top += nHeightHead + nHeightSuper;
  area.bottom -= nHeightFoot;
  const int height = area.bottom - area.top;
  if (nHeightCell <= 0 || height < 0) return RECT{area.left, area.top, area.right, area.top};
  area.bottom -= (height + 1) % nHeightCell;
  return area;
}

TEXTMETRICA Metrics(HDC hDC, HFONT hFont) {
  TEXTMETRICA tm{};
  gfx::Selection font(hDC, hFont);
  GetTextMetricsA(hDC, &tm);
  return tm;
}

}  // namespace

void TGBRWSCROLL(HWND hWnd, int nRows, HFONT, int nHeightCell, int nHeightHead, int nHeightFoot, int nHeightSuper) {
  if (nHeightCell <= 0 || !IsWindow(hWnd)) return;
  const RECT area = BodyArea(hWnd, nHeightCell, nHeightHead, nHeightFoot, nHeightSuper);
  if (area.bottom <= area.top) return;
  gfx::WindowDc dc(hWnd);
  ScrollDC(dc.get(), 0, -(nRows * nHeightCell), &area, &area, nullptr, nullptr);
}

int NTGBROW(HWND hWnd, HDC, long nPixelY, HFONT, int nHeightCell, int nHeightHead, int nHeightFoot,
            int nHeightSuper) {
  // A point above the window arrives as a negative 16-bit number.
  const int y = static_cast<std::int16_t>(static_cast<std::uint16_t>(nPixelY & 0xFFFF));
  RECT client{};
  GetClientRect(hWnd, &client);
  if (y <= nHeightHead + nHeightSuper) return 0;
  if (y >= client.bottom - nHeightFoot) return kFooterRow;
  if (nHeightCell <= 0) return 0;
  return ((y - nHeightHead - nHeightSuper) / nHeightCell + 1) & 0xFFFF;
}

int NSBROWS(HWND hWnd, HDC, HFONT, int nHeightCell, int nHeightHead, int nHeightFoot, int nHeightSuper) {
  if (nHeightCell <= 0) return 0;
  const RECT area = BodyArea(hWnd, nHeightCell, nHeightHead, nHeightFoot, nHeightSuper);
  if (area.bottom < area.top) return 0;
  return (area.bottom - area.top + 1) / nHeightCell;
}

rt::Value ATGBRWPOSRECT(HWND hWnd, int nRow, int nCol, int nWidth, HFONT, int nHeightCell, int nHeightHead,
                        int nHeightSuper) {
  RECT window{};
  GetWindowRect(hWnd, &window);
  const long top = window.top + nHeightHead + nHeightSuper + (nRow - 1) * nHeightCell + 1;
  const long left = window.left + nCol;
  long right = left + nWidth;
  if (right >= window.right) right = window.right - 18;
  return rt::Value::Array({static_cast<double>(top), static_cast<double>(left), static_cast<double>(top + nHeightCell),
                          static_cast<double>(right)});
}

int SBGETHEIGHT(HWND hWnd, HFONT hFont, int nWhat) {
  if (nWhat >= 2) {
    RECT window{};
    GetWindowRect(hWnd, &window);
    return window.bottom - window.top + 1;
  }
  gfx::WindowDc dc(hWnd);
  if (!dc.get()) return 0;
  const TEXTMETRICA tm = Metrics(dc.get(), hFont);
  return nWhat == 1 ? tm.tmAveCharWidth : tm.tmHeight;
}

int SBMPHEIGHT(HBITMAP hBitmap) { return gfx::NBMPHEIGHT(hBitmap); }

int GETFONTHEIGHT(HDC hDC, HFONT hFont) {
  gfx::BorrowedDc dc(nullptr, hDC);
  if (!dc.get()) return 0;
  return Metrics(dc.get(), hFont).tmHeight;
}

}  // namespace grid
