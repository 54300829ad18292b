#pragma once
// The AND and XOR planes of the library's own cursors, 32 x 32 pixels, one
// bit per pixel, rows of 4 bytes, most significant bit leftmost.

#include <array>
#include <cstdint>

namespace gfx {

enum class BuiltinCursor { Hand, Stop, Drag, Grab };

struct CursorPlanes {
  std::array<std::uint8_t, 128> andPlane{};
  std::array<std::uint8_t, 128> xorPlane{};
  int hotX = 0;
  int hotY = 0;
};

CursorPlanes PlanesOf(BuiltinCursor cursor);

}  // namespace gfx
