#include "core/tmdi_child.h"

#include "core/mdi_create.h"
#include "core/send_soft.h"
#include "core/startup.h"
#include "core/system_wrappers.h"
#include "core/tmdi_client.h"
#include "core/tmdi_frame.h"
#include "core/window_class.h"
#include "core/window_defaults.h"
#include "core/window_procs.h"
#include "core/window_scroll_bar.h"
#include "graphics/colour.h"
#include "graphics/dc.h"
#include "services/int32.h"

namespace core {
namespace {

constexpr int kSystemDefault = 32768;

bool FlagOr(const rt::Value& v, bool fallback) { return v.IsLogical() ? v.AsLogical() : fallback; }

}  // namespace

void TMdiChild::RegisterChildClass() {
  CoreStartup();
  if (lRegistered()) return;
  const std::string name = ClassName();
  if (nClrPane == 0) nClrPane = gfx::GETSYSCOLOR(COLOR_WINDOW);
  if (GETCLASSINFO(GETINSTANCE(), name).IsNil()) {
    REGISTERCLASS(name, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, 0, 0, nullptr, nullptr, gfx::CREATESOLIDBRUSH(nClrPane),
                  std::nullopt, GETMDICHLPROC(), IconHandle());
  }
  _lRegistered(true);
}

TMdiChild& TMdiChild::New(const MdiChildArgs& a) {
  const bool pixel = a.lPixel.AsLogical();
  const bool given = a.nTop.IsNumber() && a.nLeft.IsNumber() && a.nBottom.IsNumber() && a.nRight.IsNumber();
  auto coord = [pixel, given](const rt::Value& v, int factor) {
    return given ? static_cast<int>(v.AsInt()) * (pixel ? 1 : factor) : kSystemDefault;
  };
  nTop = coord(a.nTop, 16);
  nLeft = coord(a.nLeft, 8);
  nBottom = coord(a.nBottom, 16);
  nRight = coord(a.nRight, 8);
  const std::string border = a.cBorder.IsString() ? a.cBorder.AsString() : "SINGLE";
  const bool caption = FlagOr(a.lCaption, true);
  long style = a.nStyle.IsNumber() ? svc::ToInt32(a.nStyle) : 0;
  if (style == 0) {
    style = WS_CLIPCHILDREN;
    if (border == "SINGLE") style |= WS_THICKFRAME;
    if (caption) style |= WS_CAPTION;
    if (caption && FlagOr(a.lSysMenu, true)) style |= WS_SYSMENU;
    if (caption && FlagOr(a.lMin, true)) style |= WS_MINIMIZEBOX;
    if (caption && FlagOr(a.lMax, true)) style |= WS_MAXIMIZEBOX;
    if (a.lVScroll.AsLogical()) style |= WS_VSCROLL;
    if (a.lHScroll.AsLogical()) style |= WS_HSCROLL;
  }
  nStyle = style;
  cCaption = a.cTitle.IsString() ? a.cTitle.AsString() : std::string();
  oWnd = a.oWnd;
  oCursor = a.oCursor.As<gfx::TCursor>();
  nHelpId = a.nHelpId;
  nMenuInfo = a.nMenuInfo.IsNumber() ? svc::ToInt32(a.nMenuInfo) : 0;
  SetIcon(a.oIcon);
  aControls = rt::Value::Array();
  const auto frame = oWnd.As<TMdiFrame>();
  oWndClient = frame ? frame->oWndClient : rt::Value();
  const auto client = oWndClient.As<TMdiClient>();
  RegisterChildClass();
  if (!client) return *this;

  const std::string record =
      CMDISTRUCT(ClassName(), cCaption, nTop, nLeft, nBottom, nRight, static_cast<DWORD>(nStyle), 0);
  hWnd = reinterpret_cast<HWND>(SendMessageA(client->hWnd, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(record.data())));
  if (!hWnd) return *this;
  Link();
  const rt::Value fore = a.nClrFore.IsNil() ? rt::Value(0) : a.nClrFore;
  const rt::Value back = a.nClrBack.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_WINDOW)) : a.nClrBack;
  SetColor(fore, back, a.oBrush.As<gfx::TBrush>());
  if (a.oMenu.IsObject()) oMenu = a.oMenu;
  SetFont(frame->oFont);
  if (nStyle & WS_VSCROLL) oVScroll = WindowScrollBar(*this, true);
  if (nStyle & WS_HSCROLL) oHScroll = WindowScrollBar(*this, false);
  client->Add(Self());
  SETWNDDEFAULT(Self());
  frame->oWndActive = Self();
  SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconHandle()));
  SendMsg(WM_NCACTIVATE, 1);
  // Created active, before the window was linked: the activation the
  // system sent did not reach this object.
  MdiActivate(true, reinterpret_cast<LPARAM>(hWnd), 0);
  return *this;
}

void TMdiChild::Maximize() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildMaximize(Self());
}

void TMdiChild::Restore() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildRestore(Self());
}

rt::Value TMdiChild::Activate(rt::Args args) {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildActivate(Self());
  TWindow::Activate(args);
  lVisible = true;
  if (const HWND control = HandleOfWindow(oControl)) ::SetFocus(control);
  return {};
}

bool TMdiChild::End() {
  if (bValid.IsBlock() && !lValid()) return false;
  const auto keep = shared_from_this();
  if (oMenu.IsObject() && !lKeepMenu) {
    const auto frame = oWnd.As<TMdiFrame>();
    if (frame && frame->oMenu.As<rt::Object>() == oMenu.As<rt::Object>()) frame->SetMenu(frame->oMenuStart, frame->nMenuInfo);
    Ask(std::exchange(oMenu, rt::Value()), "End");
  }
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildClose(Self());
  return true;
}

void TMdiChild::Center() { TWindow::Center(oWndClient); }

void TMdiChild::Next() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildNext(Self(), false);
}

void TMdiChild::Prev() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildNext(Self(), true);
}

void TMdiChild::SetControl(const rt::Value& oCtrl) {
  oControl = oCtrl;
  oClient = oCtrl;
  RECT rc{};
  GetClientRect(hWnd, &rc);
  ReSize(SIZE_RESTORED, rc.right, rc.bottom);
}

void TMdiChild::SetMenu(const rt::Value& menu) {
  oMenu = menu;
  const auto frame = oWnd.As<TMdiFrame>();
  if (!frame || !menu.IsObject()) return;
  if (const auto client = oWndClient.As<TMdiClient>(); client && HandleOfWindow(client->GetActive()) == hWnd)
    frame->SetMenu(menu, nMenuInfo);
}

void TMdiChild::SetFocus() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ChildActivate(Self());
  const HWND control = HandleOfWindow(oControl);
  ::SetFocus(control ? control : hWnd);
}

void TMdiChild::SetSize(int width, int height) {
  Hide();
  TWindow::SetSize(width, height);
  Show();
}

bool TMdiChild::IsZoomed() const { return ::IsZoomed(hWnd) != FALSE; }
bool TMdiChild::IsIconic() const { return ::IsIconic(hWnd) != FALSE; }

rt::Value TMdiChild::MdiActivate(bool lOn, LPARAM, LPARAM) {
  const auto frame = oWnd.As<TMdiFrame>();
  if (!frame) return {};
  if (lOn) {
    frame->oWndActive = Self();
    if (oMenu.IsObject()) frame->SetMenu(oMenu, nMenuInfo);
  } else if (oMenu.IsObject() && frame->oMenuStart.IsObject()) {
    frame->SetMenu(frame->oMenuStart, frame->nMenuInfo);
  }
  return {};
}

rt::Value TMdiChild::ToControl(const char* method, rt::Value (TWindow::*own)()) {
  if (oControl.IsObject()) return Ask(oControl, method);
  return (this->*own)();
}

rt::Value TMdiChild::Copy() { return ToControl("Copy", &TWindow::Copy); }
rt::Value TMdiChild::Cut() { return ToControl("Cut", &TWindow::Cut); }
rt::Value TMdiChild::Delete() { return ToControl("Delete", &TWindow::Delete); }
rt::Value TMdiChild::Find() { return ToControl("Find", &TWindow::Find); }
rt::Value TMdiChild::FindNext() { return ToControl("FindNext", &TWindow::FindNext); }
rt::Value TMdiChild::Paste() { return ToControl("Paste", &TWindow::Paste); }
rt::Value TMdiChild::ReDo() { return ToControl("ReDo", &TWindow::ReDo); }
rt::Value TMdiChild::Replace() { return ToControl("Replace", &TWindow::Replace); }
rt::Value TMdiChild::SelectAll() { return ToControl("SelectAll", &TWindow::SelectAll); }
rt::Value TMdiChild::UnDo() { return ToControl("UnDo", &TWindow::UnDo); }
rt::Value TMdiChild::Properties() { return ToControl("Properties", &TWindow::Properties); }

rt::Value TMdiChild::PrintDocument() {
  if (bPrint.IsBlock()) return bPrint.Eval(Self());
  if (oControl.IsObject()) return Ask(oControl, "Print");
  return Print();
}

rt::Value TMdiChild::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_MDIACTIVATE) {
    return MdiActivate(reinterpret_cast<HWND>(nLParam) == hWnd, nLParam, static_cast<LPARAM>(nWParam));
  }
  return TWindow::HandleEvent(nMsg, nWParam, nLParam);
}

// Closing goes through End, so that bValid is asked and the client lets go
// of the document.
rt::Value TMdiChild::Close(LPARAM) {
  End();
  return rt::Value(0);
}

rt::Value TMdiChild::GotFocus(LPARAM hWndLosing) {
  if (const HWND control = HandleOfWindow(oControl)) {
    ::SetFocus(control);
    return rt::Value(0);
  }
  return TWindow::GotFocus(hWndLosing);
}

rt::Value TMdiChild::KeyChar(long nKey, long nFlags) {
  if (nKey == VK_ESCAPE) {
    End();
    return rt::Value(0);
  }
  return TWindow::KeyChar(nKey, nFlags);
}

rt::Value TMdiChild::KeyDown(long nKey, long nFlags) {
  if (GetKeyState(VK_CONTROL) < 0 && (nKey == VK_F4 || nKey == VK_F6)) {
    SendMsg(WM_SYSCOMMAND, nKey == VK_F4 ? SC_CLOSE : SC_NEXTWINDOW);
    return rt::Value(0);
  }
  return TWindow::KeyDown(nKey, nFlags);
}

}  // namespace core
