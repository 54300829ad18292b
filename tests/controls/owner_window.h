#pragma once
// Shared by the control tests: a visible pop-up window that owns the
// controls under test, a variable bound through a block as the class layer
// binds one, and a window's class name.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "core/twindow.h"
#include "runtime/value.h"

namespace controltest {

struct OwnerWindow {
  // A pixel-sized window from (0, 0) to (bottom, right); pane optionally
  // set, text black.
  OwnerWindow(int bottom, int right, std::optional<COLORREF> pane = {}) {
    core::WindowArgs a;
    a.nTop = 0;
    a.nLeft = 0;
    a.nBottom = bottom;
    a.nRight = right;
    a.lPixel = true;
    a.nStyle = static_cast<double>(WS_POPUP | WS_VISIBLE);
    if (pane) {
      a.nClrFore = 0;
      a.nClrBack = static_cast<double>(*pane);
    }
    w->New(a);
  }
  ~OwnerWindow() {
    if (w->hWnd && IsWindow(w->hWnd)) DestroyWindow(w->hWnd);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  rt::Value value() const { return rt::Value(w); }
  std::shared_ptr<core::TWindow> w = std::make_shared<core::TWindow>();
};

struct Var {
  explicit Var(rt::Value start = {}) : v(std::make_shared<rt::Value>(std::move(start))) {}
  rt::Value Block() const {
    auto p = v;
    return rt::Value::Block([p](rt::Args a) {
      if (!a.empty()) *p = a[0];
      return *p;
    });
  }
  std::shared_ptr<rt::Value> v;
};

inline std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

}  // namespace controltest
