#include "controls/readvar.h"

#include "controls/tget.h"
#include "core/window_list.h"

namespace controls {

rt::Value READVAR() {
  for (const rt::Value& window : core::WindowSlots()) {
    const auto get = window.As<TGet>();
    if (get && get->lFocused && get->ClassName() == TGet::ClassDef().Name()) return window;
  }
  return {};
}

}  // namespace controls
