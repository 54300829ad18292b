#pragma once
// Saves what the screen shows of a window as a 24-bit BMP file.

#include <windows.h>

void SaveWindowBmp(HWND h, const char* file);
