// ALERT: its layout from the measures, and the dialog itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "controls/alert.h"
#include "controls/alert_layout.h"
#include "tests/services/box_driver.h"

namespace {

TEST(AlertLayout, SizesFromTheMeasures) {
  struct Case {
    ctl::AlertMeasures m;
    int textWidth, textHeight;
    bool vScroll, hScroll;
    int width, height, buttonWidth, firstColumn;
  } cases[] = {
      // One short line, one option: the title decides the width; 100-wide buttons.
      {{40, 14, 60, {20}, 14}, 40, 14, false, false, 140, 23 + 70 + 50, 100, (140 - 100 - 15) / 2},
      // A long line: both scroll bars, height raised to 100.
      {{4000, 14, 60, {20}, 14}, 500, 100, true, true, 580, 23 + 150 + 50, 100, (580 - 100 - 15) / 2},
      // Many lines: a vertical bar only.
      {{200, 600, 60, {20}, 14}, 200, 400, true, false, 280, 23 + 450 + 50, 100, (280 - 100 - 15) / 2},
      // Three wide options widen the dialog: 3 x 130 + 5 x 7 = 425, + 10.
      {{40, 14, 60, {80, 30, 10}, 14}, 40, 14, false, false, 435, 23 + 70 + 50, 130, (435 - 390 - 17) / 2},
  };
  for (const Case& c : cases) {
    const ctl::AlertLayout l = ctl::LayOutAlert(c.m);
    EXPECT_EQ(l.textWidth, c.textWidth);
    EXPECT_EQ(l.textHeight, c.textHeight);
    EXPECT_EQ(l.vScroll, c.vScroll);
    EXPECT_EQ(l.hScroll, c.hScroll);
    EXPECT_EQ(l.width, c.width);
    EXPECT_EQ(l.height, c.height);
    EXPECT_EQ(l.buttonWidth, c.buttonWidth);
    EXPECT_EQ(l.firstColumn, c.firstColumn);
    EXPECT_EQ(l.ButtonColumn(2) - l.ButtonColumn(1), c.buttonWidth + 7);
  }
}

TEST(Alert, ClosedByTheCloseBoxAnswersZero) {
  BoxDriver driver([](HWND box) { PostMessageA(box, WM_CLOSE, 0, 0); });
  EXPECT_EQ(ctl::ALERT(rt::Value("x")), 0);
  EXPECT_EQ(driver.Seen().caption, "Attention");
}

}  // namespace
