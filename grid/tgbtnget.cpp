#include "grid/tgbtnget.h"

#include "runtime/value_fns.h"
#include "services/int32.h"

namespace grid {

namespace {

constexpr long kDialog3DLook = 4;  // DS_3DLOOK

}  // namespace

TGBtnGet& TGBtnGet::New(const BtnGetArgs& a) {
  cResName = a.cResName;
  bAction = a.bAction;
  nBmpWidth = a.nBmpWidth.IsNumber() ? a.nBmpWidth : rt::Value(16);
  controls::TGet::New(a.get);
  SetIniClr();
  return *this;
}

TGBtnGet& TGBtnGet::ReDefine(const BtnGetRedefineArgs& a) {
  cResName = a.cResName;
  bAction = a.bAction;
  nBmpWidth = a.nBmpWidth.IsNumber() ? a.nBmpWidth : rt::Value(16);
  controls::TGet::ReDefine(a.get);
  SetIniClr();
  return *this;
}

void TGBtnGet::SetIniClr() {
  nClrFocuText = nClrPFoText = rt::Value(nClrText);
  nClrFocuPane = nClrPFoPane = rt::Value(nClrPane);
  std::weak_ptr<TGBtnGet> weak = std::static_pointer_cast<TGBtnGet>(shared_from_this());
  bGotFocus = rt::Value::Block([weak](rt::Args) {
    if (const auto self = weak.lock()) self->SetColor(self->nClrFocuText, self->nClrFocuPane);
    return rt::Value();
  });
  bLostFocus = rt::Value::Block([weak](rt::Args) {
    if (const auto self = weak.lock()) self->SetColor(self->nClrPFoText, self->nClrPFoPane);
    return rt::Value();
  });
}

int TGBtnGet::ButtonMargin() const {
  const bool bitmap = cResName.IsString() && !cResName.AsString().empty();
  return static_cast<int>(svc::ToInt32(nBmpWidth)) + 4 - (bitmap ? 0 : 9);
}

void TGBtnGet::Initiate(HWND hDlg) {
  TGGet::Initiate(hDlg);
  Default();
}

void TGBtnGet::Default() {
  TGGet::Default();
  if (!bAction.IsBlock() || !hWnd) return;
  if (!oBtn) {
    // The edit paints over its children unless told not to.
    SetWindowLongA(hWnd, GWL_STYLE, GetWindowLongA(hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
    std::weak_ptr<TGBtnGet> weak = std::static_pointer_cast<TGBtnGet>(shared_from_this());
    controls::BtnBmpArgs b;
    b.nTop = 0;
    b.nLeft = 0;
    b.nWidth = 12;
    b.nHeight = 12;
    b.cResName1 = cResName;
    b.oWnd = Self();
    b.bAction = rt::Value::Block([weak](rt::Args) {
      if (const auto self = weak.lock()) {
        self->bAction.Eval(self->Self());
        if (self->hWnd) ::SetFocus(self->hWnd);
      }
      return rt::Value();
    });
    oBtn = std::make_shared<TBtnDown>();
    oBtn->New(b);
    lBtnORBmp = cResName.IsString() && !cResName.AsString().empty();
    // While the button has the focus the editor must not validate.
    oBtn->bGotFocus = rt::Value::Block([weak](rt::Args) {
      if (const auto self = weak.lock()) {
        self->bTmpValid = self->bValid;
        self->bValid = rt::Value();
        if (const auto popup = self->Container()) popup->nLastKey = 0;
      }
      return rt::Value();
    });
    oBtn->bLostFocus = rt::Value::Block([weak](rt::Args) {
      if (const auto self = weak.lock(); self && self->bTmpValid.IsBlock()) {
        self->bValid = self->bTmpValid;
        self->bTmpValid = rt::Value();
      }
      return rt::Value();
    });
  }
  PlaceButton();
}

void TGBtnGet::PlaceButton() {
  if (!oBtn || !oBtn->hWnd) return;
  const bool bitmap = cResName.IsString() && !cResName.AsString().empty();
  const HWND parent = GetParent(hWnd);
  const bool look3D = parent && (GetWindowLongA(parent, GWL_STYLE) & kDialog3DLook);
  RECT r{};
  GetWindowRect(hWnd, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  int left = 0, size = 0, top = 0, tall = 0;
  if (look3D) {
    left = bitmap ? width - 18 : width - 16;
    size = bitmap ? 18 : 12;
    tall = height - 4;
  } else {
    left = bitmap ? width - 20 : width - 15;
    size = bitmap ? 20 : 14;
    top = 1;
    tall = height - 2;
  }
  if (GetWindowLongA(hWnd, GWL_STYLE) & WS_VSCROLL) left -= GetSystemMetrics(SM_CYVSCROLL) - 1;
  oBtn->Move(top, left, size, tall, true);
  GETBTN(hWnd, ButtonMargin());
}

bool TGBtnGet::OwnKey(long nKey) {
  const long fire = nFireKey.IsNumber() ? svc::ToInt32(nFireKey) : kBtnGetFireKey;
  if (nKey != fire || !oBtn) return false;
  lReturn = true;
  oBtn->Click();
  return true;
}

bool TGBtnGet::KeepsEditOn(HWND hWndNew) {
  if ((oBtn && hWndNew == oBtn->hWnd) || lReturn) {
    lReturn = true;
    return true;
  }
  return false;
}

const EditMenuLabels& TGBtnGet::MenuLabels() const {
  static const EditMenuLabels labels{"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"};
  return labels;
}

void GETBTN(HWND hWnd, int nWidth) {
  const auto margins = static_cast<DWORD>(SendMessageA(hWnd, EM_GETMARGINS, 0, 0));
  SendMessageA(hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(LOWORD(margins), nWidth));
}

}  // namespace grid
