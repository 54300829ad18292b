#pragma once
// Rectangles cross to the class layer as arrays {nTop, nLeft, nBottom, nRight}.

#include <windows.h>

#include "runtime/value.h"

namespace gfx {

// Missing or non-numeric elements read as 0.
RECT RectFromArray(const rt::Value& rect);
rt::Value RectToArray(const RECT& rect);

// The client area; all four 0 when hWnd is 0.
RECT ClientRectOf(HWND hWnd);
// All four 0 when hWnd is 0.
rt::Value GETCLIENTRECT(HWND hWnd);
rt::Value GETWNDRECT(HWND hWnd);
// Window rectangle in the parent's client coordinates.
rt::Value GETCOORS(HWND hWnd);

// Does nothing with brush 0.
void FILLRECT(HDC hDC, const rt::Value& rect, HBRUSH brush);
void INVERTRECT(HDC hDC, const rt::Value& rect);
// The second argument is a rectangle array or the erase flag; the erase flag
// is true unless a logical second or third argument says otherwise. Nothing
// happens for window 0.
void INVALIDATERECT(HWND hWnd, const rt::Value& rectOrErase = {}, const rt::Value& erase = {});
void DRAWFOCUSRECT(HDC hDC, int top, int left, int bottom, int right);
// Sets an edit control's formatting rectangle to its client area, no redraw.
void MOVEGET(HWND hWnd);

}  // namespace gfx
