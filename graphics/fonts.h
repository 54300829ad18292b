#pragma once
// Fonts and text measuring. A logical font crosses to the class layer as a
// 14-element array: height, width, escapement, orientation, weight, italic,
// underline, strike-out, character set, output precision, clip precision,
// quality, pitch and family, face name.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/value.h"

namespace gfx {

LOGFONTA LogFontFromArray(const rt::Value& logFont);
rt::Value LogFontToArray(const LOGFONTA& logFont);

// Shows the font dialog and returns the chosen font. A cancelled dialog gives
// the initial font, or an all-empty array without one. With a colour the
// dialog offers effects and colours, starting from it, and a confirmed choice
// writes the chosen colour back when neither a DC nor flags were passed. A non-zero flags value replaces the flags
// made from the other arguments.
rt::Value CHOOSEFONT(const rt::Value& initFont = {}, rt::Value* rgbColor = nullptr,
                     std::optional<HDC> hDC = std::nullopt, std::optional<DWORD> flags = std::nullopt);
// Registered as "FONT"; 0 when the font cannot be made.
HFONT CREATEFONT(const rt::Value& logFont);
// {nHeight, nWidth, lBold, cFaceName} measured in a DC of the active window;
// bold means a weight of exactly 700.
rt::Value GETFONTINFO(HFONT font);
// Width of the text in pixels (16 bits); a DC of the active window when hDC
// is 0, with the font selected for the measurement when given.
unsigned GETTEXTWIDTH(HDC hDC, const std::string& text, HFONT font = nullptr);
// Text-metric height of the DC's font; the active window for hWnd 0, a DC of
// the window when no DC is given.
int GETTEXTHEIGHT(HWND hWnd, HDC hDC = nullptr);

}  // namespace gfx
