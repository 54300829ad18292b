#include "core/tdialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>

#include "core/dialog_box.h"
#include "core/dialog_template.h"
#include "core/library_error.h"
#include "core/message_loop.h"
#include "core/modeless.h"
#include "core/send_soft.h"
#include "core/system_wrappers.h"
#include "core/tcontrol.h"
#include "core/window_defaults.h"
#include "core/window_dock.h"
#include "core/window_list.h"
#include "core/window_scroll_bar.h"
#include "core/window_geometry.h"
#include "core/window_state.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/theme.h"
#include "services/help.h"
#include "services/int32.h"
#include "services/msgbox.h"
#include "services/resources.h"
#include "runtime/value_text.h"

namespace core {

namespace {

int activations = 0;

constexpr long kDefaultStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr long kContextHelp = 1024;  // WS_EX_CONTEXTHELP
constexpr UINT kCloseCommand = 61536, kContextHelpCommand = 61824;
constexpr const char* kRegistryFull = "Not possible to create more non-modal Dialogs";

int NumOr(const rt::Value& v, int n) { return v.IsNumber() ? static_cast<int>(v.AsNumber()) : n; }
bool FlagOr(const rt::Value& v, bool b) { return v.IsLogical() ? v.AsLogical() : b; }

HINSTANCE Resources(const rt::Value& h) { return reinterpret_cast<HINSTANCE>(svc::ToHandle(h)); }

// The activation counter for the time of one Activate.
class Activation {
 public:
  Activation() { ++activations; }
  ~Activation() { --activations; }
  Activation(const Activation&) = delete;
  Activation& operator=(const Activation&) = delete;
};

}  // namespace

int TDialog::ActivationDepth() { return activations; }

void CREATEDLGERROR(const TDialog& oDlg) {
  rt::RaiseError(
      VDGENERROR(3, "Resource: " + rt::CVALTOCHAR(oDlg.cResName) + "\r\nTitle: " + oDlg.cCaption));
}

TDialog& TDialog::New(const DialogArgs& a) {
  int top = NumOr(a.nTop, 0), left = NumOr(a.nLeft, 0), bottom = NumOr(a.nBottom, 10), right = NumOr(a.nRight, 40);
  bool pixel = FlagOr(a.lPixel, false);
  if (NumOr(a.nWidth, 0) != 0) {
    right = NumOr(a.nWidth, 0);
    pixel = true;
  }
  if (NumOr(a.nHeight, 0) != 0) {
    bottom = NumOr(a.nHeight, 0);
    pixel = true;
  }
  aControls = rt::Value::Array();
  cResName = a.cResName;
  cCaption = a.cCaption.IsString() ? a.cCaption.AsString() : std::string();
  hResources = a.hResources.IsNil() ? rt::Value(svc::GETRESOURCES()) : a.hResources;
  lModify = true;
  lVisible = false;
  nResult = rt::Value(0);
  nStyle = a.nStyle.IsNumber() ? svc::ToInt32(a.nStyle) : kDefaultStyle;
  oWnd = a.oWnd;
  if (!a.oIcon.IsNil()) SetIcon(a.oIcon);
  KeepFont(a.oFont.As<gfx::TFont>());
  nLastKey = 0;
  nHelpId = a.nHelpId;
  lResize16 = false;
  SetColor(a.nClrText.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_BTNTEXT)) : a.nClrText,
           a.nClrBack.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE)) : a.nClrBack, a.oBrush.As<gfx::TBrush>());
  if (pixel) {
    nTop = top;
    nLeft = left;
    nBottom = bottom;
    nRight = right;
  } else {
    nTop = static_cast<int>(top * 15.1);
    nLeft = static_cast<int>(left * 7.9);
    nBottom = static_cast<int>(bottom * 15.1);
    nRight = static_cast<int>(right * 7.9);
  }
  lVbx = FlagOr(a.lVbx, false);
  if (lVbx && !VBXINIT(GETINSTANCE(), ClassName())) svc::MSGALERT("VBX support not available");
  Register(CS_VREDRAW | CS_HREDRAW);
  SETWNDDEFAULT(Self());
  return *this;
}

void TDialog::Define(int top, int left, int bottom, int right, const std::string& caption, long style, bool vbx,
                     const rt::Value& nClrFore, const rt::Value& nClrBack, const std::shared_ptr<gfx::TBrush>& brush) {
  hWnd = nullptr;
  nTop = top;
  nLeft = left;
  nBottom = bottom;
  nRight = right;
  cCaption = caption;
  nStyle = style;
  lVbx = vbx;
  nLastKey = 0;
  SetColor(nClrFore, nClrBack, brush);
}

rt::Value TDialog::Activate(const DialogActivation& a) {
  const std::shared_ptr<TDialog> self = std::static_pointer_cast<TDialog>(shared_from_this());
  lCentered = FlagOr(a.lCentered, false);
  lModal = FlagOr(a.lModal, true);
  nLastKey = 0;
  const Activation activation;
  HWND owner = ParentHandle(oWnd);
  if (!owner && (activations > 1 || LWRUNNING())) owner = GETWNDAPP();
  bLClicked = a.bLClicked;
  bMoved = a.bMoved;
  bPainted = a.bPainted;
  bValid = a.bValid;
  bInit = a.bInit;
  bRClicked = a.bRClicked;
  bWhen = a.bWhen;
  lResize16 = FlagOr(a.lResize16, false);
  nResult = rt::Value();
  lValidating = false;
  lVisible = true;
  if (bWhen.IsBlock() && !lWhen()) {
    nResult = rt::Value(IDCANCEL);
    lVisible = false;
    return nResult;
  }
  const bool fromResource = !cResName.IsNil() && !(cResName.IsString() && cResName.AsString().empty());
  if (lModal) {
    const long result = fromResource ? DIALOGBOX(Resources(hResources), cResName, owner, self)
                                     : DIALOGBOXINDIRECT(GETINSTANCE(),
                                                         cResData.IsString() && !cResData.AsString().empty()
                                                             ? cResData.AsString()
                                                             : cToChar(owner),
                                                         owner, self);
    hWnd = nullptr;
    lVisible = false;
    if (result == kDialogFailed) {
      CREATEDLGERROR(*this);
      return nResult;
    }
    // While the dialog ran, nResult followed the focused control.
    if (!nResult.IsNumber()) nResult = rt::Value(result);
    return nResult;
  }
  const bool hasControls = aControls.Len() > 0;
  if (hasControls && !CANREGDIALOG()) {
    lVisible = false;
    svc::MSGALERT(kRegistryFull);
    return nResult;
  }
  hWnd = fromResource ? CREATEDLG(Resources(hResources), cResName, owner, self)
                      : CREATEDLGINDIRECT(GETINSTANCE(), cToChar(owner), owner, self);
  if (!hWnd) {
    lVisible = false;
    CREATEDLGERROR(*this);
    return nResult;
  }
  if (hasControls && !REGDIALOG(hWnd)) {
    SendMessageA(hWnd, WM_CLOSE, 0, 0);
    svc::MSGALERT(kRegistryFull);
    return nResult;
  }
  SHOWWINDOW(hWnd, SW_SHOWNORMAL);
  return nResult;
}

std::string TDialog::cToChar(HWND hWndOwner) {
  RECT owner{};
  if (hWndOwner) GetWindowRect(hWndOwner, &owner);
  const long units = GETDLGBASEUNITS();
  const int baseX = std::max(1L, units & 0xFFFF), baseY = std::max(1L, (units >> 16) & 0xFFFF);
  auto v = [&](int n) { return 8 * (n - owner.top) / baseY; };
  auto h = [&](int n) { return 4 * (n - owner.left) / baseX; };
  std::string out = CDLG2CHR(static_cast<int>(aControls.Len()), v(nTop), h(nLeft), v(nBottom), h(nRight), cCaption,
                             nStyle);
  for (const rt::Value& control : aControls.Items()) {
    if (const auto c = control.As<TControl>()) out += c->cToChar();
  }
  return out;
}

rt::Value TDialog::ControlOfId(long id) const {
  if (!aControls.IsArray()) return {};
  for (const rt::Value& control : aControls.Items()) {
    if (const auto w = control.As<TWindow>(); w && w->nId == id) return control;
  }
  return {};
}

void TDialog::DefControl(const rt::Value& oCtrl) {
  const auto control = oCtrl.As<TWindow>();
  if (!control) return;
  if (!aControls.IsArray()) aControls = rt::Value::Array();
  if (control->nId == 0) {
    // The next id of the shared counter that this dialog does not hold yet.
    long id = TControl::GetNewId();
    while (!ControlOfId(id).IsNil()) id = TControl::GetNewId();
    control->nId = id;
  } else if (!ControlOfId(control->nId).IsNil()) {
    rt::RaiseError(VDGENERROR(2, "No: " + std::to_string(control->nId)));
    return;
  }
  aControls.Items().push_back(oCtrl);
  control->hWnd = nullptr;
}

HWND TDialog::GetHotPos(long nChar) const {
  const int wanted = std::toupper(static_cast<unsigned char>(nChar));
  for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    for (const char* p = text; *p; ++p) {
      if (*p == '&' && p[1] && std::toupper(static_cast<unsigned char>(p[1])) == wanted) return child;
    }
  }
  return nullptr;
}

HWND TDialog::GetItem(long id) const { return GETDLGITEM(hWnd, id); }

rt::Value TDialog::Initiate(LPARAM, LPARAM hDlg) {
  if (hDlg) hWnd = reinterpret_cast<HWND>(hDlg);
  if (!lModal) Link();
  if (lVbx && !VBXINITDIALOG(hWnd, reinterpret_cast<HINSTANCE>(svc::GETRESOURCES()), cResName)) {
    svc::MSGALERT("Error on VBX's initialization");
  }
  if (!oFont) GetFont();
  SetFont(oFont);
  // A copy: a control that fails to bind must not upset the walk.
  const std::vector<rt::Value> controls = aControls.Items();
  for (const rt::Value& control : controls) {
    if (const auto c = control.As<TControl>()) c->Initiate(hWnd);
  }
  const bool fromResource = !cResName.IsNil();
  if (lResize16 && fromResource) {
    constexpr double kWiden = 1.16668;
    _nWidth(static_cast<long>(nWidth() * kWiden));
    for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r{};
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&r), 2);
      MoveWindow(child, static_cast<int>(r.left * kWiden), r.top, static_cast<int>((r.right - r.left) * kWiden),
                 r.bottom - r.top, TRUE);
    }
  }
  if (lCentered) {
    WNDCENTER(hWnd);
  } else if (!fromResource) {
    MoveWindow(hWnd, nLeft, nTop, nRight - nLeft + 1, nBottom - nTop + 1, FALSE);
  }
  if (!cCaption.empty()) SetWindowTextA(hWnd, cCaption.c_str());
  Help95();
  const long style = GetWindowLongA(hWnd, GWL_STYLE);
  if (style & WS_VSCROLL) oVScroll = WindowScrollBar(*this, true);
  if (style & WS_HSCROLL) oHScroll = WindowScrollBar(*this, false);
  if (!oIcon.IsNil()) SendMessageA(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconHandle()));
  rt::Value result(true);
  if (bInit.IsBlock()) {
    // A .F. from bInit keeps Windows from setting the focus.
    if (const rt::Value r = bInit.Eval(Self()); r.IsLogical() && !r.AsLogical()) result = rt::Value(false);
  }
  AEvalWhen();
  return result;
}

void TDialog::Help95() {
  if (lHelpIcon.IsNil()) lHelpIcon = rt::Value(true);
  if (lHelpIcon.AsLogical() && hWnd) {
    SetWindowLongA(hWnd, GWL_EXSTYLE, static_cast<LONG>(GetWindowLongA(hWnd, GWL_EXSTYLE) | kContextHelp));
  }
}

rt::Value TDialog::Help(LPARAM, LPARAM nLParam) {
  const bool fromButton = lHelpIcon.IsLogical() && lHelpIcon.AsLogical();
  lHelpIcon = rt::Value(false);
  if (fromButton) {
    if (const auto control = OWNDFROMHWND(svc::HELPCTRLHWND(nLParam)); control && control.get() != this)
      return control->HelpTopic();
  }
  return HelpTopic();
}

rt::Value TDialog::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  if (bStart.IsBlock()) {
    const rt::Value start = std::exchange(bStart, rt::Value());
    start.Eval(Self());
  }
  return rt::Value(false);
}

rt::Value TDialog::Paint() {
  return bPainted.IsBlock() ? bPainted.Eval(svc::HandleNumber(hDC), cPS(), Self()) : rt::Value();
}

bool TDialog::End(long result) {
  if (!lModal) return PostMsg(WM_CLOSE, static_cast<WPARAM>(result));
  if (!lValid()) return false;
  nResult = rt::Value(result);
  ENDDIALOG(hWnd, result);
  hWnd = nullptr;
  SYSREFRESH();
  return true;
}

rt::Value TDialog::Close(LPARAM result) {
  // A modal dialog closes through its Cancel command, which ends it.
  if (lModal) return {};
  if (!lValid()) return rt::Value(false);
  nResult = rt::Value(static_cast<long>(result));
  lVisible = false;
  DESTROYWINDOW(hWnd);
  return rt::Value(true);
}

rt::Value TDialog::Destroy() {
  TWindow::Destroy();
  return lModal ? rt::Value() : rt::Value(true);
}

void TDialog::ChangeFocus() { PostMsg(WM_VD_CHANGEFOCUS); }

void TDialog::SetControl(const rt::Value& oCtrl) {
  oClient = oCtrl;
  ReSize(0, nWidth(), nHeight());
}

void TDialog::AdjTop() { WNDADJTOP(hWnd); }

void TDialog::SetFont(const std::shared_ptr<gfx::TFont>& font) {
  TWindow::SetFont(font);
  if (!oFont) return;
  for (HWND child = GetWindow(hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), TRUE);
  }
}

rt::Value TDialog::Command(LPARAM nWParam, LPARAM nLParam) {
  const long code = HIWORD(nWParam), id = LOWORD(nWParam);
  const HWND hCtrl = reinterpret_cast<HWND>(nLParam);
  if (!hCtrl && PopupHolds(id)) return Ask(oPopup, "Command", id);
  if (!hCtrl && oMenu.IsObject() && code == 0 && id != IDCANCEL) return Ask(oMenu, "Command", id);
  if (hCtrl) {
    char cls[64] = {};
    GetClassNameA(hCtrl, cls, sizeof cls);
    if (std::string(cls) == TOOLBARCLASSNAMEA) {
      if (const auto bar = OWNDFROMHWND(hCtrl)) return bar->Command(nWParam, nLParam);
    }
  }
  if (id == 0) return {};
  const rt::Value control = ControlOfId(id);
  const auto clicked = control.As<TWindow>();
  if (code == 0 && hCtrl && id != IDCANCEL) {
    if (const auto focused = nResult.As<TControl>()) {
      if (focused->hWnd && GETFOCUS() == focused->hWnd) focused->LostFocus(0);
      if (focused != clicked && !focused->lValid() && !(clicked && clicked->lCancel)) return {};
    }
    if (clicked) return rt::Value(static_cast<long>(clicked->SendMsg(WM_VD_CLICK)));
    if (id == IDOK) End(IDOK);
    return {};
  }
  if (code == 0) {
    if (id == IDOK) {
      GoNextCtrl(GETFOCUS());
    } else if (hCtrl && clicked) {
      clicked->SendMsg(WM_VD_CLICK);
    } else {
      End(IDCANCEL);
    }
    return {};
  }
  if (code == 1 && clicked) clicked->SendMsg(WM_VD_CHANGE);
  // A combo box's list closing up, passed on as in any window.
  if (code == 8 && hCtrl) SendMessageA(hCtrl, WM_VD_COMMAND8, 0, 0);
  return {};
}

rt::Value TDialog::CtlColor(LPARAM hWndChild, LPARAM hDCChild) {
  const HWND child = reinterpret_cast<HWND>(hWndChild);
  if ((IsKindOf(vdclass::kFolder) || IsKindOf(vdclass::kPages) || ChildLevel(std::string(vdclass::kFolder)) ||
       ChildLevel(std::string(vdclass::kPages))) &&
      gfx::ISAPPTHEMED()) {
    char cls[64] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (std::string(cls) == "Button" || std::string(cls) == "Static") {
      gfx::DRAWPBACK(child, reinterpret_cast<HDC>(hDCChild));
      return rt::Value(static_cast<long>(SendMessageA(child, WM_VD_COLORS, static_cast<WPARAM>(hDCChild), 0)));
    }
  }
  return TWindow::CtlColor(hWndChild, hDCChild);
}

rt::Value TDialog::EraseBkGnd(LPARAM hDC) {
  if (bEraseBkGnd.IsBlock()) return bEraseBkGnd.Eval(hDC);
  RECT rect{};
  GetClientRect(hWnd, &rect);
  if (oBrush) FillRect(reinterpret_cast<HDC>(hDC), &rect, oBrush->hBrush);
  return rt::Value(1);
}

rt::Value TDialog::KeyChar(long nKey, long nFlags) {
  if (nKey == VK_ESCAPE) {
    const auto parent = oWnd.As<TWindow>();
    if (!parent || parent->IsKindOf(vdclass::kMdiChild) || parent->IsKindOf(vdclass::kDialog) ||
        parent->IsKindOf(vdclass::kMdiFrame)) {
      End();
      return rt::Value(0);
    }
  }
  return TWindow::KeyChar(nKey, nFlags);
}

rt::Value TDialog::MouseMove(long nRow, long nCol, long nFlags) {
  const rt::Value answer = TWindow::MouseMove(nRow, nCol, nFlags);
  return bMMoved.IsBlock() ? answer : rt::Value(false);
}

rt::Value TDialog::QueryEndSession() { return rt::Value(!End()); }

rt::Value TDialog::SysCommand(LPARAM nWParam, LPARAM nLParam) {
  const UINT command = static_cast<UINT>(nWParam & 0xFFF0);
  // Left to the system, which turns the close box and Alt+F4 into Cancel:
  // End(2), still subject to bValid.
  if (command == kCloseCommand && lModal) return rt::Value(false);
  if (command == kContextHelpCommand) {
    lHelpIcon = rt::Value(true);
    return rt::Value(false);
  }
  return TWindow::SysCommand(nWParam, nLParam);
}

rt::Value TDialog::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  switch (nMsg) {
    case WM_INITDIALOG:
      return Initiate(static_cast<LPARAM>(nWParam), nLParam);
    case WM_PAINT:
      return Display();
    case WM_PRINTCLIENT:
      return rt::Value(PrintClient(static_cast<LPARAM>(nWParam)));
    case WM_HELP:
      return Help(static_cast<LPARAM>(nWParam), nLParam);
    default:
      return TWindow::HandleEvent(nMsg, nWParam, nLParam);
  }
}

}  // namespace core
