#pragma once
// Showing, enabling, focusing and destroying windows, their relations and
// window longs. "Checked" functions test the handle first and do nothing
// for a handle that is no window.

#include <windows.h>

namespace core {

// Checked; true when the window was visible before.
bool SHOWWINDOW(HWND hWnd, int nCmdShow = SW_SHOWNORMAL);
// Checked; the window that had the focus.
HWND SETFOCUS(HWND hWnd);
HWND GETFOCUS();
// Checked.
bool DESTROYWINDOW(HWND hWnd);
// Checked; true when the window was disabled before.
bool ENABLEWINDOW(HWND hWnd, bool lEnable);
bool ISCHILD(HWND hWndParent, HWND hWnd);
bool ISICONIC(HWND hWnd);
bool ISZOOMED(HWND hWnd);
bool ISWINDOWVISIBLE(HWND hWnd);
bool ISWINDOWENABLED(HWND hWnd);
// Minimises the window.
bool CLOSEWINDOW(HWND hWnd);
bool BRINGWINDOWTOTOP(HWND hWnd);
bool UPDATEWINDOW(HWND hWnd);
HWND SETCAPTURE(HWND hWnd);
HWND GETCAPTURE();
bool RELEASECAPTURE();
HWND GETACTIVEWINDOW();
HWND GETWINDOW(HWND hWnd, UINT nCmd);
HWND GETPARENT(HWND hWnd);
// The previous parent.
HWND SETPARENT(HWND hWnd, HWND hWndNewParent);
// The window under the screen point; the column comes first.
HWND WINDOWFROMPOINT(long nCol, long nRow);
LONG_PTR GETWINDOWLONG(HWND hWnd, int nIndex);
// The previous value.
LONG_PTR SETWINDOWLONG(HWND hWnd, int nIndex, LONG_PTR nValue);

}  // namespace core
