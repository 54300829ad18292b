#include "core/dialog_template.h"

#include <windows.h>

#include <cstdint>

namespace core {

namespace {

void Put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

// The text widened from the program's code page, with its terminating 0.
void PutText(std::string& out, const std::string& text) {
  if (!text.empty()) {
    const int n = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    for (wchar_t c : wide) Put16(out, static_cast<std::uint16_t>(c));
  }
  Put16(out, 0);
}

constexpr std::size_t kHeaderSize = 18;
constexpr std::uint32_t kPopup = 0x80000000u;
constexpr long kChildPopupAsked = 268435456;  // WS_CHILD alone
constexpr std::uint32_t kChildPopup = 3221225472u;
constexpr std::uint32_t kNoParentNotify = 32;

}  // namespace

std::string CDLG2CHR(int nControls, int nTop, int nLeft, int nBottom, int nRight, const std::string& cCaption,
                     long nStyle) {
  std::uint32_t style = static_cast<std::uint32_t>(nStyle), exStyle = 0;
  if (nStyle == 2) {
    style |= kPopup;
    exStyle = kNoParentNotify;
  } else if (nStyle == kChildPopupAsked) {
    style = kChildPopup;
  }
  std::string caption = cCaption;
  if (caption.size() % 2) caption += ' ';
  // Header, menu, class and the caption's 0 leave this many characters; each
  // byte of the program's code page is one UTF-16 unit, and an even length
  // keeps the first control entry on a 4-byte boundary.
  const std::size_t room = (kTemplateHeaderRoom - kHeaderSize - 4 - 2) / 2 / 2 * 2;
  if (caption.size() > room) caption.resize(room);
  std::string out;
  Put32(out, style);
  Put32(out, exStyle);
  Put16(out, static_cast<std::uint32_t>(nControls));
  Put16(out, static_cast<std::uint32_t>(nLeft));
  Put16(out, static_cast<std::uint32_t>(nTop));
  Put16(out, static_cast<std::uint32_t>(nRight - nLeft + 1));
  Put16(out, static_cast<std::uint32_t>(nBottom - nTop + 1));
  Put16(out, 0);  // no menu
  Put16(out, 0);  // the system's dialog class
  PutText(out, caption);
  return out;
}

std::string CCTRL2CHR(int nTop, int nLeft, int nBottom, int nRight, int nId, long nStyle, const std::string& cClass,
                      const std::string& cCaption) {
  std::string out;
  Put32(out, static_cast<std::uint32_t>(nStyle));
  Put32(out, 0);
  Put16(out, static_cast<std::uint32_t>(nLeft));
  Put16(out, static_cast<std::uint32_t>(nTop));
  Put16(out, static_cast<std::uint32_t>(nRight - nLeft + 1));
  Put16(out, static_cast<std::uint32_t>(nBottom - nTop + 1));
  Put16(out, static_cast<std::uint32_t>(nId));
  PutText(out, cClass);
  PutText(out, cCaption);
  Put16(out, 0);  // no creation data
  out.resize((out.size() + 3) / 4 * 4, '\0');
  return out;
}

}  // namespace core
