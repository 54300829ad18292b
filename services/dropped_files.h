#pragma once
// Files dropped on a window from the shell.

#include <windows.h>

#include "runtime/value.h"

namespace svc {

// Lets the window take dropped files (or stops it).
void DRAGACCEPTFILES(HWND hWnd, bool lAccept);
// The drop point in the window's client area as {nRow, nCol}.
rt::Value DRAGQUERYPOINT(HDROP hDrop);
// The names of the dropped files, in the shell's order.
rt::Value DRAGQUERYFILES(HDROP hDrop);
// Frees the drop record.
void DRAGFINISH(HDROP hDrop);

}  // namespace svc
