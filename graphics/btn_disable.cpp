#include "graphics/btn_disable.h"

#include "graphics/gdi_scope.h"

namespace gfx {

namespace {

// Paints the brush where the source is white and leaves the rest alone.
constexpr DWORD kPaintWhereSourceSet = 0xE20746;

void PaintThrough(HDC dc, int x, int y, int w, int h, HDC mask, int colourIndex) {
  HBRUSH brush = CreateSolidBrush(GetSysColor(colourIndex));
  {
    Selection selected(dc, brush);
    BitBlt(dc, x, y, w, h, mask, 0, 0, kPaintWhereSourceSet);
  }
  DeleteObject(brush);
}

}  // namespace

void BTNDISABLE(HWND hWnd, HDC hDC) {
  RECT client{};
  GetClientRect(hWnd, &client);
  const int x = 1, y = 1;
  const int w = client.right - 2, h = client.bottom - 2;
  if (w <= 0 || h <= 0) return;

  MemoryDc mask(hDC);
  HBITMAP bits = CreateBitmap(w, h, 1, 1, nullptr);
  {
    Selection maskBits(mask.get(), bits);
    // Copying to monochrome turns the source's background colour white:
    // first the face, then, added, the highlight.
    const COLORREF oldBack = SetBkColor(hDC, GetSysColor(COLOR_BTNFACE));
    BitBlt(mask.get(), 0, 0, w, h, hDC, x, y, SRCCOPY);
    SetBkColor(hDC, GetSysColor(COLOR_BTNHIGHLIGHT));
    BitBlt(mask.get(), 0, 0, w, h, hDC, x, y, SRCPAINT);
    SetBkColor(hDC, oldBack);
    PatBlt(mask.get(), 0, 0, w, h, DSTINVERT);  // now white marks the picture

    const COLORREF back = SetBkColor(hDC, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(hDC, RGB(0, 0, 0));
    PaintThrough(hDC, x + 1, y + 1, w, h, mask.get(), COLOR_BTNHIGHLIGHT);
    PaintThrough(hDC, x, y, w, h, mask.get(), COLOR_BTNSHADOW);
    SetBkColor(hDC, back);
    SetTextColor(hDC, text);
  }
  DeleteObject(bits);
}

}  // namespace gfx
