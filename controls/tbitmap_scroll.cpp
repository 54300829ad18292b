// Scrolling a picture larger than its window, and the controls on it.
#include <algorithm>

#include "controls/tbitmap.h"
#include "controls/tscrollbar.h"

namespace controls {

namespace {

std::shared_ptr<TScrollBar> AsBar(const rt::Value& v) { return v.As<TScrollBar>(); }

}  // namespace

bool TBitmap::HasRange(const rt::Value& value) const {
  const auto bar = AsBar(value);
  return bar && bar->nMax > bar->nMin;
}

long TBitmap::VisibleHeight() const {
  return nHeight() - (HasRange(oHScroll) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
}

long TBitmap::VisibleWidth() const {
  return nWidth() - (HasRange(oVScroll) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
}

void TBitmap::Repaint() {
  if (hWnd) {
    InvalidateRect(hWnd, nullptr, FALSE);
    UpdateWindow(hWnd);
  }
}

void TBitmap::Step(const rt::Value& value, void (TScrollBar::*step)()) {
  if (const auto bar = AsBar(value)) (bar.get()->*step)();
}

void TBitmap::ScrollAdjust() {
  const auto v = AsBar(oVScroll), h = AsBar(oHScroll);
  if (!lScroll || !picture.bitmap || !v || !h) return;
  const bool needV = !(PictureHeight() <= nHeight() || lStretch);
  const bool needH = !(PictureWidth() <= nWidth() || lStretch);
  if (!needV) {
    v->SetRange(0, 0);
    nX = 0;
  }
  if (!needH) {
    h->SetRange(0, 0);
    nY = 0;
  }
  if (needV) {
    v->SetRange(0, (nXExtra() + (needH ? GetSystemMetrics(SM_CYHSCROLL) : 0)) / VStep());
    if (nX == 0) v->SetPos(0);
  }
  if (needH) {
    h->SetRange(0, (nYExtra() + (needV ? GetSystemMetrics(SM_CXVSCROLL) : 0)) / HStep());
    if (nY == 0) h->SetPos(0);
  }
}

struct TBitmap::Axis {
  int TBitmap::*offset;
  rt::Value TBitmap::*bar;
  long (TBitmap::*visible)() const;
  long (TBitmap::*picture)() const;
  int (TBitmap::*step)() const;
  // The horizontal line step counts one pixel less of the window as shown.
  long lineMargin;
};

const TBitmap::Axis TBitmap::kVertical{&TBitmap::nX,           &TBitmap::oVScroll, &TBitmap::VisibleHeight,
                                       &TBitmap::PictureHeight, &TBitmap::VStep,    0};
const TBitmap::Axis TBitmap::kHorizontal{&TBitmap::nY,          &TBitmap::oHScroll, &TBitmap::VisibleWidth,
                                         &TBitmap::PictureWidth, &TBitmap::HStep,    1};

void TBitmap::LineOn(const Axis& axis) {
  int& offset = this->*axis.offset;
  Step(this->*axis.bar, &TScrollBar::GoDown);
  const long visible = (this->*axis.visible)() - axis.lineMargin;
  const long picture = (this->*axis.picture)();
  const long rest = picture + offset - visible;
  if (!lStretch && picture > visible && rest > 0) {
    offset -= static_cast<int>(std::min<long>(rest, (this->*axis.step)()));
    Repaint();
  }
  AdjControls();
}

void TBitmap::LineBack(const Axis& axis) {
  int& offset = this->*axis.offset;
  Step(this->*axis.bar, &TScrollBar::GoUp);
  offset = std::min(offset + (this->*axis.step)(), 0);
  Repaint();
  AdjControls(true);
}

void TBitmap::PageOn(const Axis& axis) {
  int& offset = this->*axis.offset;
  const long visible = (this->*axis.visible)();
  const long step = std::min(visible - 1, (this->*axis.picture)() + offset - visible);
  if (!lStretch && step > 0) offset -= static_cast<int>(step);
  Repaint();
  if (const auto bar = AsBar(this->*axis.bar)) bar->SetPos(-offset / (this->*axis.step)());
  AdjControls();
}

void TBitmap::PageBack(const Axis& axis) {
  int& offset = this->*axis.offset;
  offset = std::min(offset + static_cast<int>((this->*axis.visible)() - 1), 0);
  Repaint();
  if (const auto bar = AsBar(this->*axis.bar)) bar->SetPos(-offset / (this->*axis.step)());
  AdjControls(true);
}

void TBitmap::ScrollUp() { LineOn(kVertical); }
void TBitmap::ScrollDown() { LineBack(kVertical); }
void TBitmap::ScrollLeft() { LineOn(kHorizontal); }
void TBitmap::ScrollRight() { LineBack(kHorizontal); }
void TBitmap::PageUp() { PageBack(kVertical); }
void TBitmap::PageDown() { PageOn(kVertical); }
void TBitmap::PageLeft() { PageBack(kHorizontal); }
void TBitmap::PageRight() { PageOn(kHorizontal); }

void TBitmap::AdjControls(bool lReverse) {
  const int down = nX - nOldX, right = nY - nOldY;
  nOldX = nX;
  nOldY = nY;
  if ((down == 0 && right == 0) || !aControls.IsArray()) return;
  std::vector<rt::Value> controls = aControls.Items();
  if (lReverse) std::reverse(controls.begin(), controls.end());
  for (const rt::Value& control : controls) {
    if (const auto c = control.As<core::TWindow>(); c && c->hWnd) {
      RECT r{};
      GetWindowRect(c->hWnd, &r);
      MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&r), 2);
      c->MoveCorner(r.top + down, r.left + right);
    }
  }
}

rt::Value TBitmap::ScrollMessage(LPARAM nWParam, const Axis& axis) {
  int& offset = this->*axis.offset;
  switch (LOWORD(nWParam)) {
    case SB_LINEUP:
      LineBack(axis);
      break;
    case SB_LINEDOWN:
      LineOn(axis);
      break;
    case SB_PAGEUP:
      PageBack(axis);
      break;
    case SB_PAGEDOWN:
      PageOn(axis);
      break;
    case SB_TOP:
      offset = 0;
      Step(this->*axis.bar, &TScrollBar::GoTop);
      Repaint();
      AdjControls(true);
      break;
    case SB_BOTTOM:
      offset = static_cast<int>(std::min<long>(0, (this->*axis.visible)() - (this->*axis.picture)()));
      Step(this->*axis.bar, &TScrollBar::GoBottom);
      Repaint();
      AdjControls();
      break;
    default:
      break;
  }
  return rt::Value(0);
}

rt::Value TBitmap::VScroll(LPARAM nWParam, LPARAM) { return ScrollMessage(nWParam, kVertical); }

rt::Value TBitmap::HScroll(LPARAM nWParam, LPARAM) { return ScrollMessage(nWParam, kHorizontal); }

rt::Value TBitmap::KeyDown(long nKey, long nFlags) {
  if (!lScroll) return TControl::KeyDown(nKey, nFlags);
  switch (nKey) {
    case VK_UP:
      ScrollDown();
      return rt::Value(0);
    case VK_DOWN:
      ScrollUp();
      return rt::Value(0);
    case VK_PRIOR:
      PageUp();
      return rt::Value(0);
    case VK_NEXT:
      PageDown();
      return rt::Value(0);
    default:
      return TControl::KeyDown(nKey, nFlags);
  }
}

}  // namespace controls
