#pragma once
// The optional 3-D control library, loaded by name on first use. Without it
// every request answers false and the next one tries to load it again.

#include <windows.h>

namespace gfx {

struct Ctl3dState {
  HMODULE library = nullptr;
  bool registered = false;  // the program registered itself with the library
  int uses = 0;             // CTL3DLOOK calls
  int loadAttempts = 0;
};

const Ctl3dState& CTL3DSTATE();

// Asks the library to give the control its 3-D look; true when it did.
bool CTL3DLOOK(HWND hWnd);

}  // namespace gfx
