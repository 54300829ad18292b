#pragma once
// Pictures of the screen for docs/, taken when a test is asked for them.

#include <windows.h>

#include <string>

namespace vdtest {

// Saves the screen rectangle as a 24-bit BMP.
void SaveScreen(RECT r, const std::string& path);

}  // namespace vdtest
