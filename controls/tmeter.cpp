#include "controls/tmeter.h"

#include <algorithm>

#include "controls/control_owner.h"
#include "core/long_value.h"
#include "core/message_loop.h"
#include "graphics/meter.h"

namespace controls {

namespace {

bool Flag(const rt::Value& v) { return v.IsLogical() && v.AsLogical(); }
long ColourOr(const rt::Value& v, long n) { return v.IsNumber() ? core::LongOf(v) : n; }

}  // namespace

TMeter& TMeter::New(const MeterArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  const auto owner = Container();
  bSetGet = a.bSetGet.IsBlock() ? a.bSetGet : rt::Value::Block([](rt::Args) { return rt::Value(1); });
  nTotal = a.nTotal.IsNumber() ? a.nTotal.AsNumber() : 10;
  const int width = a.nWidth.IsNumber() ? static_cast<int>(a.nWidth.AsNumber()) : 300;
  const int height = a.nHeight.IsNumber() ? static_cast<int>(a.nHeight.AsNumber()) : 20;
  int top = static_cast<int>(a.nRow.AsNumber()), left = static_cast<int>(a.nCol.AsNumber());
  if (!Flag(a.lPixel)) {
    top *= 14;
    left *= 8;
  }
  nTop = top;
  nLeft = left;
  nBottom = top + height;
  nRight = left + width;
  oFont = a.oFont.As<gfx::TFont>();
  // A text of one character 0 shows as nothing.
  cText = a.cText.IsString() ? a.cText.AsString() : std::string(1, '\0');
  lPercentage = !Flag(a.lNoPercentage);
  SetColor(rt::Value(ColourOr(a.nClrText, owner ? owner->nClrText : 0)),
           rt::Value(ColourOr(a.nClrPane, owner ? owner->nClrPane : 0)));
  nClrBar = ColourOr(a.nClrBar, kMeterBar);
  nClrBText = ColourOr(a.nClrBText, kMeterBarText);
  lDrag = Flag(a.lDesign);
  nStyle = WS_CHILD | WS_VISIBLE;
  if (lDrag) nStyle |= WS_CLIPSIBLINGS | WS_TABSTOP;
  nRefresh = 0;
  Register(CS_VREDRAW | CS_HREDRAW);
  Place(*this, "");
  return *this;
}

void TMeter::Default() {
  if (VarGet().IsNil()) VarPut(rt::Value(0));
  if (!oFont) {
    if (const auto owner = Container()) oFont = owner->oFont;
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
