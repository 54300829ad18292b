#include "graphics/tooltip.h"

#include <commctrl.h>

#include <cstddef>

namespace gfx {

namespace {
// The tool record of the common controls before version 6: without the
// trailing reserved pointer, so that every version accepts it.
constexpr UINT kToolInfoSize = offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM);
constexpr LONG_PTR kDropShadow = 0x20000;
constexpr LPARAM kMaxTipWidth = 120;
}  // namespace

bool ToolTipShadowSupported(int major, int minor) { return major > 5 || (major == 5 && minor >= 1); }

HWND CREATETOOLTIP(HWND hWnd, const std::string& cText, bool lBalloon) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
  if (lBalloon) style |= TTS_BALLOON;
  HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, hWnd, nullptr, instance, nullptr);
  if (!tip) return nullptr;

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  if (ToolTipShadowSupported(static_cast<int>(version.dwMajorVersion), static_cast<int>(version.dwMinorVersion))) {
    SetClassLongPtrA(tip, GCL_STYLE, GetClassLongPtrA(tip, GCL_STYLE) | kDropShadow);
  }

  TTTOOLINFOA tool{};
  tool.cbSize = kToolInfoSize;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = hWnd;
  tool.uId = 0;
  GetClientRect(hWnd, &tool.rect);
  tool.hinst = instance;
  tool.lpszText = const_cast<char*>(cText.c_str());
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip, TTM_ACTIVATE, TRUE, 0);
  SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  return tip;
}

}  // namespace gfx
