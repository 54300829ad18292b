#include "graphics/design_outline.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/focus_repair.h"
#include "window_pixels.h"

namespace {

using gfxtest::InParent;
using gfxtest::TestWindow;

TEST(CtrlDrawFocus, OutlineMovedOrSizedAndRemovedByTheSecondCall) {
  TestWindow parent(0, 0, 200, 150);
  TestWindow control(40, 30, 50, 40, parent.hwnd());
  UpdateWindow(parent.hwnd());
  const WindowPixels before(parent.hwnd());

  gfx::CTRLDRAWFOCUS(control.hwnd(), 10, 20, 0, 0, 0);
  const WindowPixels moved(parent.hwnd());
  // Moved by 10 rows and 20 columns, grown inward by 1: the outline's
  // top-left pixel is (61, 41).
  EXPECT_NE(moved.At(61, 41), before.At(61, 41));
  EXPECT_NE(moved.At(62, 42), before.At(62, 42));
  EXPECT_EQ(moved.At(63, 43), before.At(63, 43));
  EXPECT_NE(moved.At(108, 78), before.At(108, 78));  // bottom-right, 2 pixels thick
  gfx::CTRLDRAWFOCUS(control.hwnd(), 10, 20, 0, 0, 0);
  EXPECT_EQ(WindowPixels(parent.hwnd()).Differences(before), 0);

  // Sizing by the bottom-right corner to the client point (60, 80).
  gfx::CTRLDRAWFOCUS(control.hwnd(), 1, 1, 60, 80, 5);
  const WindowPixels sized(parent.hwnd());
  EXPECT_NE(sized.At(41, 31), before.At(41, 31));
  EXPECT_NE(sized.At(40 + 80 - 2, 30 + 60 - 2), before.At(40 + 80 - 2, 30 + 60 - 2));
  gfx::CTRLDRAWFOCUS(control.hwnd(), 1, 1, 60, 80, 5);
  EXPECT_EQ(WindowPixels(parent.hwnd()).Differences(before), 0);
}

TEST(DotsAdjust, EightHandlesAroundTheControl) {
  TestWindow parent(0, 0, 200, 150);
  TestWindow control(40, 30, 50, 40, parent.hwnd());
  std::array<HWND, 8> dots{};
  for (HWND& d : dots) {
    d = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 1, 1, parent.hwnd(), nullptr,
                        GetModuleHandleA(nullptr), nullptr);
  }
  gfx::DOTSADJUST(control.hwnd(), dots);
  const POINT expected[8] = {{37, 28}, {63, 28}, {87, 28}, {87, 48}, {87, 67}, {63, 67}, {37, 67}, {37, 48}};
  for (std::size_t i = 0; i < 8; ++i) {
    const RECT r = InParent(dots[i]);
    EXPECT_EQ(r.left, expected[i].x) << i;
    EXPECT_EQ(r.top, expected[i].y) << i;
    EXPECT_EQ(r.right - r.left, 5);
    EXPECT_EQ(r.bottom - r.top, 5);
    DestroyWindow(dots[i]);
  }
}

TEST(CheckFocus, RemovesAStaleFocusRectangleOnly) {
  TestWindow top(0, 0, 200, 100);
  TestWindow page(0, 0, 200, 100, top.hwnd());
  HWND box = CreateWindowExA(0, "BUTTON", "Fremd", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10, 120, 20,
                             page.hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  UpdateWindow(box);
  // A uniform face with one dot of an old focus rectangle at (20, 1).
  HDC dc = GetDC(box);
  RECT all{0, 0, 120, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ReleaseDC(box, dc);
  const WindowPixels clean(box);

  gfx::CHECKFOCUS(box, nullptr);
  EXPECT_EQ(WindowPixels(box).Differences(clean), 0);  // nothing to remove

  dc = GetDC(box);
  SetPixel(dc, 20, 1, RGB(0, 0, 0));
  ReleaseDC(box, dc);
  const WindowPixels stale(box);
  gfx::CHECKFOCUS(box, box);  // the focus is on it: left alone
  EXPECT_EQ(WindowPixels(box).Differences(stale), 0);
  gfx::CHECKFOCUS(box, nullptr);
  const WindowPixels after(box);
  EXPECT_GT(after.Differences(stale), 0);
  EXPECT_NE(after.At(15, 5), stale.At(15, 5));  // the rectangle's left edge
  DestroyWindow(box);
}

}  // namespace
