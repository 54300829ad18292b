#include "controls/tlistbox.h"

#include <algorithm>
#include <cstdio>

#include "controls/control_owner.h"
#include "controls/native_paint.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "graphics/list_item.h"
#include "runtime/strings.h"
#include "services/int32.h"

namespace controls {

namespace {

rt::Value NilBlock() {
  return rt::Value::Block([](rt::Args) { return rt::Value(); });
}

// The text colour given, else the window text; a pane colour counts only
// together with a text colour.
void Colours(core::TControl& c, const rt::Value& fore, const rt::Value& back) {
  const long text = fore.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOWTEXT) : svc::ToInt32(fore);
  const long pane = fore.IsNil() || back.IsNil() ? gfx::GETSYSCOLOR(COLOR_WINDOW) : svc::ToInt32(back);
  c.SetColor(rt::Value(text), rt::Value(pane));
}

std::string Digits3(int n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%3d", n);
  return digits;
}

}  // namespace

TListBox& TListBox::New(const ListBoxArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : NilBlock();
  aItems = a.aItems.IsArray() ? a.aItems : rt::Value::Array();
  bChange = a.bChange;
  bValid = a.bValid;
  lDrag = rt::IsTrue(a.lDesign);
  bLDblClick = a.bLDblClick;
  KeepFont(a.oFont.As<gfx::TFont>());
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bDrawItem = a.bDrawItem;
  Colours(*this, a.nClrFore, a.nClrBack);
  PlaceAt(*this, svc::ToInt32(a.nRow), svc::ToInt32(a.nCol), a.nWidth.IsNumber() ? svc::ToInt32(a.nWidth) : 40,
          a.nHeight.IsNumber() ? svc::ToInt32(a.nHeight) : 40, rt::IsTrue(a.lPixel));
  if (a.aBitmaps.IsArray()) SetBitmaps(a.aBitmaps);
  nStyle = LBS_NOTIFY | WS_TABSTOP | LBS_USETABSTOPS | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  // Owner drawing keeps the texts in the native list too, so that reading,
  // sorting and searching see the entries and not item data.
  if (lOwnerDraw) nStyle |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (rt::IsTrue(a.lMulti)) nStyle |= LBS_MULTIPLESEL;
  if (rt::IsTrue(a.lSort)) nStyle |= LBS_SORT;
  Place(*this, "LISTBOX");
  return *this;
}

TListBox& TListBox::ReDefine(const ListBoxRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = svc::ToInt32(a.nId);
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : NilBlock();
  aItems = a.aItems.IsArray() ? a.aItems : rt::Value::Array();
  bChange = a.bChange;
  nHelpId = a.nHelpId;
  bValid = a.bValid;
  cFileSpec = a.cFileSpec.AsString();
  bLDblClick = a.bLDblClick;
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bDrawItem = a.bDrawItem;
  Colours(*this, a.nClrFore, a.nClrBack);
  if (a.aBitmaps.IsArray()) SetBitmaps(a.aBitmaps);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TListBox::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  nStyle = GetWindowLongA(hWnd, GWL_STYLE);
  Default();
}

void TListBox::FillFromMask() {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA(cFileSpec.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) aItems.Items().push_back(rt::Value(rt::LOWER(found.cFileName)));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(aItems.Items().begin(), aItems.Items().end(),
            [](const rt::Value& x, const rt::Value& y) { return x.AsString() < y.AsString(); });
}

void TListBox::ItemHeight() {
  if (!lOwnerDraw || !hWnd) return;
  TEXTMETRICA tm{};
  HDC dc = ::GetDC(hWnd);
  const HGDIOBJ old = oFont ? SelectObject(dc, oFont->hFont) : nullptr;
  GetTextMetricsA(dc, &tm);
  if (old) SelectObject(dc, old);
  ::ReleaseDC(hWnd, dc);
  SendMessageA(hWnd, LB_SETITEMHEIGHT, 0, std::max<LPARAM>(nBmpHeight(), tm.tmHeight));
}

void TListBox::Default() {
  if (!oFont) {
    if (const auto owner = Container()) KeepFont(owner->oFont);
  }
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  if (!cFileSpec.empty()) FillFromMask();
  for (rt::Value& item : aItems.Items()) item = rt::Value(EntryText(item));
  if (!hWnd) return;
  ItemHeight();
  SendMessageA(hWnd, LB_RESETCONTENT, 0, 0);
  for (const rt::Value& item : aItems.Items()) SendMessageA(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.AsString().c_str()));
  // The native sort decides the order; the array follows it.
  if (nStyle & LBS_SORT) {
    for (long i = 1; i <= Len(); ++i) aItems.At(static_cast<std::size_t>(i)) = rt::Value(GetItem(i));
  }
  const rt::Value value = VarGet();
  long at = 0;
  if (value.IsNumber()) {
    at = value.AsInt();
  } else {
    const std::string key = EntryKey(value);
    for (long i = 1; i <= Len() && !at; ++i) {
      if (EntryKey(aItems.At(static_cast<std::size_t>(i))) == key) at = i;
    }
  }
  if (at < 1 || at > Len()) at = Len() ? 1 : 0;
  if (at) SendMessageA(hWnd, IsMultipleSel() ? LB_SETSEL : LB_SETCURSEL, IsMultipleSel() ? TRUE : at - 1,
                       IsMultipleSel() ? at - 1 : 0);
}

void TListBox::Store(long nAt) {
  if (nAt < 1 || nAt > static_cast<long>(aItems.Len())) return;
  VarPut(VarGet().IsNumber() ? rt::Value(nAt) : aItems.At(static_cast<std::size_t>(nAt)));
}

rt::Value TListBox::Change() {
  if (aItems.Len()) Store(GetPos());
  if (bChange.IsBlock()) bChange.Eval(Self());
  return {};
}

rt::Value TListBox::LostFocus(LPARAM hWndNew) {
  const rt::Value answer = TControl::LostFocus(hWndNew);
  if (const long at = GetPos()) {
    Store(at);
  } else if (!aItems.Len() && !VarGet().IsNumber()) {
    VarPut(rt::Value(""));
  }
  return answer;
}

void TListBox::Select(long nAt) {
  if (nAt < 1 || nAt > Len()) return;
  if (IsMultipleSel()) {
    SendMessageA(hWnd, LB_SETSEL, TRUE, nAt - 1);
    SendMessageA(hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nAt - 1), 0);
  } else {
    SendMessageA(hWnd, LB_SETCURSEL, static_cast<WPARAM>(nAt - 1), 0);
  }
  Change();
}

void TListBox::Set(const std::string& cText) {
  const std::string key = EntryKey(rt::Value(cText));
  for (long i = 1; i <= static_cast<long>(aItems.Len()); ++i) {
    if (EntryKey(aItems.At(static_cast<std::size_t>(i))) == key) {
      Select(i);
      return;
    }
  }
}

long TListBox::GetPos() const {
  if (!hWnd) return 0;
  const LRESULT at = IsMultipleSel() ? SendMessageA(hWnd, LB_GETCARETINDEX, 0, 0) : SendMessageA(hWnd, LB_GETCURSEL, 0, 0);
  if (at < 0) return 0;
  if (IsMultipleSel() && SendMessageA(hWnd, LB_GETSEL, static_cast<WPARAM>(at), 0) <= 0) return 0;
  return static_cast<long>(at) + 1;
}

long TListBox::Len() const { return hWnd ? static_cast<long>(SendMessageA(hWnd, LB_GETCOUNT, 0, 0)) : 0; }

std::string TListBox::GetItem(long nAt) const { return NativeEntry(hWnd, nAt, Len(), LB_GETTEXTLEN, LB_GETTEXT); }

void TListBox::Add(const rt::Value& cItem, long nAt) {
  const std::string text = EntryText(cItem);
  long at = 0;
  if (nAt == 0) {
    const LRESULT index = SendMessageA(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return;
    at = static_cast<long>(index) + 1;
  } else {
    if (nAt < 1 || nAt > Len()) return;
    at = nAt + 1;
    SendMessageA(hWnd, LB_INSERTSTRING, static_cast<WPARAM>(at - 1), reinterpret_cast<LPARAM>(text.c_str()));
  }
  aItems.Items().insert(aItems.Items().begin() + (at - 1), rt::Value(text));
  Select(at);
}

void TListBox::Insert(const rt::Value& cItem, long nAt) {
  if (nAt == 0) nAt = GetPos();
  if (nAt < 1 || nAt > Len()) return;
  const std::string text = EntryText(cItem);
  SendMessageA(hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nAt - 1), reinterpret_cast<LPARAM>(text.c_str()));
  aItems.Items().insert(aItems.Items().begin() + (nAt - 1), rt::Value(text));
}

void TListBox::Modify(const rt::Value& cItem, long nAt) {
  if (nAt == 0) nAt = GetPos();
  if (nAt < 1 || nAt > Len()) return;
  const std::string text = EntryText(cItem);
  SendMessageA(hWnd, LB_DELETESTRING, static_cast<WPARAM>(nAt - 1), 0);
  SendMessageA(hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nAt - 1), reinterpret_cast<LPARAM>(text.c_str()));
  aItems.At(static_cast<std::size_t>(nAt)) = rt::Value(text);
  Select(nAt);
}

void TListBox::Del(long nAt) {
  if (nAt == 0) nAt = GetPos();
  if (nAt < 1 || nAt > Len()) return;
  SendMessageA(hWnd, LB_DELETESTRING, static_cast<WPARAM>(nAt - 1), 0);
  aItems.Items().erase(aItems.Items().begin() + (nAt - 1));
  Select(std::min(nAt, Len()));
}

void TListBox::Reset() {
  VarPut(VarGet().IsNumber() ? rt::Value(0) : rt::Value(""));
  aItems = rt::Value::Array();
  if (hWnd) SendMessageA(hWnd, LB_RESETCONTENT, 0, 0);
}

void TListBox::SetItems(const rt::Value& aNew) {
  Reset();
  aItems = aNew.IsArray() ? aNew : rt::Value::Array();
  Default();
  Select(1);
  Change();
}

void TListBox::Swap(long nAt, long nOther) {
  const std::string moved = GetItem(nAt), other = GetItem(nOther);
  SendMessageA(hWnd, LB_DELETESTRING, static_cast<WPARAM>(nAt - 1), 0);
  SendMessageA(hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nAt - 1), reinterpret_cast<LPARAM>(other.c_str()));
  SendMessageA(hWnd, LB_DELETESTRING, static_cast<WPARAM>(nOther - 1), 0);
  SendMessageA(hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nOther - 1), reinterpret_cast<LPARAM>(moved.c_str()));
  std::swap(aItems.At(static_cast<std::size_t>(nAt)), aItems.At(static_cast<std::size_t>(nOther)));
  bitmaps_.Swap(static_cast<std::size_t>(nAt), static_cast<std::size_t>(nOther));
  if (IsMultipleSel()) SendMessageA(hWnd, LB_SETSEL, FALSE, -1);
  Select(nOther);
}

void TListBox::SwapUp() {
  const long at = GetPos();
  if (at > 1) Swap(at, at - 1);
}

void TListBox::SwapDown() {
  const long at = GetPos();
  if (at >= 1 && at < Len()) Swap(at, at + 1);
}

void TListBox::SetSel(long nAt, bool lOn) {
  if (nAt < 1 || nAt > Len()) return;
  if (IsMultipleSel()) SendMessageA(hWnd, LB_SETSEL, lOn ? TRUE : FALSE, nAt - 1);
  else SendMessageA(hWnd, LB_SETCURSEL, lOn ? static_cast<WPARAM>(nAt - 1) : static_cast<WPARAM>(-1), 0);
}

long TListBox::GetSelCount() const {
  return IsMultipleSel() ? static_cast<long>(SendMessageA(hWnd, LB_GETSELCOUNT, 0, 0)) : 0;
}

rt::Value TListBox::GetSelItems() const {
  if (!IsMultipleSel()) return rt::Value(0);
  const long count = GetSelCount();
  std::vector<int> positions(static_cast<std::size_t>(std::max(0L, count)));
  if (count > 0) SendMessageA(hWnd, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(positions.data()));
  rt::Value result = rt::Value::Array();
  for (int p : positions) result.Items().push_back(rt::Value(p + 1));
  return result;
}

void TListBox::SetSelItems(const rt::Value& aPos) {
  if (!aPos.IsArray()) return;
  for (const rt::Value& p : aPos.Items()) {
    if (p.IsNumber()) SetSel(p.AsInt(), true);
  }
}

rt::Value TListBox::aSelections() const {
  rt::Value texts = rt::Value::Array();
  if (IsMultipleSel()) {
    // The positions are a new array; it is held by name, since a loop over
    // the member of a temporary would read it after it was freed.
    const rt::Value positions = GetSelItems();
    for (const rt::Value& p : positions.Items()) texts.Items().push_back(rt::Value(GetItem(p.AsInt())));
  } else if (const long at = GetPos()) {
    texts.Items().push_back(rt::Value(GetItem(at)));
  }
  return texts;
}

void TListBox::SetBitmaps(const rt::Value& aNames) {
  lOwnerDraw = true;
  bitmaps_.Set(aNames);
  ItemHeight();
}

rt::Value TListBox::DrawItem(LPARAM, LPARAM pDrawItem) {
  return rt::Value(gfx::LBXDRAWITEM(pDrawItem, bitmaps_.aBitmaps, aItems, nBmpWidth(), bDrawItem));
}

rt::Value TListBox::FillMeasure(LPARAM pMeasure) { return rt::Value(gfx::LBXMEASURE(pMeasure, nBmpHeight())); }

rt::Value TListBox::Paint() { return PaintOverNative(*this); }

rt::Value TListBox::Display() { return DisplayPainted(*this); }

rt::Value TListBox::LButtonUp(long nRow, long nCol, long nFlags) {
  if (!lDrag) return TControl::LButtonUp(nRow, nCol, nFlags);
  TControl::LButtonUp(nRow, nCol, nFlags);
  core::SYSREFRESH();
  Refresh();
  return rt::Value(0);
}

rt::Value TListBox::MouseMove(long nRow, long nCol, long nFlags) {
  return lDrag ? TControl::MouseMove(nRow, nCol, nFlags) : rt::Value();
}

rt::Value TListBox::Destroy() {
  bitmaps_.Clear();
  return TControl::Destroy();
}

std::string TListBox::cGenPrg() {
  std::string items;
  for (const rt::Value& item : aItems.Items()) {
    if (!items.empty()) items += ", ";
    items += "\"" + EntryText(item) + "\"";
  }
  return "\r\n   @ " + Digits3(nTop) + ", " + Digits3(nLeft) + " LISTBOX oLbx ITEMS { " + items + " } ;\r\n" +
         "      SIZE " + Digits3(nRight - nLeft + 1) + ", " + Digits3(nBottom - nTop + 1) + " PIXEL OF oWnd\r\n";
}

}  // namespace controls
