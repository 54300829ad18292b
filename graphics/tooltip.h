#pragma once
// Tool tips over a window's whole client area, through the system's
// tool-tip control (the common controls must have been initialised).

#include <windows.h>

#include <string>

namespace gfx {

// Whether the Windows version draws a drop shadow under tool tips: 5.1
// and every later version.
bool ToolTipShadowSupported(int major, int minor);

// The tool-tip window. Its one tool covers the client area as it is now; a
// later resize of the window does not move it.
HWND CREATETOOLTIP(HWND hWnd, const std::string& cText, bool lBalloon = false);

}  // namespace gfx
