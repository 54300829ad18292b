#include "apps/voskdar/glyph_hex.h"

#include <algorithm>
#include <cctype>
#include <mutex>

#include "graphics/bitmap.h"
#include "graphics/handle_track.h"

namespace voskdar {
namespace {

int Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

bool IsHexText(const std::string& text) {
  return text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
         });
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Circles: a sunken ring round a white face (with a black dot when
// ticked), a flat grey one when disabled, a grey face when pressed.
const std::array<std::string, 4> kGlyphs = {
    // unticked
    "424DD60000000000000076000000280000000C0000000C000000010004000000000060000000C40E0000C40E00000000"
    "00000000000000000000000080000080000000808000800000008000800080800000C0C0C000808080000000FF0000FF"
    "000000FFFF00FF000000FF00FF00FFFF0000FFFFFF007777FFFF7777000077FF7777FF7700007877FFFF77F70000780F"
    "FFFFF7F7000080FFFFFFFF7F000080FFFFFFFF7F000080FFFFFFFF7F000080FFFFFFFF7F0000780FFFFFF7F700007800"
    "FFFF07F7000077880000887700007777888877770000",
    // ticked
    "424DD60000000000000076000000280000000C0000000C000000010004000000000060000000C40E0000C40E00000000"
    "00000000000000000000000080000080000000808000800000008000800080800000C0C0C000808080000000FF0000FF"
    "000000FFFF00FF000000FF00FF00FFFF0000FFFFFF007777FFFF7777000077FF7777FF7700007877FFFF77F70000780F"
    "FFFFF7F7000080FF0000FF7F000080FF0000FF7F000080FF0000FF7F000080FF0000FF7F0000780FFFFFF7F700007800"
    "FFFF07F7000077880000887700007777888877770000",
    // disabled
    "424DD60000000000000076000000280000000C0000000C000000010004000000000060000000C40E0000C40E00000000"
    "00000000000000000000000080000080000000808000800000008000800080800000C0C0C000808080000000FF0000FF"
    "000000FFFF00FF000000FF00FF00FFFF0000FFFFFF007777888877770000778888888877000078887777888700007887"
    "777778870000887777777788000088777777778800008877777777880000887777777788000078877777788700007888"
    "77778887000077888888887700007777888877770000",
    // pressed
    "424DD60000000000000076000000280000000C0000000C000000010004000000000060000000C40E0000C40E00000000"
    "00000000000000000000000080000080000000808000800000008000800080800000C0C0C000808080000000FF0000FF"
    "000000FFFF00FF000000FF00FF00FFFF0000FFFFFF007777FFFF7777000077FF7777FF7700007877777777F700007807"
    "777777F7000080777777777F000080777777777F000080777777777F000080777777777F00007807777777F700007800"
    "777707F7000077880000887700007777888877770000",
};

std::mutex glyphLock;
std::array<HBITMAP, 4> glyphs{};
int glyphUsers = 0;

}  // namespace

std::string CHEX2BIN(const std::string& cHex) {
  std::uint32_t value = 0;
  for (char c : cHex) value = (value << 4) | static_cast<std::uint32_t>(Digit(c));
  const std::size_t bytes = cHex.size() > 4 ? 4 : cHex.size() > 2 ? 2 : 1;
  std::string out;
  for (std::size_t i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string CANSI2HEX(const std::string& cHex) {
  const auto first = cHex.find_first_not_of(' ');
  const auto last = cHex.find_last_not_of(' ');
  const std::string text = first == std::string::npos ? std::string() : cHex.substr(first, last - first + 1);
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) out.insert(0, text.substr(i, 2));
  return out;
}

std::string CANSI2BMP(const std::string& cHex) {
  const std::string text = Upper(cHex);
  std::string out;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) out += CHEX2BIN(CANSI2HEX(text.substr(i, 8)));
  if (i < text.size()) {
    std::string rest = text.substr(i);
    const std::size_t ownBytes = (rest.size() + 1) / 2;
    if (rest.size() < 4) rest.append(4 - rest.size(), '0');
    // A remainder of 6 digits goes as 8; either way only its own bytes count.
    if (rest.size() > 4) rest.append(8 - rest.size(), '0');
    out += CHEX2BIN(CANSI2HEX(rest)).substr(0, ownBytes);
  }
  return out;
}

const std::string& DefaultGlyphHex(int n) { return kGlyphs[static_cast<std::size_t>(std::clamp(n, 1, 4) - 1)]; }

HBITMAP BMPFROMANSI(const rt::Value& uGlyph) {
  std::string text;
  if (uGlyph.IsString()) {
    text = uGlyph.AsString();
  } else {
    const long n = uGlyph.IsNumber() ? uGlyph.AsInt() : 1;
    text = DefaultGlyphHex(n >= 1 && n <= 4 ? static_cast<int>(n) : 4);
  }
  if (!IsHexText(text)) return nullptr;
  const std::string bytes = CANSI2BMP(text);
  // A file header (14 bytes, "BM") before the packed DIB.
  if (bytes.size() <= 14 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  return gfx::BitmapFromPackedDib(nullptr, gfx::Bytes(data + 14, bytes.size() - 14));
}

const std::array<HBITMAP, 4>& DefaultGlyphs::Acquire() {
  std::lock_guard lock(glyphLock);
  if (glyphUsers++ == 0) {
    for (int i = 0; i < 4; ++i) glyphs[static_cast<std::size_t>(i)] = BMPFROMANSI(rt::Value(i + 1));
  }
  return glyphs;
}

void DefaultGlyphs::Release() {
  std::lock_guard lock(glyphLock);
  if (glyphUsers == 0 || --glyphUsers > 0) return;
  for (HBITMAP& b : glyphs) {
    if (b) {
      svc::UntrackHandle(b);
      DeleteObject(b);
    }
    b = nullptr;
  }
}

int DefaultGlyphs::Users() {
  std::lock_guard lock(glyphLock);
  return glyphUsers;
}

const std::array<HBITMAP, 4>& DefaultGlyphs::Current() { return glyphs; }

}  // namespace voskdar
