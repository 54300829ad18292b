#include "core/tmdi_client.h"

#include <algorithm>
#include <string>

#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/tmdi_child.h"
#include "core/tmdi_frame.h"
#include "core/window_class.h"
#include "core/window_defaults.h"
#include "core/window_scroll_bar.h"
#include "services/int32.h"

namespace core {
namespace {

// The id of the first document in the window-list pop-up; below the ids of
// commands, so that the frame leaves them to the system.
constexpr UINT kFirstChildId = 1;

}  // namespace

HWND HandleOfWindow(const rt::Value& oWnd) {
  if (!oWnd.IsObject()) return nullptr;
  return reinterpret_cast<HWND>(svc::ToHandle(Ask(oWnd, "hWnd")));
}

TMdiClient& TMdiClient::New(const rt::Value& oFrame, long nMenuInfo, long nIdent,
                            const std::shared_ptr<gfx::TBrush>& brush, bool lVScroll, bool lHScroll) {
  oWnd = oFrame;
  nId = nIdent;
  nStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (lVScroll) nStyle |= WS_VSCROLL;
  if (lHScroll) nStyle |= WS_HSCROLL;
  if (brush) oBrush = brush;
  CLIENTCREATESTRUCT create{};
  const auto frame = oFrame.As<TMdiFrame>();
  if (frame && nMenuInfo > 0) {
    const HMENU menu = reinterpret_cast<HMENU>(svc::ToHandle(Ask(frame->oMenu, "hMenu")));
    create.hWindowMenu = menu ? GetSubMenu(menu, static_cast<int>(nMenuInfo) - 1) : nullptr;
  }
  create.idFirstChild = kFirstChildId;
  const std::string param(reinterpret_cast<const char*>(&create), sizeof create);
  hWnd = CREATEWINDOW("MDICLIENT", "", static_cast<DWORD>(nStyle), 0, 0, 0, 0, ParentHandle(oFrame), nId, param);
  Link();
  ShowWindow(hWnd, SW_SHOW);
  if (lVScroll) oVScroll = WindowScrollBar(*this, true);
  if (lHScroll) oHScroll = WindowScrollBar(*this, false);
  GetFont();
  return *this;
}

rt::Value TMdiClient::Display() { return rt::Value(0); }

void TMdiClient::Tile(bool lHorizontal) {
  SendMessageA(hWnd, WM_MDITILE, lHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TMdiClient::Cascade() { SendMessageA(hWnd, WM_MDICASCADE, 0, 0); }
void TMdiClient::ArrangeIcons() { SendMessageA(hWnd, WM_MDIICONARRANGE, 0, 0); }
void TMdiClient::NextWindow() { SendMessageA(hWnd, WM_MDINEXT, 0, 0); }
void TMdiClient::PrevWindow() { SendMessageA(hWnd, WM_MDINEXT, 0, 1); }

rt::Value TMdiClient::GetActive() const {
  const auto active = reinterpret_cast<HWND>(SendMessageA(hWnd, WM_MDIGETACTIVE, 0, 0));
  for (std::size_t i = 1; active && i <= aWnd.Len(); ++i) {
    if (HandleOfWindow(aWnd.At(i)) == active) return aWnd.At(i);
  }
  return {};
}

void TMdiClient::Add(const rt::Value& oChild) {
  if (Find(oChild) == 0) aWnd.Items().push_back(oChild);
}

rt::Value TMdiClient::ChildNew(rt::Args args) {
  MdiChildArgs a;
  rt::Value* fields[] = {&a.nTop,     &a.nLeft,    &a.nBottom,  &a.nRight,  &a.cTitle,  &a.nStyle,
                         &a.oMenu,    &a.oWnd,     &a.oIcon,    &a.lVScroll, &a.nClrFore, &a.nClrBack,
                         &a.oCursor,  &a.oBrush,   &a.lPixel,   &a.lHScroll, &a.nHelpId,  &a.cBorder,
                         &a.lSysMenu, &a.lCaption, &a.lMin,     &a.lMax,     &a.nMenuInfo};
  for (std::size_t i = 0; i < std::size(fields) && i < args.size(); ++i) *fields[i] = args[i];
  a.oWnd = oWnd;
  auto child = std::make_shared<TMdiChild>();
  child->New(a);
  ShowWindow(child->hWnd, SW_SHOW);
  child->SetFocus();
  return child->Self();
}

void TMdiClient::ChildActivate(const rt::Value& oChild) {
  SendMessageA(hWnd, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(HandleOfWindow(oChild)), 0);
}

void TMdiClient::ChildMaximize(const rt::Value& oChild) {
  SendMessageA(hWnd, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(HandleOfWindow(oChild)), 0);
}

void TMdiClient::ChildRestore(const rt::Value& oChild) {
  SendMessageA(hWnd, WM_MDIRESTORE, reinterpret_cast<WPARAM>(HandleOfWindow(oChild)), 0);
}

void TMdiClient::ChildClose(const rt::Value& oChild) {
  const rt::Value keep = oChild;
  if (const HWND child = HandleOfWindow(oChild); child && IsWindow(child))
    SendMessageA(hWnd, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  if (const long pos = Find(oChild)) aWnd.Items().erase(aWnd.Items().begin() + (pos - 1));
  SETWNDDEFAULT(rt::Value());
  if (const auto frame = oWnd.As<TMdiFrame>()) frame->oWndActive = GetActive();
}

void TMdiClient::ChildNext(const rt::Value& oChild, bool lPrevious) {
  SendMessageA(hWnd, WM_MDINEXT, reinterpret_cast<WPARAM>(HandleOfWindow(oChild)), lPrevious ? 1 : 0);
}

bool TMdiClient::lCloseAll() {
  while (aWnd.Len() > 0) {
    const rt::Value last = aWnd.At(aWnd.Len());
    if (!Ask(last, "End").AsLogical()) return false;
    // A document that agreed but did not leave the list is dropped, so
    // that closing always comes to an end.
    if (const long pos = Find(last); pos != 0 && pos == static_cast<long>(aWnd.Len())) aWnd.Items().pop_back();
    SYSREFRESH();
  }
  return true;
}

void TMdiClient::IconizeAll() {
  for (std::size_t i = 1; i <= aWnd.Len(); ++i) ShowWindow(HandleOfWindow(aWnd.At(i)), SW_MINIMIZE);
}

void TMdiClient::Select(long n) {
  if (n >= 1 && n <= static_cast<long>(aWnd.Len())) {
    ChildActivate(aWnd.At(static_cast<std::size_t>(n)));
  } else {
    SendMessageA(hWnd, WM_MDIACTIVATE, 0, 0);
  }
}

void TMdiClient::SetMenu(const rt::Value& menu, HMENU hWindowMenu) {
  const auto hMenu = reinterpret_cast<HMENU>(svc::ToHandle(Ask(menu, "hMenu")));
  SendMessageA(hWnd, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenu), reinterpret_cast<LPARAM>(hWindowMenu));
}

rt::Value TMdiClient::KeyDown(long nKey, long nFlags) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  WPARAM command = 0;
  if (ctrl && nKey == VK_F4) command = SC_CLOSE;
  if (ctrl && nKey == VK_F6) command = SC_NEXTWINDOW;
  if (nKey == VK_RETURN) command = SC_RESTORE;
  if (!command) return TWindow::KeyDown(nKey, nFlags);
  if (const HWND active = HandleOfWindow(GetActive())) SendMessageA(active, WM_SYSCOMMAND, command, 0);
  return rt::Value(0);
}

rt::Value TMdiClient::MouseMove(long nRow, long nCol, long nFlags) {
  if (const auto frame = oWnd.As<TWindow>()) frame->SetMsg();
  return TWindow::MouseMove(nRow, nCol, nFlags);
}

rt::Value TMdiClient::GotFocus(LPARAM hWndLosing) {
  if (const HWND active = HandleOfWindow(GetActive())) {
    ::SetFocus(active);
    return rt::Value(0);
  }
  return TWindow::GotFocus(hWndLosing);
}

long TMdiClient::Find(const rt::Value& oChild) const {
  const auto target = oChild.As<rt::Object>();
  for (std::size_t i = 1; target && i <= aWnd.Len(); ++i) {
    if (aWnd.At(i).As<rt::Object>() == target) return static_cast<long>(i);
  }
  return 0;
}

}  // namespace core
