#include <gtest/gtest.h>
#include <windows.h>

#include "core/window_paint.h"
#include "tests/graphics/canvas.h"

namespace {

// Pixels of the colour in rows [top, bottom) of a 200-pixel-wide canvas.
int Count(const gfxtest::Canvas& canvas, COLORREF colour, int top, int bottom) {
  return (bottom - top) * 200 - canvas.CountOther(0, top, 200, bottom, colour);
}

TEST(PaintWrappersTest, SayPlacesTextByRowsOrPixels) {
  const COLORREF green = RGB(0, 255, 0);
  gfxtest::Canvas c(200, 100);
  TEXTMETRICA tm{};
  GetTextMetricsA(c.dc(), &tm);
  core::WSAY(nullptr, c.dc(), 1, 0, "Wort", RGB(0, 0, 0), green);
  EXPECT_EQ(Count(c, green, 0, tm.tmHeight), 0);
  EXPECT_GT(Count(c, green, tm.tmHeight, 2 * tm.tmHeight), 0);

  gfxtest::Canvas p(200, 100);
  core::WSAY(nullptr, p.dc(), 60, 0, "Wort", RGB(0, 0, 0), green, nullptr, true);
  EXPECT_EQ(Count(p, green, 0, 60), 0);
  EXPECT_GT(Count(p, green, 60, 100), 0);

  gfxtest::Canvas t(200, 100);
  core::WSAY(nullptr, t.dc(), 0, 0, "Wort", RGB(0, 0, 0), green, nullptr, true, true);
  EXPECT_EQ(Count(t, green, 0, 100), 0);  // transparent: no background
}

TEST(PaintWrappersTest, SayRectFillsItsRectangle) {
  const COLORREF red = RGB(255, 0, 0);
  gfxtest::Canvas c(200, 100);
  core::WSAYRECT(nullptr, c.dc(), 10, 20, "", RGB(0, 0, 0), red, nullptr, 30, 60);
  EXPECT_EQ(GetPixel(c.dc(), 20, 10), red);
  EXPECT_EQ(GetPixel(c.dc(), 59, 29), red);
  EXPECT_EQ(GetPixel(c.dc(), 60, 29), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(c.dc(), 20, 30), RGB(255, 255, 255));
  EXPECT_EQ(Count(c, red, 0, 100), 40 * 20);
}

TEST(PaintWrappersTest, CharacterHeightFollowsTheFont) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  HFONT big = CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  int normal = core::NWNDCHRHEIGHT(w);
  int large = core::NWNDCHRHEIGHT(w, big);
  EXPECT_GT(normal, 0);
  EXPECT_GT(large, normal);
  EXPECT_GE(large, 40);
  DeleteObject(big);
  DestroyWindow(w);
}

}  // namespace
