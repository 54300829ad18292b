#include "graphics/builtin_images.h"

#include <array>
#include <string_view>

#include "graphics/bitmap.h"
#include "graphics/dib_reader.h"

namespace gfx {
namespace {

// One hex digit per pixel, an index into the 16-colour table below; rows from
// the top.
using Art8 = std::array<std::string_view, 8>;

// In the order in which the brush class names its patterns.
constexpr std::array<Art8, 4> kPatterns = {{
    {"F7788778", "7F778877", "77F77887", "877F7788", "8877F778", "78877F77", "778877F7", "7778877F"},
    {"11117111", "11117111", "11117111", "77777777", "71111111", "71111111", "71111111", "77777777"},
    {"FFFFFFF8", "F6666668", "F6666668", "F66EE668", "F66EE668", "F6666668", "F6666668", "88888888"},
    {"77777777", "7FFFFF77", "7F444487", "7F444487", "7F444487", "7F444487", "78888887", "77777777"},
}};

constexpr std::array<std::string_view, 32> kWarningSign = {
    "77777777777777777777777777777777", "77777777777777777777777777777777",
    "77777777777777700777777777777777", "77777777777777700877777777777777",
    "77777777777777000077777777777777", "77777777777777000087777777777777",
    "777777777777700BB007777777777777", "777777777777700BB008777777777777",
    "77777777777700BBBB00777777777777", "77777777777700BBBB00877777777777",
    "7777777777700BB00BB0077777777777", "7777777777700BB00BB0087777777777",
    "777777777700BBB00BBB007777777777", "777777777700BBB00BBB008777777777",
    "77777777700BBBB00BBBB00777777777", "77777777700BBBB00BBBB00877777777",
    "7777777700BBBBB00BBBBB0077777777", "7777777700BBBBB00BBBBB0087777777",
    "777777700BBBBBB00BBBBBB007777777", "777777700BBBBBB00BBBBBB008777777",
    "77777700BBBBBBB00BBBBBBB00777777", "77777700BBBBBBBBBBBBBBBB00877777",
    "7777700BBBBBBBBBBBBBBBBBB0077777", "7777700BBBBBBBB00BBBBBBBB0087777",
    "777700BBBBBBBBB00BBBBBBBBB007777", "777700BBBBBBBBBBBBBBBBBBBB008777",
    "77700BBBBBBBBBBBBBBBBBBBBBB00777", "77700BBBBBBBBBBBBBBBBBBBBBB00877",
    "77000000000000000000000000000077", "77000000000000000000000000000087",
    "77788888888888888888888888888887", "77777777777777777777777777777777",
};

// The usual 16-colour table, as red, green, blue.
constexpr std::array<std::array<std::uint8_t, 3>, 16> kColors = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint8_t Nibble(char c) { return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'A' + 10); }

// A bottom-up 4-bit .BMP of the art.
std::vector<std::uint8_t> FourBitBmp(std::span<const std::string_view> rows) {
  const auto width = static_cast<std::uint32_t>(rows[0].size());
  const auto height = static_cast<std::uint32_t>(rows.size());
  const auto stride = static_cast<std::uint32_t>(DibStride(width, 4));
  constexpr std::uint32_t kBitsOffset = 14 + 40 + 16 * 4;
  const std::uint32_t imageSize = stride * height;
  std::vector<std::uint8_t> out{'B', 'M'};
  Put32(out, kBitsOffset + imageSize);
  Put32(out, 0);
  Put32(out, kBitsOffset);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, 16);
  Put32(out, 0);
  for (const auto& c : kColors) out.insert(out.end(), {c[2], c[1], c[0], 0});
  for (std::uint32_t r = height; r-- > 0;) {
    std::vector<std::uint8_t> row(stride, 0);
    for (std::uint32_t x = 0; x < width; ++x) {
      row[x / 2] |= static_cast<std::uint8_t>(Nibble(rows[r][x]) << (x % 2 ? 0 : 4));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

HBITMAP BitmapOfBmp(HDC hDC, const std::vector<std::uint8_t>& bmp) {
  return BitmapFromPackedDib(hDC, PackedDibFromBmp(bmp));
}

}  // namespace

std::vector<std::uint8_t> BrushPatternBmp(int index) {
  if (index < 1 || index > static_cast<int>(kPatterns.size())) return {};
  return FourBitBmp(kPatterns[static_cast<std::size_t>(index - 1)]);
}

std::vector<std::uint8_t> BuiltinImageBmp() { return FourBitBmp(kWarningSign); }

HBITMAP VDBRUSHES(int index) {
  const std::vector<std::uint8_t> bmp = BrushPatternBmp(index);
  return bmp.empty() ? nullptr : BitmapOfBmp(nullptr, bmp);
}

HBITMAP VDBITMAP(HDC hDC) { return BitmapOfBmp(hDC, BuiltinImageBmp()); }

}  // namespace gfx
