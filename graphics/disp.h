#pragma once
// Off-screen painting: a memory DC holding a copy of the client area, drawn
// into in place of the screen and copied back in one step.

#include <windows.h>

#include "runtime/value.h"

namespace gfx {

// The off-screen buffer as the painting code of the class library keeps it:
// the same handles as the array below, with nothing allocated.
struct DispBuffer {
  HWND hWnd = nullptr;
  HDC hDC = nullptr;
  HDC memDC = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
};
DispBuffer DispBufferBegin(HWND hWnd, HDC hDC);
HDC DispBufferEnd(const DispBuffer& buffer);

// {hWnd, hDC, hMemDC, hBitmap, hOldBitmap}: the memory DC holds the client
// area's current pixels, so drawing that covers only part of it leaves the
// rest as it was.
rt::Value VDDISPBEGIN(HWND hWnd, HDC hDC);
// Copies the memory DC to the screen DC at the client area's present size,
// frees the off-screen bitmap and the memory DC, and returns the screen DC.
HDC VDDISPEND(const rt::Value& aDisp);

}  // namespace gfx
