#pragma once
// The browse grid's cell painter: one call paints one cell (background,
// bitmap or text, check box, lines) at the place its kind and row give it
// in the grid window's bands.
//
// Bands from top to bottom: super header (nHeightSuper), header
// (nHeightHead), body rows of nHeightCell each, footer (nHeightFoot) at the
// bottom edge; a band that is off has height 0.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/value.h"

namespace grid {

enum class CellKind { Body = 0, Header = 1, Footer = 2, SuperHeader = 3 };

enum class CellMode { Plain = 0, RotatedHeader = 1, Checked = 3, Unchecked = 4 };

// The 29 positional parameters of TGDRAWCELL, by name and in their order.
struct CellRequest {
  HWND hWnd = nullptr;     // client rectangle; the DC when hDC is 0
  HDC hDC = nullptr;       // 0: a DC of hWnd, released at the end
  int nRow = 0;            // 0 for header cells, 1.. body rows
  int nLeft = 0;
  int nWidth = 0;          // negative: to the client's right edge; -2 also without lines
  std::string cText;       // text cells
  HBITMAP hBitmap = nullptr;  // bitmap cells (parameter 6 read as a handle)
  int nAlign = 0;          // 0 left, 1 centre, 2 right
  COLORREF nClrFore = 0;
  COLORREF nClrBack = 0;
  HFONT hFont = nullptr;
  int nBitmapKind = 0;     // 0 text; else bitmap; 1 with the corner colour made transparent
  int nHeightCell = 0;     // this cell's band height
  bool l3DLook = false;
  int nLineStyle = 0;      // 0 none, 1 all, 2 vertical, 3 horizontal, 4 all, 5 dotted
  COLORREF nClrLine = 0;
  CellKind nKind = CellKind::Body;
  int nHeightHead = 0;
  int nHeightFoot = 0;
  int nHeightSuper = 0;
  bool lAdjBmp = false;
  bool lMultiLine = false;
  int nVertAlign = 0;      // 0 top, 1 centre, 2 bottom
  int nMode = 0;           // CellMode
  COLORREF nClrGradEnd = 0;
  bool lGradient = false;
  HBRUSH hBrush = nullptr;
  std::optional<bool> l3DTextCell;  // none: plain; true raised; false sunken
  COLORREF nClr3DLCell = 0;
  COLORREF nClr3DSCell = 0;
};

void DrawCell(const CellRequest& cell);

// The request from the positional parameters: missing or wrongly typed
// ones read as 0 or .F.; parameter 27 counts only when logical.
CellRequest CellRequestOf(rt::Args args);

// Paints one cell from its positional parameters.
void TGDRAWCELL(rt::Args args);

}  // namespace grid
