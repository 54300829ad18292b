#include "controls/alert_layout.h"

#include <algorithm>

namespace ctl {

AlertLayout LayOutAlert(const AlertMeasures& m) {
  AlertLayout l{};
  l.textWidth = m.textWidth;
  l.textHeight = m.textHeight;
  if (l.textHeight > kAlertMaxTextHeight) {
    l.textHeight = kAlertMaxTextHeight;
    l.vScroll = true;
  }
  if (l.textWidth > kAlertMaxTextWidth) {
    l.textWidth = kAlertMaxTextWidth;
    l.hScroll = l.vScroll = true;
  }
  if (l.vScroll) l.textHeight = std::max(l.textHeight, kAlertMinScrolledHeight);

  const int options = static_cast<int>(m.optionWidths.size());
  l.width = std::max(l.textWidth + 80, m.titleWidth + 80);
  l.buttonWidth = 100;
  for (int w : m.optionWidths) l.buttonWidth = std::max(l.buttonWidth, w + 50);
  l.buttonRow = std::max(l.textHeight, 20) + 50;
  l.buttonHeight = static_cast<int>(m.charHeight * 1.7);
  l.height = static_cast<int>(m.charHeight * 1.7) + l.buttonRow + 50;
  const int buttonsNeed = options * l.buttonWidth + (options + 2) * 7;
  if (buttonsNeed > l.width) l.width = buttonsNeed + 10;
  l.firstColumn = (l.width - options * l.buttonWidth - (options + 14)) / 2;
  return l;
}

}  // namespace ctl
