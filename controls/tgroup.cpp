#include "controls/tgroup.h"

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/theme.h"
#include "services/int32.h"

namespace controls {

namespace {

int IntOr(const rt::Value& v, int n) { return v.IsNumber() ? static_cast<int>(v.AsNumber()) : n; }

}  // namespace

void TGroup::Colours(const rt::Value& nClrText, const rt::Value& nClrBack, const rt::Value& font, bool transparent) {
  const auto owner = Container();
  SetColor(nClrText.IsNil() && owner ? rt::Value(owner->nClrText) : nClrText,
           nClrBack.IsNil() && owner ? rt::Value(owner->nClrPane) : nClrBack,
           transparent ? std::make_shared<gfx::TBrush>()->New(rt::Value("NULL")) : nullptr);
  KeepFont(font.As<gfx::TFont>());
  if (!oFont && owner) KeepFont(owner->oFont);
}

TGroup& TGroup::New(const GroupArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  int top = IntOr(a.nTop, 0), left = IntOr(a.nLeft, 0), bottom = IntOr(a.nBottom, 3), right = IntOr(a.nRight, 3);
  if (!rt::IsTrue(a.lPixel)) {
    top *= 14;
    bottom *= 14;
    left *= 7;
    right *= 7;
  }
  nTop = top;
  nLeft = left;
  nBottom = bottom;
  nRight = right;
  cCaption = a.cLabel.IsString() ? a.cLabel.AsString() : std::string();
  lDrag = rt::IsTrue(a.lDesign);
  nStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
  if (lDrag) nStyle |= WS_TABSTOP | WS_CLIPSIBLINGS;
  Colours(a.nClrText, a.nClrBack, a.oFont, rt::IsTrue(a.lTransparent));
  Place(*this, "BUTTON");
  if (hWnd && oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  return *this;
}

TGroup& TGroup::ReDefine(const rt::Value& id, const rt::Value& cLabel, const rt::Value& owner,
                         const rt::Value& nClrText, const rt::Value& nClrBack, const rt::Value& font,
                         bool transparent) {
  oWnd = OwnerOr(owner);
  nId = id.IsNumber() ? svc::ToInt32(id) : GetNewId();
  cCaption = cLabel.IsString() ? cLabel.AsString() : std::string();
  Colours(nClrText, nClrBack, font, transparent);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TGroup::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  if (cCaption.empty()) {
    cCaption = GetText();
  } else {
    SetWindowTextA(hWnd, cCaption.c_str());
  }
}

rt::Value TGroup::EraseBkGnd(LPARAM hDC) { return gfx::ISAPPTHEMED() ? rt::Value(1) : TControl::EraseBkGnd(hDC); }

rt::Value TGroup::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_NCHITTEST && lDrag) return rt::Value(static_cast<long>(DefWindowProcA(hWnd, nMsg, nWParam, nLParam)));
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace controls
