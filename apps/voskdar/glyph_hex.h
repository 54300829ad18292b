#pragma once
// The check-item control's glyphs: small bitmaps kept as hexadecimal text
// and turned into bitmaps in memory. The four default glyphs (unticked,
// ticked, disabled and pressed circles, 12 x 12 in 16 colours) are shared
// by every control: made for the first control that needs them and
// released with the last one.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "runtime/value.h"

namespace voskdar {

// The value of the hexadecimal text (digits 0-9 and A-F, any other
// character counts as 0) as 4 bytes little-endian for more than 4 digits,
// 2 bytes for 3 or 4, else 1 byte.
std::string CHEX2BIN(const std::string& cHex);
// The two-digit pairs of the trimmed text in reverse order.
std::string CANSI2HEX(const std::string& cHex);
// The bytes the hexadecimal text spells, two digits a byte, in order.
std::string CANSI2BMP(const std::string& cHex);

// The default glyph texts, 1-4.
const std::string& DefaultGlyphHex(int n);

// A bitmap from glyph text: uGlyph 1-4 names a default glyph (another
// number the fourth, NIL the first), a text is taken as it stands. 0 when
// the text is no sound BMP (odd length, other characters, damaged header).
HBITMAP BMPFROMANSI(const rt::Value& uGlyph = {});

// The shared default glyphs. Acquire counts a user and makes the bitmaps
// when there are none; Release drops a user and deletes them with the last.
class DefaultGlyphs {
 public:
  static const std::array<HBITMAP, 4>& Acquire();
  static void Release();
  static int Users();
  static const std::array<HBITMAP, 4>& Current();
};

}  // namespace voskdar
