// The placeable-metafile header check: what it accepts and what it refuses
// before anything is allocated.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "print/placeable_header.h"

namespace {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, static_cast<std::uint16_t>(v));
  Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

// A placeable file of a header and an end record: 12 words of metafile.
std::vector<std::uint8_t> File() {
  std::vector<std::uint8_t> b(22 + 24, 0);
  Put32(b, 0, 0x9AC6CDD7);
  Put16(b, 6, static_cast<std::uint16_t>(-10));
  Put16(b, 8, 20);
  Put16(b, 10, 1000);
  Put16(b, 12, 800);
  Put16(b, 14, 1440);
  Put16(b, 22, 1);
  Put16(b, 24, 9);
  Put16(b, 26, 0x300);
  Put32(b, 28, 12);
  Put32(b, 40, 3);  // end record: three words, function 0
  return b;
}

TEST(PlaceableHeader, ReadsTheBoundingBoxAndTheSize) {
  const auto b = File();
  const auto info = prn::ParsePlaceableHeader(b, b.size());
  ASSERT_TRUE(info);
  EXPECT_EQ(info->left, -10);
  EXPECT_EQ(info->top, 20);
  EXPECT_EQ(info->right, 1000);
  EXPECT_EQ(info->bottom, 800);
  EXPECT_EQ(info->unitsPerInch, 1440);
  EXPECT_EQ(info->bitsSize, 24u);
}

TEST(PlaceableHeader, RefusesWhatDoesNotFit) {
  struct Case {
    const char* what;
    std::size_t at;
    std::uint32_t value;
    bool wide;
  } cases[] = {
      {"size beyond the file", 28, 13, true},
      {"huge size", 28, 0x7FFFFFFF, true},
      {"size below the header", 28, 8, true},
      {"unknown type", 22, 3, false},
      {"wrong header size", 24, 10, false},
      {"unknown version", 26, 0x200, false},
  };
  for (const Case& c : cases) {
    auto b = File();
    if (c.wide) {
      Put32(b, c.at, c.value);
    } else {
      Put16(b, c.at, static_cast<std::uint16_t>(c.value));
    }
    EXPECT_FALSE(prn::ParsePlaceableHeader(b, b.size())) << c.what;
  }
  const auto b = File();
  EXPECT_FALSE(prn::ParsePlaceableHeader(std::span(b).first(39), 39)) << "short";
  EXPECT_FALSE(prn::ParsePlaceableHeader(b, b.size() - 1)) << "file shorter than the header says";
}

}  // namespace
