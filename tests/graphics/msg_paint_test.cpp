#include "graphics/msg_paint.h"

#include <gtest/gtest.h>

#include "canvas.h"

namespace {

using gfxtest::Canvas;
using gfxtest::TestWindow;

constexpr COLORREF kGround = RGB(0, 0, 128);
constexpr COLORREF kPane = RGB(200, 200, 0);

// Leftmost and rightmost columns holding a pixel other than the colour.
std::pair<int, int> InkColumns(const Canvas& c, int width, int height, COLORREF colour) {
  int first = -1, last = -1;
  for (int x = 0; x < width; ++x) {
    if (c.CountOther(x, 0, x + 1, height, colour) > 0) {
      if (first < 0) first = x;
      last = x;
    }
  }
  return {first, last};
}

TEST(MsgItem, FilledAndCentred) {
  Canvas canvas(120, 20, kGround);
  gfx::DRAWMSGITEM(canvas.dc(), "NUM", rt::Value::Array({2, 10, 18, 110}), RGB(0, 0, 0), kPane);
  EXPECT_EQ(canvas.CountOther(0, 0, 120, 2, kGround), 0);
  EXPECT_EQ(canvas.CountOther(0, 0, 10, 20, kGround), 0);
  EXPECT_EQ(canvas.Pixel(10, 2), kPane);
  EXPECT_EQ(canvas.Pixel(109, 17), kPane);
  Canvas inner(120, 20, kPane);
  gfx::DRAWMSGITEM(inner.dc(), "NUM", rt::Value::Array({2, 10, 18, 110}), RGB(0, 0, 0), kPane);
  const auto [left, right] = InkColumns(inner, 120, 20, kPane);
  ASSERT_GE(left, 10);
  EXPECT_LE(std::abs((left - 10) - (109 - right)), 1);
}

TEST(MsgPaint, DefaultMessageFramesAndRightLimit) {
  TestWindow bar(0, 0, 200, 24);
  Canvas withDefault(200, 24, kGround);
  Canvas withMessage(200, 24, kGround);
  gfx::MSGPAINT(bar.hwnd(), "", "Bereit", true, false, 0, RGB(0, 0, 0), kPane, nullptr, true, withDefault.dc());
  gfx::MSGPAINT(bar.hwnd(), "Bereit", "Anders", true, false, 0, RGB(0, 0, 0), kPane, nullptr, true,
                withMessage.dc());
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 200; ++x) ASSERT_EQ(withDefault.Pixel(x, y), withMessage.Pixel(x, y)) << x << "," << y;
  }
  EXPECT_EQ(withDefault.Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised frame
  EXPECT_EQ(withDefault.Pixel(199, 23), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(withDefault.Pixel(3, 3), GetSysColor(COLOR_BTNSHADOW));  // sunken around the message
  EXPECT_EQ(withDefault.Pixel(4, 4), kPane);
  EXPECT_GT(withDefault.CountOther(4, 4, 196, 20, kPane), 0);  // the text

  Canvas limited(200, 24, kGround);
  gfx::MSGPAINT(bar.hwnd(), "x", "", false, false, 120, RGB(0, 0, 0), kPane, nullptr, false, limited.dc());
  EXPECT_EQ(limited.Pixel(108, 10), kPane);
  EXPECT_EQ(limited.Pixel(109, 10), kGround);
  EXPECT_EQ(limited.Pixel(0, 0), kGround);  // no frame without l3D
}

TEST(MsgPaint, ClassicSizeGrip) {
  TestWindow bar(0, 0, 100, 24);
  Canvas canvas(100, 24, kGround);
  gfx::MSGPAINT3L(bar.hwnd(), kPane, canvas.dc());
  const int r = 98, b = 23;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int d : {0, 4, 8}) {
    EXPECT_EQ(canvas.Pixel(r, b - d - 3), shadow) << d;
    EXPECT_EQ(canvas.Pixel(r, b - d - 2), shadow) << d;
    EXPECT_EQ(canvas.Pixel(r, b - d - 4), highlight) << d;
  }
  EXPECT_EQ(canvas.Pixel(88, 12), kPane);
  // The longest diagonal reaches one pixel past the 12 x 12 square.
  EXPECT_EQ(canvas.CountOther(0, 0, 86, 24, kGround), 0);
  EXPECT_EQ(canvas.CountOther(0, 0, 100, 11, kGround), 0);
}

}  // namespace
