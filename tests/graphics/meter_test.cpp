#include "graphics/meter.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/frames.h"

namespace {

using gfxtest::Canvas;
using gfxtest::TestWindow;

constexpr COLORREF kPane = RGB(0, 255, 0);
constexpr COLORREF kText = RGB(0, 0, 255);
constexpr COLORREF kBar = RGB(255, 0, 0);
constexpr COLORREF kBarText = RGB(255, 255, 0);

// A meter window and a canvas of its client size standing in for its DC.
struct Meter {
  explicit Meter(int width, int height = 30) : window(0, 0, width, height), canvas(width, height) {}
  void Paint(int percent, const std::string& text, bool percentage) {
    gfx::METERPAINT(window.hwnd(), canvas.dc(), percent, text, percentage, kPane, kText, kBar, kBarText);
  }
  TestWindow window;
  Canvas canvas;
};

TEST(MeterText, PercentageInFourCharacters) {
  const struct {
    const char* text;
    int percent;
    bool percentage;
    const char* shown;
  } cases[] = {{"", 0, true, "  0%"},       {"", 5, true, "  5%"},          {"", 50, true, " 50%"},
               {"", 100, true, "100%"},     {"Laden", 50, true, "Laden  50%"}, {"Laden", 50, false, "Laden "},
               {"", 50, false, ""},         {"", 150, true, "100%"},        {"", -5, true, "  0%"}};
  for (const auto& c : cases) EXPECT_EQ(gfx::MeterText(c.text, c.percent, c.percentage), c.shown) << c.percent;
}

TEST(MeterPaint, ZeroAndFullMeters) {
  Meter m(100);
  // Rows 1 and 2 lie above the text: pure fill.
  m.Paint(0, "", true);
  EXPECT_EQ(m.canvas.CountOther(1, 1, 99, 3, kPane), 0);
  EXPECT_EQ(m.canvas.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));  // sunken frame
  EXPECT_EQ(m.canvas.Pixel(99, 10), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_GT(m.canvas.CountOther(1, 1, 99, 29, kPane), 0);  // the "0%"
  EXPECT_EQ(m.canvas.CountOther(1, 1, 99, 29, kBar), 98 * 28);  // no bar pixel at all

  m.Paint(100, "", true);
  EXPECT_EQ(m.canvas.CountOther(1, 1, 99, 3, kBar), 0);
  EXPECT_EQ(m.canvas.CountOther(1, 1, 99, 29, kPane), 98 * 28);  // no pane pixel left
}

TEST(MeterPaint, HalfWayTheTextChangesColourWithTheBar) {
  Meter m(100);
  m.Paint(50, "Laden", true);
  const int end = gfx::MeterBarEnd(50, 100);
  ASSERT_EQ(end, 49);
  EXPECT_EQ(m.canvas.CountOther(1, 1, end, 3, kBar), 0);
  EXPECT_EQ(m.canvas.CountOther(end, 1, 99, 3, kPane), 0);
  // "Laden  50%" is centred, so it crosses the bar's end.
  const int barArea = (end - 1) * 28;
  const int paneArea = (99 - end) * 28;
  EXPECT_GT(barArea - m.canvas.CountOther(1, 1, end, 29, kBarText), 0);
  EXPECT_GT(paneArea - m.canvas.CountOther(end, 1, 99, 29, kText), 0);
}

TEST(MeterPaint, WideMetersAndPercentagesOutOfRange) {
  Meter wide(600);
  wide.Paint(80, "", false);
  const int end = gfx::MeterBarEnd(80, 600);
  ASSERT_EQ(end, 479);
  EXPECT_EQ(wide.canvas.CountOther(1, 1, end, 29, kBar), 0);
  EXPECT_EQ(wide.canvas.CountOther(end, 1, 599, 29, kPane), 0);

  wide.Paint(100, "", false);
  EXPECT_EQ(wide.canvas.CountOther(1, 1, 599, 29, kBar), 0);
  wide.Paint(250, "", false);
  EXPECT_EQ(wide.canvas.CountOther(1, 1, 599, 29, kBar), 0);
  wide.Paint(-20, "", false);
  EXPECT_EQ(wide.canvas.CountOther(1, 1, 599, 29, kPane), 0);
}

TEST(Frames, CornersOfEachKind) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF black = RGB(0, 0, 0);
  const struct {
    gfx::FrameKind kind;
    COLORREF topLeft, bottomRight;
  } cases[] = {{gfx::FrameKind::Raised, highlight, shadow},
               {gfx::FrameKind::Sunken, shadow, highlight},
               {gfx::FrameKind::RaisedDark, highlight, black},
               {gfx::FrameKind::SunkenDark, black, highlight},
               {gfx::FrameKind::Plain, black, black}};
  for (const auto& c : cases) {
    Canvas canvas(30, 20, RGB(0, 0, 128));
    gfx::DrawFrame(canvas.dc(), {3, 2, 20, 10}, c.kind);
    EXPECT_EQ(canvas.Pixel(3, 2), c.topLeft);
    EXPECT_EQ(canvas.Pixel(3, 6), c.topLeft);
    EXPECT_EQ(canvas.Pixel(12, 2), c.topLeft);
    EXPECT_EQ(canvas.Pixel(20, 2), c.bottomRight);  // the corners belong to the second line
    EXPECT_EQ(canvas.Pixel(3, 10), c.bottomRight);
    EXPECT_EQ(canvas.Pixel(20, 10), c.bottomRight);
    EXPECT_EQ(canvas.CountOther(4, 3, 20, 10, RGB(0, 0, 128)), 0);
    EXPECT_EQ(canvas.Pixel(21, 2), RGB(0, 0, 128));
  }
  Canvas box(30, 20, RGB(0, 0, 128));
  gfx::WNDBOX(box.dc(), 2, 3, 10, 20);
  EXPECT_EQ(box.Pixel(3, 2), black);
  EXPECT_EQ(box.Pixel(20, 10), black);
  gfx::WNDBOXIN(box.dc(), 2, 3, 10, 20);
  EXPECT_EQ(box.Pixel(3, 2), shadow);
  EXPECT_EQ(box.Pixel(20, 10), highlight);
}

}  // namespace
