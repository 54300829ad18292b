#include "core/twindow.h"

#include <memory>

#include "core/entry_points.h"
#include "core/handle_event.h"
#include "core/message_loop.h"
#include "core/modeless.h"
#include "core/send_soft.h"
#include "core/startup.h"
#include "core/tdlg_find.h"
#include "core/window_defaults.h"
#include "core/window_list.h"

namespace core {

HWND ParentHandle(const rt::Value& oWnd) {
  if (const auto parent = oWnd.As<TWindow>()) return parent->hWnd;
  return nullptr;
}

void TWindow::Link(bool lSubclass) {
  if (!hWnd) return;
  CoreStartup();
  const int slot = TakeSlot(shared_from_this());
  // Only once: linking again must not take the window's own entry point for
  // its previous procedure. A slot without an entry point leaves nOldProc
  // null, so that UnLink never installs a null procedure.
  if (lSubclass && !nOldProc) nOldProc = XCHANGEPROC(hWnd, slot);
}

void TWindow::UnLink() {
  // The list may hold the last reference to this object.
  const std::shared_ptr<Object> keep = weak_from_this().lock();
  // By identity: another object may carry the same handle.
  const int slot = SlotOf(this);
  WNDPROC replaced = nullptr;
  if (nOldProc && hWnd) {
    replaced = RESTPROC(hWnd, nOldProc);
    nOldProc = nullptr;
  }
  FreeSlot(slot);
  XFREEPROC(replaced);
}

rt::Value TWindow::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (rt::Value found; RouteFindMessage(hWnd, nMsg, nWParam, nLParam, found)) return found;
  return WNDHANDLEEVENT(*this, nMsg, nWParam, nLParam);
}

bool TWindow::lValid() { return bValid.IsBlock() ? bValid.Eval(Self()).AsLogical() : true; }

bool TWindow::lWhen() { return bWhen.IsBlock() ? bWhen.Eval(Self()).AsLogical() : true; }

bool TWindow::End() {
  const bool valid = lValid();
  if (valid) PostMsg(WM_CLOSE);
  return valid;
}

void TWindow::AEvalWhen() {
  if (!aControls.IsArray()) return;
  // A copy: a block may add or remove controls.
  const std::vector<rt::Value> controls = aControls.Items();
  for (const rt::Value& control : controls) {
    const rt::Value when = Ask(control, "bWhen");
    if (!when.IsBlock()) continue;
    Ask(control, when.Eval(control).AsLogical() ? "Enable" : "Disable");
  }
}

rt::Value TWindow::Destroy() {
  if (!hWnd) return {};
  const std::shared_ptr<Object> keep = weak_from_this().lock();
  const HWND destroyed = hWnd;
  DestroyToolTip();
  if (oBrush) std::exchange(oBrush, nullptr)->End();
  if (oCursor) std::exchange(oCursor, nullptr)->End();
  Ask(std::exchange(oDragCursor, rt::Value()), "End");
  if (oIcon.IsObject()) Ask(oIcon, "End");
  oIcon = rt::Value();
  if (oFont) std::exchange(oFont, nullptr)->End();
  Ask(oMenu, "Destroy");
  Ask(oSysMenu, "End");
  Ask(oVScroll, "Destroy");
  Ask(oHScroll, "Destroy");
  UnLink();
  if (destroyed == GETWNDAPP()) POSTQUITMESSAGE(0);
  DEREGDIALOG(destroyed);
  if (GETWNDDEFAULT().AsObject().get() == this) SETWNDDEFAULT(rt::Value());
  ReleaseOwned();
  hWnd = nullptr;
  return {};
}

void TWindow::ReleaseOwned() {
  // Hooks, bars, menus and controls die with the window. Each of them may
  // hold the window (a hook that names it, a bar or control whose owner it
  // is), so keeping any of them would keep the window alive for ever. The
  // parent (oWnd), the result and Cargo stay readable: they hold no cycle
  // the window made itself.
#define VD_RELEASE(m) m = rt::Value();
  VD_TWINDOW_HOOKS(VD_RELEASE)
  VD_TWINDOW_OWNED(VD_RELEASE)
#undef VD_RELEASE
  aControls = rt::Value::Array();
}

rt::Value TWindow::Close(LPARAM) { return {}; }
rt::Value TWindow::GetDlgCode(LPARAM) { return {}; }
rt::Value TWindow::MouseWheel(long, long, long, long) { return {}; }
rt::Value TWindow::EraseBkGnd(LPARAM) { return rt::Value(1); }
rt::Value TWindow::NcPaint(LPARAM) { return {}; }
rt::Value TWindow::Inspect(const std::string&) { return {}; }
rt::Value TWindow::VbxFireEvent(LPARAM) { return {}; }

}  // namespace core
