#include "graphics/fonts.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "graphics/gdi_scope.h"
#include "graphics/handle_track.h"

namespace gfx {
namespace {

constexpr std::size_t kFontFields = 14;
constexpr int kFaceNameLimit = 80;

long Field(const rt::Value& logFont, std::size_t oneBased) { return logFont.At(oneBased).AsInt(); }

BYTE Flag(const rt::Value& logFont, std::size_t oneBased) {
  const rt::Value& v = logFont.At(oneBased);
  return v.IsLogical() ? v.AsLogical() : v.AsInt() != 0;
}

}  // namespace

LOGFONTA LogFontFromArray(const rt::Value& logFont) {
  LOGFONTA lf{};
  if (!logFont.IsArray() || logFont.Len() < kFontFields) return lf;
  lf.lfHeight = Field(logFont, 1);
  lf.lfWidth = Field(logFont, 2);
  lf.lfEscapement = Field(logFont, 3);
  lf.lfOrientation = Field(logFont, 4);
  lf.lfWeight = Field(logFont, 5);
  lf.lfItalic = Flag(logFont, 6);
  lf.lfUnderline = Flag(logFont, 7);
  lf.lfStrikeOut = Flag(logFont, 8);
  lf.lfCharSet = static_cast<BYTE>(Field(logFont, 9));
  lf.lfOutPrecision = static_cast<BYTE>(Field(logFont, 10));
  lf.lfClipPrecision = static_cast<BYTE>(Field(logFont, 11));
  lf.lfQuality = static_cast<BYTE>(Field(logFont, 12));
  lf.lfPitchAndFamily = static_cast<BYTE>(Field(logFont, 13));
  const rt::Value& face = logFont.At(14);
  if (face.IsString()) {
    const std::string& name = face.AsString();
    std::memcpy(lf.lfFaceName, name.data(), std::min(name.size(), sizeof lf.lfFaceName - 1));
  }
  return lf;
}

rt::Value LogFontToArray(const LOGFONTA& lf) {
  return rt::Value::Array({lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                           lf.lfItalic != 0, lf.lfUnderline != 0, lf.lfStrikeOut != 0, int{lf.lfCharSet},
                           int{lf.lfOutPrecision}, int{lf.lfClipPrecision}, int{lf.lfQuality},
                           int{lf.lfPitchAndFamily}, std::string(lf.lfFaceName)});
}

rt::Value CHOOSEFONT(const rt::Value& initFont, rt::Value* rgbColor, std::optional<HDC> hDC,
                     std::optional<DWORD> flags) {
  const bool initial = initFont.IsArray();
  LOGFONTA lf = initial ? LogFontFromArray(initFont) : LOGFONTA{};

  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = GetActiveWindow();
  cf.lpLogFont = &lf;
  cf.nFontType = SCREEN_FONTTYPE;
  cf.Flags = CF_SCREENFONTS;
  if (rgbColor || hDC || flags) {
    cf.Flags |= CF_EFFECTS;
    if (rgbColor) cf.rgbColors = static_cast<COLORREF>(rgbColor->AsInt());
  }
  if (initial) cf.Flags |= CF_INITTOLOGFONTSTRUCT;
  if (hDC && *hDC) {
    cf.Flags |= CF_PRINTERFONTS;
    cf.hDC = *hDC;
  }
  if (flags && *flags != 0) cf.Flags = *flags;

  // The dialog may touch the logical font even when cancelled; a cancel
  // answers with the font as it was prepared.
  const LOGFONTA prepared = lf;
  const bool confirmed = ChooseFontA(&cf) != 0;
  if (!confirmed) return LogFontToArray(prepared);
  // Only a call with the colour as its last argument gets the colour back.
  if (rgbColor && !hDC && !flags) *rgbColor = static_cast<long>(cf.rgbColors);
  return LogFontToArray(lf);
}

HFONT CREATEFONT(const rt::Value& logFont) {
  const LOGFONTA lf = LogFontFromArray(logFont);
  return Tracked(CreateFontIndirectA(&lf), "FONT");
}

rt::Value GETFONTINFO(HFONT font) {
  BorrowedDc dc(GetActiveWindow(), nullptr);
  Selection selected(dc.get(), font);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  char face[kFaceNameLimit + 1] = {};
  GetTextFaceA(dc.get(), kFaceNameLimit, face);
  return rt::Value::Array({tm.tmHeight, tm.tmAveCharWidth, tm.tmWeight == FW_BOLD, std::string(face)});
}

unsigned GETTEXTWIDTH(HDC hDC, const std::string& text, HFONT font) {
  BorrowedDc dc(GetActiveWindow(), hDC);
  Selection selected(dc.get(), font);
  SIZE extent{};
  GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
  return static_cast<unsigned>(extent.cx) & 0xFFFF;
}

int GETTEXTHEIGHT(HWND hWnd, HDC hDC) {
  BorrowedDc dc(hWnd ? hWnd : GetActiveWindow(), hDC);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  return tm.tmHeight;
}

}  // namespace gfx
