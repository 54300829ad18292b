#include "core/window_scroll_bar.h"

#include "core/send_soft.h"
#include "graphics/class_names.h"
#include "runtime/object.h"

namespace core {

rt::Value WindowScrollBar(TWindow& w, bool lVertical) {
  if (!rt::FindClass(vdclass::kScrollBar)) return {};
  rt::Value bar = rt::CreateObject(vdclass::kScrollBar);
  Ask(bar, "WinNew", rt::Value(), rt::Value(), rt::Value(), lVertical, w.Self());
  return bar;
}

}  // namespace core
