#pragma once
// The caret of the window that has the focus.

#include <windows.h>

namespace core {

bool CREATECARET(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight);
bool DESTROYCARET();
bool SHOWCARET(HWND hWnd);
bool HIDECARET(HWND hWnd);

}  // namespace core
