#include "graphics/colour.h"

#include <windows.h>

namespace gfx {
namespace {

bool Is(char c, char upper) { return c == upper || c == upper + ('a' - 'A'); }

// A colour letter alone, and the mixed colour it makes with the letter that
// may follow it ("BG", "GR", "RB").
struct Letter {
  char letter;
  unsigned alone;
  char partner;
  unsigned mixed;
};

constexpr Letter kLetters[] = {{'B', 1, 'G', 3}, {'G', 2, 'R', 6}, {'R', 4, 'B', 5}, {'W', 7, '\0', 7}};

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
    if (c == '*') {
      attribute |= 0x80;
    } else if (c == '+') {
      attribute |= 0x08;
    } else if (c == '/') {
      background = true;
    } else {
      for (const Letter& l : kLetters) {
        if (!Is(c, l.letter)) continue;
        unsigned bits = l.alone;
        if (l.partner && i + 1 < color.size() && Is(color[i + 1], l.partner)) {
          bits = l.mixed;
          ++i;
        }
        attribute |= background ? bits << 4 : bits;
        break;
      }
    }
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
