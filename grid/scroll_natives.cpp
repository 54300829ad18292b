#include "grid/scroll_natives.h"

namespace grid {

namespace {

SCROLLINFO Info(UINT mask, bool lDisableNoScroll) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = mask | (lDisableNoScroll ? SIF_DISABLENOSCROLL : 0);
  return si;
}

}  // namespace

rt::Value SETSCROLLRANGE(HWND hWnd, int nBar, int nMin, int nMax, bool lRedraw, bool lDisableNoScroll,
                         bool lUseInfo) {
  if (!IsWindow(hWnd)) return lUseInfo ? rt::Value(false) : rt::Value(0);
  if (lUseInfo) {
    SCROLLINFO si = Info(SIF_RANGE, lDisableNoScroll);
    si.nMin = nMin;
    si.nMax = nMax;
    SetScrollInfo(hWnd, nBar, &si, lRedraw);
    return rt::Value(true);
  }
  return rt::Value(static_cast<long>(SetScrollRange(hWnd, nBar, nMin, nMax, lRedraw)));
}

bool SETSCROLLPOS(HWND hWnd, int nBar, int nPos, bool lRedraw, bool lDisableNoScroll, bool lUseInfo) {
  if (!IsWindow(hWnd)) return false;
  if (lUseInfo) {
    SCROLLINFO si = Info(SIF_POS, lDisableNoScroll);
    si.nPos = nPos;
    return SetScrollInfo(hWnd, nBar, &si, lRedraw) != 0;
  }
  return SetScrollPos(hWnd, nBar, nPos, lRedraw) != 0;
}

rt::Value GETSCROLLRANGE(HWND hWnd, int nBar) {
  int nMin = 0, nMax = 0;
  if (IsWindow(hWnd)) GetScrollRange(hWnd, nBar, &nMin, &nMax);
  return rt::Value::Array({rt::Value(nMin), rt::Value(nMax)});
}

int GETSCROLLPOS(HWND hWnd, int nBar) { return IsWindow(hWnd) ? GetScrollPos(hWnd, nBar) : 0; }

bool SETSCROLLINFO(HWND hWnd, int nBar, int nPage, bool lRedraw, bool lDisableNoScroll) {
  if (!IsWindow(hWnd)) return false;
  SCROLLINFO si = Info(SIF_PAGE, lDisableNoScroll);
  si.nPage = static_cast<UINT>(std::max(nPage, 0));
  SetScrollInfo(hWnd, nBar, &si, lRedraw);
  return true;
}

}  // namespace grid
