#include "services/xpad.h"

#include <windows.h>

#include "runtime/strings.h"

namespace svc {

namespace {

std::string PadChar(const rt::Value& cChar) {
  return cChar.IsString() && !cChar.AsString().empty() ? cChar.AsString().substr(0, 1) : std::string(" ");
}

std::string Pad(const rt::Value& cText, int nPixels, const rt::Value& cChar, const TextWidthFn& width,
                bool right) {
  std::string text = cText.AsString();
  const std::string pad = PadChar(cChar);
  int current = width(text);
  while (current < nPixels) {
    std::string longer = right ? text + pad : pad + text;
    const int grown = width(longer);
    if (grown <= current) break;
    text = std::move(longer);
    current = grown;
  }
  return text;
}

// Centres the text in n characters, cutting it to n when it is longer.
std::string CentreIn(const std::string& text, long n, char pad) {
  if (n <= 0) return "";
  const auto size = static_cast<long>(text.size());
  if (size >= n) return text.substr(0, static_cast<std::size_t>(n));
  const long left = (n - size) / 2;
  return std::string(static_cast<std::size_t>(left), pad) + text +
         std::string(static_cast<std::size_t>(n - size - left), pad);
}

}  // namespace

int ScreenTextWidth(std::string_view text) {
  HDC dc = GetDC(nullptr);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
  ReleaseDC(nullptr, dc);
  return extent.cx;
}

std::string XPADR(const rt::Value& cText, int nPixels, const rt::Value& cChar, const TextWidthFn& width) {
  return Pad(cText, nPixels, cChar, width, true);
}

std::string XPADL(const rt::Value& cText, int nPixels, const rt::Value& cChar, const TextWidthFn& width) {
  return Pad(cText, nPixels, cChar, width, false);
}

std::string XPADC(const rt::Value& cText, int nPixels, const rt::Value& cChar, const TextWidthFn& width) {
  const std::string text = cText.IsString() ? cText.AsString() : std::string();
  const std::string pad = PadChar(cChar);
  const int padWidth = width(pad);
  const long extra = padWidth > 0 ? (nPixels - width(text)) / padWidth : 0;
  return CentreIn(rt::TrimBlanks(text), static_cast<long>(text.size()) + extra, pad[0]);
}

}  // namespace svc
