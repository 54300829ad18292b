#include "controls/tradio.h"

#include "controls/check_state.h"
#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "services/int32.h"

namespace controls {
namespace {

std::shared_ptr<TRadMenu> MenuOf(const rt::Value& v) { return v.As<TRadMenu>(); }

}  // namespace

TRadio& TRadio::New(const RadioArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  cCaption = a.cPrompt.IsString() ? a.cPrompt.AsString() : std::string();
  lChecked = IsTrue(a.lChecked);
  nPos = NumOr(a.nPos, 1);
  oRadMenu = a.oRadMenu;
  nHelpId = a.nHelpId.IsNil() ? rt::Value(100) : a.nHelpId;
  cMsg = a.cMsg;
  lUpdate = IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  lDrag = IsTrue(a.lDesign);
  const auto owner = Container();
  SetColor(a.nClrText.IsNil() && owner ? rt::Value(owner->nClrText) : a.nClrText,
           a.nClrPane.IsNil() && owner ? rt::Value(owner->nClrPane) : a.nClrPane);
  const int row = NumOr(a.nRow, 0);
  const int col = NumOr(a.nCol, 0);
  if (IsTrue(a.lPixel)) {
    nTop = row;
    nLeft = col + 4;
  } else {
    nTop = row * NumOr(a.nHeight, 13);
    nLeft = col * 7 + 4;
  }
  nBottom = nTop + NumOr(a.nHeight, 12);
  nRight = nLeft + NumOr(a.nWidth, 5 * static_cast<long>(cCaption.size()));
  nStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
  if (IsTrue(a.lGroup)) nStyle |= WS_GROUP;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS;
  Place(*this, "BUTTON");
  return *this;
}

TRadio& TRadio::Redefine(const rt::Value& id, const rt::Value& checked, const rt::Value& pos, const rt::Value& owner,
                         const rt::Value& menu, const rt::Value& helpId, const rt::Value& text,
                         const rt::Value& pane, const rt::Value& msg, const rt::Value& update,
                         const rt::Value& when, const rt::Value& valid) {
  oWnd = OwnerOr(owner);
  nId = id.IsNumber() ? svc::ToInt32(id) : GetNewId();
  lChecked = IsTrue(checked);
  nPos = NumOr(pos, 1);
  oRadMenu = menu;
  nHelpId = helpId.IsNil() ? rt::Value(100) : helpId;
  cMsg = msg;
  lUpdate = IsTrue(update);
  bWhen = when;
  bValid = valid;
  const auto container = Container();
  SetColor(text.IsNil() && container ? rt::Value(container->nClrText) : text,
           pane.IsNil() && container ? rt::Value(container->nClrPane) : pane);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TRadio::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (hWnd) SetCheck(lChecked);
}

void TRadio::Default() {
  TControl::Default();
  if (lChecked) SetCheck(true);
  if (!oFont) {
    if (const auto owner = Container()) KeepFont(owner->oFont);
  }
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
}

void TRadio::SetCheck(bool checked) {
  lChecked = checked;
  SetNativeCheck(*this, checked);
}

bool TRadio::lIsChecked() {
  lChecked = NativeCheck(*this);
  return lChecked;
}

rt::Value TRadio::Click() {
  // The group may end this radio in its change block.
  const rt::Value keep = Self();
  if (const auto menu = MenuOf(oRadMenu)) {
    menu->Select(*this);
    menu->Refresh();
  }
  return TControl::Click();
}

rt::Value TRadio::KeyDown(long nKey, long nFlags) {
  const auto menu = MenuOf(oRadMenu);
  const bool next = nKey == VK_DOWN || nKey == VK_RIGHT;
  const bool previous = nKey == VK_UP || nKey == VK_LEFT;
  if (!menu || (!next && !previous)) return TControl::KeyDown(nKey, nFlags);
  next ? menu->GoNext() : menu->GoPrev();
  if (const auto radio = menu->Radio(menu->nOption())) radio->SetFocus();
  return rt::Value(0);
}

void TRadio::Refresh() {
  const auto menu = MenuOf(oRadMenu);
  if (!menu) return;
  const rt::Value var = menu->bSetGet.IsBlock() ? menu->bSetGet.Eval() : rt::Value();
  const long option = var.IsNumber() ? svc::ToInt32(var) : 0;
  if (option < 1 || option > menu->Count()) {
    const rt::Value reset = menu->bSetGet.IsBlock() ? menu->bSetGet.Eval(rt::Value(1)) : rt::Value(1);
    menu->_nOption(reset.IsNumber() ? svc::ToInt32(reset) : 1);
  } else {
    menu->_nOption(option);
  }
  SetCheck(nPos == menu->nOption());
}

void TRadio::SetText(const std::string& cText) { SetButtonText(*this, cText); }
rt::Value TRadio::EraseBkGnd(LPARAM hDC) { return ButtonEraseBkGnd(*this, hDC); }
rt::Value TRadio::LostFocus(LPARAM hWndNew) { return ButtonLostFocus(*this, hWndNew); }
rt::Value TRadio::MouseMove(long nRow, long nCol, long nFlags) { return ButtonMouseMove(*this, nRow, nCol, nFlags); }

}  // namespace controls
