#pragma once
// The registry of modeless dialogs: their keyboard messages (Tab, Enter,
// Escape, mnemonics) must be handled by the dialog before normal dispatch.

#include <windows.h>

namespace core {

inline constexpr int kModelessSlots = 200;

// Stores hDlg in the lowest free slot; false when all slots are taken.
bool REGDIALOG(HWND hDlg);
bool CANREGDIALOG();
// Frees the slot of hDlg; false when hDlg is not registered.
bool DEREGDIALOG(HWND hDlg);

// True when a registered dialog took the message (it is then handled).
// Dialogs that are no longer windows are passed over.
bool ModelessFilter(MSG& msg);

// The highest slot index (0-based) the filter looks at.
int ModelessHighWater();

}  // namespace core
