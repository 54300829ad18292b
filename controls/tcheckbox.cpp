#include "controls/tcheckbox.h"

#include <algorithm>
#include <memory>

#include "controls/check_state.h"
#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "services/int32.h"

namespace controls {
namespace {

// A variable of its own for a check box made without one.
rt::Value PrivateLogical() {
  auto var = std::make_shared<rt::Value>(false);
  return rt::Value::Block([var](rt::Args a) {
    if (!a.empty()) *var = a[0];
    return *var;
  });
}

std::string Trimmed(long n) { return std::to_string(n); }

}  // namespace

void TCheckBox::Bind(const rt::Value& setGet) {
  bSetGet = setGet.IsBlock() ? setGet : PrivateLogical();
  if (!VarGet().IsLogical()) VarPut(false);
}

TCheckBox& TCheckBox::New(const CheckBoxArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  cCaption = a.cCaption.IsString() ? a.cCaption.AsString() : std::string("&CheckBox");
  Bind(a.bSetGet);
  const long width = a.nWidth.IsNumber() ? svc::ToInt32(a.nWidth) : 7 * static_cast<long>(cCaption.size());
  const long height = a.nHeight.IsNumber() ? svc::ToInt32(a.nHeight) : 19;
  nHelpId = a.nHelpTopic.IsNil() ? rt::Value(100) : a.nHelpTopic;
  bChange = a.bChange;
  KeepFont(a.oFont.As<gfx::TFont>());
  bValid = a.bValid;
  bWhen = a.bWhen;
  cMsg = a.cMsg;
  lUpdate = IsTrue(a.lUpdate);
  lDrag = IsTrue(a.lDesign);
  SetColor(a.nClrFore.IsNil() && owner ? rt::Value(owner->nClrText) : a.nClrFore,
           a.nClrBack.IsNil() && owner ? rt::Value(owner->nClrPane) : a.nClrBack);
  int top = static_cast<int>(svc::ToInt32(a.nRow));
  int left = static_cast<int>(svc::ToInt32(a.nCol));
  if (IsTrue(a.lPixel)) {
    nRight = left + static_cast<int>(width);
  } else {
    top *= 13;
    left *= 7;
    // The box of character coordinates leaves room for the text's margin;
    // a short caption still gets a window of its own, never a negative one.
    nRight = std::max(left, left + static_cast<int>(width) - 24);
  }
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(height);
  nStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  Place(*this, "BUTTON");
  return *this;
}

TCheckBox& TCheckBox::ReDefine(const rt::Value& id, const rt::Value& setGet, const rt::Value& owner,
                               const rt::Value& helpId, const rt::Value& change, const rt::Value& valid,
                               const rt::Value& fore, const rt::Value& back, const rt::Value& msg,
                               const rt::Value& update, const rt::Value& when) {
  oWnd = OwnerOr(owner);
  const auto container = Container();
  nId = id.IsNumber() ? svc::ToInt32(id) : GetNewId();
  Bind(setGet);
  nHelpId = helpId.IsNil() ? rt::Value(100) : helpId;
  bChange = change;
  bValid = valid;
  bWhen = when;
  cMsg = msg;
  lUpdate = IsTrue(update);
  SetColor(fore.IsNil() && container ? rt::Value(container->nClrText) : fore,
           back.IsNil() && container ? rt::Value(container->nClrPane) : back);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TCheckBox::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  cCaption = GetText();
  Refresh();
}

void TCheckBox::Default() {
  TControl::Default();
  Refresh();
  if (!oFont) {
    if (const auto owner = Container()) KeepFont(owner->oFont);
  }
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
}

void TCheckBox::Refresh() { SetNativeCheck(*this, IsTrue(VarGet())); }

rt::Value TCheckBox::Click() {
  const rt::Value value(!IsTrue(VarGet()));
  VarPut(value);
  Refresh();
  if (bChange.IsBlock()) bChange.Eval(value, Self());
  return TControl::Click();
}

void TCheckBox::Check() {
  VarPut(true);
  SetNativeCheck(*this, true);
}

void TCheckBox::UnCheck() {
  VarPut(false);
  SetNativeCheck(*this, false);
}

void TCheckBox::SetCheck(bool checked) { checked ? Check() : UnCheck(); }

void TCheckBox::Reset() { UnCheck(); }

void TCheckBox::SetText(const std::string& cText) { SetButtonText(*this, cText); }

std::string TCheckBox::cGenPrg() {
  CoorsUpdate();
  if (cCaption.empty() && hWnd) cCaption = GetText();
  return "\r\n   @ " + Trimmed(nTop) + ", " + Trimmed(nLeft) + " CHECKBOX lVar PROMPT \"" + cCaption + "\" SIZE " +
         Trimmed(nRight - nLeft + 1) + ", " + Trimmed(nBottom - nTop + 1) + " PIXEL OF oWnd \r\n";
}

rt::Value TCheckBox::EraseBkGnd(LPARAM hDC) { return ButtonEraseBkGnd(*this, hDC); }
rt::Value TCheckBox::LostFocus(LPARAM hWndNew) { return ButtonLostFocus(*this, hWndNew); }
rt::Value TCheckBox::MouseMove(long nRow, long nCol, long nFlags) {
  return ButtonMouseMove(*this, nRow, nCol, nFlags);
}

}  // namespace controls
