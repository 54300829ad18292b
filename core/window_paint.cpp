#include "core/window_paint.h"

#include <string>

#include "graphics/gdi_scope.h"

namespace core {
namespace {

// A device context for the time of one call: the given one, or one of the
// window that is released again; the selected font and the changed colours
// are put back.
class DrawingDc {
 public:
  DrawingDc(HWND hWnd, HDC hDC, HFONT hFont) : dc_(hWnd, hDC), saved_(SaveDC(dc_.get())) {
    if (hFont) SelectObject(dc_.get(), hFont);
  }
  ~DrawingDc() { RestoreDC(dc_.get(), saved_); }
  DrawingDc(const DrawingDc&) = delete;
  DrawingDc& operator=(const DrawingDc&) = delete;
  HDC get() const { return dc_.get(); }

 private:
  gfx::BorrowedDc dc_;
  int saved_;
};

}  // namespace

void WSAY(HWND hWnd, HDC hDC, int nRow, int nCol, std::string_view cText, std::optional<COLORREF> nClrFore,
          std::optional<COLORREF> nClrBack, HFONT hFont, bool lPixel, bool lTransparent, std::optional<UINT> nAlign) {
  DrawingDc dc(hWnd, hDC, hFont);
  int y = nRow, x = nCol;
  if (!lPixel) {
    TEXTMETRICA tm{};
    GetTextMetricsA(dc.get(), &tm);
    y = nRow * tm.tmHeight;
    x = nCol * tm.tmAveCharWidth;
  }
  if (nClrFore) SetTextColor(dc.get(), *nClrFore);
  if (nClrBack) SetBkColor(dc.get(), *nClrBack);
  SetBkMode(dc.get(), lTransparent ? TRANSPARENT : OPAQUE);
  if (nAlign) SetTextAlign(dc.get(), *nAlign);
  TextOutA(dc.get(), x, y, cText.data(), static_cast<int>(cText.size()));
}

void WSAYRECT(HWND hWnd, HDC hDC, int nRow, int nCol, std::string_view cText, std::optional<COLORREF> nClrFore,
              std::optional<COLORREF> nClrBack, HFONT hFont, int nBottom, int nRight, UINT nFormat) {
  DrawingDc dc(hWnd, hDC, hFont);
  RECT rc{nCol, nRow, nRight, nBottom};
  if (nClrFore) SetTextColor(dc.get(), *nClrFore);
  if (nClrBack) SetBkColor(dc.get(), *nClrBack);
  ExtTextOutA(dc.get(), 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  SetBkMode(dc.get(), TRANSPARENT);
  std::string text(cText);
  DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rc, nFormat);
}

int NWNDCHRHEIGHT(HWND hWnd, HFONT hFont) {
  DrawingDc dc(hWnd, nullptr, hFont);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  return tm.tmHeight;
}

bool WNDPRINT(HWND hWnd, HDC hDCPrinter, int nTop, int nLeft, int nScale) {
  RECT rc{};
  if (!IsWindow(hWnd) || !hDCPrinter || !GetWindowRect(hWnd, &rc)) return false;
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  if (nScale <= 0) nScale = 1;
  HDC window = GetWindowDC(hWnd);
  HDC memory = CreateCompatibleDC(window);
  HBITMAP image = CreateCompatibleBitmap(window, w, h);
  HGDIOBJ old = SelectObject(memory, image);
  bool ok = BitBlt(memory, 0, 0, w, h, window, 0, 0, SRCCOPY) &&
            StretchBlt(hDCPrinter, nLeft, nTop, w * nScale, h * nScale, memory, 0, 0, w, h, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(image);
  DeleteDC(memory);
  ReleaseDC(hWnd, window);
  return ok;
}

}  // namespace core
