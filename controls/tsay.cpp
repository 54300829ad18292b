#include "controls/tsay.h"

#include <cmath>
#include <cstdio>

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"
#include "graphics/ctl3d.h"
#include "graphics/dc.h"
#include "graphics/theme.h"
#include "services/int32.h"

namespace controls {

namespace {


rt::Value TextBlock(const std::string& text) {
  return rt::Value::Block([text](rt::Args) { return rt::Value(text); });
}

}  // namespace

TSay& TSay::New(const SayArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  bGet = a.bText.IsBlock() ? a.bText : TextBlock("");
  bSetGet = bGet;
  cPicture = a.cPicture;
  KeepFont(a.oFont.As<gfx::TFont>());
  lDrag = rt::IsTrue(a.lDesign);
  lUpdate = rt::IsTrue(a.lUpdate);
  l3D = rt::IsTrue(a.lShaded) || rt::IsTrue(a.lBox) || rt::IsTrue(a.lRaised);
  cCaption = ValueText(bGet.Eval(), cPicture);
  const long fore = a.nClrText.IsNil() && owner ? owner->nClrText : svc::ToInt32(a.nClrText);
  long back = svc::ToInt32(a.nClrBack);
  if (a.nClrBack.IsNil()) back = owner && owner->ClassName() == vdclass::kWindow ? owner->nClrPane : gfx::GETSYSCOLOR(COLOR_BTNFACE);
  SetColor(rt::Value(fore), rt::Value(back));
  // An empty caption has no width rather than a negative one.
  const long width = a.nWidth.IsNumber() ? svc::ToInt32(a.nWidth)
                                         : std::max(0L, 6 * static_cast<long>(cCaption.size()) - 4);
  long height = 15;
  if (a.nHeight.IsNumber()) {
    height = svc::ToInt32(a.nHeight);
  } else if (oFont) {
    height = std::abs(static_cast<long>(oFont->nInpHeight));
  }
  int top = static_cast<int>(svc::ToInt32(a.nRow)), left = static_cast<int>(svc::ToInt32(a.nCol));
  if (!rt::IsTrue(a.lPixel)) {
    top = top * 15 + 2;
    left *= 6;
  }
  nTop = top;
  nLeft = left;
  nBottom = top + static_cast<int>(height) - 1;
  nRight = left + static_cast<int>(width) - 1;
  nStyle = WS_CHILD | WS_VISIBLE;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS | WS_TABSTOP;
  if (rt::IsTrue(a.lCentered)) {
    nStyle |= SS_CENTER;
  } else if (rt::IsTrue(a.lRight)) {
    nStyle |= SS_RIGHT;
  }
  if (rt::IsTrue(a.lBorder)) nStyle |= WS_BORDER;
  if (rt::IsTrue(a.lShaded)) nStyle |= SS_BLACKRECT;
  if (rt::IsTrue(a.lBox)) nStyle |= SS_GRAYRECT;
  if (rt::IsTrue(a.lRaised)) nStyle |= SS_WHITERECT;
  Place(*this, "STATIC");
  if (hWnd && l3D) gfx::CTL3DLOOK(hWnd);
  return *this;
}

TSay& TSay::ReDefine(long id, const rt::Value& bText, const rt::Value& owner, const rt::Value& picture,
                     const rt::Value& nClrText, const rt::Value& nClrBack, bool update, const rt::Value& font) {
  oWnd = OwnerOr(owner);
  cPicture = picture;
  lUpdate = update;
  KeepFont(font.As<gfx::TFont>());
  if (bText.IsBlock()) {
    bGet = bText;
    bSetGet = bText;
    cCaption = ValueText(bText.Eval(), cPicture);
  }
  const auto container = Container();
  SetColor(nClrText.IsNil() && container ? rt::Value(container->nClrText) : nClrText,
           nClrBack.IsNil() ? rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE)) : nClrBack);
  nId = id;
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TSay::Default() {
  if (!oFont) {
    if (const auto owner = Container()) {
      if (!owner->oFont) owner->GetFont();
      KeepFont(owner->oFont);
    }
  }
  if (oFont && hWnd) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
}

void TSay::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  if (bGet.IsBlock()) {
    SetWindowTextA(hWnd, cCaption.c_str());
  } else {
    cCaption = GetText();
  }
}

void TSay::Refresh() {
  if (bGet.IsBlock()) SetText(bGet.Eval());
}

void TSay::SetText(const rt::Value& u) {
  cCaption = ValueText(u, cPicture);
  if (!hWnd) return;
  if (gfx::ISAPPTHEMED()) {
    const HDC dc = GetDC();
    gfx::DRAWPBACK(hWnd, dc);
    ReleaseDC();
  }
  SetWindowTextA(hWnd, cCaption.c_str());
}

void TSay::VarPut(const rt::Value& u) { bGet = TextBlock(ValueText(u, cPicture)); }

std::string TSay::cGenPrg() const {
  auto n3 = [](int n) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%3d", n);
    return std::string(digits);
  };
  return "\r\n   @ " + n3(nTop) + ", " + n3(nLeft) + " SAY \"" + cCaption + "\" SIZE " + n3(nRight - nLeft) + ", " +
         n3(nBottom - nTop) + " PIXEL OF oWnd\r\n";
}

rt::Value TSay::EraseBkGnd(LPARAM hDC) { return gfx::ISAPPTHEMED() ? rt::Value(1) : TControl::EraseBkGnd(hDC); }

rt::Value TSay::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  if (nMsg == WM_LBUTTONDOWN) {
    return LButtonDown(HIWORD(nLParam), LOWORD(nLParam), static_cast<long>(nWParam));
  }
  if (nMsg == WM_NCHITTEST && (lDrag || lWantClick)) {
    return rt::Value(static_cast<long>(DefWindowProcA(hWnd, nMsg, nWParam, nLParam)));
  }
  return TControl::HandleEvent(nMsg, nWParam, nLParam);
}

}  // namespace controls
