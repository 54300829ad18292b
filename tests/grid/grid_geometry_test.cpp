#include "grid/grid_geometry.h"

#include <gtest/gtest.h>

#include "../graphics/canvas.h"
#include "../graphics/window_pixels.h"
#include "grid/dark_color.h"

namespace {

using gfxtest::Numbers;
using gfxtest::TestWindow;

// 200 x 120 client: 20-pixel header, 16-pixel rows, 18-pixel footer from 102.
TEST(GridGeometry, RowUnderAPoint) {
  TestWindow w(0, 0, 200, 120);
  struct Case {
    long y;
    int cell;
    int row;
  };
  const Case cases[] = {
      {10, 16, 0},     {20, 16, 0},     {21, 16, 1},   {35, 16, 1},        {36, 16, 2},
      {101, 16, 6},    {102, 16, 65535}, {119, 16, 65535},
      {65531, 16, 0},  // five pixels above the window, as a mouse message carries it
      {50, 0, 0},      {50, -4, 0},     {102, 0, 65535},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(grid::NTGBROW(w.hwnd(), nullptr, k.y, nullptr, k.cell, 20, 18, 0), k.row) << k.y << " " << k.cell;
  }
  EXPECT_EQ(grid::NTGBROW(w.hwnd(), nullptr, 30, nullptr, 16, 20, 18, 10), 0);
  EXPECT_EQ(grid::NTGBROW(w.hwnd(), nullptr, 31, nullptr, 16, 20, 18, 10), 1);
}

TEST(GridGeometry, WholeRowsThatFit) {
  TestWindow w(0, 0, 200, 120);
  struct Case {
    int cell, head, foot, rows;
  };
  // 82 pixels of body hold five rows of 16; 100 pixels five of 20.
  for (const Case& k : {Case{16, 20, 18, 5}, Case{20, 20, 0, 5}, Case{1, 0, 0, 121}, Case{0, 20, 18, 0},
                        Case{-3, 20, 18, 0}, Case{16, 100, 40, 0}}) {
    EXPECT_EQ(grid::NSBROWS(w.hwnd(), nullptr, nullptr, k.cell, k.head, k.foot, 0), k.rows) << k.cell;
  }
}

TEST(GridGeometry, CellRectangleOnTheScreenLeavesRoomForTheScrollBar) {
  TestWindow w(100, 50, 200, 120);
  EXPECT_EQ(Numbers(grid::ATGBRWPOSRECT(w.hwnd(), 2, 10, 50, nullptr, 16, 20, 0)),
            (std::vector<long>{87, 110, 103, 160}));
  EXPECT_EQ(Numbers(grid::ATGBRWPOSRECT(w.hwnd(), 1, 10, 200, nullptr, 16, 20, 5)),
            (std::vector<long>{76, 110, 92, 282}));
  EXPECT_EQ(Numbers(grid::ATGBRWPOSRECT(w.hwnd(), 1, 0, 200, nullptr, 16, 20, 0))[3], 282);
}

TEST(GridGeometry, FontAndWindowMeasures) {
  TestWindow w(0, 0, 200, 120);
  HFONT font = CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICA tm{};
  GetTextMetricsA(screen, &tm);
  SelectObject(screen, old);
  const HGDIOBJ before = GetCurrentObject(screen, OBJ_FONT);
  EXPECT_EQ(grid::GETFONTHEIGHT(screen, font), tm.tmHeight);
  EXPECT_EQ(GetCurrentObject(screen, OBJ_FONT), before);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(grid::GETFONTHEIGHT(nullptr, font), tm.tmHeight);
  EXPECT_EQ(grid::SBGETHEIGHT(w.hwnd(), font, 0), tm.tmHeight);
  EXPECT_EQ(grid::SBGETHEIGHT(w.hwnd(), font, 1), tm.tmAveCharWidth);
  EXPECT_EQ(grid::SBGETHEIGHT(w.hwnd(), font, 2), 121);
  DeleteObject(font);

  HBITMAP bitmap = CreateBitmap(5, 7, 1, 1, nullptr);
  EXPECT_EQ(grid::SBMPHEIGHT(bitmap), 7);
  DeleteObject(bitmap);
  EXPECT_EQ(grid::SBMPHEIGHT(bitmap), 0);
}

TEST(GridGeometry, DarkColor) {
  struct Case {
    long rgb, amount, result;
  };
  const Case cases[] = {
      {16711680, 40, 14090240},            // blue 255 -> 215, red and green stay 0
      {0xFFFFFF, -40, 0xFFFFFF},           // lighter than white stays white
      {RGB(30, 0, 200), 40, RGB(0, 0, 160)},  // clamped at 0
      {RGB(100, 0, 10), -48, RGB(148, 0, 58)},
      {0, 48, 0},
  };
  for (const Case& k : cases) EXPECT_EQ(grid::DARKCOLOR(k.rgb, k.amount), k.result) << k.rgb << " " << k.amount;
}

// Rows of 16 pixels in distinct colours under a 20-pixel header.
class ScrollWindow : public ::testing::Test {
 protected:
  ScrollWindow() {
    HDC dc = GetDC(w.hwnd());
    for (int row = 0; row < 7; ++row) {
      const RECT band{0, 20 + 16 * row, 200, 36 + 16 * row};
      HBRUSH brush = CreateSolidBrush(RGB(30 * row, 0, 255 - 30 * row));
      FillRect(dc, &band, brush);
      DeleteObject(brush);
    }
    ReleaseDC(w.hwnd(), dc);
    GdiFlush();
  }
  TestWindow w{0, 0, 200, 120};
};

TEST_F(ScrollWindow, BodyMovesByWholeRowsBetweenHeaderAndFooter) {
  const WindowPixels before(w.hwnd());
  grid::TGBRWSCROLL(w.hwnd(), 1, nullptr, 16, 20, 18, 0);
  GdiFlush();
  const WindowPixels after(w.hwnd());
  EXPECT_EQ(after.At(50, 20), before.At(50, 36));
  EXPECT_EQ(after.At(50, 70), before.At(50, 86));
  EXPECT_EQ(after.At(50, 5), before.At(50, 5));
  EXPECT_EQ(after.At(50, 110), before.At(50, 110));
}

TEST_F(ScrollWindow, RowHeightZeroScrollsNothing) {
  const WindowPixels before(w.hwnd());
  grid::TGBRWSCROLL(w.hwnd(), 1, nullptr, 0, 20, 18, 0);
  grid::TGBRWSCROLL(w.hwnd(), 1, nullptr, -16, 20, 18, 0);
  GdiFlush();
  EXPECT_EQ(WindowPixels(w.hwnd()).Differences(before), 0);
}

}  // namespace
