#pragma once
// Files dropped on a window from the shell.

#include <windows.h>

#include "runtime/value.h"

namespace svc {

// Lets the window take dropped files (or stops it).
void DRAGACCEPTFILES(HWND hWnd, bool lAccept);
// Stores the drop point's x and y (client coordinates) into elements 1 and 2
// of aPoint, which grows to two elements when shorter; .T. when the drop
// happened in the client area.
bool DRAGQUERYPOINT(HDROP hDrop, const rt::Value& aPoint);
// The full names of the dropped files, in the shell's order.
rt::Value DRAGQUERYFILES(HDROP hDrop);
// Frees the drop record; the handle is dead afterwards.
void DRAGFINISH(HDROP hDrop);

}  // namespace svc
