#include "core/window_parents.h"

#include <cstdint>

#include "core/twindow.h"
#include "services/int32.h"

namespace core {

namespace {

HWND WindowOf(const rt::Value& o) {
  if (const auto w = o.As<TWindow>()) return w->hWnd;
  if (!o.IsNumber()) return nullptr;
  return reinterpret_cast<HWND>(svc::ToHandle(o));
}

}  // namespace

rt::Value SCANPARENTS(const rt::Value& o) {
  rt::Value chain = rt::Value::Array({});
  for (HWND h = WindowOf(o); h && IsWindow(h); h = GetParent(h)) {
    chain.Items().push_back(rt::Value(svc::HandleNumber(h)));
    if (!(GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return chain;
}

bool WNDPARENTS(const rt::Value& o1, const rt::Value& o2) {
  const rt::Value a = SCANPARENTS(o1);
  const rt::Value b = SCANPARENTS(o2);
  return a.Len() > 0 && b.Len() > 0 && svc::ToHandle(a.At(a.Len())) == svc::ToHandle(b.At(b.Len()));
}

}  // namespace core
