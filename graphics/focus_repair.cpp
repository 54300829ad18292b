#include "graphics/focus_repair.h"

#include <string>

#include "graphics/gdi_scope.h"

namespace gfx {

namespace {

constexpr LONG kAutoRadio = 9;

std::string TextOf(HWND hWnd) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hWnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

void CHECKFOCUS(HWND hWnd, HWND hWndFocus) {
  HWND parent = GetParent(hWnd);
  HWND grandParent = parent ? GetParent(parent) : nullptr;
  if (!grandParent || hWnd == hWndFocus) return;
  const LONG style = GetWindowLongA(hWnd, GWL_STYLE);
  const bool radio = (style & 0xF) == kAutoRadio;
  const bool check = !radio && (style & 3) == 3;
  if (!radio && !check) return;

  WindowDc dc(hWnd);
  // A focus rectangle's dotted edge runs through these rows of the text.
  const bool showsFocus = radio ? GetPixel(dc.get(), 19, 4) != GetPixel(dc.get(), 19, 5)
                                : GetPixel(dc.get(), 20, 1) != GetPixel(dc.get(), 20, 2);
  if (!showsFocus) return;

  const std::string text = TextOf(hWnd);
  SIZE extent{};
  {
    Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(grandParent, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
  }
  RECT r{};
  GetClientRect(hWnd, &r);
  const int extra = radio ? 3 : 0;
  r.top += 1 + extra;
  r.bottom -= 2 + extra;
  r.right = r.left + extent.cx + 17;
  r.left += 15;
  DrawFocusRect(dc.get(), &r);
}

}  // namespace gfx
