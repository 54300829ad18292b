#include "graphics/dib_reader.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "graphics/builtin_images.h"

namespace {

using Bmp = std::vector<std::uint8_t>;

TEST(BmpReader, SoundFileBecomesHeaderTableAndBits) {
  const Bmp bmp = gfx::BuiltinImageBmp();
  ASSERT_EQ(bmp.size(), 630u);
  const Bmp dib = gfx::PackedDibFromBmp(bmp);
  ASSERT_EQ(dib.size(), 616u);
  const auto info = gfx::ParsePackedDib(dib);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 32);
  EXPECT_EQ(info->height, 32);
  EXPECT_EQ(info->bitCount, 4);
  EXPECT_EQ(info->colorCount, 16u);
  EXPECT_EQ(info->bitsOffset, 40u + 64u);
  EXPECT_EQ(gfx::DibColorTable(dib, *info).size(), 16u);
}

TEST(BmpReader, EveryTruncationIsRefused) {
  const Bmp bmp = gfx::BrushPatternBmp(2);
  ASSERT_EQ(bmp.size(), 150u);
  for (std::size_t n = 0; n < bmp.size(); ++n) {
    EXPECT_TRUE(gfx::PackedDibFromBmp(std::span(bmp).first(n)).empty()) << n;
  }
  const Bmp dib = gfx::PackedDibFromBmp(bmp);
  for (std::size_t n = 0; n < dib.size(); ++n) {
    EXPECT_FALSE(gfx::ParsePackedDib(std::span(dib).first(n))) << n;
  }
}

struct Damage {
  const char* name;
  std::function<void(Bmp&)> apply;
};

class DamagedBmp : public testing::TestWithParam<Damage> {};

TEST_P(DamagedBmp, IsRefused) {
  Bmp bmp = gfxtest::MakeBmp(8, 8, 8, 256);
  ASSERT_FALSE(gfx::PackedDibFromBmp(bmp).empty());
  GetParam().apply(bmp);
  EXPECT_TRUE(gfx::PackedDibFromBmp(bmp).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedBmp,
    testing::Values(Damage{"NoSignature", [](Bmp& b) { b[1] = 'A'; }},
                    Damage{"HeaderSize20", [](Bmp& b) { gfxtest::Put32At(b, 14, 20); }},
                    Damage{"HeaderLongerThanFile", [](Bmp& b) { gfxtest::Put32At(b, 14, 0x7FFFFFF0); }},
                    Damage{"BitCount3", [](Bmp& b) { b[28] = 3; }},
                    Damage{"TwoPlanes", [](Bmp& b) { b[26] = 2; }},
                    Damage{"MoreColorsThanBitsAllow", [](Bmp& b) { gfxtest::Put32At(b, 46, 257); }},
                    Damage{"HugeColorCount", [](Bmp& b) { gfxtest::Put32At(b, 46, 0x40000000); }},
                    Damage{"Compressed", [](Bmp& b) { gfxtest::Put32At(b, 30, 1); }},
                    Damage{"ZeroHeight", [](Bmp& b) { gfxtest::Put32At(b, 22, 0); }},
                    Damage{"NegativeWidth", [](Bmp& b) { gfxtest::Put32At(b, 18, 0xFFFFFFF8); }},
                    Damage{"HugeWidth", [](Bmp& b) { gfxtest::Put32At(b, 18, 0x7FFFFFFF); }},
                    Damage{"BitsOffsetPastEnd", [](Bmp& b) { gfxtest::Put32At(b, 10, 0xFFFFFFF0); }},
                    Damage{"BitsOffsetLeavesTooFewBits",
                           [](Bmp& b) { gfxtest::Put32At(b, 10, static_cast<std::uint32_t>(b.size() - 8)); }},
                    Damage{"BitsOffsetInsideColorTable", [](Bmp& b) { gfxtest::Put32At(b, 10, 100); }}),
    [](const testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(BmpReader, HugeColorCountOfATrueColourImageIsRefused) {
  Bmp bmp = gfxtest::MakeBmp(4, 4, 24, 0);
  ASSERT_FALSE(gfx::PackedDibFromBmp(bmp).empty());
  gfxtest::Put32At(bmp, 46, 300);
  EXPECT_TRUE(gfx::PackedDibFromBmp(bmp).empty());
}

TEST(BmpReader, BitsAreTakenFromTheFileOffset) {
  Bmp bmp = gfxtest::MakeBmp(4, 1, 8, 2, 0x01);
  // Four bytes of padding between the colour table and the bits.
  bmp.insert(bmp.begin() + 14 + 40 + 8, {0xEE, 0xEE, 0xEE, 0xEE});
  gfxtest::Put32At(bmp, 10, 14 + 40 + 8 + 4);
  const Bmp dib = gfx::PackedDibFromBmp(bmp);
  ASSERT_EQ(dib.size(), 40u + 8u + 4u);
  EXPECT_EQ(dib[48], 0x01);

  // An offset of 0 means "right after the colour table".
  Bmp plain = gfxtest::MakeBmp(4, 1, 8, 2, 0x01);
  gfxtest::Put32At(plain, 10, 0);
  EXPECT_EQ(gfx::PackedDibFromBmp(plain), gfx::PackedDibFromBmp(gfxtest::MakeBmp(4, 1, 8, 2, 0x01)));
}

TEST(BmpReader, OldStyleHeaderHasThreeByteColours) {
  // 12-byte header, 2 x 2 pixels at 1 bit, two 3-byte colours.
  Bmp bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0,
             12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 1, 0,
             0x10, 0x20, 0x30, 0x40, 0x50, 0x60,
             0x80, 0, 0, 0, 0x40, 0, 0, 0};
  const Bmp dib = gfx::PackedDibFromBmp(bmp);
  const auto info = gfx::ParsePackedDib(dib);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->colorEntrySize, 3u);
  EXPECT_EQ(info->bitsOffset, 18u);
  const auto table = gfx::DibColorTable(dib, *info);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].red, 0x60);
  EXPECT_EQ(table[1].blue, 0x40);
}

TEST(BmpReader, TopDownImagesAreAccepted) {
  const Bmp bmp = gfxtest::MakeBmp(4, -3, 24, 0);
  const auto info = gfx::ParsePackedDib(gfx::PackedDibFromBmp(bmp));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->height, -3);
  EXPECT_EQ(info->imageSize, 3u * 12u);
}

}  // namespace
