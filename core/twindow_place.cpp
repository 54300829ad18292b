// Place, size, visibility, focus, messages and child controls of a window.
#include "core/send_soft.h"
#include "core/twindow.h"
#include "core/window_geometry.h"
#include "core/window_messages.h"
#include "core/window_state.h"
#include "core/window_text.h"
#include "graphics/class_names.h"
#include "graphics/dc.h"
#include "graphics/fonts.h"
#include "graphics/rect.h"
#include "graphics/trect.h"

namespace core {

std::string TWindow::cTitle() const { return hWnd ? GETWINDOWTEXT(hWnd) : cCaption; }

void TWindow::_cTitle(const std::string& text) {
  cCaption = text;
  if (hWnd) SETWINDOWTEXT(hWnd, rt::Value(text));
}

long TWindow::nWidth() const { return hWnd ? WNDWIDTH(hWnd) : nRight - nLeft + 1; }
long TWindow::nHeight() const { return hWnd ? WNDHEIGHT(hWnd) : nBottom - nTop + 1; }

// The size changes from the window's top-left corner as the object knows it.
void TWindow::_nWidth(long n) {
  if (hWnd) WNDWIDTH(hWnd, static_cast<int>(n));
  nRight = nLeft + static_cast<int>(n) - 1;
}

void TWindow::_nHeight(long n) {
  if (hWnd) WNDHEIGHT(hWnd, static_cast<int>(n));
  nBottom = nTop + static_cast<int>(n) - 1;
}

void TWindow::Move(int top, int left, int width, int height, bool repaint) {
  MOVEWINDOW(hWnd, top, left, width, height, repaint);
  CoorsUpdate();
}

void TWindow::MoveCorner(int top, int left) {
  nBottom += top - nTop;
  nRight += left - nLeft;
  nTop = top;
  nLeft = left;
  if (hWnd) SETWINDOWPOS(hWnd, nullptr, top, left, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::SetCoors(const gfx::TRect& rect) {
  SetBounds(rect.nTop, rect.nLeft, rect.nRight - rect.nLeft + 1, rect.nBottom - rect.nTop + 1);
}

void TWindow::SetBounds(int top, int left, int width, int height) {
  nTop = top;
  nLeft = left;
  nBottom = top + height - 1;
  nRight = left + width - 1;
  if (hWnd) SETWINDOWPOS(hWnd, nullptr, top, left, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::SetSize(int width, int height, bool repaint) {
  if (hWnd) WNDSETSIZE(hWnd, width, height, repaint);
  nBottom = nTop + height - 1;
  nRight = nLeft + width - 1;
}

void TWindow::Center(const rt::Value& over) { WNDCENTER(hWnd, ParentHandle(over)); }

void TWindow::Show() { SHOWWINDOW(hWnd, SW_SHOWNA); }
void TWindow::Hide() { SHOWWINDOW(hWnd, SW_HIDE); }

void TWindow::Enable() {
  lActive = true;
  ENABLEWINDOW(hWnd, true);
}

void TWindow::Disable() {
  lActive = false;
  ENABLEWINDOW(hWnd, false);
}

void TWindow::SetFocus() { SETFOCUS(hWnd); }

void TWindow::Refresh(bool lErase) { gfx::INVALIDATERECT(hWnd, rt::Value(lErase)); }

long TWindow::SendMsg(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return SENDMESSAGE(hWnd, nMsg, nWParam, rt::Value(static_cast<long>(nLParam)));
}

bool TWindow::PostMsg(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  return POSTMESSAGE(hWnd, nMsg, nWParam, rt::Value(static_cast<long>(nLParam)));
}

void TWindow::Maximize() { SHOWWINDOW(hWnd, SW_MAXIMIZE); }
void TWindow::Minimize() { SHOWWINDOW(hWnd, SW_MINIMIZE); }
void TWindow::Normal() { SHOWWINDOW(hWnd, SW_SHOWNORMAL); }
void TWindow::Restore() { SHOWWINDOW(hWnd, SW_RESTORE); }
void TWindow::Iconize() { CLOSEWINDOW(hWnd); }
void TWindow::GoTop() { BRINGWINDOWTOTOP(hWnd); }
void TWindow::Capture() { SETCAPTURE(hWnd); }

std::string TWindow::GetText() const { return GETWINDOWTEXT(hWnd); }
void TWindow::SetText(const std::string& text) { SETWINDOWTEXT(hWnd, rt::Value(text)); }

namespace {

rt::Value RectObject(const rt::Value& rect) {
  auto r = std::make_shared<gfx::TRect>();
  r->New(static_cast<int>(rect.At(1).AsInt()), static_cast<int>(rect.At(2).AsInt()),
         static_cast<int>(rect.At(3).AsInt()), static_cast<int>(rect.At(4).AsInt()));
  return rt::Value(r);
}

// The current item of the radio menu that the control belongs to; NIL for
// a control of no radio menu or a menu without a current item.
rt::Value CurrentRadio(const rt::Value& control) {
  const rt::Value menu = Ask(control, "oRadMenu");
  if (!menu.IsObject()) return {};
  const rt::Value items = Ask(menu, "aItems");
  const long option = Ask(menu, "nOption").AsInt();
  if (!items.IsArray() || option < 1 || option > static_cast<long>(items.Len())) return {};
  return items.At(static_cast<std::size_t>(option));
}

// Visible, enabled and a tab stop. A radio menu counts by its current item:
// that button alone stands for the group, wherever the group's tab stop
// sits, so the focus lands on the checked button.
bool IsActiveControl(const rt::Value& control) {
  const auto w = control.As<TWindow>();
  const HWND h = w ? w->hWnd : nullptr;
  if (!h || !ISWINDOWVISIBLE(h) || !ISWINDOWENABLED(h)) return false;
  if (const rt::Value current = CurrentRadio(control); !current.IsNil()) return current == control;
  return (GETWINDOWLONG(h, GWL_STYLE) & WS_TABSTOP) != 0;
}

long DeviceCaps(HWND hWnd, int index) {
  const HDC dc = gfx::GETDC(hWnd);
  const long value = gfx::GETDEVICECAPS(dc, index);
  gfx::RELEASEDC(hWnd, dc);
  return value;
}

void AddExStyle(HWND hWnd, long style) {
  SETWINDOWLONG(hWnd, GWL_EXSTYLE, GETWINDOWLONG(hWnd, GWL_EXSTYLE) | style);
  SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

}  // namespace

rt::Value TWindow::GetCliRect() const { return RectObject(gfx::GETCLIENTRECT(hWnd)); }
rt::Value TWindow::GetRect() const { return RectObject(gfx::GETCOORS(hWnd)); }

long TWindow::GetWidth(const std::string& text, const std::shared_ptr<gfx::TFont>& font) const {
  const auto& use = font ? font : oFont;
  return static_cast<long>(gfx::GETTEXTWIDTH(nullptr, text, use ? use->hFont : nullptr));
}

long TWindow::nVertRes() const { return DeviceCaps(hWnd, VERTRES); }
long TWindow::nHorzRes() const { return DeviceCaps(hWnd, HORZRES); }

void TWindow::ToolWindow() { AddExStyle(hWnd, WS_EX_TOOLWINDOW); }
void TWindow::ClientEdge() { AddExStyle(hWnd, WS_EX_CLIENTEDGE); }

int TWindow::ChildLevel(const std::string& className) const {
  int level = 0;
  for (auto parent = oWnd.As<TWindow>(); parent; parent = parent->oWnd.As<TWindow>()) {
    ++level;
    if (parent->IsKindOf(className)) return level;
  }
  return 0;
}

rt::Value TWindow::FirstActiveCtrl() const {
  if (!aControls.IsArray() || aControls.Len() == 0) return {};
  for (const rt::Value& control : aControls.Items()) {
    if (IsActiveControl(control)) return control;
  }
  return aControls.At(1);
}

rt::Value TWindow::LastActiveCtrl() const {
  if (!aControls.IsArray() || aControls.Len() == 0) return {};
  const auto& items = aControls.Items();
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (IsActiveControl(*it)) return *it;
  }
  return aControls.At(1);
}

void TWindow::Update() {
  if (!aControls.IsArray()) return;
  const std::vector<rt::Value> controls = aControls.Items();
  for (const rt::Value& control : controls) {
    if (control.IsObject() && control.AsObject()->IsKindOf(vdclass::kFolder)) {
      Ask(control, "Update");
    } else if (Ask(control, "lUpdate").AsLogical()) {
      Ask(control, "Refresh");
    }
  }
}

void TWindow::AddControl(const rt::Value& oCtrl) {
  if (!aControls.IsArray()) aControls = rt::Value::Array();
  aControls.Items().push_back(oCtrl);
  lValidating = false;
}

}  // namespace core
