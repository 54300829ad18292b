#pragma once
// The screen image of a window saved as a 24-bit .BMP file, for the
// screenshots of the documentation.

#include <windows.h>

namespace controltest {

void SaveWindow(HWND h, const char* file);

}  // namespace controltest
