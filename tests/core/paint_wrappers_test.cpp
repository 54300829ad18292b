#include <gtest/gtest.h>
#include <windows.h>

#include "core/window_paint.h"

namespace {

// A white 200 x 100 bitmap in a memory device context.
struct Canvas {
  Canvas() {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bmp = CreateCompatibleBitmap(screen, 200, 100);
    ReleaseDC(nullptr, screen);
    old = SelectObject(dc, bmp);
    RECT all{0, 0, 200, 100};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  int Count(COLORREF colour, int top, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 200; ++x) n += GetPixel(dc, x, y) == colour;
    return n;
  }
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
};

TEST(PaintWrappersTest, SayPlacesTextByRowsOrPixels) {
  const COLORREF green = RGB(0, 255, 0);
  Canvas c;
  TEXTMETRICA tm{};
  GetTextMetricsA(c.dc, &tm);
  core::WSAY(nullptr, c.dc, 1, 0, "Wort", RGB(0, 0, 0), green);
  EXPECT_EQ(c.Count(green, 0, tm.tmHeight), 0);
  EXPECT_GT(c.Count(green, tm.tmHeight, 2 * tm.tmHeight), 0);

  Canvas p;
  core::WSAY(nullptr, p.dc, 60, 0, "Wort", RGB(0, 0, 0), green, nullptr, true);
  EXPECT_EQ(p.Count(green, 0, 60), 0);
  EXPECT_GT(p.Count(green, 60, 100), 0);

  Canvas t;
  core::WSAY(nullptr, t.dc, 0, 0, "Wort", RGB(0, 0, 0), green, nullptr, true, true);
  EXPECT_EQ(t.Count(green, 0, 100), 0);  // transparent: no background
}

TEST(PaintWrappersTest, SayRectFillsItsRectangle) {
  const COLORREF red = RGB(255, 0, 0);
  Canvas c;
  core::WSAYRECT(nullptr, c.dc, 10, 20, "", RGB(0, 0, 0), red, nullptr, 30, 60);
  EXPECT_EQ(GetPixel(c.dc, 20, 10), red);
  EXPECT_EQ(GetPixel(c.dc, 59, 29), red);
  EXPECT_EQ(GetPixel(c.dc, 60, 29), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(c.dc, 20, 30), RGB(255, 255, 255));
  EXPECT_EQ(c.Count(red, 0, 100), 40 * 20);
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
