#pragma once
// The grid programs' scroll-bar functions: they can use the scroll-info
// form of the platform's calls (page size, keeping a useless bar visible
// but disabled). nBar is 0 horizontal, 1 vertical, 2 a scroll-bar control.
// On a handle that is no window they answer .F. or 0 and change nothing.

#include <windows.h>

#include "runtime/value.h"

namespace grid {

// lUseInfo: .T. when the range was set; else the platform's numeric answer.
rt::Value SETSCROLLRANGE(HWND hWnd, int nBar, int nMin, int nMax, bool lRedraw = true, bool lDisableNoScroll = false,
                         bool lUseInfo = false);
bool SETSCROLLPOS(HWND hWnd, int nBar, int nPos, bool lRedraw = true, bool lDisableNoScroll = false,
                  bool lUseInfo = false);
// {nMin, nMax}.
rt::Value GETSCROLLRANGE(HWND hWnd, int nBar);
int GETSCROLLPOS(HWND hWnd, int nBar);
// Sets the page size.
bool SETSCROLLINFO(HWND hWnd, int nBar, int nPage, bool lRedraw = false, bool lDisableNoScroll = false);

}  // namespace grid
