#include "graphics/dib_reader.h"

#include <limits>

namespace gfx {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kOldHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kMaxColors = 256;

std::uint16_t U16(Bytes b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32(Bytes b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

bool ValidBitCount(int bits, bool oldStyle) {
  switch (bits) {
    case 1: case 4: case 8: case 24: return true;
    case 16: case 32: return !oldStyle;
    default: return false;
  }
}

// Checks the header and the colour table; the pixel bits are the caller's,
// since a file may keep them at a distance from the table.
std::optional<DibInfo> ParseHeader(Bytes block) {
  if (block.size() < 4) return std::nullopt;
  DibInfo info;
  info.headerSize = U32(block, 0);
  std::uint16_t planes = 0;
  std::uint32_t colorsUsed = 0;
  if (info.headerSize == kOldHeaderSize) {
    if (block.size() < kOldHeaderSize) return std::nullopt;
    info.width = U16(block, 4);
    info.height = U16(block, 6);
    planes = U16(block, 8);
    info.bitCount = U16(block, 10);
    info.colorEntrySize = 3;
  } else if (info.headerSize >= kInfoHeaderSize) {
    if (block.size() < info.headerSize) return std::nullopt;
    info.width = static_cast<std::int32_t>(U32(block, 4));
    info.height = static_cast<std::int32_t>(U32(block, 8));
    planes = U16(block, 12);
    info.bitCount = U16(block, 14);
    info.compression = U32(block, 16);
    colorsUsed = U32(block, 32);
    info.colorEntrySize = 4;
  } else {
    return std::nullopt;
  }
  const bool oldStyle = info.headerSize == kOldHeaderSize;
  if (planes != 1 || !ValidBitCount(info.bitCount, oldStyle)) return std::nullopt;
  if (info.width <= 0 || info.height == 0 || info.height == std::numeric_limits<std::int32_t>::min()) {
    return std::nullopt;
  }
  if (info.compression == kBitFields) {
    if (info.bitCount != 16 && info.bitCount != 32) return std::nullopt;
  } else if (info.compression != kPlain) {
    return std::nullopt;
  }

  const std::uint32_t tableLimit = info.bitCount <= 8 ? (1u << info.bitCount) : kMaxColors;
  if (colorsUsed > tableLimit) return std::nullopt;
  info.colorCount = colorsUsed != 0 ? colorsUsed : (info.bitCount <= 8 ? tableLimit : 0);

  // The three colour masks of a bit-field image follow a 40-byte header;
  // longer headers carry them inside.
  const std::size_t masks = info.compression == kBitFields && info.headerSize == kInfoHeaderSize ? 12 : 0;
  info.colorTableOffset = info.headerSize + masks;
  info.bitsOffset = info.colorTableOffset + std::size_t{info.colorCount} * info.colorEntrySize;
  if (info.bitsOffset > block.size()) return std::nullopt;

  const std::int64_t rows = info.height < 0 ? -std::int64_t{info.height} : info.height;
  const std::uint64_t image = DibStride(info.width, info.bitCount) * static_cast<std::uint64_t>(rows);
  if (image > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  info.imageSize = static_cast<std::size_t>(image);
  return info;
}

}  // namespace

std::uint64_t DibStride(std::int64_t width, int bitCount) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32 * 4;
}

std::optional<DibInfo> ParsePackedDib(Bytes dib) {
  std::optional<DibInfo> info = ParseHeader(dib);
  if (!info || info->imageSize > dib.size() - info->bitsOffset) return std::nullopt;
  return info;
}

std::vector<std::uint8_t> PackedDibFromBmp(Bytes file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') return {};
  const Bytes block = file.subspan(kFileHeaderSize);
  const std::optional<DibInfo> info = ParseHeader(block);
  if (!info) return {};
  // An offset of 0 is written by some tools and means "right after the table".
  const std::uint32_t stored = U32(file, 10);
  const std::size_t bits = stored == 0 ? kFileHeaderSize + info->bitsOffset : stored;
  if (bits < kFileHeaderSize + info->bitsOffset || bits > file.size() ||
      info->imageSize > file.size() - bits) {
    return {};
  }
  std::vector<std::uint8_t> dib(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(info->bitsOffset));
  dib.insert(dib.end(), file.begin() + static_cast<std::ptrdiff_t>(bits),
             file.begin() + static_cast<std::ptrdiff_t>(bits + info->imageSize));
  return dib;
}

std::vector<Rgb> DibColorTable(Bytes dib, const DibInfo& info) {
  std::vector<Rgb> table;
  table.reserve(info.colorCount);
  for (std::uint32_t i = 0; i < info.colorCount; ++i) {
    const std::size_t at = info.colorTableOffset + std::size_t{i} * info.colorEntrySize;
    if (at + 3 > dib.size()) break;
    table.push_back(Rgb{dib[at + 2], dib[at + 1], dib[at]});
  }
  return table;
}

}  // namespace gfx
