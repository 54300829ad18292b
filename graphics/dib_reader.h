#pragma once
// Reading .BMP files and packed DIBs (information header, colour table, pixel
// bits in one block) without trusting them: every size and offset is checked
// against the bytes actually present before anything is read or allocated.
// Portable, so that it is fuzzed natively.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gfx {

using Bytes = std::span<const std::uint8_t>;

// A checked packed DIB. Offsets are relative to the start of the packed DIB.
struct DibInfo {
  std::uint32_t headerSize = 0;   // 12 (old style) or at least 40
  std::int32_t width = 0;
  std::int32_t height = 0;        // negative: rows stored top-down
  int bitCount = 0;
  std::uint32_t compression = 0;  // 0 plain, 3 bit fields
  std::uint32_t colorCount = 0;   // entries in the colour table
  std::uint32_t colorEntrySize = 0;  // 3 for old-style headers, else 4
  std::size_t colorTableOffset = 0;  // after the header and any bit-field masks
  std::size_t bitsOffset = 0;        // after the colour table
  std::size_t imageSize = 0;         // bytes of pixel bits
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// Bytes per row of pixel bits, rows padded to 32 bits.
std::uint64_t DibStride(std::int64_t width, int bitCount);

// Checks the header of a packed DIB, its colour table and its pixel bits
// against the block. Gives nothing for anything malformed or short.
std::optional<DibInfo> ParsePackedDib(Bytes dib);

// Checks a .BMP file ("BM", its header, colour table and pixel bits) and
// returns it as a packed DIB: header and colour table as stored, followed by
// the pixel bits from the file header's offset. Empty when malformed.
std::vector<std::uint8_t> PackedDibFromBmp(Bytes file);

// Colour table of a checked packed DIB, in red, green, blue order.
std::vector<Rgb> DibColorTable(Bytes dib, const DibInfo& info);

}  // namespace gfx
