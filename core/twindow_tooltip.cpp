// The tooltip of the window under the mouse: one for the whole program.
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

void TWindow::CheckToolTip() {
  ToolTipState& s = State();
  if (s.under == this && s.tip) return;
  if (s.under && s.under != this) s.under->DestroyToolTip();
  s.under = this;
  s.parent = oWnd;
  ShowToolTip();
}

void TWindow::ShowToolTip() {
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
