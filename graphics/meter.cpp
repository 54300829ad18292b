#include "graphics/meter.h"

#include <algorithm>

#include "graphics/frames.h"
#include "graphics/gdi_scope.h"

namespace gfx {

namespace {

void TextInColours(HDC hDC, const RECT& area, int x, int y, const std::string& text, COLORREF back,
                   COLORREF fore) {
  if (area.right <= area.left) return;
  SetBkColor(hDC, back);
  SetTextColor(hDC, fore);
  ExtTextOutA(hDC, x, y, ETO_OPAQUE | ETO_CLIPPED, &area, text.data(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace

std::string MeterText(const std::string& cText, int nPercent, bool lPercentage) {
  std::string text = cText.empty() ? std::string() : cText + " ";
  if (lPercentage) {
    const int p = std::clamp(nPercent, 0, 100);
    if (p == 100) {
      text += "100%";
    } else {
      text += ' ';
      text += p < 10 ? ' ' : static_cast<char>('0' + p / 10);
      text += static_cast<char>('0' + p % 10);
      text += '%';
    }
  }
  return text;
}

int MeterBarEnd(int nPercent, int clientRight) {
  // In 32 bits: the product overflows 16 bits for meters wider than about
  // 328 pixels.
  return std::clamp(nPercent, 0, 100) * (clientRight - 1) / 100;
}

int METERPAINT(HWND hWnd, HDC hDC, int nPercent, const std::string& cText, bool lPercentage, COLORREF nClrPane,
               COLORREF nClrText, COLORREF nClrBar, COLORREF nClrBarText, HFONT hFont) {
  BorrowedDc borrowed(hWnd, hDC);
  HDC dc = borrowed.get();
  RECT client{};
  GetClientRect(hWnd, &client);
  Selection font(dc, hFont);
  const COLORREF oldBack = GetBkColor(dc);
  const COLORREF oldText = GetTextColor(dc);

  const std::string text = MeterText(cText, nPercent, lPercentage);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
  const int x = client.right / 2 - extent.cx / 2;
  const int y = client.bottom / 2 - extent.cy / 2;

  const int barEnd = MeterBarEnd(nPercent, client.right);
  TextInColours(dc, {1, 1, barEnd, client.bottom - 1}, x, y, text, nClrBar, nClrBarText);
  DrawFrame(dc, {0, 0, client.right - 1, client.bottom - 1}, FrameKind::Sunken);
  if (std::clamp(nPercent, 0, 100) < 100) {
    // The rest starts where the bar stops, so no column is left unpainted.
    TextInColours(dc, {std::max(barEnd, 1), 1, client.right - 1, client.bottom - 1}, x, y, text, nClrPane, nClrText);
  }
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  return 0;
}

}  // namespace gfx
