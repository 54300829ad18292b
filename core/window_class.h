#pragma once
// Window classes and window creation as the class layer calls them.

#include <windows.h>

#include <optional>
#include <string>

namespace core {

// hInstance null means the program's instance, hBrush null the system window
// colour (6), nWndProc null DefWindowProcA; no menu name passes null.
bool REGISTERCLASS(const std::string& cClassName, UINT nStyle, int nClsExtra, int nWndExtra, HINSTANCE hInstance,
                   HCURSOR hCursor, HBRUSH hBrush, const std::optional<std::string>& cMenuName, WNDPROC nWndProc,
                   HICON hIcon);

// CreateWindowExA with extended style 0 and the program's instance; cParam,
// when given, is the creation parameter. Null when creation failed.
HWND CREATEWINDOW(const std::string& cClassName, const std::string& cTitle, DWORD nStyle, int nLeft, int nTop,
                  int nWidth, int nHeight, HWND hWndParent, long nMenuOrId,
                  const std::optional<std::string>& cParam = std::nullopt);

// The system's text for the calling thread's last error.
std::string GETERRMSG();

}  // namespace core
