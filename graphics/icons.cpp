#include "graphics/icons.h"

#include <cstdint>
#include <shellapi.h>

#include "graphics/gdi_scope.h"

namespace gfx {
namespace {

constexpr int kIconSize = 32;

// A 32 x 32 top-down 32-bit bitmap with direct access to its pixels
// (0x00RRGGBB).
class PixelBuffer {
 public:
  explicit PixelBuffer(HDC compatible) : dc_(compatible) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kIconSize;
    info.bmiHeader.biHeight = -kIconSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels_ = static_cast<std::uint32_t*>(bits);
    if (bitmap_) old_ = SelectObject(dc_.get(), bitmap_);
  }
  ~PixelBuffer() {
    if (old_) SelectObject(dc_.get(), old_);
    if (bitmap_) DeleteObject(bitmap_);
  }
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;

  bool ok() const { return pixels_ != nullptr && dc_.get() != nullptr; }
  HDC dc() const { return dc_.get(); }
  std::uint32_t& at(int i) { return pixels_[i]; }
  void Fill(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, kIconSize, kIconSize};
    FillRect(dc_.get(), &all, brush);
    DeleteObject(brush);
    GdiFlush();
  }

 private:
  MemoryDc dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
};

// Bits per pixel of what the DC draws into: a memory DC draws into its
// bitmap, whatever the screen has.
int TargetDepth(HDC hDC) {
  if (GetObjectType(hDC) == OBJ_MEMDC) {
    BITMAP bm{};
    if (GetObjectA(GetCurrentObject(hDC, OBJ_BITMAP), sizeof bm, &bm)) return bm.bmBitsPixel * bm.bmPlanes;
  }
  return GetDeviceCaps(hDC, BITSPIXEL) * GetDeviceCaps(hDC, PLANES);
}

std::uint32_t Pixel(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}

}  // namespace

HICON LOADICON(HINSTANCE hInstance, const rt::Value& nameOrId) {
  const char* name = nameOrId.IsString() ? nameOrId.AsString().c_str()
                                         : MAKEINTRESOURCEA(static_cast<WORD>(nameOrId.AsInt()));
  return LoadIconA(hInstance, name);
}

HICON EXTRACTICON(const std::string& file, int index) {
  return ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(index));
}

HICON DEFAULTICON() {
  static const HICON icon = [] {
    const HICON user = EXTRACTICON("user.exe", 0);
    const bool extracted = reinterpret_cast<std::uintptr_t>(user) > 1;
    return extracted ? user : LoadIconA(nullptr, IDI_APPLICATION);
  }();
  return icon;
}

bool DRAWICON(HDC hDC, int row, int col, HICON icon) { return DrawIcon(hDC, col, row, icon) != 0; }

bool DRAWICONFOCUS(HDC hDC, int row, int col, HICON icon) {
  if (!hDC || !icon) return true;
  PixelBuffer onWhite(hDC);
  PixelBuffer onBlack(hDC);
  PixelBuffer work(hDC);
  if (!onWhite.ok() || !onBlack.ok() || !work.ok()) return true;
  // A pixel that comes out the same on white and on black is opaque.
  onWhite.Fill(RGB(255, 255, 255));
  onBlack.Fill(RGB(0, 0, 0));
  DrawIconEx(onWhite.dc(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  DrawIconEx(onBlack.dc(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);

  BitBlt(work.dc(), 0, 0, kIconSize, kIconSize, hDC, col, row, SRCCOPY);
  DrawIconEx(work.dc(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const bool deep = TargetDepth(hDC) > 8;
  for (int i = 0; i < kIconSize * kIconSize; ++i) {
    if (((onWhite.at(i) ^ onBlack.at(i)) & 0xFFFFFF) != 0) continue;
    std::uint32_t& p = work.at(i);
    if (deep) {
      const auto red = static_cast<std::uint8_t>(((p >> 16) & 0xFF) / 2);
      const auto green = static_cast<std::uint8_t>(((p >> 8) & 0xFF) / 2);
      const auto blue = static_cast<std::uint8_t>((p & 0xFF) / 2 + 64);
      p = Pixel(red, green, blue);
    } else if ((i / kIconSize + i % kIconSize) % 2 == 1) {
      // Rows alternate 0x55 and 0xAA: every other pixel, shifted per row.
      p = Pixel(0, 0, 192);
    }
  }
  BitBlt(hDC, col, row, kIconSize, kIconSize, work.dc(), 0, 0, SRCCOPY);
  return true;
}

bool DESTROYICON(HICON icon) { return DestroyIcon(icon) != 0; }

}  // namespace gfx
