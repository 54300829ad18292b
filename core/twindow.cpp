#include "core/twindow.h"

#include <memory>

#include "core/entry_points.h"
#include "core/handle_event.h"
#include "core/message_loop.h"
#include "core/modeless.h"
#include "core/startup.h"
#include "core/window_list.h"

namespace core {

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
  return WNDHANDLEEVENT(*this, nMsg, nWParam, nLParam);
}

rt::Value TWindow::Destroy() {
  if (!hWnd) return {};
  const std::shared_ptr<Object> keep = weak_from_this().lock();
  const HWND destroyed = hWnd;
  UnLink();
  if (destroyed == GETWNDAPP()) POSTQUITMESSAGE(0);
  DEREGDIALOG(destroyed);
  hWnd = nullptr;
  return {};
}

rt::Value TWindow::AsyncSelect(long, long) { return {}; }
rt::Value TWindow::BeginPaint() { return {}; }
rt::Value TWindow::Close(long) { return {}; }
rt::Value TWindow::Command(long, long) { return {}; }
rt::Value TWindow::CommNotify(long, long) { return {}; }
rt::Value TWindow::CtlColor(long, long) { return {}; }
rt::Value TWindow::DdeAck(long, long) { return {}; }
rt::Value TWindow::DdeExecute(long, long) { return {}; }
rt::Value TWindow::DdeInitiate(long, long, long) { return {}; }
rt::Value TWindow::DdeTerminate(long) { return {}; }
rt::Value TWindow::DrawItem(long, long) { return {}; }
rt::Value TWindow::DropFiles(long) { return {}; }
rt::Value TWindow::DropOver(long, long, long) { return {}; }
rt::Value TWindow::EndPaint() { return {}; }
rt::Value TWindow::EraseBkGnd(long) { return {}; }
rt::Value TWindow::GetDlgCode(long) { return {}; }
rt::Value TWindow::GetMinMaxInfo(long) { return {}; }
rt::Value TWindow::GotFocus(long) { return {}; }
rt::Value TWindow::HelpF1() { return {}; }
rt::Value TWindow::HScroll(long, long) { return {}; }
rt::Value TWindow::InitMenuPopup(long, long, bool) { return {}; }
rt::Value TWindow::KeyChar(long, long) { return {}; }
rt::Value TWindow::KeyDown(long, long) { return {}; }
rt::Value TWindow::LButtonDown(long, long, long) { return {}; }
rt::Value TWindow::LButtonUp(long, long, long) { return {}; }
rt::Value TWindow::LDblClick(long, long, long) { return {}; }
rt::Value TWindow::LostFocus(long) { return {}; }
rt::Value TWindow::MButtonDown(long, long, long) { return {}; }
rt::Value TWindow::MButtonUp(long, long, long) { return {}; }
rt::Value TWindow::MeasureItem(long, long) { return {}; }
rt::Value TWindow::MenuChar(long, long, long) { return {}; }
rt::Value TWindow::MenuSelect(long, long, long) { return {}; }
rt::Value TWindow::MouseMove(long, long, long) { return {}; }
rt::Value TWindow::MouseWheel(long, long, long, long) { return {}; }
rt::Value TWindow::Moved(long, long, long) { return {}; }
rt::Value TWindow::NcActivate(bool) { return {}; }
rt::Value TWindow::NcMouseMove(long, long, long) { return {}; }
rt::Value TWindow::Notify(long, long) { return {}; }
rt::Value TWindow::Paint() { return {}; }
rt::Value TWindow::PaletteChanged(long) { return {}; }
rt::Value TWindow::QueryDragIcon() { return {}; }
rt::Value TWindow::QueryEndSession() { return {}; }
rt::Value TWindow::QueryNewPalette() { return {}; }
rt::Value TWindow::RButtonDown(long, long, long) { return {}; }
rt::Value TWindow::RButtonUp(long, long, long) { return {}; }
rt::Value TWindow::ReSize(long, long, long) { return {}; }
rt::Value TWindow::SysCommand(long, long) { return {}; }
rt::Value TWindow::TaskBar(long, long) { return {}; }
rt::Value TWindow::Timer(long, long) { return {}; }
rt::Value TWindow::VScroll(long, long) { return {}; }
}  // namespace core
