#pragma once
// The screen image of a window saved as a 24-bit .BMP file, for the
// screenshots of the documentation.

#include <windows.h>

namespace controltest {

// A pop-up window over it can be drawn into the picture as well.
void SaveWindow(HWND h, const char* file, HWND popup = nullptr);

}  // namespace controltest
