#pragma once
// A white canvas the size of a test window's client area, and cell
// requests that paint on it with the window's geometry.

#include <windows.h>

#include "../graphics/canvas.h"
#include "grid/cell_painter.h"

namespace gridtest {

constexpr int kWidth = 200;
constexpr int kHeight = 120;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

struct CellFixture {
  gfxtest::TestWindow window{0, 0, kWidth, kHeight};
  gfxtest::Canvas canvas{kWidth, kHeight};

  // A body cell of row 1 in a grid with a 20-pixel header and no super
  // header, 16-pixel rows and an 18-pixel footer.
  grid::CellRequest Body(int row, int left, int width) const {
    grid::CellRequest c;
    c.hWnd = window.hwnd();
    c.hDC = canvas.dc();
    c.nRow = row;
    c.nLeft = left;
    c.nWidth = width;
    c.nClrFore = kBlack;
    c.nClrBack = kRed;
    c.nHeightCell = 16;
    c.nClrLine = kBlue;
    c.nHeightHead = 20;
    c.nHeightFoot = 18;
    return c;
  }
  // Top of a body row as the grid lays it out.
  static int RowTop(const grid::CellRequest& c) {
    return c.nHeightHead + c.nHeightSuper + (c.nRow - 1) * c.nHeightCell - 1;
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    return canvas.Pixel(x, y);
  }
  int Count(COLORREF colour) const { return kWidth * kHeight - canvas.CountOther(0, 0, kWidth, kHeight, colour); }
};

}  // namespace gridtest
