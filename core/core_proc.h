#pragma once
// The core window procedure behind every slot's entry point: hands the
// message to the window object through VDH and turns the answer into the
// message result, or passes the message on.

#include <windows.h>

namespace core {

// The first value that VDH receives: the window handle for WM_INITDIALOG,
// lParam for every other message.
LPARAM FirstArgument(HWND hWnd, UINT nMsg, LPARAM nLParam);

// A non-NIL answer is the result (read by svc::ToInt32); NIL goes to the window's
// previous procedure, or to DefWindowProcA when it has none.
LRESULT CoreProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam, int nSlot);

}  // namespace core
