// Feeds arbitrary bytes to the .BMP and packed-DIB readers and checks that
// whatever they accept stays inside the bytes they were given.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/dib_reader.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckPackedDib(gfx::Bytes dib) {
  const auto info = gfx::ParsePackedDib(dib);
  if (!info) return;
  Require(info->bitsOffset <= dib.size() && info->imageSize <= dib.size() - info->bitsOffset);
  Require(info->colorCount <= 256);
  Require(gfx::DibColorTable(dib, *info).size() == info->colorCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const gfx::Bytes input(data, size);
  CheckPackedDib(input);
  const auto dib = gfx::PackedDibFromBmp(input);
  if (!dib.empty()) {
    Require(gfx::ParsePackedDib(dib).has_value());
    CheckPackedDib(dib);
  }
  return 0;
}
