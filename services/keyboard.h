#pragma once
// Keyboard-state queries for a virtual-key code.

namespace svc {

bool GETKEYSTATE(int vkey);   // down, as of the last message read
bool GETASYNCKEY(int vkey);   // down right now
bool GETKEYTOGGLE(int vkey);  // down or toggled on
// Flips the toggle bit of the key in this thread's keyboard state (0-255).
void KEYTOGGLE(int vkey);

}  // namespace svc
