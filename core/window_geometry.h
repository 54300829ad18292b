#pragma once
// Window positions and sizes in the parent's client coordinates, point
// conversions, centring and the size limits of a window.

#include <windows.h>

#include <optional>

#include "runtime/value.h"

namespace core {

// aPoint {nRow, nCol} is converted in place; the result is a new array.
rt::Value CLIENTTOSCREEN(HWND hWnd, const rt::Value& aPoint);
rt::Value SCREENTOCLIENT(HWND hWnd, const rt::Value& aPoint);
// Over hWndParent, or over the desktop when that is 0 or no window.
bool WNDCENTER(HWND hWnd, HWND hWndParent = nullptr);
// The previous origin as {nX, nY}.
rt::Value SETWINDOWORG(HDC hDC, int nX, int nY);
// True when the client point lies in the client rectangle.
bool ISOVERWND(HWND hWnd, long nRow, long nCol);
bool WNDHASSCROLLS(HWND hWnd);
// A width or height of 0 keeps the current one.
bool MOVEWINDOW(HWND hWnd, int nTop, int nLeft, int nWidth = 0, int nHeight = 0, bool lRepaint = false);
bool WNDSETSIZE(HWND hWnd, int nWidth, int nHeight, bool lRepaint = false);
// The window's size or place; with a second argument it changes first.
long WNDWIDTH(HWND hWnd, std::optional<int> nNewSize = {});
long WNDHEIGHT(HWND hWnd, std::optional<int> nNewSize = {});
long WNDTOP(HWND hWnd, std::optional<int> nNewPos = {});
long WNDLEFT(HWND hWnd, std::optional<int> nNewPos = {});
// Top and left go into y and x.
bool SETWINDOWPOS(HWND hWnd, HWND hWndAfter, int nTop, int nLeft, int nWidth, int nHeight, UINT nFlags);
// Writes the ten numbers of aInfo, point by point, x before y, into the
// MINMAXINFO record at that address; elements that are missing keep theirs.
void SETMINMAX(LPARAM pMinMaxInfo, const rt::Value& aInfo);

// The window's rectangle in its parent's client coordinates (screen
// coordinates for a top-level window).
RECT WindowRectInParent(HWND hWnd);

}  // namespace core
