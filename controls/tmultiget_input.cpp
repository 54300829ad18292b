// TMultiGet's keys, focus, mouse, right-click menu and "Go To" dialog.
#include <cstdlib>

#include "controls/edit_selection.h"
#include "controls/tget.h"
#include "controls/tmultiget.h"
#include "controls/tbutton.h"
#include "controls/tsay.h"
#include "controls/weak_popup.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/tdialog.h"
#include "graphics/cursors.h"
#include "runtime/callstack.h"
#include "runtime/setkey.h"
#include "runtime/settings.h"

namespace controls {

namespace {

constexpr long kExtendedKey = 16777216;
constexpr long kCtrlV = 22, kCtrlX = 24;

bool KeyIsDown(int vkey) { return (GetKeyState(vkey) & 0x8000) != 0; }

}  // namespace

rt::Value TMultiGet::KeyDown(long nKey, long nFlags) {
  const bool ctrl = KeyIsDown(VK_CONTROL), shift = KeyIsDown(VK_SHIFT);
  const bool clipboardKey = (nKey == VK_INSERT && shift) || (ctrl && (nKey == 'V' || nKey == 'X'));
  if (clipboardKey || nKey == VK_DELETE) {
    if (lReadOnly) return rt::Value(0);
    // The edit acts first; the variable then holds what the window shows,
    // and only then is the change reported.
    if (ctrl && nKey == 'V') SendMessageA(hWnd, WM_PASTE, 0, 0);
    else if (ctrl && nKey == 'X') SendMessageA(hWnd, WM_CUT, 0, 0);
    else Native(WM_KEYDOWN, static_cast<WPARAM>(nKey), nFlags);
    Store();
    Changed(rt::Value(nKey), rt::Value(nFlags));
    return rt::Value(0);
  }
  return TControl::KeyDown(nKey, nFlags);
}

rt::Value TMultiGet::KeyChar(long nKey, long nFlags) {
  if (const rt::Value handler = rt::SETKEY(nKey); handler.IsBlock() && (nFlags & kExtendedKey)) {
    handler.Eval(rt::PROCNAME(4), rt::PROCLINE(4), Self());
    return rt::Value(0);
  }
  // Ctrl+V and Ctrl+X were done in KeyDown; the edit must not do them again.
  if (nKey == kCtrlV || nKey == kCtrlX) return rt::Value(0);
  const auto owner = Container();
  if (lReadOnly) {
    if (nKey == VK_RETURN && owner) owner->GoNextCtrl(hWnd);
    return rt::Value(0);
  }
  if (nKey == VK_RETURN && (GetWindowLongA(hWnd, GWL_STYLE) & ES_WANTRETURN)) {
    if (owner) owner->nLastKey = 0;
    return {};
  }
  if (nKey == VK_ESCAPE && owner) {
    if (const auto dialog = std::dynamic_pointer_cast<core::TDialog>(owner); dialog && dialog->lModal) return {};
  }
  Native(WM_CHAR, static_cast<WPARAM>(nKey), nFlags);
  Store();
  Changed(rt::Value(nKey), rt::Value(nFlags));
  return rt::Value(0);
}

rt::Value TMultiGet::GotFocus(LPARAM hWndLost) {
  TControl::GotFocus(hWndLost);
  Native(WM_SETFOCUS, static_cast<WPARAM>(hWndLost), 0);
  if (rt::Sets().insert) {
    CreateCaret(hWnd, nullptr, 6, static_cast<int>(nChrHeight));
    ShowCaret(hWnd);
  }
  return rt::Value(0);
}

rt::Value TMultiGet::LostFocus(LPARAM hWndNew) {
  const rt::Value answer = TControl::LostFocus(hWndNew);
  Store();
  long start = 0, end = 0;
  GetSelPos(start, end);
  nPos = start;
  return answer;
}

rt::Value TMultiGet::LButtonDown(long nRow, long nCol, long nFlags) {
  long start = 0, end = 0;
  GetSelPos(start, end);
  nPos = start;
  return TControl::LButtonDown(nRow, nCol, nFlags);
}

rt::Value TMultiGet::LButtonUp(long nRow, long nCol, long nFlags) {
  if (!lDrag) return TControl::LButtonUp(nRow, nCol, nFlags);
  TControl::LButtonUp(nRow, nCol, nFlags);
  core::SYSREFRESH();
  Refresh();
  return rt::Value(0);
}

rt::Value TMultiGet::MouseMove(long nRow, long nCol, long nFlags) {
  if (lDrag) return TControl::MouseMove(nRow, nCol, nFlags);
  if (const auto owner = Container()) owner->SetMsg(cMsg);
  SetCursor(oCursor ? oCursor->hCursor : gfx::CURSORIBEAM());
  CheckToolTip();
  return bMMoved.IsBlock() ? bMMoved.Eval(nRow, nCol, nFlags) : rt::Value();
}

std::shared_ptr<ctl::TMenu> TMultiGet::EditMenu() {
  long start = 0, end = 0;
  GetSelPos(start, end);
  const bool selected = end > start;
  const bool clipText = ClipboardHasText(Self());
  ctl::WeakPopup<TMultiGet> menu(std::static_pointer_cast<TMultiGet>(shared_from_this()));
  menu.Add("&Undo", SendMessageA(hWnd, EM_CANUNDO, 0, 0) != 0, [](TMultiGet& m) { m.UnDo(); });
  menu.Separator();
  menu.Add("Cu&t", selected && !lReadOnly, [](TMultiGet& m) { m.Cut(); });
  menu.Add("&Copy", selected, [](TMultiGet& m) { m.Copy(); });
  menu.Add("&Paste", clipText && !lReadOnly, [](TMultiGet& m) { m.Paste(); });
  menu.Add("&Delete", selected && !lReadOnly, [](TMultiGet& m) { m.Del(); });
  if (ClassName() == "TRICHEDIT") {
    menu.Separator();
    menu.Add("&Font", true, [](TMultiGet& m) { core::Ask(m.Self(), "SetCharFormat"); });
  }
  menu.Separator();
  menu.Add("P&rint", true, [](TMultiGet& m) { m.Print(); });
  menu.Separator();
  menu.Add("Select &All", true, [](TMultiGet& m) { m.SelectAll(); });
  return menu.Menu();
}

rt::Value TMultiGet::RButtonDown(long nRow, long nCol, long nFlags) {
  if (GetFocus() != hWnd) {
    ::SetFocus(hWnd);
    core::SYSREFRESH();
    if (GetFocus() != hWnd) return {};
  }
  if (bRClicked.IsBlock()) return bRClicked.Eval(nRow, nCol, nFlags);
  const auto menu = EditMenu();
  menu->Activate(nRow - 60, nCol, Self());
  return rt::Value(0);
}

void TMultiGet::DlgGoLine() {
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 5;
  d.nLeft = 5;
  d.nBottom = 10;
  d.nRight = 29;
  d.cCaption = "Go To";
  d.oWnd = oWnd;
  dialog->New(d);
  auto line = std::make_shared<rt::Value>(rt::Value::Num(static_cast<double>(GetRow()), 5, 0));
  const rt::Value setGet = rt::Value::Block([line](rt::Args a) {
    if (!a.empty()) *line = a[0];
    return *line;
  });
  auto label = std::make_shared<TSay>();
  SayArgs s;
  s.nRow = 0.5;
  s.nCol = 2;
  s.bText = rt::Value::Block([](rt::Args) { return rt::Value("Line:"); });
  s.oWnd = dialog->Self();
  label->New(s);
  auto field = std::make_shared<TGet>();
  GetArgs g;
  g.nRow = 0.5;
  g.nCol = 5;
  g.bSetGet = setGet;
  g.oWnd = dialog->Self();
  g.nWidth = 25;
  g.nHeight = 11;
  g.cPicture = "99999";
  field->New(g);
  std::weak_ptr<core::TDialog> weak = dialog;
  auto ok = std::make_shared<TButton>();
  ButtonArgs b;
  b.nRow = 1.3;
  b.nCol = 2;
  b.cCaption = "&Ok";
  b.oWnd = dialog->Self();
  b.nWidth = 32;
  b.nHeight = 11;
  b.lDefault = true;
  std::weak_ptr<TGet> lineField = field;
  auto chosen = std::make_shared<long>(0);
  b.bAction = rt::Value::Block([weak, lineField, chosen](rt::Args) {
    // The number the field shows, whether or not it has given up the focus.
    if (const auto f = lineField.lock()) *chosen = std::atol(f->cText().c_str());
    if (const auto dlg = weak.lock()) dlg->End(IDOK);
    return rt::Value();
  });
  ok->New(b);
  auto cancel = std::make_shared<TButton>();
  ButtonArgs c;
  c.nRow = 1.3;
  c.nCol = 9.5;
  c.cCaption = "&Cancel";
  c.oWnd = dialog->Self();
  c.nWidth = 32;
  c.nHeight = 11;
  c.bAction = rt::Value::Block([weak](rt::Args) {
    if (const auto dlg = weak.lock()) dlg->End(IDCANCEL);
    return rt::Value();
  });
  cancel->New(c);
  core::DialogActivation act;
  act.lCentered = true;
  dialog->Activate(act);
  // Moved once the dialog is gone: giving the focus back to the memo selects
  // its whole text.
  if (*chosen > 0) GoTo(*chosen);
}

}  // namespace controls
