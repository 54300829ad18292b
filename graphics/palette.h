#pragma once
// Logical palettes built from a DIB's colour table.

#include <windows.h>

#include <vector>

#include "graphics/dib_reader.h"

namespace gfx {

// A palette with one entry per colour, registered as "PAL"; 0 for an empty
// table.
HPALETTE PaletteFromColors(const std::vector<Rgb>& colors);

}  // namespace gfx
