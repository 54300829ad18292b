#pragma once
// Screen images of windows as 24-bit BMP files, for the screenshots in
// docs/: a test takes one when its environment variable names a file.

#include <windows.h>

#include <string>

// What the screen shows of the window, frame included. A pop-up over it
// that the screen copy may miss (a dropped list) can be drawn in as well.
void SaveWindowShot(HWND h, const std::string& file, HWND popup = nullptr);

// A rectangle of the screen, for what spans several windows.
void SaveScreenShot(const RECT& area, const std::string& file);

// A rectangle of a device context.
void SaveDcShot(HDC dc, const RECT& area, const std::string& file);

// Saves the window when the environment variable names a file.
void ShotIfAsked(HWND h, const char* variable);
