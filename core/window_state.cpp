#include "core/window_state.h"

namespace core {

bool SHOWWINDOW(HWND hWnd, int nCmdShow) { return IsWindow(hWnd) && ShowWindow(hWnd, nCmdShow) != 0; }

HWND SETFOCUS(HWND hWnd) { return IsWindow(hWnd) ? SetFocus(hWnd) : nullptr; }

HWND GETFOCUS() { return GetFocus(); }

bool DESTROYWINDOW(HWND hWnd) { return IsWindow(hWnd) && DestroyWindow(hWnd) != 0; }

bool ENABLEWINDOW(HWND hWnd, bool lEnable) { return IsWindow(hWnd) && EnableWindow(hWnd, lEnable) != 0; }

bool ISCHILD(HWND hWndParent, HWND hWnd) { return IsChild(hWndParent, hWnd) != 0; }

bool ISICONIC(HWND hWnd) { return IsIconic(hWnd) != 0; }

bool ISZOOMED(HWND hWnd) { return IsZoomed(hWnd) != 0; }

bool ISWINDOWVISIBLE(HWND hWnd) { return IsWindowVisible(hWnd) != 0; }

bool ISWINDOWENABLED(HWND hWnd) { return IsWindowEnabled(hWnd) != 0; }

bool CLOSEWINDOW(HWND hWnd) { return CloseWindow(hWnd) != 0; }

bool BRINGWINDOWTOTOP(HWND hWnd) { return BringWindowToTop(hWnd) != 0; }

bool UPDATEWINDOW(HWND hWnd) { return UpdateWindow(hWnd) != 0; }

HWND SETCAPTURE(HWND hWnd) { return SetCapture(hWnd); }

HWND GETCAPTURE() { return GetCapture(); }

bool RELEASECAPTURE() { return ReleaseCapture() != 0; }

HWND GETACTIVEWINDOW() { return GetActiveWindow(); }

HWND GETWINDOW(HWND hWnd, UINT nCmd) { return GetWindow(hWnd, nCmd); }

HWND GETPARENT(HWND hWnd) { return GetParent(hWnd); }

HWND SETPARENT(HWND hWnd, HWND hWndNewParent) { return SetParent(hWnd, hWndNewParent); }

HWND WINDOWFROMPOINT(long nCol, long nRow) { return WindowFromPoint(POINT{nCol, nRow}); }

LONG_PTR GETWINDOWLONG(HWND hWnd, int nIndex) { return GetWindowLongPtrA(hWnd, nIndex); }

LONG_PTR SETWINDOWLONG(HWND hWnd, int nIndex, LONG_PTR nValue) {
  return SetWindowLongPtrA(hWnd, nIndex, nValue);
}

}  // namespace core
