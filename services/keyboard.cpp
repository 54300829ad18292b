#include "services/keyboard.h"

#include <windows.h>

namespace svc {

bool GETKEYSTATE(int vkey) { return (GetKeyState(vkey) & 0x8000) != 0; }

bool GETASYNCKEY(int vkey) { return (GetAsyncKeyState(vkey) & 0xFF00) != 0; }

bool GETKEYTOGGLE(int vkey) { return GetKeyState(vkey) != 0; }

void KEYTOGGLE(int vkey) {
  if (vkey < 0 || vkey > 255) return;
  BYTE state[256];
  if (!GetKeyboardState(state)) return;
  state[vkey] ^= 1;
  SetKeyboardState(state);
}

}  // namespace svc
