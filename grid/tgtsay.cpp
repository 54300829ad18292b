#include "grid/tgtsay.h"

#include <algorithm>
#include <cmath>

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/dark_color.h"
#include "grid/grid_geometry.h"
#include "runtime/strings.h"
#include "services/int32.h"

namespace grid {

namespace {

constexpr long kRed = 255;

// Selects a font, a text colour and a background mode into a DC for one
// paint and puts the old ones back at the end of the scope.
class DcState {
 public:
  DcState(HDC dc, HFONT font) : dc_(dc), colour_(GetTextColor(dc)), mode_(SetBkMode(dc, TRANSPARENT)) {
    if (font) oldFont_ = static_cast<HFONT>(SelectObject(dc, font));
  }
  ~DcState() {
    SetTextColor(dc_, colour_);
    SetBkMode(dc_, mode_);
    if (oldFont_) SelectObject(dc_, oldFont_);
  }
  DcState(const DcState&) = delete;
  DcState& operator=(const DcState&) = delete;

 private:
  HDC dc_;
  COLORREF colour_;
  int mode_;
  HFONT oldFont_ = nullptr;
};

}  // namespace

std::string TGTSay::CaptionOf(const rt::Value& u) const { return controls::ValueText(u, cPicture); }

TGTSay& TGTSay::New(const TSayArgs& a) {
  oWnd = controls::OwnerOr(a.oWnd);
  const auto owner = Container();
  bGet = a.bText.IsBlock() ? a.bText : rt::Value::Block([](rt::Args) { return rt::Value(""); });
  bSetGet = bGet;
  cPicture = a.cPicture;
  KeepFont(a.oFont.As<gfx::TFont>());
  if (!oFont && owner) {
    if (!owner->oFont) owner->GetFont();
    KeepFont(owner->oFont);
  }
  lCentered = rt::IsTrue(a.lCentered);
  lRight = rt::IsTrue(a.lRight);
  lDrag = rt::IsTrue(a.lDesign);
  lUpdate = rt::IsTrue(a.lUpdate);
  lShaded = rt::IsTrue(a.lShaded);
  blWhen = a.bWhen;
  aColors = rt::Value::ArrayOf(3);
  for (std::size_t i = 1; i <= 3 && a.aColors.IsArray() && i <= a.aColors.Len(); ++i) aColors.At(i) = a.aColors.At(i);
  if (aColors.At(1).IsNil()) aColors.At(1) = rt::Value(owner ? owner->nClrText : 0L);
  if (aColors.At(2).IsNil()) aColors.At(2) = rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE));
  const std::string box = a.cBox.IsString() ? rt::UPPER(a.cBox.AsString()) : std::string();
  if (box == "RAISED") lRaised = rt::Value(true);
  if (box == "BASS") lRaised = rt::Value(false);
  cCaption = CaptionOf(bGet.Eval());
  lMulti = cCaption.find("\r\n") != std::string::npos;
  const HFONT font = oFont ? oFont->hFont : nullptr;
  const long fontHeight = font ? GETFONTHEIGHT(nullptr, font) : 15;
  const long fontWidth = font ? SBGETHEIGHT(nullptr, font, 1) : 6;
  long top = controls::NumOr(a.nRow, 0), left = controls::NumOr(a.nCol, 0);
  if (!rt::IsTrue(a.lPixels)) {
    top = top * fontHeight + 2;
    left *= fontWidth;
  }
  // An empty caption has no width rather than a negative one.
  const long width = a.nWidth.IsNumber() ? controls::NumOr(a.nWidth, 0)
                                         : std::max(0L, fontWidth * static_cast<long>(cCaption.size()) - 4);
  const long height = a.nHeight.IsNumber() ? controls::NumOr(a.nHeight, 0) : fontHeight;
  nTop = static_cast<int>(top);
  nLeft = static_cast<int>(left);
  nBottom = nTop + static_cast<int>(height) - 1;
  nRight = nLeft + static_cast<int>(width) - 1;
  nStyle = WS_CHILD | WS_VISIBLE | (lDrag ? WS_CLIPSIBLINGS | WS_TABSTOP : 0);
  Register(CS_VREDRAW | CS_HREDRAW);
  controls::Place(*this, "");
  if (a.aBlink.IsArray()) {
    SetBlink(a.aBlink.Len() >= 1 ? a.aBlink.At(1) : rt::Value(), a.aBlink.Len() >= 2 ? a.aBlink.At(2) : rt::Value(),
             a.aBlink.Len() >= 3 ? a.aBlink.At(3) : rt::Value());
  }
  return *this;
}

TGTSay& TGTSay::ReDefine(long id, const rt::Value& bText, const rt::Value& owner, const rt::Value& picture,
                         const rt::Value& colours, const rt::Value& update, const rt::Value& font,
                         const rt::Value& shaded, const rt::Value& cBox, const rt::Value& blink,
                         const rt::Value& when) {
  oWnd = controls::OwnerOr(owner);
  nId = id;
  bGet = bText.IsBlock() ? bText : rt::Value();
  bSetGet = bGet;
  cPicture = picture;
  lUpdate = rt::IsTrue(update);
  KeepFont(font.As<gfx::TFont>());
  lShaded = rt::IsTrue(shaded);
  blWhen = when;
  const auto container = Container();
  aColors = rt::Value::ArrayOf(3);
  for (std::size_t i = 1; i <= 3 && colours.IsArray() && i <= colours.Len(); ++i) aColors.At(i) = colours.At(i);
  if (aColors.At(1).IsNil()) aColors.At(1) = rt::Value(container ? container->nClrText : 0L);
  if (aColors.At(2).IsNil()) aColors.At(2) = rt::Value(gfx::GETSYSCOLOR(COLOR_BTNFACE));
  const std::string box = cBox.IsString() ? rt::UPPER(cBox.AsString()) : std::string();
  if (box == "RAISED") lRaised = rt::Value(true);
  if (box == "BASS") lRaised = rt::Value(false);
  if (bGet.IsBlock()) cCaption = CaptionOf(bGet.Eval());
  Register(CS_VREDRAW | CS_HREDRAW);
  core::Ask(oWnd, "DefControl", Self());
  if (blink.IsArray()) {
    SetBlink(blink.Len() >= 1 ? blink.At(1) : rt::Value(), blink.Len() >= 2 ? blink.At(2) : rt::Value(),
             blink.Len() >= 3 ? blink.At(3) : rt::Value());
  }
  return *this;
}

void TGTSay::Default() {
  if (!oFont) {
    if (const auto owner = Container()) {
      if (!owner->oFont) owner->GetFont();
      KeepFont(owner->oFont);
    }
  }
  if (!hWnd) return;
  if (bGet.IsBlock()) {
    SetWindowTextA(hWnd, cCaption.c_str());
  } else {
    cCaption = GetText();
  }
  if (oFont) SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
  SetWindowLongPtrA(hWnd, GWL_EXSTYLE, GetWindowLongPtrA(hWnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void TGTSay::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  if (!hWnd) return;
  // A static control of a resource says how its text stands.
  const LONG_PTR style = GetWindowLongPtrA(hWnd, GWL_STYLE);
  lCentered = lCentered || (style & SS_CENTER) != 0;
  lRight = lRight || (style & SS_RIGHT) != 0;
  lMulti = lMulti || (style & 4) != 0;
  nStyle = WS_CHILD | WS_VISIBLE | (lDrag ? WS_CLIPSIBLINGS | WS_TABSTOP : 0);
  SetWindowLongPtrA(hWnd, GWL_STYLE, nStyle);
  Default();
}

rt::Value TGTSay::Destroy() {
  StopBlink();
  lBlink = rt::Value();
  const rt::Value answer = TControl::Destroy();
  if (onGone_) {
    auto hook = std::move(onGone_);
    onGone_ = nullptr;
    hook();
  }
  return answer;
}

rt::Value TGTSay::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

void TGTSay::End() {
  StopBlink();
  TControl::End();
}

rt::Value TGTSay::Colour(std::size_t n) {
  const rt::Value c = aColors.IsArray() && n <= aColors.Len() ? aColors.At(n) : rt::Value();
  return c.IsBlock() ? c.Eval(Self()) : c;
}

rt::Value TGTSay::Paint() {
  // Painting lets no message run: a blink tick or the end of a notice
  // cannot reach the label while it holds the DC.
  if (painting_ || !hDC) return {};
  painting_ = true;
  const auto keep = Self();
  RECT r{};
  GetClientRect(hWnd, &r);
  const long c1 = svc::ToInt32(Colour(1));
  const rt::Value c2 = Colour(2), c3 = Colour(3);
  const std::string text = bGet.IsBlock() ? CaptionOf(bGet.Eval()) : cCaption;
  if (blWhen.IsBlock() && !rt::IsTrue(blWhen.Eval())) {
    if (!lHidden) {
      lHidden = true;
      ShowWindow(hWnd, SW_HIDE);
    }
    painting_ = false;
    return {};
  }
  if (aBlink.IsArray()) {
    const rt::Value pending = aBlink;
    aBlink = rt::Value();
    SetBlink(pending.Len() >= 1 ? pending.At(1) : rt::Value(), pending.Len() >= 2 ? pending.At(2) : rt::Value(),
             pending.Len() >= 3 ? pending.At(3) : rt::Value());
  }
  const UINT format = lCentered ? DT_CENTER : (lRight ? DT_RIGHT : DT_LEFT);
  long light = 0, dark = 0;
  if (c3.IsNil()) {
    light = DARKCOLOR(svc::ToInt32(c2), -48);
    dark = DARKCOLOR(svc::ToInt32(c2), 48);
  } else {
    light = svc::ToInt32(c2);
    dark = svc::ToInt32(c3);
  }
  const bool blinkPhase = rt::IsTrue(lBlink);
  const COLORREF face = static_cast<COLORREF>(blinkPhase ? nClrBlink : c1);
  {
    DcState state(hDC, oFont ? oFont->hFont : nullptr);
    auto draw = [&](long colour) {
      SetTextColor(hDC, static_cast<COLORREF>(colour));
      DrawTextA(hDC, text.c_str(), -1, &r, format);
    };
    if (lRaised.IsLogical() && lRaised.AsLogical()) {
      if (!blinkPhase) OffsetRect(&r, -1, -1);
      draw(light);
      if (!blinkPhase) OffsetRect(&r, 2, 2);
      draw(dark);
      OffsetRect(&r, -1, -1);
      draw(static_cast<long>(face));
    } else if (lRaised.IsLogical()) {
      OffsetRect(&r, -1, -1);
      draw(dark);
      OffsetRect(&r, 2, 2);
      draw(light);
      OffsetRect(&r, -1, -1);
      draw(static_cast<long>(face));
    } else if (lShaded) {
      if (!blinkPhase) {
        OffsetRect(&r, 2, 2);
        draw(dark);
        OffsetRect(&r, -1, -1);
        draw(dark);
        OffsetRect(&r, -1, -1);
      }
      draw(static_cast<long>(face));
    } else {
      draw(static_cast<long>(face));
    }
  }
  lPainted = true;
  painting_ = false;
  return {};
}

void TGTSay::Refresh(bool lErase) {
  if (bGet.IsBlock()) cCaption = CaptionOf(bGet.Eval());
  if (!hWnd) return;
  if (lHidden && (!blWhen.IsBlock() || rt::IsTrue(blWhen.Eval()))) {
    lHidden = false;
    ShowWindow(hWnd, SW_SHOWNA);
  }
  // The label has no background of its own: what lies under it is painted
  // again first, so that the last phase's shades do not stay.
  if (const HWND parent = GetParent(hWnd)) {
    RECT r{};
    GetWindowRect(hWnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(parent, &r, lErase);
  }
  TControl::Refresh(lErase);
}

void TGTSay::SetText(const rt::Value& u) {
  cCaption = CaptionOf(u);
  if (hWnd) SetWindowTextA(hWnd, cCaption.c_str());
}

void TGTSay::VarPut(const rt::Value& u) {
  const rt::Value text(CaptionOf(u));
  bGet = rt::Value::Block([text](rt::Args) { return text; });
}

void TGTSay::SetBlink(const rt::Value& nClr, const rt::Value& nInterval, const rt::Value& nMaxTime) {
  nClrBlink = controls::NumOr(nClr, kRed);
  const long interval = controls::NumOr(nInterval, 500);
  nMaxBlink = nMaxTime.IsNil() ? rt::Value(0) : nMaxTime;
  nBlinkTot = 0;
  if (!blinkAsked_) {
    blinkAsked_ = true;
    aBlink = rt::Value::Array({rt::Value(nClrBlink), rt::Value(interval), nMaxBlink});
    return;
  }
  if (lBlink.IsNil()) lBlink = rt::Value(true);
  if (!oBlink) {
    std::weak_ptr<TGTSay> weak = std::static_pointer_cast<TGTSay>(shared_from_this());
    oBlink = std::make_shared<svc::TTimer>();
    oBlink->New(interval, rt::Value::Block([weak](rt::Args) {
                  if (const auto label = weak.lock()) label->BlinkTick();
                  return rt::Value();
                }),
                Self());
  }
  oBlink->Activate();
}

void TGTSay::BlinkTick() {
  // The label and its timer stay alive until the tick is over, even when
  // the end of blinking ends the label.
  const auto keep = Self();
  const auto timer = oBlink;
  lBlink = rt::Value(!rt::IsTrue(lBlink));
  if (lPainted) {
    Refresh(false);
    nBlinkTot += timer ? timer->nInterval : 0;
  }
  const bool over = nMaxBlink.IsBlock() ? !rt::IsTrue(nMaxBlink.Eval()) : (nMaxBlink.AsNumber() > 0 && nBlinkTot > nMaxBlink.AsNumber());
  if (!over) return;
  StopBlink();
  lBlink = rt::Value(false);
  Refresh(false);
  bEnd.Eval(Self());
}

void TGTSay::StopBlink() {
  if (oBlink) {
    const auto timer = std::move(oBlink);
    oBlink = nullptr;
    timer->End();
  }
}

rt::Value TGTSay::EraseBkGnd(LPARAM) { return rt::Value(1); }

}  // namespace grid
