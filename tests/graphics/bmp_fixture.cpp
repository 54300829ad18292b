#include "bmp_fixture.h"

#include <atomic>
#include <cstdio>
#include <fstream>

#include "graphics/dib_reader.h"

namespace gfxtest {

void Put32At(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, int colors, std::uint8_t fill) {
  const std::size_t table = static_cast<std::size_t>(colors) * 4;
  const std::size_t image = gfx::DibStride(width, bits) * static_cast<std::uint64_t>(height < 0 ? -height : height);
  std::vector<std::uint8_t> bmp(14 + 40 + table + image, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  Put32At(bmp, 2, static_cast<std::uint32_t>(bmp.size()));
  Put32At(bmp, 10, static_cast<std::uint32_t>(14 + 40 + table));
  Put32At(bmp, 14, 40);
  Put32At(bmp, 18, static_cast<std::uint32_t>(width));
  Put32At(bmp, 22, static_cast<std::uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = static_cast<std::uint8_t>(bits);
  Put32At(bmp, 46, static_cast<std::uint32_t>(colors));
  for (int i = 0; i < colors; ++i) {
    const auto level = static_cast<std::uint8_t>(i * 255 / (colors > 1 ? colors - 1 : 1));
    for (int c = 0; c < 3; ++c) bmp[54 + static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(c)] = level;
  }
  std::fill(bmp.begin() + static_cast<std::ptrdiff_t>(54 + table), bmp.end(), fill);
  return bmp;
}

ScratchFile::ScratchFile(const std::vector<std::uint8_t>& bytes) {
  static std::atomic<int> counter{0};
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  path_ = std::string(dir) + "gfxtest" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(counter++) + ".bmp";
  std::ofstream out(path_, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

ScratchFile::~ScratchFile() { std::remove(path_.c_str()); }

HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetPixel(dc, x, y, pixels[static_cast<std::size_t>(y * width + x)]);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

HBITMAP KeyedPicture(int width, int height, COLORREF fill) {
  std::vector<COLORREF> pixels(static_cast<std::size_t>(width * height), fill);
  pixels[0] = RGB(255, 0, 255);
  return MakeBitmap(width, height, pixels);
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const COLORREF c = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteDC(dc);
  return c;
}

}  // namespace gfxtest
