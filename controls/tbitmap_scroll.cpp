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

void TBitmap::ScrollUp() {
  Step(oVScroll, &TScrollBar::GoDown);
  const long visible = VisibleHeight();
  const long rest = PictureHeight() + nX - visible;
  if (!lStretch && PictureHeight() > visible && rest > 0) {
    nX -= static_cast<int>(std::min<long>(rest, VStep()));
    Repaint();
  }
  AdjControls();
}

void TBitmap::ScrollDown() {
  Step(oVScroll, &TScrollBar::GoUp);
  nX = std::min(nX + VStep(), 0);
  Repaint();
  AdjControls(true);
}

void TBitmap::ScrollLeft() {
  Step(oHScroll, &TScrollBar::GoDown);
  const long visible = VisibleWidth() - 1;
  const long rest = PictureWidth() + nY - visible;
  if (!lStretch && PictureWidth() > visible && rest > 0) {
    nY -= static_cast<int>(std::min<long>(rest, HStep()));
    Repaint();
  }
  AdjControls();
}

void TBitmap::ScrollRight() {
  Step(oHScroll, &TScrollBar::GoUp);
  nY = std::min(nY + HStep(), 0);
  Repaint();
  AdjControls(true);
}

void TBitmap::PageUp() {
  const int page = static_cast<int>(VisibleHeight() - 1);
  nX = std::min(nX + page, 0);
  Repaint();
  if (const auto v = AsBar(oVScroll)) v->SetPos(-nX / VStep());
  AdjControls(true);
}

void TBitmap::PageDown() {
  const long page = VisibleHeight() - 1;
  const long step = std::min(page, PictureHeight() + nX - VisibleHeight());
  if (!lStretch && step > 0) nX -= static_cast<int>(step);
  Repaint();
  if (const auto v = AsBar(oVScroll)) v->SetPos(-nX / VStep());
  AdjControls();
}

void TBitmap::PageLeft() {
  const int page = static_cast<int>(VisibleWidth() - 1);
  nY = std::min(nY + page, 0);
  Repaint();
  if (const auto h = AsBar(oHScroll)) h->SetPos(-nY / HStep());
  AdjControls(true);
}

void TBitmap::PageRight() {
  const long page = VisibleWidth() - 1;
  const long step = std::min(page, PictureWidth() + nY - VisibleWidth());
  if (!lStretch && step > 0) nY -= static_cast<int>(step);
  Repaint();
  if (const auto h = AsBar(oHScroll)) h->SetPos(-nY / HStep());
  AdjControls();
}

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

rt::Value TBitmap::VScroll(LPARAM nWParam, LPARAM) {
  switch (LOWORD(nWParam)) {
    case SB_LINEUP:
      ScrollDown();
      break;
    case SB_LINEDOWN:
      ScrollUp();
      break;
    case SB_PAGEUP:
      PageUp();
      break;
    case SB_PAGEDOWN:
      PageDown();
      break;
    case SB_TOP:
      nX = 0;
      Step(oVScroll, &TScrollBar::GoTop);
      Repaint();
      AdjControls(true);
      break;
    case SB_BOTTOM:
      nX = static_cast<int>(std::min<long>(0, VisibleHeight() - PictureHeight()));
      Step(oVScroll, &TScrollBar::GoBottom);
      Repaint();
      AdjControls();
      break;
    default:
      break;
  }
  return rt::Value(0);
}

rt::Value TBitmap::HScroll(LPARAM nWParam, LPARAM) {
  switch (LOWORD(nWParam)) {
    case SB_LINEUP:
      ScrollRight();
      break;
    case SB_LINEDOWN:
      ScrollLeft();
      break;
    case SB_PAGEUP:
      PageLeft();
      break;
    case SB_PAGEDOWN:
      PageRight();
      break;
    case SB_TOP:
      nY = 0;
      Step(oHScroll, &TScrollBar::GoTop);
      Repaint();
      AdjControls(true);
      break;
    case SB_BOTTOM:
      nY = static_cast<int>(std::min<long>(0, VisibleWidth() - PictureWidth()));
      Step(oHScroll, &TScrollBar::GoBottom);
      Repaint();
      AdjControls();
      break;
    default:
      break;
  }
  return rt::Value(0);
}

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
