#pragma once
// How ALERT sizes its text area, its buttons and itself from the measured
// text, title and options (all in pixels).

#include <vector>

namespace ctl {

struct AlertMeasures {
  int textWidth;   // widest line + 10
  int textHeight;  // lines x character height
  int titleWidth;
  std::vector<int> optionWidths;
  int charHeight;
};

struct AlertLayout {
  int textWidth, textHeight;
  bool vScroll, hScroll;
  int width, height;
  int buttonRow, buttonWidth, buttonHeight, firstColumn;
  int ButtonColumn(int i) const { return firstColumn + (i - 1) * (buttonWidth + 7); }  // i from 1
};

inline constexpr int kAlertMaxTextWidth = 500, kAlertMaxTextHeight = 400, kAlertMinScrolledHeight = 100;

AlertLayout LayOutAlert(const AlertMeasures& m);

}  // namespace ctl
