#include "grid/tgcombo.h"

#include "grid/edit_defer.h"
#include "grid/grid_edit.h"

namespace grid {

const rt::ClassInfo& TGCombo::ClassDef() {
  static const rt::ClassInfo info("TGCOMBO", &controls::TComboBox::ClassDef(), rt::FactoryOf<TGCombo>(),
                                  [](rt::ClassInfo&) {});
  return info;
}

RT_CLASS_REGISTER(TGCombo);

rt::Value TGCombo::Change() {
  const std::string before = GetText();
  const long at = static_cast<long>(SendMessageA(hWnd, CB_GETCURSEL, 0, 0)) + 1;
  nAt = at;
  if (at >= 1 && at <= static_cast<long>(aItems.Len())) {
    const rt::Value value = TControl::VarGet();
    VarPut(value.IsNumber() ? rt::Value(at) : aItems.At(static_cast<std::size_t>(at)));
    if (oGet && oGet->hWnd) {
      oGet->VarPut(TControl::VarGet());
      oGet->Refresh();
    }
  }
  if (bChange.IsBlock()) bChange.Eval(Self(), rt::Value(before));
  nLastKey = 0;
  return {};
}

rt::Value TGCombo::GetDlgCode(LPARAM) { return rt::Value(DLGC_WANTALLKEYS); }

rt::Value TGCombo::KeyDown(long nKey, long nFlags) {
  if (nKey == VK_TAB || nKey == VK_RETURN || nKey == VK_ESCAPE) {
    const std::shared_ptr<Object> keep = shared_from_this();
    if (bKeyDown.IsBlock()) bKeyDown.Eval(nKey, nFlags);
    return rt::Value(0);
  }
  return {};
}

rt::Value TGCombo::KeyChar(long nKey, long nFlags) {
  if (nKey == VK_TAB || nKey == VK_ESCAPE || nKey == VK_RETURN) return rt::Value(0);
  return controls::TComboBox::KeyChar(nKey, nFlags);
}

rt::Value TGCombo::LButtonDown(long, long, long) {
  // The list's real state decides: a flag of its own would go stale when
  // the list closes by a choice or Esc.
  if (State()) {
    PostMessageA(hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    nLastKey = 0;
  } else {
    if (GetFocus() != hWnd) ::SetFocus(hWnd);
    PostMessageA(hWnd, CB_SHOWDROPDOWN, TRUE, 0);
    nLastKey = kComboOpenedByClick;
  }
  return rt::Value(0);
}

rt::Value TGCombo::LostFocus(LPARAM hWndNew) {
  const std::shared_ptr<Object> keep = shared_from_this();
  controls::TComboBox::LostFocus(hWndNew);
  if (nLastKey == kComboOpenedByClick) {
    // Taken back once the focus change is over, never inside it.
    std::weak_ptr<TGCombo> weak = std::static_pointer_cast<TGCombo>(shared_from_this());
    PostLater([weak] {
      const auto self = weak.lock();
      if (!self || !self->hWnd || !IsWindow(self->hWnd)) return;
      ::SetFocus(self->hWnd);
      SendMessageA(self->hWnd, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    });
    return rt::Value(0);
  }
  SendMessageA(hWnd, CB_SHOWDROPDOWN, FALSE, 0);
  // An edit that ended already hid its pop-up, which took the focus away.
  if (const auto popup = Container(); popup && popup == EditorPopup() && bKeyDown.IsBlock())
    bKeyDown.Eval(VK_ESCAPE, 0);
  return rt::Value(0);
}

rt::Value TGCombo::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == controls::WM_VD_CLOSEUP) nLastKey = 0;
  return controls::TComboBox::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace grid
