#include "graphics/dib.h"

#include <cstring>
#include <optional>
#include <vector>

#include "graphics/dib_reader.h"
#include "graphics/file_bytes.h"
#include "graphics/gdi_scope.h"
#include "graphics/palette.h"
#include "services/global_memory.h"

namespace gfx {
namespace {

// A locked view of a global block, unlocked at the end of the scope.
class LockedBlock {
 public:
  explicit LockedBlock(HGLOBAL block)
      : block_(block), data_(block ? static_cast<std::uint8_t*>(GlobalLock(block)) : nullptr) {}
  ~LockedBlock() {
    if (data_) GlobalUnlock(block_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  std::uint8_t* data() const { return data_; }
  Bytes bytes() const { return data_ ? Bytes(data_, GlobalSize(block_)) : Bytes(); }

 private:
  HGLOBAL block_;
  std::uint8_t* data_;
};

// A block of the class layer's global memory, so that GLOBALFREE releases
// it and its registry knows it meanwhile.
HGLOBAL BlockOf(Bytes bytes) {
  const std::intptr_t number = svc::GLOBALALLOC(GMEM_MOVEABLE, static_cast<std::uint32_t>(bytes.size()));
  if (!number) return nullptr;
  const auto block = reinterpret_cast<HGLOBAL>(static_cast<std::intptr_t>(number));
  LockedBlock locked(block);
  if (!locked.data()) {
    svc::GLOBALFREE(number);
    return nullptr;
  }
  std::memcpy(locked.data(), bytes.data(), bytes.size());
  return block;
}

}  // namespace

HGLOBAL DIBREAD(const std::string& bmpFile) {
  const auto file = ReadFileBytes(bmpFile);
  if (!file) return nullptr;
  const std::vector<std::uint8_t> dib = PackedDibFromBmp(*file);
  return dib.empty() ? nullptr : BlockOf(dib);
}

HPALETTE DIBPALETTE(HGLOBAL dib) {
  LockedBlock locked(dib);
  const std::optional<DibInfo> info = ParsePackedDib(locked.bytes());
  if (!info) return nullptr;
  return PaletteFromColors(DibColorTable(locked.bytes(), *info));
}

bool DIBDRAW(HDC hDC, HGLOBAL dib, HPALETTE palette, int row, int col, int width, int height, DWORD raster) {
  if (!hDC || !dib) return true;
  LockedBlock locked(dib);
  const std::optional<DibInfo> info = ParsePackedDib(locked.bytes());
  if (!info) return true;
  PaletteSelection selected(hDC, palette, false);
  const auto* header = reinterpret_cast<const BITMAPINFO*>(locked.data());
  const std::uint8_t* bits = locked.data() + info->bitsOffset;
  const int x = static_cast<std::int16_t>(col);
  const int y = static_cast<std::int16_t>(row);
  const int rows = info->height < 0 ? -info->height : info->height;
  if (width != 0 && height != 0) {
    StretchDIBits(hDC, x, y, static_cast<std::int16_t>(width), static_cast<std::int16_t>(height), 0, 0,
                  info->width, rows, bits, header, DIB_RGB_COLORS, raster);
  } else {
    SetDIBitsToDevice(hDC, x, y, static_cast<DWORD>(info->width), static_cast<DWORD>(rows), 0, 0, 0,
                      static_cast<UINT>(rows), bits, header, DIB_RGB_COLORS);
  }
  return true;
}

HGLOBAL DIBFROMBITMAP(HBITMAP bitmap, HPALETTE palette) {
  BITMAP bm{};
  if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return nullptr;
  WindowDc screen;
  PaletteSelection selected(screen.get(), palette ? palette : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)),
                            false);

  // Room for the header and the largest colour table; the system completes
  // the header when asked without a bits buffer.
  std::vector<std::uint8_t> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(block.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = bm.bmWidth;
  header->biHeight = bm.bmHeight;
  header->biPlanes = 1;
  header->biBitCount = static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel);
  header->biCompression = BI_RGB;
  auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
  if (!GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(bm.bmHeight), nullptr, info, DIB_RGB_COLORS)) {
    return nullptr;
  }
  if (header->biSizeImage == 0) {
    header->biSizeImage = static_cast<DWORD>(DibStride(header->biWidth, header->biBitCount) * header->biHeight);
  }
  const std::size_t colors =
      header->biClrUsed != 0 ? header->biClrUsed : (header->biBitCount <= 8 ? 1u << header->biBitCount : 0);
  const std::size_t masks = header->biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0;
  const std::size_t bitsOffset = sizeof(BITMAPINFOHEADER) + masks + colors * sizeof(RGBQUAD);
  block.resize(bitsOffset + header->biSizeImage);
  header = reinterpret_cast<BITMAPINFOHEADER*>(block.data());
  info = reinterpret_cast<BITMAPINFO*>(block.data());
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(bm.bmHeight), block.data() + bitsOffset, info,
                DIB_RGB_COLORS) == 0) {
    return nullptr;
  }
  return BlockOf(block);
}

}  // namespace gfx
