// ALERT: its layout from the measures, and the dialog itself.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "controls/alert.h"
#include "controls/alert_layout.h"
#include "tests/graphics/window_shot.h"
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

// The alert's buttons left to right, its text area and the focused window.
struct AlertParts {
  std::vector<HWND> buttons;
  HWND text = nullptr;
  HWND focus = nullptr;
};

AlertParts Parts(HWND box) {
  AlertParts p;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[64] = {};
    GetClassNameA(c, cls, sizeof cls);
    const std::string name = cls;
    if (name == "Button") p.buttons.push_back(c);
    if (name == "Edit") p.text = c;
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info)) p.focus = info.hwndFocus;
  return p;
}

std::string TextOf(HWND h) {
  char buf[256] = {};
  GetWindowTextA(h, buf, sizeof buf);
  return buf;
}

RECT RectIn(HWND box, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(Alert, OneOkAnswersOne) {
  std::vector<std::string> captions;
  BoxDriver driver([&](HWND box) {
    const AlertParts p = Parts(box);
    for (HWND b : p.buttons) captions.push_back(TextOf(b));
    if (!p.buttons.empty()) PostMessageA(p.buttons.front(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(ctl::ALERT(rt::Value("x")), 1);
  EXPECT_EQ(driver.Seen().caption, "Attention");
  EXPECT_EQ(captions, std::vector<std::string>{"&OK"});
}

// Three options of one width side by side, the focus on the second; the
// third answers 3. VD_ALERT_SHOT names a BMP file for the picture.
TEST(Alert, ThreeOptionsLaidOutWithTheFocusOnTheDefault) {
  std::vector<RECT> rects;
  std::vector<std::string> captions;
  bool focusOnSecond = false;
  BoxDriver driver([&](HWND box) {
    const AlertParts p = Parts(box);
    for (HWND b : p.buttons) {
      rects.push_back(RectIn(box, b));
      captions.push_back(TextOf(b));
    }
    focusOnSecond = p.buttons.size() == 3 && p.focus == p.buttons[1];
    // Answered once the dialog's own loop runs, so it is painted whole.
    SendMessageA(box, WM_NULL, 0, 0);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ShotIfAsked(box, "VD_ALERT_SHOT");
    if (p.buttons.size() == 3) PostMessageA(p.buttons[2], BM_CLICK, 0, 0);
  });
  const rt::Value options = rt::Value::Array({"&Speichern", "&Verwerfen", "&Abbrechen"});
  EXPECT_EQ(ctl::ALERT(rt::Value("Die Eintr\xE4ge wurden ge\xE4ndert.\nWas soll mit ihnen geschehen?"), options,
                       rt::Value("Frage"), rt::Value(2)),
            3);
  EXPECT_EQ(driver.Seen().caption, "Frage");
  ASSERT_EQ(captions, (std::vector<std::string>{"&Speichern", "&Verwerfen", "&Abbrechen"}));
  EXPECT_TRUE(focusOnSecond);
  const int width = rects[0].right - rects[0].left;
  for (std::size_t i = 1; i < rects.size(); ++i) {
    EXPECT_EQ(rects[i].top, rects[0].top);
    EXPECT_EQ(rects[i].right - rects[i].left, width);
    EXPECT_EQ(rects[i].left - rects[i - 1].left, rects[1].left - rects[0].left);
  }
  EXPECT_GT(rects[1].left, rects[0].right);
}

TEST(Alert, ALongLineGetsBothScrollBars) {
  struct Case {
    std::string message;
    bool hScroll, vScroll;
  } cases[] = {
      {"kurz", false, false},
      {std::string(600, 'w'), true, true},
  };
  for (const Case& c : cases) {
    LONG style = 0;
    BoxDriver driver([&](HWND box) {
      const AlertParts p = Parts(box);
      if (p.text) style = GetWindowLongA(p.text, GWL_STYLE);
      PostMessageA(box, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(ctl::ALERT(rt::Value(c.message)), 0);
    driver.Seen();
    EXPECT_EQ((style & WS_HSCROLL) != 0, c.hScroll) << c.message.size();
    EXPECT_EQ((style & WS_VSCROLL) != 0, c.vScroll) << c.message.size();
  }
}

}  // namespace
