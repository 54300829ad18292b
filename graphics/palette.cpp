#include "graphics/palette.h"

#include <cstddef>

#include "graphics/handle_track.h"

namespace gfx {

HPALETTE PaletteFromColors(const std::vector<Rgb>& colors) {
  if (colors.empty()) return nullptr;
  // LOGPALETTE ends in a one-entry array; the block holds all entries.
  std::vector<std::byte> block(offsetof(LOGPALETTE, palPalEntry) + colors.size() * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(colors.size());
  auto* entries = reinterpret_cast<PALETTEENTRY*>(block.data() + offsetof(LOGPALETTE, palPalEntry));
  for (std::size_t i = 0; i < colors.size(); ++i) {
    entries[i] = PALETTEENTRY{colors[i].red, colors[i].green, colors[i].blue, 0};
  }
  return Tracked(CreatePalette(palette), "PAL");
}

}  // namespace gfx
