#include "graphics/colour.h"

#include <windows.h>

namespace gfx {
namespace {

bool Is(char c, char upper) { return c == upper || c == upper + ('a' - 'A'); }

std::uint8_t AttributeOf(const rt::Value& color) {
  return color.IsString() ? ColorAttribute(color.AsString()) : 0;
}

}  // namespace

long NRGB(long red, long green, long blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

std::uint8_t ColorAttribute(std::string_view color) {
  unsigned attribute = 0;
  bool background = false;
  for (std::size_t i = 0; i < color.size(); ++i) {
    const char c = color[i];
    const char next = i + 1 < color.size() ? color[i + 1] : '\0';
    unsigned bits = 0;
    if (c == '*') {
      attribute |= 0x80;
    } else if (c == '+') {
      attribute |= 0x08;
    } else if (c == '/') {
      background = true;
    } else if (Is(c, 'B')) {
      bits = Is(next, 'G') ? (++i, 3) : 1;
    } else if (Is(c, 'G')) {
      bits = Is(next, 'R') ? (++i, 6) : 2;
    } else if (Is(c, 'R')) {
      bits = Is(next, 'B') ? (++i, 5) : 4;
    } else if (Is(c, 'W')) {
      bits = 7;
    }
    attribute |= background ? bits << 4 : bits;
  }
  return static_cast<std::uint8_t>(attribute);
}

long AttributeRgb(unsigned nibble) {
  const unsigned colour = nibble & 7;
  const bool bright = (nibble & 8) != 0;
  if (colour == 0) return bright ? NRGB(128, 128, 128) : 0;
  if (colour == 7) return bright ? NRGB(255, 255, 255) : NRGB(192, 192, 192);
  const long level = bright ? 255 : 128;
  return NRGB(colour & 4 ? level : 0, colour & 2 ? level : 0, colour & 1 ? level : 0);
}

long NGETFORERGB(const rt::Value& color) { return AttributeRgb(AttributeOf(color) & 0x0F); }

long NGETBACKRGB(const rt::Value& color) { return AttributeRgb(AttributeOf(color) >> 4); }

long GETSYSCOLOR(int index) { return static_cast<long>(GetSysColor(index)); }

}  // namespace gfx
