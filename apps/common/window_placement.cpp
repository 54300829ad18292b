#include "apps/common/window_placement.h"

#include <windows.h>

#include <optional>
#include <string>

#include "apps/common/settings_file.h"
#include "apps/common/settings_keys.h"
#include "core/twindow.h"
#include "graphics/dc.h"
#include "graphics/rect.h"
#include "runtime/numbers.h"
#include "services/profile.h"

namespace common {

namespace {

constexpr const char* kKeys[4] = {"Top", "Left", "Bottom", "Right"};

}  // namespace

bool GETCOORDS(const PlacementRule& rule, long& nTop, long& nLeft, long& nBottom, long& nRight) {
  const RECT rc = gfx::ClientRectOf(gfx::GETDESKTOPWINDOW());
  const Rect desktop{rc.top, rc.left, rc.bottom, rc.right};
  const long edges[4] = {desktop.top, desktop.left, desktop.bottom, desktop.right};
  std::string texts[4];
  std::optional<std::string_view> stored[4];
  for (int i = 0; i < 4; ++i) {
    // The default is the desktop's edge as STR gives it, which reads back as
    // that number.
    texts[i] = svc::GETPVPROFSTRING(rt::Value(rule.section), rt::Value(kKeys[i]),
                                    rt::Value(rt::STR(static_cast<double>(edges[i]), 10)), rt::Value(kIniPath));
    stored[i] = texts[i];
  }
  Rect r = ResolvePlacement(rule, desktop, stored);
  // A position no monitor shows (a monitor taken away, a hand-edited file)
  // would hide the program for good: nothing moves a window that cannot be
  // seen, so nothing would store a better place.
  const RECT opened{r.left, r.top, r.right + 1, r.bottom + 1};
  if (!MonitorFromRect(&opened, MONITOR_DEFAULTTONULL)) r = OntoDesktop(rule, desktop, r);
  nTop = r.top;
  nLeft = r.left;
  nBottom = r.bottom;
  nRight = r.right;
  return true;
}

void PUTCOORDS(const PlacementRule& rule, const core::TWindow& window) {
  const bool iconic = window.hWnd && IsIconic(window.hWnd);
  const auto r = PlacementToStore(Rect{window.nTop, window.nLeft, window.nBottom, window.nRight}, iconic);
  if (!r) return;
  const long values[4] = {r->top, r->left, r->bottom, r->right};
  for (int i = 0; i < 4; ++i) WriteSetting(rule.section, kKeys[i], CoordinateText(values[i]));
}

}  // namespace common
