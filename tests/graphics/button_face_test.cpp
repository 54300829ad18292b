#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "canvas.h"
#include "graphics/bitmap_button.h"
#include "graphics/btn_disable.h"

namespace {

using gfxtest::Canvas;
using gfxtest::KeyedPicture;
using gfxtest::TestWindow;

constexpr COLORREF kPane = RGB(0, 128, 128);

struct Button {
  Button() : window(0, 0, 60, 40), canvas(60, 40, RGB(1, 2, 3)) {}
  void Paint(bool pressed, bool border, COLORREF pane = kPane, const std::string& caption = "", int textPos = 0) {
    gfx::PALBTNPAINT(window.hwnd(), normal, pressedPicture, disabled, pressed, false, border, false, pane, caption,
                     textPos, nullptr, RGB(0, 0, 0), canvas.dc());
  }
  TestWindow window;
  Canvas canvas;
  gfx::ButtonPicture normal{KeyedPicture(10, 10, RGB(255, 0, 0)), nullptr};
  gfx::ButtonPicture pressedPicture{};
  gfx::ButtonPicture disabled{};
};

TEST(BitmapButton, NormalAndPressedWithoutAPressedPicture) {
  Button b;
  b.Paint(false, true);
  EXPECT_EQ(b.canvas.Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));  // raised
  EXPECT_EQ(b.canvas.Pixel(59, 39), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(b.canvas.Pixel(30, 20), RGB(255, 0, 0));  // centred at (25, 15)
  EXPECT_EQ(b.canvas.Pixel(25, 15), kPane);            // its transparent corner
  EXPECT_EQ(b.canvas.Pixel(24, 20), kPane);

  b.Paint(true, true);
  EXPECT_EQ(b.canvas.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));  // sunken
  EXPECT_EQ(b.canvas.Pixel(35, 20), RGB(255, 0, 0));               // one pixel further
  EXPECT_EQ(b.canvas.Pixel(25, 20), kPane);

  b.Paint(false, false);
  EXPECT_EQ(b.canvas.Pixel(0, 0), kPane);  // no border
  DeleteObject(b.normal.bitmap);
}

TEST(BitmapButton, PressedAndDisabledPicturesAndDarkFrames) {
  Button b;
  b.pressedPicture = {KeyedPicture(10, 10, RGB(0, 0, 255)), nullptr};
  b.disabled = {KeyedPicture(10, 10, RGB(0, 255, 0)), nullptr};
  b.Paint(true, true);
  EXPECT_EQ(b.canvas.Pixel(31, 21), RGB(0, 0, 255));
  b.Paint(false, true, GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(b.canvas.Pixel(59, 39), RGB(0, 0, 0));  // dark frame on a shadow pane
  EnableWindow(b.window.hwnd(), FALSE);
  b.Paint(false, true);
  EXPECT_EQ(b.canvas.Pixel(30, 20), RGB(0, 255, 0));
  for (HBITMAP bm : {b.normal.bitmap, b.pressedPicture.bitmap, b.disabled.bitmap}) DeleteObject(bm);
}

TEST(BitmapButton, CaptionBelowPushesThePictureUpAndIsEmbossedWhenDisabled) {
  Button b;
  b.Paint(false, false, kPane, "OK", 1);
  TEXTMETRICA tm{};
  GetTextMetricsA(b.canvas.dc(), &tm);
  const int pictureTop = 15 - (tm.tmHeight + 2);
  EXPECT_EQ(b.canvas.Pixel(30, pictureTop + 5), RGB(255, 0, 0));
  const int textTop = 40 - tm.tmHeight - 4;
  const int ink = b.canvas.CountOther(0, textTop, 60, textTop + tm.tmHeight, kPane);
  EXPECT_GT(ink, 0);
  EXPECT_EQ(b.canvas.CountOther(0, pictureTop + 10, 60, textTop, kPane), 0);

  EnableWindow(b.window.hwnd(), FALSE);
  b.Paint(false, false, kPane, "OK", 1);
  const int area = 60 * (tm.tmHeight + 1);
  EXPECT_GT(area - b.canvas.CountOther(0, textTop, 60, textTop + tm.tmHeight + 1, GetSysColor(COLOR_BTNSHADOW)), 0);
  EXPECT_GT(area - b.canvas.CountOther(0, textTop, 60, textTop + tm.tmHeight + 1, GetSysColor(COLOR_BTNHIGHLIGHT)),
            0);
  DeleteObject(b.normal.bitmap);
}

TEST(ButtonDisable, PictureBecomesAShadowWithAHighlightEcho) {
  TestWindow window(0, 0, 40, 20);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  Canvas canvas(40, 20, face);
  RECT square{10, 5, 16, 11};
  FillRect(canvas.dc(), &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  HBRUSH light = CreateSolidBrush(highlight);
  RECT bright{25, 5, 31, 11};
  FillRect(canvas.dc(), &bright, light);
  DeleteObject(light);

  gfx::BTNDISABLE(window.hwnd(), canvas.dc());
  EXPECT_EQ(canvas.Pixel(12, 7), shadow);
  EXPECT_EQ(canvas.Pixel(15, 10), shadow);
  EXPECT_EQ(canvas.Pixel(16, 8), highlight);  // the echo, one pixel right
  EXPECT_EQ(canvas.Pixel(12, 11), highlight);  // and one down
  EXPECT_EQ(canvas.Pixel(5, 15), face);
  EXPECT_EQ(canvas.CountOther(25, 5, 31, 11, highlight), 0);  // highlight counts as background
}

}  // namespace
