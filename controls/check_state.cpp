#include "controls/check_state.h"

#include "graphics/focus_repair.h"
#include "graphics/gdi_scope.h"
#include "graphics/theme.h"

namespace controls {

void SetNativeCheck(core::TControl& control, bool checked) {
  if (control.hWnd) SendMessageA(control.hWnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool NativeCheck(const core::TControl& control) {
  return control.hWnd && SendMessageA(control.hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetButtonText(core::TControl& control, const std::string& cText) {
  if (control.hWnd && gfx::ISAPPTHEMED()) {
    gfx::WindowDc dc(control.hWnd);
    gfx::DRAWPBACK(control.hWnd, dc.get());
  }
  control.cCaption = cText;
  if (control.hWnd) SetWindowTextA(control.hWnd, cText.c_str());
}

rt::Value ButtonEraseBkGnd(core::TControl& control, LPARAM hDC) {
  return gfx::ISAPPTHEMED() ? rt::Value(1) : control.TControl::EraseBkGnd(hDC);
}

rt::Value ButtonLostFocus(core::TControl& control, LPARAM hWndNew) {
  if (gfx::ISAPPTHEMED()) gfx::CHECKFOCUS(control.hWnd, reinterpret_cast<HWND>(hWndNew));
  return control.TControl::LostFocus(hWndNew);
}

rt::Value ButtonMouseMove(core::TControl& control, long nRow, long nCol, long nFlags) {
  const rt::Value result = control.TControl::MouseMove(nRow, nCol, nFlags);
  return control.lDrag ? result : rt::Value();
}

}  // namespace controls
