#include "controls/tscrollbar.h"

#include "controls/control_owner.h"
#include "core/send_soft.h"
#include "graphics/colour.h"
#include "services/int32.h"

namespace controls {

namespace {

void Run(const rt::Value& block) {
  if (block.IsBlock()) block.Eval();
}

void Run(const rt::Value& block, long n) {
  if (block.IsBlock()) block.Eval(rt::Value(n));
}

// The positions a 16-bit notification can name.
constexpr long kSixteenBits = 0xFFFF;

}  // namespace

void TScrollBar::Blocks(const rt::Value& up, const rt::Value& down, const rt::Value& pageUp,
                        const rt::Value& pageDown, const rt::Value& pos) {
  bGoUp = up;
  bGoDown = down;
  bPageUp = pageUp;
  bPageDown = pageDown;
  bPos = pos;
}

TScrollBar& TScrollBar::New(const ScrollBarArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nMin = NumOr(a.nMin, 0);
  nMax = NumOr(a.nMax, 0);
  nPgStep = NumOr(a.nPgStep, 1);
  lVertical = a.lVertical.IsLogical() ? a.lVertical.AsLogical() : true;
  lIsChild = false;
  PlaceAt(*this, NumOr(a.nRow, 0), NumOr(a.nCol, 0), NumOr(a.nWidth, lVertical ? 16 : 100),
          NumOr(a.nHeight, lVertical ? 100 : 17), rt::IsTrue(a.lPixel));
  Blocks(a.bGoUp, a.bGoDown, a.bPageUp, a.bPageDown, a.bPos);
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  lDrag = rt::IsTrue(a.lDesign);
  nStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (lVertical ? SBS_VERT : 0) | (lDrag ? WS_CLIPSIBLINGS : 0);
  SetColor(rt::Value(NumOr(a.nClrText, gfx::GETSYSCOLOR(COLOR_WINDOWTEXT))),
           rt::Value(NumOr(a.nClrBack, gfx::GETSYSCOLOR(COLOR_SCROLLBAR))));
  const auto owner = Container();
  if (owner && owner->hWnd) {
    nId = GetNewId();
    Create("SCROLLBAR");
    SetRange(nMin, nMax);
    SetPos(nMin);
    owner->AddControl(Self());
  } else {
    core::Ask(oWnd, "DefControl", Self());
  }
  return *this;
}

TScrollBar& TScrollBar::WinNew(const WinScrollBarArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  hWnd = nullptr;
  lIsChild = true;
  nMin = NumOr(a.nMin, 1);
  nMax = NumOr(a.nMax, 2);
  nPgStep = NumOr(a.nPgStep, 1);
  lVertical = a.lVertical.IsLogical() ? a.lVertical.AsLogical() : true;
  Blocks(a.bGoUp, a.bGoDown, a.bPageUp, a.bPageDown, a.bPos);
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  nClrText = NumOr(a.nClrText, gfx::GETSYSCOLOR(COLOR_WINDOWTEXT));
  nClrPane = NumOr(a.nClrBack, gfx::GETSYSCOLOR(COLOR_SCROLLBAR));
  SetRange(nMin, nMax);
  SetPos(nMin);
  return *this;
}

TScrollBar& TScrollBar::ReDefine(const ScrollBarRedefineArgs& a) {
  oWnd = OwnerOr(a.oWnd);
  nId = a.nId.IsNumber() ? svc::ToInt32(a.nId) : GetNewId();
  nMin = NumOr(a.nMin, 0);
  nMax = NumOr(a.nMax, 0);
  nPgStep = NumOr(a.nPgStep, 1);
  lVertical = false;
  lIsChild = false;
  Blocks(a.bGoUp, a.bGoDown, a.bPageUp, a.bPageDown, a.bPos);
  cMsg = a.cMsg;
  lUpdate = rt::IsTrue(a.lUpdate);
  bWhen = a.bWhen;
  bValid = a.bValid;
  SetColor(rt::Value(NumOr(a.nClrText, gfx::GETSYSCOLOR(COLOR_WINDOWTEXT))),
           rt::Value(NumOr(a.nClrBack, gfx::GETSYSCOLOR(COLOR_SCROLLBAR))));
  core::Ask(oWnd, "DefControl", Self());
  return *this;
}

void TScrollBar::Initiate(HWND hDlg) {
  TControl::Initiate(hDlg);
  SetRange(nMin, nMax);
  SetPos(nMin);
}

HWND TScrollBar::Target() const { return lIsChild ? core::ParentHandle(oWnd) : hWnd; }

int TScrollBar::Bar() const {
  if (!lIsChild) return SB_CTL;
  return lVertical ? SB_VERT : SB_HORZ;
}

long TScrollBar::GetPos() const { return GetScrollPos(Target(), Bar()); }

rt::Value TScrollBar::GetRange() const {
  int min = 0, max = 0;
  GetScrollRange(Target(), Bar(), &min, &max);
  return rt::Value::Array({rt::Value(min), rt::Value(max)});
}

void TScrollBar::SetPos(long n) { SetScrollPos(Target(), Bar(), static_cast<int>(n), lReDraw); }

void TScrollBar::SetRange(long min, long max) {
  nMin = min;
  nMax = max;
  SetScrollRange(Target(), Bar(), static_cast<int>(min), static_cast<int>(max), lReDraw);
}

void TScrollBar::GoUp() {
  const long pos = GetPos();
  if (pos > nMin) SetPos(pos - 1);
  Run(bGoUp);
}

void TScrollBar::GoDown() {
  const long pos = GetPos();
  if (pos < nMax) SetPos(pos + 1);
  Run(bGoDown);
}

void TScrollBar::GoTop() {
  SetPos(nMin);
  Run(bGoTop);
}

void TScrollBar::GoBottom() {
  SetPos(nMax);
  Run(bGoBottom);
}

void TScrollBar::PageUp() {
  Run(bPageUp);
  SetPos(GetPos() - nPgStep);
}

void TScrollBar::PageDown() {
  Run(bPageDown);
  SetPos(GetPos() + nPgStep);
}

long TScrollBar::FullPosition(long n) const {
  if (nMax - nMin <= kSixteenBits) return n;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  if (!GetScrollInfo(Target(), Bar(), &info)) return n;
  return info.nTrackPos;
}

void TScrollBar::ThumbPos(long n) { Run(bPos, FullPosition(n)); }
void TScrollBar::ThumbTrack(long n) { Run(bTrack, FullPosition(n)); }

rt::Value TScrollBar::HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
  switch (nMsg) {
    case WM_VD_GOUP:
      GoUp();
      return rt::Value(0);
    case WM_VD_GODOWN:
      GoDown();
      return rt::Value(0);
    case WM_VD_PAGEUP:
      PageUp();
      return rt::Value(0);
    case WM_VD_PAGEDOWN:
      PageDown();
      return rt::Value(0);
    case WM_VD_THUMBPOS:
      ThumbPos(static_cast<long>(nWParam));
      return rt::Value(0);
    case WM_VD_THUMBTRACK:
      ThumbTrack(static_cast<long>(nWParam));
      return rt::Value(0);
    default:
      return TControl::HandleEvent(nMsg, nWParam, nLParam);
  }
}

rt::Value TScrollBar::MouseMove(long nRow, long nCol, long nFlags) {
  return lDrag ? TControl::MouseMove(nRow, nCol, nFlags) : rt::Value();
}

rt::Value TScrollBar::Destroy() {
  // A window's own bar has no window to destroy; it only lets its blocks go,
  // which may hold the window.
  if (!hWnd) {
    for (rt::Value* block : {&bGoUp, &bGoDown, &bGoTop, &bGoBottom, &bPageUp, &bPageDown, &bPos, &bTrack})
      *block = rt::Value();
    return {};
  }
  return TControl::Destroy();
}

}  // namespace controls
