#include "grid/tgbscrlbar.h"

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "grid/scroll_natives.h"
#include "services/int32.h"

namespace grid {

namespace {

long NumberOr(const rt::Value& u, long fallback) { return u.IsNumber() ? u.AsInt() : fallback; }
bool LogicalOr(const rt::Value& u, bool fallback) { return u.IsLogical() ? u.AsLogical() : fallback; }

rt::Value ColourOr(const rt::Value& u, long fallback) { return u.IsNil() ? rt::Value(fallback) : u; }

}  // namespace

const rt::Value& TGBScrlBar::aProperties() {
  static const rt::Value names =
      rt::Value::Array({"cVarName", "nMin", "nMax", "nPgStep", "nTop", "nLeft", "Cargo"});
  return names;
}

TGBScrlBar& TGBScrlBar::New(const ScrlBarArgs& a) {
  nMin = NumberOr(a.nMin, 0);
  nMax = NumberOr(a.nMax, 0);
  nPgStep = NumberOr(a.nPgStep, 1);
  lVertical = LogicalOr(a.lVertical, true);
  oWnd = controls::OwnerOr(a.oWnd);
  controls::PlaceAt(*this, NumberOr(a.nRow, 0), NumberOr(a.nCol, 0), NumberOr(a.nWidth, lVertical ? 16 : 100),
                    NumberOr(a.nHeight, lVertical ? 100 : 17), rt::IsTrue(a.lPixel));
  bGoUp = a.bUpAct;
  bGoDown = a.bDownAct;
  bPageUp = a.bPgUp;
  bPageDown = a.bPgDown;
  bPos = a.bPos;
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  lDrag = rt::IsTrue(a.lDesign);
  lReDraw = true;
  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (lVertical ? SBS_VERT : 0) | (lDrag ? WS_CLIPSIBLINGS : 0);
  SetColor(ColourOr(a.nClrText, gfx::GETSYSCOLOR(COLOR_WINDOW)), ColourOr(a.nClrBack, 0));
  controls::Place(*this, "SCROLLBAR");
  if (hWnd) {
    SetRange(static_cast<int>(nMin), static_cast<int>(nMax));
    SetPos(static_cast<int>(nMin));
  }
  return *this;
}

TGBScrlBar& TGBScrlBar::WinNew(const ScrlBarWinArgs& a) {
  nMin = NumberOr(a.nMin, 1);
  nMax = NumberOr(a.nMax, 2);
  nPgStep = NumberOr(a.nPgStep, 1);
  lVertical = LogicalOr(a.lVertical, true);
  oWnd = controls::OwnerOr(a.oWnd);
  bGoUp = a.bUpAction;
  bGoDown = a.bDownAction;
  bPageUp = a.bPgUp;
  bPageDown = a.bPgDown;
  bPos = a.bPos;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  lIsChild = true;
  lReDraw = true;
  lShowDisabled = false;
  SetMode();
  SetColor(ColourOr(a.nClrText, gfx::GETSYSCOLOR(COLOR_WINDOW)), ColourOr(a.nClrBack, 0));
  SetRange(static_cast<int>(nMin), static_cast<int>(nMax));
  SetPos(static_cast<int>(nMin));
  return *this;
}

TGBScrlBar& TGBScrlBar::ReDefine(long id, const rt::Value& min, const rt::Value& max, const rt::Value& pgStep,
                                 const rt::Value& owner, const rt::Value& bUp, const rt::Value& bDown,
                                 const rt::Value& bPgUp, const rt::Value& bPgDown, const rt::Value& pos,
                                 const rt::Value& nClrText, const rt::Value& nClrBack, const rt::Value& msg,
                                 const rt::Value& update, const rt::Value& when, const rt::Value& valid) {
  nId = id;
  nMin = NumberOr(min, 0);
  nMax = NumberOr(max, 0);
  nPgStep = NumberOr(pgStep, 1);
  lVertical = false;
  lReDraw = true;
  oWnd = controls::OwnerOr(owner);
  bGoUp = bUp;
  bGoDown = bDown;
  bPageUp = bPgUp;
  bPageDown = bPgDown;
  bPos = pos;
  cMsg = msg;
  lUpdate = rt::IsTrue(update);
  bWhen = when;
  bValid = valid;
  SetColor(ColourOr(nClrText, gfx::GETSYSCOLOR(COLOR_WINDOW)), ColourOr(nClrBack, 0));
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TGBScrlBar::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  SetRange(static_cast<int>(nMin), static_cast<int>(nMax));
  SetPos(static_cast<int>(nMin));
}

HWND TGBScrlBar::BarWindow() const {
  if (!lIsChild) return hWnd;
  return reinterpret_cast<HWND>(svc::ToHandle(core::Ask(oWnd, "hWnd")));
}

int TGBScrlBar::BarKind() const {
  if (!lIsChild) return SB_CTL;
  return lVertical ? SB_VERT : SB_HORZ;
}

int TGBScrlBar::GetPos() const { return GETSCROLLPOS(BarWindow(), BarKind()); }

rt::Value TGBScrlBar::GetRange() const { return GETSCROLLRANGE(BarWindow(), BarKind()); }

// A bar is drawn again on every setting, even of what it already shows; the
// grid sets its position and range after each move, mostly to what they were.
bool TGBScrlBar::Shows(UINT what, int first, int second) const {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = what;
  if (!GetScrollInfo(BarWindow(), BarKind(), &si)) return false;
  return what == SIF_POS ? si.nPos == first : si.nMin == first && si.nMax == second;
}

void TGBScrlBar::SetPos(int nPos) {
  if (Shows(SIF_POS, nPos)) return;
  SETSCROLLPOS(BarWindow(), BarKind(), nPos, lReDraw, lShowDisabled, l32Bit);
}

void TGBScrlBar::SetRange(int min, int max) {
  nMin = min;
  nMax = max;
  if (Shows(SIF_RANGE, min, max)) return;
  SETSCROLLRANGE(BarWindow(), BarKind(), min, max, lReDraw, lShowDisabled, l32Bit);
}

void TGBScrlBar::SetPage(int nSize, bool lRedraw) {
  nPgStep = nSize;
  SETSCROLLINFO(BarWindow(), BarKind(), nSize, lRedraw, lShowDisabled);
}

bool TGBScrlBar::SetMode(bool lOn) {
  const bool windows95Family = (GetVersion() & 0x80000000u) != 0;
  return lOn && !windows95Family ? false : lOn;
}

void TGBScrlBar::GoUp() {
  const int pos = GetPos();
  if (pos > rt::Value(GetRange()).At(1).AsInt()) SetPos(pos - 1);
  bGoUp.Eval();
}

void TGBScrlBar::GoDown() {
  const int pos = GetPos();
  if (pos < nMax) SetPos(pos + 1);
  bGoDown.Eval();
}

void TGBScrlBar::GoTop() {
  SetPos(static_cast<int>(nMin));
  bGoTop.Eval();
}

void TGBScrlBar::GoBottom() {
  SetPos(static_cast<int>(nMax));
  bGoBottom.Eval();
}

void TGBScrlBar::PageUp() {
  bPageUp.Eval();
  SetPos(GetPos() - static_cast<int>(nPgStep));
}

void TGBScrlBar::PageDown() {
  bPageDown.Eval();
  SetPos(GetPos() + static_cast<int>(nPgStep));
}

void TGBScrlBar::ThumbPos(int nPos) { bPos.Eval(nPos); }

void TGBScrlBar::ThumbTrack(int nPos) {
  if (bTrack.IsBlock()) {
    bTrack.Eval(nPos);
  } else {
    ThumbPos(nPos);
  }
}

rt::Value TGBScrlBar::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  const int pos = static_cast<int>(static_cast<short>(LOWORD(nWParam)));
  switch (nMsg) {
    case WM_VD_SCROLLUP: GoUp(); return rt::Value(0);
    case WM_VD_SCROLLDOWN: GoDown(); return rt::Value(0);
    case WM_VD_SCROLLPAGEUP: PageUp(); return rt::Value(0);
    case WM_VD_SCROLLPAGEDOWN: PageDown(); return rt::Value(0);
    case WM_VD_THUMBPOS: ThumbPos(pos); return rt::Value(0);
    case WM_VD_THUMBTRACK: ThumbTrack(pos); return rt::Value(0);
    default: return TControl::HandleEvent(nMsg, nWParam, nLParam);
  }
}

rt::Value TGBScrlBar::MouseMove(long nRow, long nCol, long nFlags) {
  const rt::Value answer = TControl::MouseMove(nRow, nCol, nFlags);
  return lDrag ? answer : rt::Value();
}

}  // namespace grid
