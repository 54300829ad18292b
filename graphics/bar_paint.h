#pragma once
// The button bar: docking it at a side of its parent, the outline shown
// while it is dragged, and its edges and gripper.

#include <windows.h>

namespace gfx {

// Whether the window is a maximised child window (a maximised document
// window), whose bar loses its top edge.
bool IsMaximisedChild(HWND hWnd);

// Docks the bar without changing the z-order: 1 top, 2 left, 3 right,
// 4 bottom (above a message bar of nMsgBarHeight when lMsgBar); any other
// mode leaves it where it is. The bar's border lies outside the parent's
// client area, so its client size stays as it was.
void BARADJUST(HWND hWnd, int nMode, bool lMsgBar = false, int nMsgBarHeight = 0);

// A 2-pixel inverted frame around the bar, drawn in the parent; a second
// call removes it.
void BARINVERT(HWND hWnd);

// The bar's top line, raised frame and gripper (themed when the program
// is). A DC of the bar when hDC is 0.
void BARPAINT(HWND hWnd, HDC hDC = nullptr);

}  // namespace gfx
