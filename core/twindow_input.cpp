// Mouse, keyboard, focus and size events of a window, with their hooks.
#include <cstdint>

#include "core/folder_page.h"
#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_state.h"
#include "graphics/class_names.h"
#include "graphics/rect.h"
#include "runtime/callstack.h"
#include "runtime/setkey.h"
#include "services/help.h"
#include "services/int32.h"

namespace core {

namespace {

constexpr long kExtendedKey = 16777216;

bool KeyIsDown(int vkey) { return (GetKeyState(vkey) & 0x8000) != 0; }


// A key handler runs with the calling procedure's name and line and the
// window.
rt::Value RunKeyHandler(const rt::Value& handler, TWindow& w) {
  return handler.Eval(rt::PROCNAME(0), rt::PROCLINE(0), w.Self());
}

// The window that takes the focus back for hCtl: inside a folder (a tab
// control or its page), the control that had it on the current page.
HWND FocusTarget(HWND hCtl) {
  if (!IsFolderWindow(hCtl)) return hCtl;
  const auto page = CurrentPage(hCtl);
  return page && page->hCtlFocus && IsWindow(page->hCtlFocus) ? page->hCtlFocus : hCtl;
}

}  // namespace

rt::Value TWindow::LButtonDown(long nRow, long nCol, long nFlags) {
  return bLClicked.IsBlock() ? bLClicked.Eval(nRow, nCol, nFlags, Self()) : rt::Value();
}

rt::Value TWindow::LButtonUp(long nRow, long nCol, long nFlags) {
  if (OnClick.IsBlock()) OnClick.Eval(Self(), nRow, nCol);
  return bLButtonUp.IsBlock() ? bLButtonUp.Eval(nRow, nCol, nFlags, Self()) : rt::Value();
}

rt::Value TWindow::LDblClick(long nRow, long nCol, long nFlags) {
  return bLDblClick.IsBlock() ? bLDblClick.Eval(nRow, nCol, nFlags, Self()) : rt::Value();
}

rt::Value TWindow::RButtonDown(long nRow, long nCol, long nFlags) {
  if (bRClicked.IsBlock()) bRClicked.Eval(nRow, nCol, nFlags, Self());
  return {};
}

rt::Value TWindow::RButtonUp(long nRow, long nCol, long nFlags) {
  if (bRButtonUp.IsBlock()) bRButtonUp.Eval(nRow, nCol, nFlags, Self());
  return {};
}

rt::Value TWindow::MButtonDown(long nRow, long nCol, long nFlags) {
  if (bMButtonDown.IsBlock()) bMButtonDown.Eval(nRow, nCol, nFlags, Self());
  return {};
}

rt::Value TWindow::MButtonUp(long nRow, long nCol, long nFlags) {
  if (bMButtonUp.IsBlock()) bMButtonUp.Eval(nRow, nCol, nFlags, Self());
  return {};
}

rt::Value TWindow::MouseMove(long nRow, long nCol, long nFlags) {
  SetCursor(oCursor && oCursor->hCursor ? oCursor->hCursor : LoadCursorA(nullptr, IDC_ARROW));
  SetMsg(cMsg);
  if (!cToolTip.IsNil()) CheckToolTip();
  if (OnMouseMove.IsBlock()) OnMouseMove.Eval(Self(), nRow, nCol, nFlags);
  return bMMoved.IsBlock() ? bMMoved.Eval(nRow, nCol, nFlags) : rt::Value(0);
}

rt::Value TWindow::Moved(LPARAM, long nX, long nY) {
  return bMoved.IsBlock() ? bMoved.Eval(nY, nX) : rt::Value();
}

void TWindow::CoorsUpdate() {
  // The system's rectangle ends past the window; ours ends on its last pixel.
  const rt::Value coors = gfx::GETCOORS(hWnd);
  nTop = static_cast<int>(coors.At(1).AsInt());
  nLeft = static_cast<int>(coors.At(2).AsInt());
  nBottom = static_cast<int>(coors.At(3).AsInt()) - 1;
  nRight = static_cast<int>(coors.At(4).AsInt()) - 1;
}

rt::Value TWindow::ReSize(long nSizeType, long nWidth, long nHeight) {
  CoorsUpdate();
  Ask(oTop, "AdjTop");
  Ask(oBottom, "AdjBottom");
  Ask(oMsgBar, "Adjust");
  Ask(oBar, "Adjust");
  Ask(oLeft, "AdjLeft");
  Ask(oRight, "AdjRight");
  Ask(oClient, "AdjClient");
  if (OnResize.IsBlock()) OnResize.Eval(Self());
  if (bResized.IsBlock()) bResized.Eval(nSizeType, nWidth, nHeight);
  return {};
}

rt::Value TWindow::KeyDown(long nKey, long nFlags) {
  const auto parent = oWnd.As<TWindow>();
  if (nKey == VK_TAB && parent) {
    if (KeyIsDown(VK_SHIFT)) {
      parent->GoPrevCtrl(hWnd);
    } else {
      parent->GoNextCtrl(hWnd);
    }
    return rt::Value(0);
  }
  if ((nKey == VK_F4 || nKey == VK_F6) && KeyIsDown(VK_CONTROL) && IsKindOf(vdclass::kMdiChild) && parent) {
    parent->KeyDown(nKey, nFlags);
    return rt::Value(0);
  }
  if (const rt::Value handler = rt::SETKEY(nKey); handler.IsBlock()) {
    RunKeyHandler(handler, *this);
    return rt::Value(0);
  }
  if (nKey == VK_F1) {
    HelpTopic();
    return rt::Value(0);
  }
  if (OnKeyDown.IsBlock() || bKeyDown.IsBlock()) {
    if (OnKeyDown.IsBlock()) OnKeyDown.Eval(Self(), nKey, nFlags);
    return bKeyDown.IsBlock() ? bKeyDown.Eval(nKey, nFlags) : rt::Value();
  }
  if (parent && ISCHILD(parent->hWnd, hWnd)) parent->KeyDown(nKey, nFlags);
  return {};
}

rt::Value TWindow::KeyChar(long nKey, long nFlags) {
  if (nFlags & kExtendedKey) {
    if (const rt::Value handler = rt::SETKEY(nKey); handler.IsBlock()) return RunKeyHandler(handler, *this);
  }
  if (bKeyChar.IsBlock()) return bKeyChar.Eval(nKey, nFlags);
  if (nKey == VK_ESCAPE) {
    if (const auto parent = oWnd.As<TWindow>()) return parent->KeyChar(nKey, nFlags);
  }
  return {};
}

rt::Value TWindow::GotFocus(LPARAM hWndLosing) {
  lFocused = true;
  if (bGotFocus.IsBlock()) bGotFocus.Eval(hWndLosing);
  if (hCtlFocus && IsWindow(hCtlFocus)) {
    SETFOCUS(FocusTarget(hCtlFocus));
  } else if (aControls.Len() > 0) {
    if (const HWND first = GetNextDlgTabItem(hWnd, nullptr, FALSE)) SETFOCUS(first);
  }
  return rt::Value(0);
}

rt::Value TWindow::LostFocus(LPARAM hWndGetting) {
  lFocused = false;
  DestroyToolTip();
  return bLostFocus.IsBlock() ? bLostFocus.Eval(hWndGetting) : rt::Value();
}

rt::Value TWindow::NcActivate(bool lActiveNow) {
  if (!lActiveNow && bLostFocus.IsBlock()) {
    const HWND focus = GETFOCUS();
    if (focus != hWnd && !ISCHILD(hWnd, focus)) bLostFocus.Eval(svc::HandleNumber(focus));
  }
  return {};
}

rt::Value TWindow::NcMouseMove(long, long, long) {
  DestroyToolTip();
  return {};
}

rt::Value TWindow::HelpTopic() {
  if (!nHelpId.IsNil()) return svc::HELPTOPIC(nHelpId);
  if (const auto parent = oWnd.As<TWindow>()) return parent->HelpTopic();
  const std::string topic = svc::GETHELPTOPIC();
  return topic.empty() ? svc::HELPINDEX() : svc::HELPTOPIC(rt::Value(topic));
}

rt::Value TWindow::Help() { return HelpTopic(); }

rt::Value TWindow::KillFocus(LPARAM hWndGetting) { return LostFocus(hWndGetting); }

rt::Value TWindow::HelpF1() {
  // The item under selection knows its own topic, or its menu's.
  if (oMItemSelect.IsObject()) return Ask(oMItemSelect, "HelpTopic");
  return HelpTopic();
}

}  // namespace core
