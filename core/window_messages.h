#pragma once
// Sending and posting messages, the default and a given window procedure,
// and the header of a WM_NOTIFY message.

#include <windows.h>

#include "runtime/value.h"

namespace core {

// nLParam is a number or a text (passed as a pointer to its bytes).
// Checked: a handle that is no window gives 0 (.F.) without a message; the
// handle -1 sends to every top-level window.
long SENDMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam = 0, const rt::Value& nLParam = {});
bool POSTMESSAGE(HWND hWnd, UINT nMsg, WPARAM nWParam = 0, const rt::Value& nLParam = {});
long DEFWINDOWPROC(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);
long CALLWINDOWPROC(WNDPROC nProc, HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);
long GETNMHDRCODE(LPARAM pNmHdr);
HWND GETNMHDRHWNDFROM(LPARAM pNmHdr);

}  // namespace core
