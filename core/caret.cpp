#include "core/caret.h"

namespace core {

bool CREATECARET(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight) {
  return CreateCaret(hWnd, hBitmap, nWidth, nHeight) != 0;
}

bool DESTROYCARET() { return DestroyCaret() != 0; }

bool SHOWCARET(HWND hWnd) { return ShowCaret(hWnd) != 0; }

bool HIDECARET(HWND hWnd) { return HideCaret(hWnd) != 0; }

}  // namespace core
