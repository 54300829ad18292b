#include "apps/voskdar/glyph_hex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::uint32_t Le32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(k)]);
  return v;
}

TEST(GlyphHex, HexTextToLittleEndianBytes) {
  struct Case {
    const char* hex;
    std::string bytes;
  };
  const Case cases[] = {
      {"7", std::string("\x07", 1)},
      {"4D", std::string("\x4D", 1)},
      {"4D42", std::string("\x42\x4D", 2)},
      {"D6", std::string("\xD6", 1)},
      {"00D6", std::string("\xD6\x00", 2)},
      {"12345", std::string("\x45\x23\x01\x00", 4)},
      {"DEADBEEF", std::string("\xEF\xBE\xAD\xDE", 4)},
      {"G1", std::string("\x01", 1)},  // not a digit: 0
      {"", std::string("\x00", 1)},
  };
  for (const Case& k : cases) EXPECT_EQ(voskdar::CHEX2BIN(k.hex), k.bytes) << k.hex;
  EXPECT_EQ(voskdar::CANSI2HEX(" 424DD600 "), "00D64D42");
  EXPECT_EQ(voskdar::CANSI2BMP("424DD6000000AB"), std::string("\x42\x4D\xD6\x00\x00\x00\xAB", 7));
  EXPECT_EQ(voskdar::CANSI2BMP("0102030405"), std::string("\x01\x02\x03\x04\x05", 5));
}

TEST(GlyphHex, DefaultGlyphsAreSmallFourBitBitmaps) {
  for (int n = 1; n <= 4; ++n) {
    const std::string b = voskdar::CANSI2BMP(voskdar::DefaultGlyphHex(n));
    ASSERT_EQ(b.size(), 214u) << n;
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(Le32(b, 2), 214u);
    EXPECT_EQ(Le32(b, 10), 118u);  // pixels after the 16-colour table
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), 12u);
    EXPECT_EQ(Le32(b, 22), 12u);
    EXPECT_EQ(static_cast<unsigned char>(b[28]), 4u);
    EXPECT_EQ(Le32(b, 34), 96u);
    EXPECT_EQ(Le32(b, 38), 3780u);
    HBITMAP bitmap = voskdar::BMPFROMANSI(rt::Value(n));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 12);
    EXPECT_EQ(info.bmHeight, 12);
    DeleteObject(bitmap);
  }
  EXPECT_NE(voskdar::DefaultGlyphHex(1), voskdar::DefaultGlyphHex(2));
}

TEST(GlyphHex, DamagedTextGivesNoGlyph) {
  const std::string good = voskdar::DefaultGlyphHex(1);
  for (const std::string& bad : {good.substr(1), good.substr(0, 60), "4D42" + good.substr(4),
                                 good.substr(0, 100) + "ZZ" + good.substr(102), std::string()}) {
    EXPECT_EQ(voskdar::BMPFROMANSI(rt::Value(bad)), nullptr) << bad.size();
  }
  HBITMAP text = voskdar::BMPFROMANSI(rt::Value(good));
  EXPECT_NE(text, nullptr);
  DeleteObject(text);
}

}  // namespace
