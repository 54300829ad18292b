#pragma once
// The header of a placeable metafile file, checked before anything is
// allocated: the 22-byte placeable header, then the standard metafile header
// whose size (in 16-bit words) must fit the file. Portable, so that it is
// fuzzed natively.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace prn {

inline constexpr std::size_t kPlaceableHeaderSize = 22;
inline constexpr std::size_t kStandardHeaderSize = 18;
inline constexpr std::size_t kHeadSize = kPlaceableHeaderSize + kStandardHeaderSize;

struct PlaceableInfo {
  std::int16_t left = 0, top = 0, right = 0, bottom = 0;
  std::uint16_t unitsPerInch = 0;
  std::size_t bitsSize = 0;  // bytes of the standard metafile from offset 22
};

// head holds the first bytes of the file (at least kHeadSize for a valid
// one); fileSize is the whole file's length. Empty when the file is short,
// the standard header is not one, or its size runs past the file's end.
std::optional<PlaceableInfo> ParsePlaceableHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize);

}  // namespace prn
