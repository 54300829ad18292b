#pragma once
// One window-procedure entry point per slot number (1 to 3000). Each entry
// hands its slot number to the core procedure; an entry belongs to its slot
// for the life of the process and serves whichever window holds that slot.

#include <windows.h>

namespace core {

inline constexpr int kWindowSlots = 3000;

// The entry point of a slot; null outside 1 to 3000.
WNDPROC SlotEntryPoint(int nSlot);

// Makes the slot's entry point the window procedure of hWnd and returns the
// procedure it replaced. A slot above 3000 shows "wAt > 3000", leaves the
// window alone and returns null; so does any other slot without an entry.
WNDPROC XCHANGEPROC(HWND hWnd, int nSlot);
// Puts nOldProc back as the window procedure; returns the one it replaced.
WNDPROC RESTPROC(HWND hWnd, WNDPROC nOldProc);
// Entry points are never freed: the next window in the slot reuses it.
void XFREEPROC(WNDPROC nProc);

}  // namespace core
