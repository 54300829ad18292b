// The tooltip of the window under the mouse: one for the whole program.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "core/twindow.h"
#include "graphics/tooltip.h"

namespace core {

namespace {

struct ToolTipState {
  std::shared_ptr<TWindow> tip;  // the tooltip window's object
  TWindow* under = nullptr;      // the window the tooltip belongs to
  rt::Value parent;              // that window's parent
};

ToolTipState& State() {
  static ToolTipState state;
  return state;
}

}  // namespace

void TWindow::CheckToolTip(const rt::Value& nRow, const rt::Value& nCol) {
  ToolTipState& s = State();
  if (s.under == this && s.tip) return;
  if (s.under && s.under != this) s.under->DestroyToolTip();
  s.under = this;
  s.parent = oWnd;
  ShowToolTip(nRow, nCol);
}

void TWindow::ShowToolTip(const rt::Value& nRow, const rt::Value& nCol) {
  const rt::Value text = cToolTip.IsBlock() ? cToolTip.Eval(Self()) : cToolTip;
  if (!text.IsString() || !hWnd) return;
  ToolTipState& s = State();
  // The tip is a window object of its own, black on light yellow, over the
  // system's tool-tip control.
  auto tip = std::make_shared<TWindow>();
  tip->nClrText = 0;
  tip->nClrPane = 14811135;
  tip->hWnd = gfx::CREATETOOLTIP(hWnd, text.AsString());
  if (!tip->hWnd) return;
  if (nRow.IsNumber() && nCol.IsNumber()) {
    // A tip at a place of its own follows no mouse: it is tracked there.
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = hWnd;
    if (SendMessageA(tip->hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) {
      tool.uFlags = (tool.uFlags & ~UINT(TTF_SUBCLASS)) | TTF_TRACK | TTF_ABSOLUTE;
      SendMessageA(tip->hWnd, TTM_SETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    POINT at{static_cast<LONG>(nCol.AsInt()), static_cast<LONG>(nRow.AsInt())};
    ClientToScreen(hWnd, &at);
    SendMessageA(tip->hWnd, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y));
    SendMessageA(tip->hWnd, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  }
  s.tip = tip;
  s.under = this;
}

void TWindow::DestroyToolTip() {
  ToolTipState& s = State();
  if (s.under != this) return;
  if (s.tip && IsWindow(s.tip->hWnd)) DestroyWindow(s.tip->hWnd);
  s = ToolTipState{};
}

}  // namespace core
