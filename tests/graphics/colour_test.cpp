#include "graphics/colour.h"

#include <gtest/gtest.h>

namespace {

struct ColorCase {
  rt::Value color;
  long fore;
  long back;
};

class ColorString : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorString, GivesForegroundAndBackground) {
  const ColorCase& c = GetParam();
  EXPECT_EQ(gfx::NGETFORERGB(c.color), c.fore);
  EXPECT_EQ(gfx::NGETBACKRGB(c.color), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColorString,
    testing::Values(ColorCase{"W+/B", 16777215, 8388608}, ColorCase{"N/W", 0, 12632256},
                    ColorCase{"n/w", 0, 12632256}, ColorCase{"R*/BG", 128, 16776960},
                    ColorCase{"N*/W", 0, 16777215}, ColorCase{"", 0, 0}, ColorCase{rt::Value(), 0, 0},
                    ColorCase{"N/N", 0, 0}, ColorCase{"GB/RB", 8421376, 8388736},
                    ColorCase{"gr+/rb*", 65535, 16711935},
                    // "+" brightens the foreground wherever it stands.
                    ColorCase{"W/B+", 16777215, 8388608},
                    // Blanks, digits and "N" carry no bits; "/" cannot be undone.
                    ColorCase{" N 9/ G / R", 0, 32896}, ColorCase{"N+", 8421504, 0},
                    ColorCase{rt::Value(7), 0, 0}));

TEST(ColorAttribute, EveryNibbleMapsByTheTable) {
  const long expected[16] = {0,        8388608,  32768,    8421376,  128,      8388736,  32896,    12632256,
                             8421504,  16711680, 65280,    16776960, 255,      16711935, 65535,    16777215};
  for (unsigned nibble = 0; nibble < 16; ++nibble) {
    EXPECT_EQ(gfx::AttributeRgb(nibble), expected[nibble]) << nibble;
  }
}

TEST(Nrgb, TakesEachPartModulo256) {
  EXPECT_EQ(gfx::NRGB(300, 0, 0), 44);
  EXPECT_EQ(gfx::NRGB(1, 2, 3), 1 + 2 * 256 + 3 * 65536);
  EXPECT_EQ(gfx::NRGB(255, 256, 511), 255 + 255 * 65536);
}

}  // namespace
