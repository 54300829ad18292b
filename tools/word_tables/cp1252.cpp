#include "tools/word_tables/cp1252.h"

#include <array>
#include <cstdint>

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is unused).
constexpr std::array<std::uint16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ToByte(std::uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string Utf8ToCp1252(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size()) {
      out.push_back('?');
      ++i;
      continue;
    }
    std::uint32_t cp = extra == 0 ? c : (c & (0x3Fu >> extra));
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      unsigned char n = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((n & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (n & 0x3F);
    }
    out.push_back(ok ? ToByte(cp) : '?');
    i += ok ? static_cast<std::size_t>(extra) + 1 : 1;
  }
  return out;
}
