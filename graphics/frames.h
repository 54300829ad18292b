#pragma once
// The 3-D frames of the control painters: two polylines, the top-left one
// from the bottom-left corner up and across, the bottom-right one along the
// bottom and up the right side, each with its own 1-pixel pen.

#include <windows.h>

namespace gfx {

enum class FrameKind {
  Raised,      // highlight, shadow
  Sunken,      // shadow, highlight
  RaisedDark,  // highlight, black
  SunkenDark,  // black, highlight
  Plain,       // black, black
};

// The frame's corners are the rectangle's own pixels: right and bottom are
// drawn on, not excluded.
void DrawFrame(HDC hDC, const RECT& rect, FrameKind kind);

// Plain and sunken frames; rows before columns.
void WNDBOX(HDC hDC, int nTop, int nLeft, int nBottom, int nRight);
void WNDBOXIN(HDC hDC, int nTop, int nLeft, int nBottom, int nRight);

}  // namespace gfx
