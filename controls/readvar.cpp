#include "controls/readvar.h"

#include <windows.h>

#include "controls/tget.h"
#include "core/window_list.h"

namespace controls {

rt::Value READVAR() {
  for (const rt::Value& window : core::WindowSlots()) {
    const auto get = window.As<TGet>();
    // The flag alone can outlive the focus of a field that went away
    // without losing it; the field must still hold the keyboard focus.
    if (get && get->lFocused && get->ClassName() == TGet::ClassDef().Name() && get->hWnd && GetFocus() == get->hWnd)
      return window;
  }
  return {};
}

}  // namespace controls
