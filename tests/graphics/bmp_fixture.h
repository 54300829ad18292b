#pragma once
// Small .BMP files made on the spot, and a scratch file that removes itself.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gfxtest {

// An uncompressed .BMP with a 40-byte header: a grey-ramp colour table of
// `colors` entries (0 for none) and every pixel byte set to `fill`.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, int colors, std::uint8_t fill = 0);

void Put32At(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);

class ScratchFile {
 public:
  explicit ScratchFile(const std::vector<std::uint8_t>& bytes);
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A bitmap for the screen, each pixel given as a colour number, rows top
// first.
HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels);
// A screen bitmap of one colour with a magenta top-left pixel, the colour
// that picture drawing treats as transparent.
HBITMAP KeyedPicture(int width, int height, COLORREF fill);
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

}  // namespace gfxtest
