// Place, size, visibility, focus, messages and child controls of a window.
#include "core/twindow.h"
#include "core/window_geometry.h"
#include "core/window_messages.h"
#include "core/window_state.h"
#include "core/window_text.h"
#include "graphics/rect.h"

namespace core {

std::string TWindow::cTitle() const { return hWnd ? GETWINDOWTEXT(hWnd) : cCaption; }

void TWindow::_cTitle(const std::string& text) {
  cCaption = text;
  if (hWnd) SETWINDOWTEXT(hWnd, rt::Value(text));
}

long TWindow::nWidth() const { return hWnd ? WNDWIDTH(hWnd) : nRight - nLeft + 1; }
long TWindow::nHeight() const { return hWnd ? WNDHEIGHT(hWnd) : nBottom - nTop + 1; }

void TWindow::_nWidth(long n) {
  if (hWnd) {
    WNDWIDTH(hWnd, static_cast<int>(n));
    CoorsUpdate();
  } else {
    nRight = nLeft + static_cast<int>(n) - 1;
  }
}

void TWindow::_nHeight(long n) {
  if (hWnd) {
    WNDHEIGHT(hWnd, static_cast<int>(n));
    CoorsUpdate();
  } else {
    nBottom = nTop + static_cast<int>(n) - 1;
  }
}

void TWindow::Move(int top, int left, int width, int height, bool repaint) {
  MOVEWINDOW(hWnd, top, left, width, height, repaint);
  CoorsUpdate();
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

void TWindow::AddControl(const rt::Value& oCtrl) {
  if (!aControls.IsArray()) aControls = rt::Value::Array();
  aControls.Items().push_back(oCtrl);
  lValidating = false;
}

}  // namespace core
