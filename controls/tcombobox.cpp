#include "controls/tcombobox.h"

#include <commctrl.h>

#include <algorithm>

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "graphics/list_item.h"
#include "graphics/theme.h"
#include "runtime/strings.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace controls {

namespace {

constexpr long kDropDown = 2;

rt::Value NilBlock() {
  return rt::Value::Block([](rt::Args) { return rt::Value(); });
}

void Colours(core::TControl& c, const rt::Value& fore, const rt::Value& back) {
  const long text = fore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(fore);
  const long pane = fore.IsNil() || back.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(back);
  c.SetColor(rt::Value(text), rt::Value(pane));
}

long ComboStyle(const rt::Value& n) {
  const long style = n.IsNumber() ? n.AsInt() : 3;
  return style >= 1 && style <= 3 ? style : 3;
}

}  // namespace

void TComboBox::NilToFirst() {
  if (TControl::VarGet().IsNil()) VarPut(aItems.Len() ? rt::Value(EntryText(aItems.At(1))) : rt::Value(""));
}

void TComboBox::MakeField(const rt::Value& cPicture, const rt::Value& bEditChange) {
  oGet = std::make_shared<TGet>();
  GetRedefineArgs g;
  g.nId = 1001;
  g.bSetGet = bSetGet;
  g.oWnd = Self();
  g.nHelpId = nHelpId;
  g.cPicture = cPicture;
  g.nClrFore = nClrText;
  g.nClrBack = nClrPane;
  g.oFont = rt::Value(oFont);
  g.cMsg = cMsg;
  g.bChanged = bEditChange;
  oGet->ReDefine(g);
}

TComboBox& TComboBox::New(const ComboBoxArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : NilBlock();
  aItems = a.aItems.IsArray() ? a.aItems : rt::Value::Array();
  for (rt::Value& item : aItems.Items()) item = rt::Value(EntryText(item));
  nHelpId = a.nHelpId;
  bChange = a.bChange;
  bValid = a.bValid;
  KeepFont(a.oFont.As<gfx::TFont>());
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  lDrag = rt::IsTrue(a.lDesign);
  bDrawItem = a.bDrawItem;
  Colours(*this, a.nClrFore, a.nClrBack);
  PlaceAt(*this, svc::ToInt32(a.nRow), svc::ToInt32(a.nCol), a.nWidth.IsNumber() ? svc::ToInt32(a.nWidth) : 40,
          a.nHeight.IsNumber() ? svc::ToInt32(a.nHeight) : 60, rt::IsTrue(a.lPixel));
  if (a.aBitmaps.IsArray()) SetBitmaps(a.aBitmaps);
  const long style = ComboStyle(a.nStyle);
  nStyle = style | WS_TABSTOP | 4096 | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  // Owner drawing keeps the texts in the native list, so that reading and
  // searching see the entries and not item data.
  if (lOwnerDraw) nStyle |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
  if (style != kDropDown) nStyle |= 1;
  // The edit field takes the variable as it is: a NIL one first gets the
  // first entry, as Default would give it.
  NilToFirst();
  if (style == kDropDown) MakeField(a.cPicture, a.bEditChange);
  Place(*this, "COMBOBOX");
  if (hWnd) BindField();
  return *this;
}

TComboBox& TComboBox::ReDefine(const ComboBoxRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = svc::ToInt32(a.nId);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : NilBlock();
  aItems = a.aItems.IsArray() ? a.aItems : rt::Value::Array();
  for (rt::Value& item : aItems.Items()) item = rt::Value(EntryText(item));
  nHelpId = a.nHelpId;
  bValid = a.bValid;
  bChange = a.bChange;
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bDrawItem = a.bDrawItem;
  Colours(*this, a.nClrFore, a.nClrBack);
  if (a.aBitmaps.IsArray()) SetBitmaps(a.aBitmaps);
  nStyle = ComboStyle(a.nStyle);
  NilToFirst();
  if (nStyle == kDropDown) MakeField(a.cPicture, a.bEditChange);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TComboBox::DefControl(const rt::Value& oCtrl) {
  if (!aControls.IsArray()) aControls = rt::Value::Array();
  aControls.Items().push_back(oCtrl);
}

void TComboBox::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  Default();
  BindField();
  Refresh();
}

void TComboBox::BindField() {
  if (!oGet || !hWnd) return;
  const HWND edit = GetWindow(hWnd, GW_CHILD);
  if (!edit) return;
  oGet->hWnd = edit;
  oGet->Link();
  oGet->Default();
  oGet->DispText();
  std::weak_ptr<core::TWindow> weak = std::static_pointer_cast<core::TWindow>(shared_from_this());
  oGet->bLostFocus = rt::Value::Block([weak](rt::Args a) {
    if (const auto self = std::dynamic_pointer_cast<TComboBox>(weak.lock()))
      self->FieldLostFocus(reinterpret_cast<HWND>(svc::ToHandle(rt::Arg(a, 0))));
    return rt::Value();
  });
}

void TComboBox::FieldLostFocus(HWND hNext) {
  const std::string text = EditText();
  const std::string trimmed = rt::TRIM(text);
  const LRESULT found =
      trimmed.empty() ? CB_ERR : SendMessageA(hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(trimmed.c_str()));
  VarPut(rt::Value(text));
  if (found != CB_ERR) {
    SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    nAt = static_cast<long>(found) + 1;
  }
  SetWindowTextA(oGet->hWnd, text.c_str());
  // The focus moving within the combo box itself is no leaving.
  const bool leaving = hNext && hNext != hWnd && !IsChild(hWnd, hNext) && GetParent(hNext) == GetParent(hWnd);
  if (bValid.IsBlock() && leaving && !lValid()) PostMsg(WM_VD_COMBOFOCUS);
}

void TComboBox::ItemHeight() {
  if (!lOwnerDraw || !hWnd) return;
  TEXTMETRICA tm{};
  HDC dc = ::GetDC(hWnd);
  const HGDIOBJ old = oFont ? SelectObject(dc, oFont->hFont) : nullptr;
  GetTextMetricsA(dc, &tm);
  if (old) SelectObject(dc, old);
  ::ReleaseDC(hWnd, dc);
  const LPARAM height = std::max<LPARAM>(nBmpHeight(), tm.tmHeight);
  SendMessageA(hWnd, CB_SETITEMHEIGHT, 0, height);
  SendMessageA(hWnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
}

void TComboBox::Default() {
  if (!oFont) {
    if (const auto owner = Container()) KeepFont(owner->oFont);
  }
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  if (hWnd && (nStyle & 3) == 3) nStyle = GetWindowLongA(hWnd, GWL_STYLE);
  NilToFirst();
  if (!hWnd) return;
  ItemHeight();
  SendMessageA(hWnd, CB_RESETCONTENT, 0, 0);
  for (const rt::Value& item : aItems.Items())
    SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.AsString().c_str()));
  const rt::Value value = TControl::VarGet();
  nAt = 1;
  if (value.IsNumber()) {
    nAt = std::max(1L, value.AsInt());
  } else {
    const std::string key = EntryKey(value);
    for (long i = 1; i <= static_cast<long>(aItems.Len()); ++i) {
      if (EntryKey(aItems.At(static_cast<std::size_t>(i))) == key) {
        nAt = i;
        break;
      }
    }
  }
  Set(value);
}

void TComboBox::Set(const rt::Value& u) {
  if (u.IsNumber()) {
    Select(std::max(1L, u.AsInt()));
    return;
  }
  const std::string key = EntryKey(u);
  for (long i = 1; i <= static_cast<long>(aItems.Len()); ++i) {
    if (EntryKey(aItems.At(static_cast<std::size_t>(i))) == key) {
      Select(i);
      return;
    }
  }
  // Free text: no entry is chosen, the field shows the text.
  const std::string text = rt::CVALTOCHAR(u);
  VarPut(rt::Value(text));
  if (hWnd) SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  if (oGet && oGet->hWnd) oGet->Refresh();
  else if (hWnd) SetWindowTextA(hWnd, text.c_str());
}

void TComboBox::Select(long n) {
  nAt = n;
  if (hWnd) SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(n - 1), 0);
}

long TComboBox::CurSel() const {
  if (!hWnd) return 0;
  const LRESULT at = SendMessageA(hWnd, CB_GETCURSEL, 0, 0);
  return at == CB_ERR ? 0 : static_cast<long>(at) + 1;
}

std::string TComboBox::EditText() const {
  if (oGet && oGet->hWnd) return oGet->GetText();
  return GetText();
}

rt::Value TComboBox::Change() {
  const std::string text = EditText();
  const long at = CurSel();
  const rt::Value value = TControl::VarGet();
  const bool empty = value.IsNil() || (value.IsString() && rt::TRIM(value.AsString()).empty()) ||
                     (value.IsNumber() && value.AsNumber() == 0);
  if (at == nAt && !empty) return {};
  nAt = at;
  if (at >= 1 && at <= static_cast<long>(aItems.Len())) {
    VarPut(value.IsNumber() ? rt::Value(at) : aItems.At(static_cast<std::size_t>(at)));
  }
  if (oGet && oGet->hWnd) {
    oGet->VarPut(TControl::VarGet());
    oGet->Refresh();
  }
  if (bChange.IsBlock()) bChange.Eval(Self(), rt::Value(text));
  return {};
}

rt::Value TComboBox::LostFocus(LPARAM hWndNew) {
  const rt::Value answer = TControl::LostFocus(hWndNew);
  const rt::Value value = TControl::VarGet();
  if (const long at = CurSel(); at >= 1 && at <= static_cast<long>(aItems.Len())) {
    nAt = at;
    VarPut(value.IsNumber() ? rt::Value(at) : aItems.At(static_cast<std::size_t>(at)));
  } else if (!value.IsNumber()) {
    VarPut(rt::Value(EditText()));
  }
  return answer;
}

rt::Value TComboBox::VarGet() {
  if (const long at = CurSel(); at >= 1 && at <= static_cast<long>(aItems.Len())) {
    nAt = at;
    return aItems.At(static_cast<std::size_t>(at));
  }
  return rt::Value(EditText());
}

bool TComboBox::lValid() {
  if (!bValid.IsBlock()) return true;
  return bValid.Eval(oGet ? rt::Value(oGet) : rt::Value()).AsLogical();
}

void TComboBox::Refresh() {
  Set(TControl::VarGet());
  TControl::Refresh();
}

long TComboBox::Len() const { return hWnd ? static_cast<long>(SendMessageA(hWnd, CB_GETCOUNT, 0, 0)) : 0; }

std::string TComboBox::GetItem(long n) const { return NativeEntry(hWnd, n, Len(), CB_GETLBTEXTLEN, CB_GETLBTEXT); }

void TComboBox::Add(const rt::Value& cItem, long n) {
  const std::string text = EntryText(cItem);
  if (n == 0) {
    aItems.Items().push_back(rt::Value(text));
    SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return;
  }
  if (n < 1 || n > Len()) return;
  aItems.Items().insert(aItems.Items().begin() + (n - 1), rt::Value(text));
  SendMessageA(hWnd, CB_INSERTSTRING, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

void TComboBox::Insert(const rt::Value& cItem, long n) {
  if (n == 0) n = CurSel();
  if (n < 1 || n > Len()) return;
  const std::string text = EntryText(cItem);
  aItems.Items().insert(aItems.Items().begin() + (n - 1), rt::Value(text));
  SendMessageA(hWnd, CB_INSERTSTRING, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(text.c_str()));
}

void TComboBox::Modify(const rt::Value& cItem, long n) {
  if (n == 0) n = CurSel();
  if (n < 1 || n > Len()) return;
  const long selected = CurSel();
  const std::string text = EntryText(cItem);
  aItems.At(static_cast<std::size_t>(n)) = rt::Value(text);
  SendMessageA(hWnd, CB_DELETESTRING, static_cast<WPARAM>(n - 1), 0);
  SendMessageA(hWnd, CB_INSERTSTRING, static_cast<WPARAM>(n - 1), reinterpret_cast<LPARAM>(text.c_str()));
  if (selected) SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(selected - 1), 0);
}

void TComboBox::Del(long n) {
  if (n == 0) n = CurSel();
  if (n < 1 || n > Len()) return;
  aItems.Items().erase(aItems.Items().begin() + (n - 1));
  SendMessageA(hWnd, CB_DELETESTRING, static_cast<WPARAM>(n - 1), 0);
}

void TComboBox::Reset() {
  VarPut(TControl::VarGet().IsNumber() ? rt::Value(0) : rt::Value(""));
  nAt = 0;
  if (hWnd) SendMessageA(hWnd, CB_RESETCONTENT, 0, 0);
  Change();
}

void TComboBox::SetItems(const rt::Value& aNew) {
  Reset();
  aItems = aNew.IsArray() ? aNew : rt::Value::Array();
  for (rt::Value& item : aItems.Items()) item = rt::Value(EntryText(item));
  Default();
  Change();
}

long TComboBox::FindString(const std::string& cText, long nFrom) const {
  const LRESULT at = SendMessageA(hWnd, CB_FINDSTRING, static_cast<WPARAM>(nFrom - 1), reinterpret_cast<LPARAM>(cText.c_str()));
  return at == CB_ERR ? 0 : static_cast<long>(at) + 1;
}

long TComboBox::GetMinVisible() const {
  return gfx::ISAPPTHEMED() ? static_cast<long>(SendMessageA(hWnd, CB_GETMINVISIBLE, 0, 0)) : 0;
}

bool TComboBox::SetMinVisible(long n) {
  return gfx::ISAPPTHEMED() && SendMessageA(hWnd, CB_SETMINVISIBLE, static_cast<WPARAM>(n), 0) != 0;
}

void TComboBox::CloseUp() {
  if (bCloseUp.IsBlock()) bCloseUp.Eval(Self());
}

void TComboBox::SetBitmaps(const rt::Value& aNames) {
  lOwnerDraw = true;
  bitmaps_.Set(aNames);
  ItemHeight();
}

rt::Value TComboBox::DrawItem(LPARAM, LPARAM pDrawItem) {
  return rt::Value(gfx::LBXDRAWITEM(pDrawItem, bitmaps_.aBitmaps, aItems, nBmpWidth(), bDrawItem));
}

rt::Value TComboBox::FillMeasure(LPARAM pMeasure) { return rt::Value(gfx::LBXMEASURE(pMeasure, nBmpHeight())); }

void TComboBox::ShowToolTip() {
  // The tooltip goes below the closed field, not below the dropped list.
  const int bottom = nBottom;
  nBottom = nTop + static_cast<int>(nGetChrHeight()) + 8;
  TControl::ShowToolTip();
  nBottom = bottom;
}

rt::Value TComboBox::MouseMove(long nRow, long nCol, long nFlags) {
  return lDrag ? TControl::MouseMove(nRow, nCol, nFlags) : rt::Value();
}

rt::Value TComboBox::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_VD_CLOSEUP) {
    CloseUp();
    return rt::Value(0);
  }
  if (nMsg == WM_VD_COMBOFOCUS) {
    ::SetFocus(oGet && oGet->hWnd ? oGet->hWnd : hWnd);
    return rt::Value(0);
  }
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

rt::Value TComboBox::Destroy() {
  bitmaps_.Clear();
  if (oGet) {
    oGet->bLostFocus = rt::Value();
    if (oGet->hWnd) oGet->UnLink();
    oGet->hWnd = nullptr;
    oGet.reset();
  }
  return TControl::Destroy();
}

}  // namespace controls
