#include "controls/tmeter.h"

#include <algorithm>

#include "controls/control_owner.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "graphics/meter.h"
#include "services/int32.h"

namespace controls {

namespace {

long ColourOr(const rt::Value& v, long n) { return v.IsNumber() ? svc::ToInt32(v) : n; }

}  // namespace

TMeter& TMeter::New(const MeterArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  Common(a.bSetGet, a.nTotal, a.oFont, a.cText, a.lNoPercentage, a.nClrPane, a.nClrText, a.nClrBar, a.nClrBText);
  const int width = a.nWidth.IsNumber() ? static_cast<int>(a.nWidth.AsNumber()) : 300;
  const int height = a.nHeight.IsNumber() ? static_cast<int>(a.nHeight.AsNumber()) : 20;
  int top = static_cast<int>(a.nRow.AsNumber()), left = static_cast<int>(a.nCol.AsNumber());
  if (!rt::IsTrue(a.lPixel)) {
    top *= 14;
    left *= 8;
  }
  nTop = top;
  nLeft = left;
  nBottom = top + height;
  nRight = left + width;
  lDrag = rt::IsTrue(a.lDesign);
  nStyle = WS_CHILD | WS_VISIBLE;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS | WS_TABSTOP;
  Register(CS_VREDRAW | CS_HREDRAW);
  Place(*this, "");
  return *this;
}

TMeter& TMeter::ReDefine(const MeterRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  Common(a.bSetGet, a.nTotal, a.oFont, a.cText, a.lNoPercentage, a.nClrPane, a.nClrText, a.nClrBar, a.nClrBText);
  nId = a.nId.IsNumber() ? svc::ToInt32(a.nId) : GetNewId();
  lUpdate = rt::IsTrue(a.lUpdate);
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TMeter::Common(const rt::Value& setGet, const rt::Value& total, const rt::Value& font, const rt::Value& text,
                    const rt::Value& noPercentage, const rt::Value& pane, const rt::Value& textColour,
                    const rt::Value& bar, const rt::Value& barText) {
  const auto owner = Container();
  bSetGet = setGet.IsBlock() ? setGet : rt::Value::Block([](rt::Args) { return rt::Value(1); });
  nTotal = total.IsNumber() ? total.AsNumber() : 10;
  KeepFont(font.As<gfx::TFont>());
  // A text of one character 0 shows as nothing.
  cText = text.IsString() ? text.AsString() : std::string(1, '\0');
  lPercentage = !rt::IsTrue(noPercentage);
  SetColor(rt::Value(ColourOr(textColour, owner ? owner->nClrText : 0)),
           rt::Value(ColourOr(pane, owner ? owner->nClrPane : 0)));
  nClrBar = ColourOr(bar, kMeterBar);
  nClrBText = ColourOr(barText, kMeterBarText);
  nRefresh = 0;
}

void TMeter::Default() {
  if (VarGet().IsNil()) VarPut(rt::Value(0));
  if (!oFont) {
    if (const auto owner = Container()) KeepFont(owner->oFont);
  }
}

void TMeter::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  Default();
}

double TMeter::Value() {
  const rt::Value v = VarGet();
  return v.IsNumber() ? v.AsNumber() : 0;
}

int TMeter::Percent() {
  const double total = std::max(nTotal, 0.0);
  return static_cast<int>(Value() * 100 / (total == 0 ? 1 : total));
}

void TMeter::Set(const rt::Value& n) {
  const double total = std::max(nTotal, 0.0);
  const double value = std::clamp(n.IsNumber() ? n.AsNumber() : Value(), 0.0, total);
  VarPut(rt::Value(value));
  if (total != 0 && value >= total / 100) {
    nRefresh += value * 100 / total;
    if (hWnd) {
      InvalidateRect(hWnd, nullptr, FALSE);
      UpdateWindow(hWnd);
    }
    core::SYSREFRESH();
  }
}

void TMeter::SetTotal(double n) {
  nTotal = n;
  if (hWnd) InvalidateRect(hWnd, nullptr, TRUE);
}

rt::Value TMeter::Paint() {
  const int percent = std::clamp(Percent(), 0, 100);
  gfx::METERPAINT(hWnd, hDC, percent, cText.size() == 1 && cText[0] == '\0' ? std::string() : cText, lPercentage,
                  static_cast<COLORREF>(nClrPane), static_cast<COLORREF>(nClrText), static_cast<COLORREF>(nClrBar),
                  static_cast<COLORREF>(nClrBText), oFont ? oFont->hFont : nullptr);
  return {};
}

rt::Value TMeter::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

}  // namespace controls
