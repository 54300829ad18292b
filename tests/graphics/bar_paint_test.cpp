#include "graphics/bar_paint.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "window_pixels.h"

namespace {

using gfxtest::Canvas;
using gfxtest::InParent;
using gfxtest::TestWindow;

HWND Bar(HWND parent, int x, int y, int w, int h) {
  HWND bar = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, w, h, parent, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  return bar;
}

TEST(BarAdjust, DocksAtEachSideKeepingTheClientSize) {
  TestWindow parent(0, 0, 300, 200);
  const int w = 28, h = 28;  // the client size of a 30 x 30 bar with a border
  const struct {
    int mode;
    bool msgBar;
    RECT expected;
  } cases[] = {{1, false, {-1, -1, 301, h + 1}},
               {2, false, {-1, -1, w + 1, 200}},
               {3, false, {300 - w - 1, -1, 301, 200}},
               {4, false, {-1, 200 - h - 2, 301, 200}},
               {4, true, {-1, 200 - h - 19 - 2, 301, 200 - 19}},
               {2, true, {-1, -1, w + 1, 200 - 19}}};
  for (const auto& c : cases) {
    HWND bar = Bar(parent.hwnd(), 40, 40, 30, 30);
    gfx::BARADJUST(bar, c.mode, c.msgBar, 20);
    gfx::BARADJUST(bar, c.mode, c.msgBar, 20);  // docking twice changes nothing
    const RECT r = InParent(bar);
    EXPECT_TRUE(EqualRect(&r, &c.expected))
        << c.mode << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    DestroyWindow(bar);
  }
  HWND bar = Bar(parent.hwnd(), 40, 40, 30, 30);
  const RECT before = InParent(bar);
  for (int mode : {0, 5, 9}) {
    gfx::BARADJUST(bar, mode);
    const RECT r = InParent(bar);
    EXPECT_TRUE(EqualRect(&r, &before)) << mode;
  }
  DestroyWindow(bar);
}

TEST(BarInvert, SecondCallRemovesTheOutline) {
  TestWindow parent(0, 0, 120, 80);
  HWND bar = Bar(parent.hwnd(), 20, 20, 60, 30);
  UpdateWindow(parent.hwnd());
  UpdateWindow(bar);
  const WindowPixels before(parent.hwnd());
  gfx::BARINVERT(bar);
  const WindowPixels inverted(parent.hwnd());
  EXPECT_GT(inverted.Differences(before), 0);
  EXPECT_NE(inverted.At(21, 22), before.At(21, 22));  // left edge, inset by 1
  EXPECT_EQ(inverted.At(20, 30), before.At(20, 30));
  EXPECT_EQ(inverted.At(50, 35), before.At(50, 35));  // inside stays
  gfx::BARINVERT(bar);
  EXPECT_EQ(WindowPixels(parent.hwnd()).Differences(before), 0);
  DestroyWindow(bar);
}

TEST(BarPaint, EdgesAndGripperByShape) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  constexpr COLORREF kGround = RGB(0, 0, 128);
  TestWindow parent(0, 0, 300, 300);

  TestWindow wide(0, 0, 200, 30, parent.hwnd());
  Canvas w(200, 30, kGround);
  gfx::BARPAINT(wide.hwnd(), w.dc());
  EXPECT_EQ(w.Pixel(100, 0), shadow);     // the top line
  EXPECT_EQ(w.Pixel(100, 1), highlight);  // the raised frame below it
  EXPECT_EQ(w.Pixel(199, 15), shadow);
  EXPECT_EQ(w.Pixel(4, 15), highlight);  // two vertical grips
  EXPECT_EQ(w.Pixel(6, 15), shadow);
  EXPECT_EQ(w.Pixel(7, 15), highlight);
  EXPECT_EQ(w.Pixel(9, 15), shadow);
  EXPECT_EQ(w.Pixel(5, 15), kGround);

  TestWindow tall(0, 0, 30, 200, parent.hwnd());
  Canvas t(30, 200, kGround);
  gfx::BARPAINT(tall.hwnd(), t.dc());
  EXPECT_EQ(t.Pixel(15, 3), highlight);  // two horizontal grips, rows 3-5 and 6-8
  EXPECT_EQ(t.Pixel(15, 5), shadow);
  EXPECT_EQ(t.Pixel(15, 6), highlight);
  EXPECT_EQ(t.Pixel(15, 8), shadow);
  EXPECT_EQ(t.Pixel(15, 4), kGround);
}

}  // namespace
