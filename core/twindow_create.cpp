// Construction, class registration, creation and activation of a window.
#include <set>
#include <string>

#include "core/library_error.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/startup.h"
#include "core/system_wrappers.h"
#include "core/twindow.h"
#include "core/window_class.h"
#include "core/window_defaults.h"
#include "core/window_scroll_bar.h"
#include "core/window_state.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/dc.h"
#include "runtime/object.h"
#include "runtime/value_text.h"
#include "services/dropped_files.h"
#include "services/int32.h"

namespace core {

namespace {

constexpr long kClipChildren = 0x02000000;
constexpr long kPopup = static_cast<long>(0x80000000);
constexpr long kSizingFrame = 0x00040000;
constexpr long kCaption = 0x00C00000;
constexpr long kSysMenu = 0x00080000;
constexpr long kMinimizeBox = 0x00020000;
constexpr long kMaximizeBox = 0x00010000;
constexpr long kVScroll = 0x00200000;
constexpr long kHScroll = 0x00100000;
constexpr long kOverlappedWindow = 0x00CF0000;
constexpr long kChild = 0x40000000;
// A bottom of this value asks the system for its default place and size.
constexpr int kSystemDefault = 32768;

int NumOr(const rt::Value& v, int fallback) { return v.IsNumber() ? static_cast<int>(v.AsInt()) : fallback; }
bool FlagOr(const rt::Value& v, bool fallback) { return v.IsLogical() ? v.AsLogical() : fallback; }

// The library error "Cannot create window or control" for the window that
// failed, with the system's reason.
void WNDCREATEERROR(const std::string& cClassName, const rt::Value& cCaption) {
  const std::string text = "\r\nClass: " + cClassName + "\r\n" + "Caption: " + rt::CVALTOCHAR(cCaption) +
                           "\r\nSystem Error: " + GETERRMSG();
  rt::RaiseError(VDGENERROR(6, text));
}

// The class brush: one handle per registered class that lives as long as the
// class, so that it never depends on a window's own brush being alive.
HBRUSH ClassBrush(long rgb) { return gfx::CREATESOLIDBRUSH(rgb); }

std::set<std::string>& RegisteredClasses() {
  static std::set<std::string> classes;
  return classes;
}

}  // namespace

TWindow& TWindow::New(const WindowArgs& a) {
  int top = NumOr(a.nTop, 2), left = NumOr(a.nLeft, 2), bottom = NumOr(a.nBottom, 20), right = NumOr(a.nRight, 70);
  const std::string border = a.cBorder.IsString() ? a.cBorder.AsString() : "SINGLE";
  const bool sysMenu = FlagOr(a.lSysMenu, true), caption = FlagOr(a.lCaption, true);
  const bool minBox = FlagOr(a.lMin, true), maxBox = FlagOr(a.lMax, true);
  long style = a.nStyle.IsNumber() ? svc::ToInt32(a.nStyle) : 0;
  if (style == 0) {
    style = kClipChildren;
    if (border == "NONE") style |= kPopup;
    if (border == "SINGLE") style |= kSizingFrame;
    if (caption) style |= kCaption;
    if (sysMenu && caption) style |= kSysMenu;
    if (minBox && caption) style |= kMinimizeBox;
    if (maxBox && caption) style |= kMaximizeBox;
    if (a.lVScroll.AsLogical()) style |= kVScroll;
    if (a.lHScroll.AsLogical()) style |= kHScroll;
  }
  if (!a.lPixel.AsLogical()) {
    top *= 16;
    bottom *= 16;
    left *= 8;
    right *= 8;
  }
  nTop = top;
  nLeft = left;
  nBottom = bottom;
  nRight = right;
  nStyle = style;
  cCaption = a.cTitle.IsString() ? a.cTitle.AsString() : std::string();
  oCursor = a.oCursor.As<gfx::TCursor>();
  oWnd = a.oWnd;
  SetIcon(a.oIcon);
  lVisible = true;
  aControls = rt::Value::Array();
  nLastKey = 0;
  lValidating = false;

  Register();
  Create();
  const rt::Value fore = a.nClrFore.IsNil() ? rt::Value(16777215) : a.nClrFore;
  const rt::Value back = a.nClrBack.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_WINDOW)) : a.nClrBack;
  SetColor(fore, back, a.oBrush.As<gfx::TBrush>());
  if (a.oMenu.IsObject()) SetMenu(a.oMenu);
  if (a.lVScroll.AsLogical()) oVScroll = WindowScrollBar(*this, true);
  if (a.lHScroll.AsLogical()) oHScroll = WindowScrollBar(*this, false);
  GetFont();
  SETWNDDEFAULT(Self());
  return *this;
}

void TWindow::Register(UINT nClassStyle) {
  CoreStartup();
  const std::string name = ClassName();
  if (RegisteredClasses().contains(name)) return;
  nClassStyle |= CS_GLOBALCLASS | CS_DBLCLKS;
  if (nClrPane == 0) nClrPane = gfx::GETSYSCOLOR(COLOR_WINDOW);
  if (!oBrush) oBrush = std::make_shared<gfx::TBrush>()->New({}, rt::Value(nClrPane));
  if (GETCLASSINFO(GETINSTANCE(), name).IsNil()) {
    REGISTERCLASS(name, nClassStyle, 0, 0, nullptr, nullptr, ClassBrush(nClrPane), std::nullopt, nullptr,
                  IconHandle());
  }
  RegisteredClasses().insert(name);
}

bool TWindow::lRegistered() const { return RegisteredClasses().contains(ClassName()); }

void TWindow::_lRegistered(bool registered) {
  if (registered) {
    RegisteredClasses().insert(ClassName());
  } else {
    RegisteredClasses().erase(ClassName());
  }
}

void TWindow::Create(const std::string& cClassName) {
  CoreStartup();
  const std::string className = cClassName.empty() ? ClassName() : cClassName;
  long style = nStyle ? nStyle : kOverlappedWindow;
  const HWND parent = ParentHandle(oWnd);
  if (parent) style |= kChild;
  nStyle = style;
  int left = nLeft, top = nTop, width = nRight - nLeft + 1, height = nBottom - nTop + 1;
  // 32768 is a 16-bit system's default: the platform's own value keeps the
  // window from becoming a 32768-pixel window off screen.
  if (nBottom == kSystemDefault) left = top = width = height = CW_USEDEFAULT;
  hWnd = CREATEWINDOW(className, cCaption, static_cast<DWORD>(style), left, top, width, height, parent, nId);
  if (!hWnd) {
    WNDCREATEERROR(className, rt::Value(cCaption));
    return;
  }
  Link();
}

rt::Value TWindow::Activate(rt::Args args) {
  auto keep = [&](rt::Value& hook, std::size_t i) {
    if (!rt::Arg(args, i).IsNil()) hook = rt::Arg(args, i);
  };
  const std::string show = rt::Arg(args, 0).IsString() ? rt::Arg(args, 0).AsString() : "NORMAL";
  nResult = rt::Value();
  lValidating = false;
  keep(bLClicked, 1);
  keep(bMoved, 3);
  keep(bResized, 4);
  keep(bKeyDown, 6);
  keep(bInit, 7);
  keep(bValid, 16);
  keep(bDropFiles, 17);
  keep(bLButtonUp, 18);
  if (bDropFiles.IsBlock()) svc::DRAGACCEPTFILES(hWnd, true);
  // The client window of an MDI frame covers the frame's client area, so
  // that is where painting, right clicks and scrolling happen.
  const rt::Value client = IsKindOf(vdclass::kMdiFrame) ? Ask(Self(), "oWndClient") : rt::Value();
  rt::Value vScroll = oVScroll, hScroll = oHScroll;
  if (client.IsObject()) {
    if (!rt::Arg(args, 2).IsNil()) Ask(client, "_bRClicked", rt::Arg(args, 2));
    if (!rt::Arg(args, 5).IsNil()) Ask(client, "_bPainted", rt::Arg(args, 5));
    vScroll = Ask(client, "oVScroll");
    hScroll = Ask(client, "oHScroll");
  } else {
    keep(bRClicked, 2);
    keep(bPainted, 5);
  }
  static constexpr const char* kScrollHooks[] = {"_bGoUp", "_bGoDown", "_bPageUp", "_bPageDown"};
  for (std::size_t i = 0; i < 4; ++i) {
    if (!rt::Arg(args, 8 + i).IsNil()) Ask(vScroll, kScrollHooks[i], rt::Arg(args, 8 + i));
    if (!rt::Arg(args, 12 + i).IsNil()) Ask(hScroll, kScrollHooks[i], rt::Arg(args, 12 + i));
  }
  AEvalWhen();
  // The position in {"NORMAL", "ICONIZED", "MAXIMIZED"} is the show command;
  // any other mode (the loader's "HIDDEN") is position 0, SW_HIDE: the window
  // runs without ever showing and never takes the activation.
  const int cmd = show == "NORMAL"      ? SW_SHOWNORMAL
                  : show == "ICONIZED"  ? SW_SHOWMINIMIZED
                  : show == "MAXIMIZED" ? SW_SHOWMAXIMIZED
                                        : SW_HIDE;
  const auto self = shared_from_this();
  SHOWWINDOW(hWnd, cmd);
  UPDATEWINDOW(hWnd);
  lVisible = true;
  // Only a top-level window can be the application's main window: ending a
  // child must not end the program.
  const bool topLevel = !oWnd.IsObject();
  if (topLevel && !LWRUNNING()) SETWNDAPP(hWnd);
  if (bInit.IsBlock()) bInit.Eval(Self());
  RECT rc{};
  GetClientRect(hWnd, &rc);
  ReSize(SIZE_RESTORED, rc.right, rc.bottom);
  if (topLevel && !LWRUNNING()) WINRUN(hWnd);
  lVisible = false;
  return {};
}

void TWindow::SetColor(const rt::Value& nClrFore, const rt::Value& nClrBack,
                       const std::shared_ptr<gfx::TBrush>& brush) {
  if (nClrFore.IsString()) {
    nClrText = gfx::NGETFORERGB(nClrFore);
    nClrPane = gfx::NGETBACKRGB(nClrFore);
  } else {
    nClrText = svc::ToInt32(nClrFore);
    if (!nClrBack.IsNil()) nClrPane = svc::ToInt32(nClrBack);
  }
  const auto old = std::exchange(oBrush, nullptr);
  if (old) old->End();
  oBrush = brush ? brush : std::make_shared<gfx::TBrush>()->New({}, rt::Value(nClrPane));
}

void TWindow::SetBrush(const std::shared_ptr<gfx::TBrush>& brush) {
  if (!brush) return;
  const auto old = std::exchange(oBrush, brush);
  if (old && old != brush) old->End();
  Refresh();
}

void TWindow::SetMenu(const rt::Value& menu) {
  oMenu = menu;
  if (!menu.IsObject()) return;
  ::SetMenu(hWnd, reinterpret_cast<HMENU>(svc::ToHandle(Ask(menu, "hMenu"))));
  Ask(menu, "_oWnd", Self());
  Ask(Ask(menu, "oAccTable"), "Activate");
}

std::string TWindow::MsgShown() const {
  if (oMsgBar.IsObject()) {
    const rt::Value shown = Ask(oMsgBar, "cMsg");
    return shown.IsString() ? shown.AsString() : std::string();
  }
  if (const auto parent = oWnd.As<TWindow>()) return parent->MsgShown();
  return {};
}

void TWindow::SetMsg(const rt::Value& cText) {
  if (oMsgBar.IsObject()) {
    Ask(oMsgBar, "SetMsg", cText);
  } else if (const auto parent = oWnd.As<TWindow>()) {
    parent->SetMsg(cText);
  }
}

}  // namespace core
