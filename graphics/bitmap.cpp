#include "graphics/bitmap.h"

#include "graphics/file_bytes.h"
#include "graphics/gdi_scope.h"
#include "graphics/handle_track.h"
#include "services/bitmap_copy.h"

namespace gfx {
namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

// Draws the colour copy and its mask of transparent pixels: the mask keeps
// the target where the top-left colour was, the copy paints the rest.
void DrawThroughMask(HDC hDC, HBITMAP bitmap, int row, int col, HBRUSH ground) {
  const SIZE size = BitmapSize(bitmap);
  if (!hDC || size.cx == 0) return;
  MemoryDc source(hDC);
  MemoryDc copyDc(hDC);
  MemoryDc maskDc(hDC);
  HBITMAP copy = CreateCompatibleBitmap(hDC, size.cx, size.cy);
  HBITMAP mask = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
  if (source.get() && copyDc.get() && maskDc.get() && copy && mask) {
    Selection s(source.get(), bitmap);
    Selection c(copyDc.get(), copy);
    Selection m(maskDc.get(), mask);
    BitBlt(copyDc.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    SetBkColor(copyDc.get(), GetPixel(source.get(), 0, 0));
    BitBlt(maskDc.get(), 0, 0, size.cx, size.cy, copyDc.get(), 0, 0, SRCCOPY);
    SetBkColor(copyDc.get(), RGB(255, 255, 255));
    SetTextColor(copyDc.get(), RGB(0, 0, 0));
    constexpr DWORD kDestAndNotSource = 0x220326;
    BitBlt(copyDc.get(), 0, 0, size.cx, size.cy, maskDc.get(), 0, 0, kDestAndNotSource);

    if (ground) {
      const RECT area{col, row, col + size.cx, row + size.cy};
      FillRect(hDC, &area, ground);
    }
    const COLORREF oldBack = SetBkColor(hDC, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(hDC, RGB(0, 0, 0));
    BitBlt(hDC, col, row, size.cx, size.cy, maskDc.get(), 0, 0, SRCAND);
    BitBlt(hDC, col, row, size.cx, size.cy, copyDc.get(), 0, 0, SRCPAINT);
    SetBkColor(hDC, oldBack);
    SetTextColor(hDC, oldText);
  }
  if (copy) DeleteObject(copy);
  if (mask) DeleteObject(mask);
}

}  // namespace

HBITMAP BitmapFromPackedDib(HDC hDC, Bytes dib) {
  const std::optional<DibInfo> info = ParsePackedDib(dib);
  if (!info) return nullptr;
  WindowDc screen;
  HDC target = hDC ? hDC : screen.get();
  const auto* header = reinterpret_cast<const BITMAPINFO*>(dib.data());
  return Tracked(CreateDIBitmap(target, &header->bmiHeader, CBM_INIT, dib.data() + info->bitsOffset, header,
                                DIB_RGB_COLORS),
                 "BMP");
}

HBITMAP READBITMAP(HDC hDC, const std::string& bmpFile) {
  const auto file = ReadFileBytes(bmpFile);
  if (!file) return nullptr;
  const std::vector<std::uint8_t> dib = PackedDibFromBmp(*file);
  return dib.empty() ? nullptr : BitmapFromPackedDib(hDC, dib);
}

HBITMAP LOADBITMAP(HINSTANCE hInstance, const rt::Value& nameOrId) {
  const char* name = nameOrId.IsString() ? nameOrId.AsString().c_str()
                                         : MAKEINTRESOURCEA(static_cast<WORD>(nameOrId.AsInt()));
  return Tracked(LoadBitmapA(hInstance, name), "BMP");
}

int NBMPWIDTH(HBITMAP bitmap) { return BitmapSize(bitmap).cx; }

int NBMPHEIGHT(HBITMAP bitmap) { return BitmapSize(bitmap).cy; }

void DRAWBITMAP(HDC hDC, HBITMAP bitmap, int row, int col, int width, int height, DWORD raster) {
  const SIZE size = BitmapSize(bitmap);
  if (!hDC || size.cx == 0) return;
  MemoryDc source(hDC);
  if (!source.get()) return;
  Selection s(source.get(), bitmap);
  if (width == 0 || height == 0) {
    BitBlt(hDC, col, row, size.cx, size.cy, source.get(), 0, 0, raster);
    return;
  }
  // Stretched through a bitmap of the target size: the stretch itself is a
  // plain copy, so that the raster operation meets the target exactly once.
  MemoryDc stretchedDc(hDC);
  HBITMAP stretched = CreateCompatibleBitmap(source.get(), width, height);
  if (stretchedDc.get() && stretched) {
    Selection t(stretchedDc.get(), stretched);
    SetStretchBltMode(stretchedDc.get(), COLORONCOLOR);
    StretchBlt(stretchedDc.get(), 0, 0, width, height, source.get(), 0, 0, size.cx, size.cy, SRCCOPY);
    BitBlt(hDC, col, row, width, height, stretchedDc.get(), 0, 0, raster);
  }
  if (stretched) DeleteObject(stretched);
}

void DRAWMASKED(HDC hDC, HBITMAP bitmap, int row, int col) { DrawThroughMask(hDC, bitmap, row, col, nullptr); }

void DrawMaskedDithered(HDC hDC, HBITMAP bitmap, int row, int col) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  std::uint32_t pixels[8 * 8];
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const COLORREF c = (x + y) % 2 ? face : light;
      pixels[y * 8 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  HBITMAP pattern = CreateBitmap(8, 8, 1, 32, pixels);
  HBRUSH ground = pattern ? CreatePatternBrush(pattern) : nullptr;
  DrawThroughMask(hDC, bitmap, row, col, ground);
  if (ground) DeleteObject(ground);
  if (pattern) DeleteObject(pattern);
}

HBITMAP CopyBitmapForScreen(HBITMAP bitmap) { return svc::CopyBitmapForScreen(bitmap); }

}  // namespace gfx
