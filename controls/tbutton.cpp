#include "controls/tbutton.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "controls/control_owner.h"
#include "controls/processing_guard.h"
#include "core/send_soft.h"
#include "services/int32.h"

namespace controls {

namespace {

std::string ThreeDigits(long n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%3ld", n);
  return digits;
}

}  // namespace

TButton& TButton::New(const ButtonArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  cCaption = a.cCaption.IsString() ? a.cCaption.AsString() : std::string("&Button");
  bAction = a.bAction;
  const long width = NumOr(a.nWidth, std::max(static_cast<long>(cCaption.size()) * 6, 30L));
  const long height = NumOr(a.nHeight, 13);
  nHelpId = a.nHelpId.IsNil() ? rt::Value(100) : a.nHelpId;
  // A use of the font of its own: the button ends it when it goes.
  KeepFont(a.oFont.As<gfx::TFont>());
  lDefault = rt::IsTrue(a.lDefault);
  lDrag = rt::IsTrue(a.lDesign);
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  lCancel = rt::IsTrue(a.lCancel);
  long top = NumOr(a.nRow, 0), left = NumOr(a.nCol, 0);
  if (!rt::IsTrue(a.lPixel)) {
    top *= 18;
    left *= 6;
  }
  nTop = static_cast<int>(top);
  nLeft = static_cast<int>(left);
  nBottom = static_cast<int>(top + height);
  nRight = static_cast<int>(left + width);
  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (lDefault ? BS_DEFPUSHBUTTON : 0) | (lDrag ? WS_CLIPSIBLINGS : 0);
  const bool design = lDrag;
  const auto owner = Container();
  if (owner && owner->hWnd) {
    nId = GetNewId();
    Create("BUTTON");
    owner->AddControl(Self());
    if (!oFont) KeepFont(owner->oFont);
    if (oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  } else {
    core::Ask(oWnd, "DefControl", Self());
  }
  if (design) {
    lDrag = true;
    CheckDots();
  }
  return *this;
}

TButton& TButton::ReDefine(const ButtonRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = a.nId.IsNumber() ? svc::ToInt32(a.nId) : GetNewId();
  hWnd = nullptr;
  bAction = a.bAction;
  nHelpId = a.nHelpId.IsNil() ? rt::Value(100) : a.nHelpId;
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  if (a.cCaption.IsString()) cCaption = a.cCaption.AsString();
  lCancel = rt::IsTrue(a.lCancel);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TButton::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  lDefault = hWnd && (GetWindowLongA(hWnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  lProcessing = false;
  if (hWnd && !cCaption.empty()) SetText(cCaption);
}

rt::Value TButton::Click() {
  if (lProcessing) return {};
  const std::shared_ptr<Object> keep = shared_from_this();
  {
    ProcessingGuard guard(lProcessing);
    if (bAction.IsBlock()) bAction.Eval();
    const auto owner = Container();
    if (!lCancel && owner && IsWindow(owner->hWnd)) TControl::Click();
    if (hWnd && IsWindow(hWnd)) {
      if (GetFocus() == hWnd) {
        PostMessageA(hWnd, kSetButtonStyle, BS_DEFPUSHBUTTON, 1);
      } else if (!lDefault) {
        PostMessageA(hWnd, kSetButtonStyle, BS_PUSHBUTTON, 1);
      }
    }
  }
  return {};
}

rt::Value TButton::GotFocus(LPARAM hWndLost) {
  PostMessageA(hWnd, kSetButtonStyle, BS_DEFPUSHBUTTON, 1);
  return TControl::GotFocus(hWndLost);
}

rt::Value TButton::LostFocus(LPARAM hWndNew) {
  if (!lDefault) PostMessageA(hWnd, kSetButtonStyle, BS_PUSHBUTTON, 1);
  return TControl::LostFocus(hWndNew);
}

rt::Value TButton::KeyDown(long nKey, long nFlags) {
  const auto owner = Container();
  if (owner) owner->nLastKey = nKey;
  switch (nKey) {
    case VK_UP:
    case VK_LEFT:
      if (owner) owner->GoPrevCtrl(hWnd);
      return rt::Value(0);
    case VK_DOWN:
    case VK_RIGHT:
      if (owner) owner->GoNextCtrl(hWnd);
      return rt::Value(0);
    case VK_RETURN:
      PostMessageA(hWnd, core::WM_VD_CLICK, 0, 0);
      return rt::Value(0);
    default:
      return TControl::KeyDown(nKey, nFlags);
  }
}

rt::Value TButton::MouseMove(long nRow, long nCol, long nFlags) {
  TControl::MouseMove(nRow, nCol, nFlags);
  return {};
}

std::string TButton::cGenPRG() {
  CoorsUpdate();
  return "\r\n   @ " + ThreeDigits(nTop) + ", " + ThreeDigits(nLeft) + " BUTTON \"" + cCaption + "\" SIZE " +
         ThreeDigits(nRight - nLeft + 1) + ", " + ThreeDigits(nBottom - nTop + 1) + " PIXEL OF oWnd ;\r\n" +
         "      ACTION MsgInfo( \"Not defined yet!\" )\r\n";
}

std::shared_ptr<TButton> ButtonRow::Add(int nCol, const char* cCaption, bool lDefault, rt::Value bAction) const {
  ButtonArgs b;
  b.nRow = nRow;
  b.nCol = nCol;
  b.nWidth = nWidth;
  b.nHeight = 10;
  b.lPixel = true;
  b.cCaption = cCaption;
  b.lDefault = lDefault;
  b.bAction = std::move(bAction);
  b.oWnd = oWnd;
  b.oFont = oFont;
  auto button = std::make_shared<TButton>();
  button->New(b);
  return button;
}

}  // namespace controls
