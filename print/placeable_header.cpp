#include "print/placeable_header.h"

namespace prn {

namespace {

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint32_t>(U16(b, at)) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}

}  // namespace

std::optional<PlaceableInfo> ParsePlaceableHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
  if (head.size() < kHeadSize || fileSize < kHeadSize) return std::nullopt;
  const std::size_t s = kPlaceableHeaderSize;
  const std::uint16_t type = U16(head, s), headerWords = U16(head, s + 2), version = U16(head, s + 4);
  const std::uint64_t words = U32(head, s + 6);
  // Memory (1) or disk (2) metafile, a nine-word header, version 1 or 3.
  if ((type != 1 && type != 2) || headerWords != kStandardHeaderSize / 2 || (version != 0x100 && version != 0x300))
    return std::nullopt;
  if (words * 2 < kStandardHeaderSize || words * 2 > fileSize - kPlaceableHeaderSize) return std::nullopt;
  PlaceableInfo info;
  info.left = static_cast<std::int16_t>(U16(head, 6));
  info.top = static_cast<std::int16_t>(U16(head, 8));
  info.right = static_cast<std::int16_t>(U16(head, 10));
  info.bottom = static_cast<std::int16_t>(U16(head, 12));
  info.unitsPerInch = U16(head, 14);
  info.bitsSize = static_cast<std::size_t>(words * 2);
  return info;
}

}  // namespace prn
