#include "core/tmdi_frame.h"

#include "core/send_soft.h"
#include "core/system_wrappers.h"
#include "core/tmdi_client.h"
#include "core/window_dock.h"
#include "core/window_defaults.h"
#include "core/window_procs.h"
#include "graphics/class_names.h"
#include "services/int32.h"

namespace core {
namespace {

// What the class layer passes for "the system's default place".
constexpr int kSystemDefault = 32768;
constexpr long kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Commands below this are the system's (the window list's entries).
constexpr long kFirstOwnCommand = 100;

rt::Value& LastFrame() {
  static rt::Value frame;
  return frame;
}

rt::Value NewObject(std::string_view className) {
  return rt::FindClass(className) ? rt::CreateObject(className) : rt::Value();
}

rt::Value MenuItem(const char* prompt, const char* msg, rt::Value action) {
  rt::Value item = NewObject(vdclass::kMenuItem);
  Ask(item, "New", rt::Value(prompt), rt::Value(msg), rt::Value(), rt::Value(true), std::move(action));
  return item;
}

// The frame's own menu: "&Childs" (a new document, exit), the window list
// and help. The menu classes belong to a later layer and are reached by
// name; a program without them gets a frame without menu.
rt::Value DefaultMenu(const rt::Value& frame) {
  rt::Value menu = NewObject(vdclass::kMenu);
  if (!menu.IsObject()) return {};
  Ask(menu, "New", rt::Value(false), frame);
  rt::Value childs = NewObject(vdclass::kMenu);
  Ask(childs, "New", rt::Value(true), frame);
  Ask(childs, "Add", MenuItem("New...", "", rt::Value::Block([frame](rt::Args) {
                                return Ask(frame, "ChildNew");
                              })));
  rt::Value separator = NewObject(vdclass::kMenuItem);
  Ask(separator, "New");
  Ask(childs, "Add", separator);
  Ask(childs, "Add", MenuItem("E&xit", "", rt::Value::Block([frame](rt::Args) { return Ask(frame, "End"); })));
  Ask(menu, "Add", MenuItem("&Childs", "", childs), rt::Value(true));
  Ask(menu, "AddMdi");
  Ask(menu, "AddHelp", rt::Value("Vindral MDI"), rt::Value("About"));
  return menu;
}

HMENU MenuHandle(const rt::Value& menu) { return reinterpret_cast<HMENU>(svc::ToHandle(Ask(menu, "hMenu"))); }

// The window-list pop-up at 1-based position nPos, counted from the end
// when not positive.
HMENU WindowListOf(const rt::Value& menu, long nPos) {
  const HMENU hMenu = MenuHandle(menu);
  if (!hMenu) return nullptr;
  const int count = GetMenuItemCount(hMenu);
  const int index = nPos > 0 ? static_cast<int>(nPos) - 1 : count - 1 + static_cast<int>(nPos);
  return index >= 0 && index < count ? GetSubMenu(hMenu, index) : nullptr;
}

}  // namespace

rt::Value GETWNDFRAME() { return LastFrame(); }

TMdiFrame& TMdiFrame::New(const MdiFrameArgs& a) {
  const bool pixel = a.lPixel.AsLogical();
  auto coord = [pixel](const rt::Value& v, int factor) {
    if (!v.IsNumber()) return kSystemDefault;
    return static_cast<int>(v.AsInt()) * (pixel ? 1 : factor);
  };
  nTop = coord(a.nTop, 16);
  nLeft = coord(a.nLeft, 8);
  nBottom = coord(a.nBottom, 16);
  nRight = coord(a.nRight, 8);
  if (!a.nTop.IsNumber() || !a.nLeft.IsNumber() || !a.nBottom.IsNumber() || !a.nRight.IsNumber())
    nTop = nLeft = nBottom = nRight = kSystemDefault;
  nStyle = a.nStyle.IsNumber() ? svc::ToInt32(a.nStyle) : kFrameStyle;
  if (a.lVScroll.AsLogical()) nStyle |= WS_VSCROLL;
  if (a.lHScroll.AsLogical()) nStyle |= WS_HSCROLL;
  cCaption = a.cTitle.IsString() ? a.cTitle.AsString() : std::string();
  oWnd = a.oWnd;
  SetIcon(a.oIcon);
  aControls = rt::Value::Array();
  const rt::Value menu = a.oMenu.IsObject() ? a.oMenu : DefaultMenu(Self());
  nMenuInfo = a.nMenuInfo.IsNumber() ? svc::ToInt32(a.nMenuInfo) : (a.oMenu.IsObject() ? 1 : 2);

  Register();
  Create();
  nOldProc = GETFRAMEPROC();
  const rt::Value fore = a.nClrFore.IsNil() ? rt::Value(0) : a.nClrFore;
  const rt::Value back = a.nClrBack.IsNil() ? rt::Value(static_cast<long>(GetSysColor(COLOR_APPWORKSPACE))) : a.nClrBack;
  SetColor(fore, back, a.oBrush.As<gfx::TBrush>());
  auto client = std::make_shared<TMdiClient>();
  oWndClient = rt::Value(rt::ObjectPtr(client));
  client->SetColor(fore, back, oBrush);
  client->New(Self(), menu.IsObject() ? nMenuInfo : 0, 1, oBrush, a.lVScroll.AsLogical(), a.lHScroll.AsLogical());
  if (menu.IsObject()) SetMenu(menu, nMenuInfo);
  GetFont();
  client->SetFont(oFont);
  SendMsg(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconHandle()));
  LastFrame() = Self();
  SETWNDDEFAULT(Self());
  return *this;
}

void TMdiFrame::SetMenu(const rt::Value& menu, long nInfo) {
  if (!menu.IsObject()) return;
  if (!oMenuStart.IsObject()) {
    oMenuStart = menu;
    TWindow::SetMenu(menu);
    return;
  }
  oMenu = menu;
  Ask(menu, "_oWnd", Self());
  if (const auto client = oWndClient.As<TMdiClient>()) client->SetMenu(menu, WindowListOf(menu, nInfo));
  Ask(Ask(menu, "oAccTable"), "Activate");
  DrawMenuBar(hWnd);
}

rt::Value TMdiFrame::ChildNew(rt::Args args) {
  const auto client = oWndClient.As<TMdiClient>();
  return client ? client->ChildNew(args) : rt::Value();
}

void TMdiFrame::Cascade() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->Cascade();
}

bool TMdiFrame::CloseAll() {
  const auto client = oWndClient.As<TMdiClient>();
  return !client || client->lCloseAll();
}

void TMdiFrame::IconizeAll() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->IconizeAll();
}

void TMdiFrame::Tile(bool lHorizontal) {
  if (const auto client = oWndClient.As<TMdiClient>()) client->Tile(lHorizontal);
}

void TMdiFrame::ArrangeIcons() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->ArrangeIcons();
}

void TMdiFrame::NextWindow() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->NextWindow();
}

void TMdiFrame::PrevWindow() {
  if (const auto client = oWndClient.As<TMdiClient>()) client->PrevWindow();
}

void TMdiFrame::Select(long n) {
  if (const auto client = oWndClient.As<TMdiClient>()) client->Select(n);
}

rt::Value TMdiFrame::Open() { return bOnOpen.IsBlock() ? bOnOpen.Eval(Self()) : rt::Value(); }

bool TMdiFrame::End() {
  if (!lValid()) return false;
  if (!CloseAll()) return false;
  PostMsg(WM_CLOSE);
  return true;
}

rt::Value TMdiFrame::ToActive(const char* method, rt::Value (TWindow::*own)()) {
  if (oWndActive.IsObject()) return Ask(oWndActive, method);
  return (this->*own)();
}

rt::Value TMdiFrame::Copy() { return ToActive("Copy", &TWindow::Copy); }
rt::Value TMdiFrame::Cut() { return ToActive("Cut", &TWindow::Cut); }
rt::Value TMdiFrame::Delete() { return ToActive("Delete", &TWindow::Delete); }
rt::Value TMdiFrame::Find() { return ToActive("Find", &TWindow::Find); }
rt::Value TMdiFrame::FindNext() { return ToActive("FindNext", &TWindow::FindNext); }
rt::Value TMdiFrame::Paste() { return ToActive("Paste", &TWindow::Paste); }
rt::Value TMdiFrame::ReDo() { return ToActive("ReDo", &TWindow::ReDo); }
rt::Value TMdiFrame::Replace() { return ToActive("Replace", &TWindow::Replace); }
rt::Value TMdiFrame::SelectAll() { return ToActive("SelectAll", &TWindow::SelectAll); }
rt::Value TMdiFrame::UnDo() { return ToActive("UnDo", &TWindow::UnDo); }
rt::Value TMdiFrame::Properties() { return ToActive("Properties", &TWindow::Properties); }

rt::Value TMdiFrame::PrintActive() {
  if (oWndActive.IsObject()) return Ask(oWndActive, "Print");
  return Print();
}

rt::Value TMdiFrame::Command(LPARAM nWParam, LPARAM nLParam) {
  if (LOWORD(nWParam) < kFirstOwnCommand) return {};
  return TWindow::Command(nWParam, nLParam);
}

rt::Value TMdiFrame::Destroy() {
  if (const auto client = oWndClient.As<TMdiClient>()) {
    while (client->aWnd.Len() > 0) client->ChildClose(client->aWnd.At(client->aWnd.Len()));
  }
  return TWindow::Destroy();
}

rt::Value TMdiFrame::GotFocus(LPARAM hWndLosing) {
  if (const auto active = oWndActive.As<TWindow>()) {
    ::SetFocus(active->hWnd);
    return rt::Value(0);
  }
  return TWindow::GotFocus(hWndLosing);
}

rt::Value TMdiFrame::ReSize(long nSizeType, long nWidth, long nHeight) {
  TWindow::ReSize(nSizeType, nWidth, nHeight);
  const HWND client = HandleOfWindow(oWndClient);
  if (!client) return {};
  const rt::Value top = oTop.IsObject() ? oTop : oBar;
  const rt::Value bottom = oBottom.IsObject() ? oBottom : oMsgBar;
  WNDADJCLIENT(client, HandleOfWindow(top), HandleOfWindow(bottom), HandleOfWindow(oLeft), HandleOfWindow(oRight),
               true);
  return rt::Value(0);
}

}  // namespace core
