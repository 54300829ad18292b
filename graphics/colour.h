#pragma once
// Colour numbers (red + 256 * green + 65536 * blue) and the text colour
// specifications ("N/W", "R*/BG") that windows and controls accept in their
// place.

#include <cstdint>
#include <string_view>

#include "runtime/value.h"

namespace gfx {

// The parts are taken modulo 256.
long NRGB(long red, long green, long blue);

// Attribute byte of a colour string: bits 0-2 foreground colour, bit 3
// foreground bright, bits 4-6 background colour, bit 7 background bright.
std::uint8_t ColorAttribute(std::string_view color);

// Colour number of an attribute nibble (0-15).
long AttributeRgb(unsigned nibble);

// Foreground and background halves of a colour string; a value that is no
// string (NIL) gives black.
long NGETFORERGB(const rt::Value& color);
long NGETBACKRGB(const rt::Value& color);

long GETSYSCOLOR(int index);

}  // namespace gfx
