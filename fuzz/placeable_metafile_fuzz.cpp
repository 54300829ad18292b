// Feeds arbitrary bytes to the placeable-metafile header check as a whole
// file and checks that an accepted header never names more bytes than the
// file holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "print/placeable_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto info = prn::ParsePlaceableHeader(std::span<const std::uint8_t>(data, size), size);
  if (info && (info->bitsSize < prn::kStandardHeaderSize || info->bitsSize > size - prn::kPlaceableHeaderSize))
    std::abort();
  return 0;
}
