#include "core/tcontrol.h"

#include <algorithm>

#include "core/dialog_box.h"
#include "core/dialog_template.h"
#include "core/handle_event.h"
#include "core/library_error.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/window_dock.h"
#include "core/window_list.h"
#include "core/window_parents.h"
#include "core/window_state.h"
#include "graphics/class_names.h"
#include "graphics/ctl3d.h"
#include "graphics/cursors.h"
#include "services/help.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace core {

namespace {

int gridWidth = 0, gridHeight = 0;

constexpr long kFirstId = 100, kLastId = 65535;
constexpr long kKeyMenu = 0xF100;  // SC_KEYMENU
constexpr long kMouseDownKey = 1002;

HWND AsHandle(LPARAM n) { return reinterpret_cast<HWND>(n); }

bool IsFolder(const TWindow& w) { return w.IsKindOf(vdclass::kFolder) || w.IsKindOf(vdclass::kPages); }

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

int Snap(int n, int grid) { return grid < 1 ? n : n - n % grid; }

}  // namespace

void SETGRIDSIZE(int nWidth, int nHeight) {
  gridWidth = nWidth;
  gridHeight = nHeight;
}

rt::Value GETGRIDSIZE() { return rt::Value::Array({rt::Value(gridWidth), rt::Value(gridHeight)}); }
int SnapRow(int nRow) { return Snap(nRow, gridHeight); }
int SnapCol(int nCol) { return Snap(nCol, gridWidth); }

long TControl::GetNewId() {
  const long id = nInitID_;
  nInitID_ = id >= kLastId ? kFirstId : id + 1;
  return id;
}

void TControl::ResetIds() { nInitID_ = kFirstId; }

std::shared_ptr<TWindow> TControl::Container() const { return oWnd.As<TWindow>(); }

void TControl::Redefine(long id, const rt::Value& container) {
  nId = id;
  oWnd = container;
  lValidating = false;
  Register();
  Ask(container, "DefControl", Self());
}

void TControl::Initiate(HWND hDlg) {
  hWnd = GETDLGITEM(hDlg, nId);
  if (!hWnd) {
    rt::RaiseError(VDGENERROR(1, "No: " + std::to_string(nId)));
    return;
  }
  if (!lActive) ENABLEWINDOW(hWnd, false);
  Link();
  if (!oFont) {
    if (const auto owner = Container()) {
      if (!owner->oFont) owner->GetFont();
      KeepFont(owner->oFont);
    }
  }
  if (oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
}

std::string TControl::cToChar(const std::string& cClass) {
  const long units = GETDLGBASEUNITS();
  const int baseX = std::max(1L, units & 0xFFFF), baseY = std::max(1L, (units >> 16) & 0xFFFF);
  // Twice the dialog's own scale: the templates of the library have always
  // placed controls this way, and the message meters are laid out for it.
  auto v = [&](int n) { return 16 * n / baseY; };
  auto h = [&](int n) { return 8 * n / baseX; };
  return CCTRL2CHR(v(nTop), h(nLeft), v(nBottom), h(nRight), static_cast<int>(nId), nStyle,
                   cClass.empty() ? ClassName() : cClass, cCaption);
}

void TControl::Default() {
  lDrag = false;
  lCaptured = false;
}

rt::Value TControl::VarGet() { return bSetGet.IsBlock() ? bSetGet.Eval() : rt::Value(); }

void TControl::VarPut(const rt::Value& u) {
  if (bSetGet.IsBlock()) bSetGet.Eval(u);
}

bool TControl::End() {
  const std::shared_ptr<Object> keep = shared_from_this();
  if (lDrag) HideDots();
  if (const auto owner = Container()) {
    if (owner->aControls.IsArray()) {
      auto& items = owner->aControls.Items();
      std::erase_if(items, [&](const rt::Value& c) { return c.AsObject().get() == this; });
    }
    owner->oCtlFocus = rt::Value();
    // The container must not report a control that is gone as its result.
    if (owner->nResult.AsObject().get() == this) owner->nResult = rt::Value();
  }
  return TWindow::End();
}

void TControl::ChangeFocus() { PostMsg(WM_VD_CHANGEFOCUS); }

long TControl::nAlign() const {
  const auto owner = Container();
  if (!owner) return kAlignNone;
  const std::pair<const rt::Value*, long> slots[] = {{&owner->oTop, kAlignTop},
                                                     {&owner->oLeft, kAlignLeft},
                                                     {&owner->oBottom, kAlignBottom},
                                                     {&owner->oRight, kAlignRight},
                                                     {&owner->oClient, kAlignClient}};
  for (const auto& [slot, side] : slots) {
    if (slot->AsObject().get() == this) return side;
  }
  return kAlignNone;
}

void TControl::_nAlign(long side) {
  const auto owner = Container();
  if (!owner) return;
  rt::Value* slots[] = {&owner->oTop, &owner->oLeft, &owner->oBottom, &owner->oRight, &owner->oClient};
  for (rt::Value* slot : slots) {
    if (slot->AsObject().get() == this) *slot = rt::Value();
  }
  if (side >= kAlignTop && side <= kAlignClient) *slots[side - kAlignTop] = Self();
  owner->ReSize(0, owner->nWidth(), owner->nHeight());
}

namespace {

HWND HandleOfValue(const rt::Value& o) {
  const auto w = o.As<TWindow>();
  return w ? w->hWnd : nullptr;
}

}  // namespace

void TControl::AdjTop() { WNDADJTOP(hWnd); }
void TControl::AdjBottom() { WNDADJBOTTOM(hWnd); }

void TControl::AdjLeft() {
  const auto owner = Container();
  if (!owner) return;
  WNDADJLEFT(hWnd, HandleOfValue(owner->oTop.IsObject() ? owner->oTop : owner->oBar),
             HandleOfValue(owner->oBottom.IsObject() ? owner->oBottom : owner->oMsgBar));
}

void TControl::AdjRight() {
  const auto owner = Container();
  if (!owner) return;
  WNDADJRIGHT(hWnd, HandleOfValue(owner->oTop.IsObject() ? owner->oTop : owner->oBar),
              HandleOfValue(owner->oBottom.IsObject() ? owner->oBottom : owner->oMsgBar));
}

void TControl::AdjClient() {
  const auto owner = Container();
  if (!owner) return;
  WNDADJCLIENT(hWnd, HandleOfValue(owner->oTop.IsObject() ? owner->oTop : owner->oBar),
               HandleOfValue(owner->oBottom.IsObject() ? owner->oBottom : owner->oMsgBar), HandleOfValue(owner->oLeft),
               HandleOfValue(owner->oRight), false, static_cast<int>(nClientBevel));
}

void TControl::_l3D(bool on) {
  l3DLook = on;
  if (on) Set3DLook();
}

void TControl::Set3DLook() {
  if (hWnd) gfx::CTL3DLOOK(hWnd);
}

rt::Value TControl::Init() { return {}; }
rt::Value TControl::KeyUp(long, long) { return {}; }
rt::Value TControl::FillMeasure(LPARAM) { return {}; }

void TControl::DragBegin(long nRow, long nCol, long nFlags) {
  lCaptured = true;
  Capture();
  if (bDragBegin.IsBlock()) bDragBegin.Eval(nRow, nCol, nFlags, Self());
}

rt::Value TControl::HelpTopic() {
  const auto owner = Container();
  if (owner && !owner->nHelpId.IsNil()) return owner->HelpTopic();
  if (nHelpId.IsNil() || (nHelpId.IsNumber() && nHelpId.AsInt() == 0)) return svc::HELPINDEX();
  return svc::HELPPOPUP(nHelpId.AsInt());
}

rt::Value TControl::Click() {
  if (const auto owner = Container()) owner->AEvalWhen();
  return {};
}

rt::Value TControl::Change() { return bChange.IsBlock() ? bChange.Eval(VarGet(), Self()) : rt::Value(); }

rt::Value TControl::Colors(LPARAM hDC) {
  const auto owner = Container();
  const long text = nClrText || !owner ? nClrText : owner->nClrText;
  const long pane = nClrPane || !owner ? nClrPane : owner->nClrPane;
  const HDC dc = reinterpret_cast<HDC>(hDC);
  SetTextColor(dc, static_cast<COLORREF>(text));
  SetBkColor(dc, static_cast<COLORREF>(pane));
  std::shared_ptr<gfx::TBrush> brush = oBrush ? oBrush : owner ? owner->oBrush : nullptr;
  return rt::Value(svc::HandleNumber(brush ? brush->hBrush : nullptr));
}

rt::Value TControl::EraseBkGnd(LPARAM hDC) {
  if (bEraseBkGnd.IsBlock()) return bEraseBkGnd.Eval(hDC);
  RECT rect{};
  GetClientRect(hWnd, &rect);
  if (oBrush) FillRect(reinterpret_cast<HDC>(hDC), &rect, oBrush->hBrush);
  return rt::Value(1);
}

rt::Value TControl::GotFocus(LPARAM hWndLost) {
  lFocused = true;
  if (const auto owner = Container()) {
    owner->nResult = Self();
    owner->oCtlFocus = Self();
    owner->hCtlFocus = hWnd;
    if (cMsg.IsString()) owner->SetMsg(cMsg);
  }
  if (lDrag) ShowDots();
  return bGotFocus.IsBlock() ? bGotFocus.Eval(Self(), hWndLost) : rt::Value();
}

rt::Value TControl::LostFocus(LPARAM hWndNew) {
  // Only the control's own message leaves the bar: a text that the program
  // put there before a box took the focus stays.
  if (const auto owner = Container(); owner && cMsg.IsString() && owner->MsgShown() == cMsg.AsString())
    owner->SetMsg();
  return TWindow::LostFocus(hWndNew);
}

rt::Value TControl::KillFocus(LPARAM hWndNew) {
  const auto owner = Container();
  if (!owner) return LostFocus(hWndNew);
  const HWND target = AsHandle(hWndNew);
  const auto next = OWNDFROMHWND(target);
  const rt::Value nextValue = next ? rt::Value(next) : rt::Value();
  const long key = owner->nLastKey;
  const bool navigationKey = key == VK_TAB || key == VK_RETURN || key == VK_DOWN || key == VK_UP;
  const bool cancelButton = next && (next->IsKindOf(vdclass::kButton) || next->IsKindOf(vdclass::kBtnBmp)) && next->lCancel;
  if (!navigationKey && cancelButton && bValid.IsBlock() && WNDPARENTS(Self(), nextValue)) {
    owner->lValidating = true;
    owner->nLastKey = 0;
    ForWhen();
    owner->lValidating = false;
    return LostFocus(hWndNew);
  }
  if (next && next->IsKindOf(vdclass::kBtnBmp)) owner->nLastKey = 0;
  if (target && !owner->lValidating && owner->lVisible && WNDPARENTS(Self(), nextValue)) {
    PostMsg(WM_VD_LOSTFOCUS, static_cast<WPARAM>(hWndNew));
  }
  return LostFocus(hWndNew);
}

rt::Value TControl::VDLostFocus(LPARAM hWndNew) {
  const auto owner = Container();
  if (!owner || owner->lValidating) return {};
  owner->lValidating = true;
  std::shared_ptr<TWindow> other;
  if (const HWND parent = GETPARENT(AsHandle(hWndNew)); parent && parent != owner->hWnd) {
    other = OWNDFROMHWND(parent);
    if (other && other->lValidating) {
      owner->lValidating = false;
      return {};
    }
    if (other) other->lValidating = true;
  }
  if (!lValid()) {
    SETFOCUS(hWnd);
  } else if (!IsFolder(*this)) {
    ForWhen();
  }
  owner->lValidating = false;
  if (other) other->lValidating = false;
  return {};
}

void TControl::ForWhen() {
  const auto owner = Container();
  if (!owner) return;
  owner->AEvalWhen();
  lCaptured = false;
  const long key = owner->nLastKey;
  if (const auto jump = oJump.As<TWindow>()) {
    oJump = rt::Value();
    SETFOCUS(jump->hWnd);
  } else if (key == VK_UP || (key == VK_TAB && ShiftDown())) {
    owner->GoPrevCtrl(hWnd);
  } else if (key == VK_DOWN || key == VK_RETURN || key == VK_TAB) {
    owner->GoNextCtrl(hWnd);
  } else if (!GETFOCUS()) {
    SETFOCUS(hWnd);
  }
  owner->nLastKey = 0;
}

rt::Value TControl::GetDlgCode(LPARAM nKey) {
  const auto owner = Container();
  if (owner && !owner->lValidating &&
      (nKey == VK_RETURN || nKey == VK_TAB || nKey == VK_DOWN || nKey == VK_UP)) {
    owner->nLastKey = static_cast<long>(nKey);
  }
  const auto folder = owner ? owner->oWnd.As<TWindow>() : nullptr;
  if (folder && IsFolder(*folder)) return rt::Value(DLGC_WANTALLKEYS);
  return nDlgCode;
}

rt::Value TControl::KeyChar(long nKey, long nFlags) {
  const auto owner = Container();
  if (owner && nKey == VK_TAB) {
    if (ShiftDown()) {
      owner->GoPrevCtrl(hWnd);
    } else {
      owner->GoNextCtrl(hWnd);
    }
    return rt::Value(0);
  }
  if (owner && nKey == VK_ESCAPE) {
    owner->KeyChar(nKey, nFlags);
    return rt::Value(0);
  }
  if (owner && nKey == VK_RETURN) {
    const LRESULT defId = SendMessageA(owner->hWnd, DM_GETDEFID, 0, 0);
    const HWND button = HIWORD(defId) == DC_HASDEFID ? GetDlgItem(owner->hWnd, LOWORD(defId)) : nullptr;
    if (button && button != hWnd && (GETWINDOWLONG(button, GWL_STYLE) & BS_DEFPUSHBUTTON)) {
      SYSREFRESH();
      SendMessageA(button, WM_KEYDOWN, VK_RETURN, 0);
      return rt::Value(0);
    }
    if (const auto first = OWNDFROMHWND(GetDlgItem(owner->hWnd, IDOK)); first && first->IsKindOf(vdclass::kBtnBmp)) {
      const rt::Value action = Ask(rt::Value(first), "bAction");
      if (action.IsBlock()) action.Eval();
      return rt::Value(0);
    }
  }
  return TWindow::KeyChar(nKey, nFlags);
}

rt::Value TControl::KeyDown(long nKey, long nFlags) {
  if (!lDrag) return TWindow::KeyDown(nKey, nFlags);
  if (nKey == VK_DELETE && svc::MSGYESNO("Delete this control ?")) End();
  return rt::Value(0);
}

void TControl::SetFocus() {
  if (lWhen()) {
    SETFOCUS(hWnd);
    return;
  }
  const auto owner = Container();
  const HWND next = GETWINDOW(hWnd, GW_HWNDNEXT);
  if (owner && next && GETPARENT(next) == owner->hWnd) {
    SETFOCUS(next);
  } else if (owner) {
    SETFOCUS(GETWINDOW(owner->hWnd, GW_CHILD));
  }
}

rt::Value TControl::LButtonDown(long nRow, long nCol, long nFlags) {
  if (lDrag) {
    // The move starts from where the window stands now: a control bound to
    // a dialog item holds its template's numbers, not pixels.
    CoorsUpdate();
    nLastRow = SnapRow(static_cast<int>(nRow));
    nLastCol = SnapCol(static_cast<int>(nCol));
    lCaptured = true;
    Capture();
    ShowOutline(nRow, nCol);
    return rt::Value(0);
  }
  if (const auto owner = Container()) owner->nLastKey = kMouseDownKey;
  lMouseDown = true;
  return TWindow::LButtonDown(nRow, nCol, nFlags);
}

rt::Value TControl::MouseMove(long nRow, long nCol, long nFlags) {
  if (lDrag && lCaptured) {
    ShowOutline(nRow, nCol);
    SetCursor(gfx::CURSORCATCH());
    return rt::Value(0);
  }
  if (!lDrag && lMouseDown && bDragBegin.IsBlock() && !lCaptured && (nFlags & MK_LBUTTON)) {
    DragBegin(nRow, nCol, nFlags);
    return rt::Value(0);
  }
  return TWindow::MouseMove(nRow, nCol, nFlags);
}

rt::Value TControl::LButtonUp(long nRow, long nCol, long nFlags) {
  lMouseDown = false;
  if (!lCaptured) return TWindow::LButtonUp(nRow, nCol, nFlags);
  lCaptured = false;
  RELEASECAPTURE();
  if (lDrag) {
    HideOutline();
    if (nMResize) {
      ResizeByDot(nRow, nCol);
    } else {
      // The control moves by the snapped distance the mouse went.
      const int top = SnapRow(nTop + static_cast<int>(nRow - nLastRow));
      const int left = SnapCol(nLeft + static_cast<int>(nCol - nLastCol));
      MoveCorner(top, left);
    }
    if (const auto owner = Container()) owner->ReSize(0, owner->nWidth(), owner->nHeight());
    ShowDots();
    SETFOCUS(hWnd);
    return rt::Value(0);
  }
  POINT p{static_cast<LONG>(nCol), static_cast<LONG>(nRow)};
  ClientToScreen(hWnd, &p);
  if (const HWND under = WindowFromPoint(p)) {
    ScreenToClient(under, &p);
    SendMessageA(under, WM_VD_DROPOVER, static_cast<WPARAM>(nFlags), MAKELPARAM(p.x, p.y));
  }
  return rt::Value(0);
}

rt::Value TControl::SysCommand(LPARAM nWParam, LPARAM nLParam) {
  if ((nWParam & 0xFFF0) != kKeyMenu) return TWindow::SysCommand(nWParam, nLParam);
  auto dialog = Container();
  // A page of a folder asks the dialog that holds the folder.
  if (dialog && dialog->oWnd.IsObject() && IsFolder(*dialog->oWnd.As<TWindow>())) {
    if (const auto holder = dialog->oWnd.As<TWindow>()->oWnd.As<TWindow>()) dialog = holder;
  }
  if (!dialog) return rt::Value(0);
  const rt::Value target = Ask(rt::Value(dialog), "GetHotPos", static_cast<long>(nLParam & 0xFFFF));
  if (const HWND hTarget = reinterpret_cast<HWND>(svc::ToHandle(target))) {
    SETFOCUS(hTarget);
    PostMessageA(hTarget, WM_VD_CLICK, 0, 0);
  }
  return rt::Value(0);
}

rt::Value TControl::Display() { return {}; }

rt::Value TControl::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  switch (nMsg) {
    case WM_VD_CLICK:
      return Click();
    case 0x19:  // WM_CTLCOLOR of the 16-bit system
      return CtlColor(nLParam, static_cast<LPARAM>(nWParam));
    case WM_HELP:
      return HelpTopic();
    case WM_KILLFOCUS:
      return KillFocus(static_cast<LPARAM>(nWParam));
    case WM_PAINT:
      // NIL leaves the painting to the native control; the base window's
      // paint would validate the area without drawing it.
      return Display();
    case WM_VD_CHANGE:
      return Change();
    case WM_VD_COLORS:
      return Colors(static_cast<LPARAM>(nWParam));
    case WM_VD_LOSTFOCUS:
      return VDLostFocus(static_cast<LPARAM>(nWParam));
    case WM_SYSCOMMAND:
      return SysCommand(static_cast<LPARAM>(nWParam), nLParam);
    default:
      break;
  }
  return TWindow::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace core
