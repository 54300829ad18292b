#include "grid/cell_parts.h"

#include <algorithm>
#include <cstdlib>

#include "graphics/gdi_scope.h"
#include "grid/owned_gdi.h"

namespace grid {
namespace {

int Channel(COLORREF colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// Destination OR (pattern AND source): paints the brush where the source is white.
constexpr DWORD kPaintWhereWhite = 0x00EA02E9;

void Frame(HDC hDC, int left, int top, int right, int bottom, HPEN pen) {
  gfx::Selection usePen(hDC, pen);
  gfx::Selection hollow(hDC, GetStockObject(NULL_BRUSH));
  Rectangle(hDC, left, top, right, bottom);
}

void Fill(HDC hDC, int left, int top, int right, int bottom, COLORREF colour) {
  const RECT r{left, top, right, bottom};
  OwnedBrush brush = SolidBrush(colour);
  FillRect(hDC, &r, brush.get());
}

}  // namespace

void FillGradient(HDC hDC, const RECT& rect, COLORREF start, COLORREF end) {
  const int bands = rect.bottom - rect.top;
  if (bands <= 0) return;
  int current[3];
  int target[3];
  int step[3];
  for (int c = 0; c < 3; ++c) {
    current[c] = Channel(start, 8 * c);
    target[c] = Channel(end, 8 * c);
    step[c] = std::abs(target[c] - current[c]) / bands;
  }
  for (int band = 0; band < bands; ++band) {
    if (band > 0) {
      for (int c = 0; c < 3; ++c) {
        current[c] += current[c] <= target[c] ? step[c] : -step[c];
        current[c] = std::clamp(current[c], 0, 255);
      }
    }
    const int y = rect.top + band;
    Fill(hDC, rect.left, y, rect.right, y + 1, RGB(current[0], current[1], current[2]));
  }
}

void ReplaceColour(HDC hDC, const RECT& rect, COLORREF from, COLORREF to) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  gfx::MemoryDc imageDc(hDC);
  gfx::MemoryDc maskDc(hDC);
  OwnedBitmap image(CreateCompatibleBitmap(hDC, width, height), "BMP");
  OwnedBitmap mask(CreateBitmap(width, height, 1, 1, nullptr), "BMP");
  OwnedBrush paint = SolidBrush(to);
  if (!imageDc.get() || !maskDc.get() || !image.get() || !mask.get() || !paint.get()) return;
  gfx::Selection imageSel(imageDc.get(), image.get());
  gfx::Selection maskSel(maskDc.get(), mask.get());
  BitBlt(imageDc.get(), 0, 0, width, height, hDC, rect.left, rect.top, SRCCOPY);
  // Colour to monochrome: pixels of the background colour become white.
  SetBkColor(imageDc.get(), from);
  BitBlt(maskDc.get(), 0, 0, width, height, imageDc.get(), 0, 0, SRCCOPY);
  // Monochrome to colour maps white to the background colour and black to
  // the text colour: first clear the matching pixels, then paint them.
  SetBkColor(imageDc.get(), RGB(0, 0, 0));
  SetTextColor(imageDc.get(), RGB(255, 255, 255));
  BitBlt(imageDc.get(), 0, 0, width, height, maskDc.get(), 0, 0, SRCAND);
  SetBkColor(imageDc.get(), RGB(255, 255, 255));
  SetTextColor(imageDc.get(), RGB(0, 0, 0));
  gfx::Selection brushSel(imageDc.get(), paint.get());
  BitBlt(imageDc.get(), 0, 0, width, height, maskDc.get(), 0, 0, kPaintWhereWhite);
  BitBlt(hDC, rect.left, rect.top, width, height, imageDc.get(), 0, 0, SRCCOPY);
}

void DrawCheckBox(HDC hDC, const RECT& rect, HPEN lightPen, int nAlign, bool checked) {
  const int top = rect.top + (rect.bottom - rect.top + 1) / 2 - 8;
  int left = rect.left;
  if (nAlign == 1) left = rect.left + (rect.right - rect.left + 1) / 2 - 8;
  if (nAlign == 2) left = rect.right - 16;
  OwnedPen black = SolidPen(RGB(0, 0, 0));
  OwnedPen darkGrey = SolidPen(RGB(128, 128, 128));
  {
    OwnedBrush grey = SolidBrush(RGB(192, 192, 192));
    gfx::Selection usePen(hDC, black.get());
    gfx::Selection useBrush(hDC, grey.get());
    Rectangle(hDC, left - 1, top - 1, left + 17, top + 17);
  }
  Fill(hDC, left, top, left + 16, top + 16, RGB(192, 192, 192));
  Fill(hDC, left + 2, top + 2, left + 14, top + 14, RGB(255, 255, 255));
  Frame(hDC, left, top, left + 16, top + 16, darkGrey.get());
  Frame(hDC, left + 1, top + 1, left + 15, top + 15, black.get());
  Frame(hDC, left + 2, top + 2, left + 14, top + 14, lightPen);
  if (!checked) return;
  // The inner frame's top + 1, right - 2 and bottom - 1.
  const int t = top + 3;
  const int r = left + 12;
  const int b = top + 13;
  gfx::Selection usePen(hDC, black.get());
  for (int k = 0; k < 3; ++k) {
    MoveToEx(hDC, r, t + k, nullptr);
    LineTo(hDC, r - 4, b - 3 + k);
    LineTo(hDC, r - 6, b - 5 + k);
  }
}

void DrawCellLines(HDC hDC, const RECT& frame, HPEN lightPen, HPEN darkPen, int nStyle, bool title) {
  if (nStyle >= 5) {
    const RECT dotted{frame.left + 1, frame.top + 1, frame.right + 2, frame.bottom + 2};
    DrawFocusRect(hDC, &dotted);
    return;
  }
  const HPEN none = static_cast<HPEN>(GetStockObject(NULL_PEN));
  const bool sides = title || nStyle != 3;
  const bool topAndBottom = title || nStyle != 2;
  const HGDIOBJ oldPen = SelectObject(hDC, sides ? lightPen : none);
  MoveToEx(hDC, frame.left, frame.bottom, nullptr);
  LineTo(hDC, frame.left, frame.top);
  SelectObject(hDC, topAndBottom ? lightPen : none);
  LineTo(hDC, frame.right, frame.top);
  SelectObject(hDC, topAndBottom ? darkPen : none);
  MoveToEx(hDC, frame.left, frame.bottom, nullptr);
  LineTo(hDC, frame.right, frame.bottom);
  SelectObject(hDC, sides ? darkPen : none);
  LineTo(hDC, frame.right, frame.top - 1);
  SelectObject(hDC, oldPen);
}

}  // namespace grid
