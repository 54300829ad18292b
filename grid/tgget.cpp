#include "grid/tgget.h"

#include "controls/edit_selection.h"
#include "controls/tclipget.h"
#include "controls/weak_popup.h"
#include "core/message_loop.h"
#include "grid/grid_edit.h"
#include "runtime/settings.h"
#include "runtime/value_fns.h"

namespace grid {

namespace {

bool KeyIsDown(int vkey) { return (GetKeyState(vkey) & 0x8000) != 0; }

// The keys after which losing the focus is the end of the edit, not its
// cancellation.
bool EndsEdit(long nKey) {
  return nKey == VK_RETURN || nKey == VK_DOWN || nKey == VK_RIGHT || nKey == VK_UP || nKey == VK_LEFT;
}

}  // namespace

long& TGGetLastKey() {
  static long key = 0;
  return key;
}

long& TGBtnGetLastKey() {
  static long key = 0;
  return key;
}

const rt::ClassInfo& TGGet::ClassDef() {
  static const rt::ClassInfo info("TGGET", &controls::TGet::ClassDef(), rt::FactoryOf<TGGet>(),
                                  [](rt::ClassInfo& c) {
    rt::ClassBuilder<TGGet>(c).Data("lRightLeftExit", &TGGet::lRightLeftExit).Data("lFixCaret", &TGGet::lFixCaret);
  });
  return info;
}

RT_CLASS_REGISTER(TGGet);

std::shared_ptr<core::TWindow> TGGet::PopupOwner() const {
  const auto popup = Container();
  return popup ? popup->oWnd.As<core::TWindow>() : nullptr;
}

void TGGet::NoteKey(long nKey) {
  LastKey() = nKey;
  nLastKey = nKey;
  if (const auto owner = PopupOwner()) owner->nLastKey = nKey;
}

void TGGet::BuildCaret() {
  const bool wide = rt::IsTrue(lFixCaret) || rt::Sets().insert;
  long height = nChrHeight;
  if (height <= 0) {
    RECT r{};
    GetClientRect(hWnd, &r);
    height = r.bottom - 2;
  }
  DestroyCaret();
  CreateCaret(hWnd, nullptr, wide ? 6 : 2, static_cast<int>(height));
  ShowCaret(hWnd);
}

rt::Value TGGet::GetDlgCode(LPARAM nKey) {
  if (const auto popup = Container()) popup->nLastKey = static_cast<long>(nKey);
  if (const auto owner = PopupOwner()) owner->nLastKey = static_cast<long>(nKey);
  return rt::Value(DLGC_WANTALLKEYS);
}

rt::Value TGGet::GotFocus(LPARAM hWndLost) {
  controls::TGet::GotFocus(hWndLost);
  if (lDrag) {
    HideCaret(hWnd);
  } else {
    BuildCaret();
  }
  LastKey() = 0;
  nLastKey = 0;
  ClearFocusState();
  return _GotFocus(hWndLost);
}

rt::Value TGGet::_GotFocus(LPARAM hCtlLost) {
  lFocused = true;
  if (const auto popup = Container()) {
    popup->nResult = Self();
    popup->oCtlFocus = Self();
    popup->hCtlFocus = hWnd;
    popup->SetMsg(cMsg);
  }
  if (lDrag) ShowDots();
  return bGotFocus.IsBlock() ? bGotFocus.Eval(Self(), static_cast<double>(hCtlLost)) : rt::Value();
}

rt::Value TGGet::KeyDown(long nKey, long nFlags) {
  const std::shared_ptr<Object> keep = shared_from_this();
  NoteKey(nKey);
  const bool leftRight = nKey == VK_LEFT || nKey == VK_RIGHT;
  if (nKey == VK_DOWN || nKey == VK_UP || nKey == VK_RETURN || (leftRight && lRightLeftExit)) {
    if (lValid()) {
      if (bKeyDown.IsBlock()) bKeyDown.Eval(nKey, nFlags);
      return rt::Value(0);
    }
    LastKey() = 0;
    DispText();
    SetPos(nPos);
    return rt::Value(0);
  }
  if (OwnKey(nKey)) return rt::Value(0);
  if (nKey == VK_INSERT && !KeyIsDown(VK_SHIFT) && !KeyIsDown(VK_CONTROL)) {
    rt::Sets().insert = !rt::Sets().insert;
    if (!rt::IsTrue(lFixCaret)) BuildCaret();
    return rt::Value(0);
  }
  return controls::TGet::KeyDown(nKey, nFlags);
}

rt::Value TGGet::KeyChar(long nKey, long nFlags) {
  if (lReadOnly) {
    if (nKey == VK_ESCAPE) {
      if (const auto popup = Container()) popup->End();
    }
    return rt::Value(0);
  }
  if (nKey == VK_BACK || nKey == VK_TAB || nKey == VK_RETURN) return rt::Value(0);
  return controls::TGet::KeyChar(nKey, nFlags);
}

rt::Value TGGet::LostFocus(LPARAM hWndNew) {
  const std::shared_ptr<Object> keep = shared_from_this();
  const HWND next = reinterpret_cast<HWND>(hWndNew);
  // Only an edit still open is cancelled; one that ended hides its pop-up
  // and so takes the focus away itself.
  const auto popup = Container();
  const bool open = popup && popup == EditorPopup();
  if (open && !KeepsEditOn(next) && !EndsEdit(LastKey())) {
    nLastKey = 27;
    SendMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
  }
  return controls::TGet::LostFocus(hWndNew);
}

rt::Value TGGet::VDLostFocus(LPARAM hWndNew) {
  const HWND focus = GetFocus();
  if (focus == hWnd || (focus && IsChild(hWnd, focus))) return {};
  return controls::TGet::VDLostFocus(hWndNew);
}

bool TGGet::lValid() {
  // A bad date is refused before it is assigned: assigning would turn it
  // into an empty date.
  oGet->SetBuffer(GetText());
  if (oGet->BadDate()) {
    Beep(100, 3 * 55);
    return false;
  }
  Assign();
  oGet->UpdateBuffer();
  return !bValid.IsBlock() || rt::IsTrue(bValid.Eval(VarGet()));
}

const EditMenuLabels& TGGet::MenuLabels() const {
  static const EditMenuLabels labels{"&Deshacer", "Cor&tar", "&Copiar", "&Pegar", "&Borrar", "&Seleccionar Todo"};
  return labels;
}

std::shared_ptr<ctl::TMenu> TGGet::EditMenu() {
  long start = 0, end = 0;
  GetSelPos(start, end);
  const bool selected = end > start;
  const bool clipText = controls::ClipboardHasText(Self());
  oGet->SetBuffer(GetText());
  const bool unchanged = oGet->UnTransform() == oGet->Original();
  ctl::WeakPopup<TGGet> menu(std::static_pointer_cast<TGGet>(shared_from_this()));
  const EditMenuLabels& l = MenuLabels();
  menu.Add(l.undo, !lReadOnly && !unchanged, [](TGGet& g) { g.UnDo(); });
  menu.Separator();
  menu.Add(l.cut, !lReadOnly && selected, [](TGGet& g) { g.Cut(); });
  menu.Add(l.copy, selected, [](TGGet& g) { g.Copy(); });
  menu.Add(l.paste, clipText && !lReadOnly, [](TGGet& g) { g.Paste(); });
  menu.Add(l.del, !lReadOnly && selected, [](TGGet& g) {
    long s = 0, e = 0;
    g.GetSelPos(s, e);
    g.GetDelSel(s, e);
    g.EditUpdate();
  });
  menu.Separator();
  menu.Add(l.selectAll, true, [](TGGet& g) { g.SelectAll(); });
  return menu.Menu();
}

rt::Value TGGet::RButtonDown(long nRow, long nCol, long nFlags) {
  const std::shared_ptr<Object> keep = shared_from_this();
  if (GetFocus() != hWnd) {
    ::SetFocus(hWnd);
    core::SYSREFRESH();
    if (!hWnd || GetFocus() != hWnd) return rt::Value(0);
  }
  if (bRClicked.IsBlock()) return bRClicked.Eval(nRow, nCol, nFlags);
  EditMenu()->Activate(nRow - 60, nCol, Self());
  return rt::Value(0);
}

}  // namespace grid
