#pragma once
// The library's own images: four 8 x 8 brush patterns and a 32 x 32 warning
// sign for the error dialog, each kept as a complete 16-colour .BMP image.

#include <windows.h>

#include <cstdint>
#include <vector>

namespace gfx {

// The .BMP bytes of brush pattern 1-4 (150 bytes each); empty for any other
// index.
std::vector<std::uint8_t> BrushPatternBmp(int index);
// The .BMP bytes of the 32 x 32 image (630 bytes).
std::vector<std::uint8_t> BuiltinImageBmp();

// Bitmap of pattern 1-4 for the screen, registered as "BMP"; 0 otherwise.
HBITMAP VDBRUSHES(int index);
// Bitmap of the 32 x 32 image for the DC (the screen when none).
HBITMAP VDBITMAP(HDC hDC = nullptr);

}  // namespace gfx
