#pragma once
// Docking windows in their parent's client area: bars across the top and
// bottom, panes at the left and right between them, and a client window
// that fills what is left. Each keeps the window's own height (top and
// bottom) or width (left and right) and repaints.
//
// The docked edges overlap the parent's border by a pixel, one pixel less
// where the parent is itself a child window.

#include <windows.h>

namespace core {

bool WNDADJTOP(HWND hWnd);
bool WNDADJBOTTOM(HWND hWnd);
// hWndTop and hWndBottom are the windows docked above and below (0: none).
bool WNDADJLEFT(HWND hWnd, HWND hWndTop = nullptr, HWND hWndBottom = nullptr);
bool WNDADJRIGHT(HWND hWnd, HWND hWndTop = nullptr, HWND hWndBottom = nullptr);
// lFrame: the parent is a frame window (an MDI frame). nBevel above 0
// leaves that many pixels free next to each docked window.
bool WNDADJCLIENT(HWND hWnd, HWND hWndTop = nullptr, HWND hWndBottom = nullptr, HWND hWndLeft = nullptr,
                  HWND hWndRight = nullptr, bool lFrame = false, int nBevel = 0);

}  // namespace core
