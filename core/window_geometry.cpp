#include "core/window_geometry.h"

#include "core/win_values.h"
#include "services/int32.h"

namespace core {
namespace {

rt::Value ConvertPoint(HWND hWnd, const rt::Value& aPoint, BOOL (*convert)(HWND, LPPOINT)) {
  POINT pt = PointOf(aPoint);
  convert(hWnd, &pt);
  if (aPoint.IsArray()) {
    auto& items = aPoint.Items();
    if (items.size() < 2) items.resize(2);
    items[0] = static_cast<long>(pt.y);
    items[1] = static_cast<long>(pt.x);
  }
  return PointValue(pt);
}

BOOL ToScreen(HWND h, LPPOINT p) { return ClientToScreen(h, p); }
BOOL ToClient(HWND h, LPPOINT p) { return ScreenToClient(h, p); }

}  // namespace

RECT WindowRectInParent(HWND hWnd) {
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  if (HWND parent = GetParent(hWnd); parent && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<LPPOINT>(&rc), 2);
  return rc;
}

rt::Value CLIENTTOSCREEN(HWND hWnd, const rt::Value& aPoint) { return ConvertPoint(hWnd, aPoint, ToScreen); }

rt::Value SCREENTOCLIENT(HWND hWnd, const rt::Value& aPoint) { return ConvertPoint(hWnd, aPoint, ToClient); }

bool WNDCENTER(HWND hWnd, HWND hWndParent) {
  RECT over{}, own{};
  GetWindowRect(hWndParent && IsWindow(hWndParent) ? hWndParent : GetDesktopWindow(), &over);
  GetWindowRect(hWnd, &own);
  int w = own.right - own.left, h = own.bottom - own.top;
  POINT at{over.left + ((over.right - over.left) - w) / 2, over.top + ((over.bottom - over.top) - h) / 2};
  if (HWND parent = GetParent(hWnd); parent && (GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
    ScreenToClient(parent, &at);
  return SetWindowPos(hWnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != 0;
}

rt::Value SETWINDOWORG(HDC hDC, int nX, int nY) {
  POINT old{};
  SetWindowOrgEx(hDC, nX, nY, &old);
  return rt::Value::Array({old.x, old.y});
}

bool ISOVERWND(HWND hWnd, long nRow, long nCol) {
  RECT rc{};
  GetClientRect(hWnd, &rc);
  return PtInRect(&rc, POINT{nCol, nRow}) != 0;
}

bool WNDHASSCROLLS(HWND hWnd) { return (GetWindowLongA(hWnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0; }

bool MOVEWINDOW(HWND hWnd, int nTop, int nLeft, int nWidth, int nHeight, bool lRepaint) {
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  if (nWidth == 0) nWidth = rc.right - rc.left;
  if (nHeight == 0) nHeight = rc.bottom - rc.top;
  return MoveWindow(hWnd, nLeft, nTop, nWidth, nHeight, lRepaint) != 0;
}

bool WNDSETSIZE(HWND hWnd, int nWidth, int nHeight, bool lRepaint) {
  RECT rc = WindowRectInParent(hWnd);
  return MOVEWINDOW(hWnd, rc.top, rc.left, nWidth, nHeight, lRepaint);
}

long WNDWIDTH(HWND hWnd, std::optional<int> nNewSize) {
  if (nNewSize) WNDSETSIZE(hWnd, *nNewSize, 0, true);
  RECT rc = WindowRectInParent(hWnd);
  return rc.right - rc.left;
}

long WNDHEIGHT(HWND hWnd, std::optional<int> nNewSize) {
  if (nNewSize) WNDSETSIZE(hWnd, 0, *nNewSize, true);
  RECT rc = WindowRectInParent(hWnd);
  return rc.bottom - rc.top;
}

long WNDTOP(HWND hWnd, std::optional<int> nNewPos) {
  RECT rc = WindowRectInParent(hWnd);
  if (nNewPos) {
    MOVEWINDOW(hWnd, *nNewPos, rc.left, 0, 0, true);
    rc = WindowRectInParent(hWnd);
  }
  return rc.top;
}

long WNDLEFT(HWND hWnd, std::optional<int> nNewPos) {
  RECT rc = WindowRectInParent(hWnd);
  if (nNewPos) {
    MOVEWINDOW(hWnd, rc.top, *nNewPos, 0, 0, true);
    rc = WindowRectInParent(hWnd);
  }
  return rc.left;
}

bool SETWINDOWPOS(HWND hWnd, HWND hWndAfter, int nTop, int nLeft, int nWidth, int nHeight, UINT nFlags) {
  return SetWindowPos(hWnd, hWndAfter, nLeft, nTop, nWidth, nHeight, nFlags) != 0;
}

void SETMINMAX(LPARAM pMinMaxInfo, const rt::Value& aInfo) {
  auto* info = reinterpret_cast<MINMAXINFO*>(pMinMaxInfo);
  if (!info || !aInfo.IsArray()) return;
  POINT* points[] = {&info->ptReserved, &info->ptMaxSize, &info->ptMaxPosition, &info->ptMinTrackSize,
                     &info->ptMaxTrackSize};
  const auto& items = aInfo.Items();
  for (std::size_t i = 0; i < items.size() && i < 10; ++i) {
    if (!items[i].IsNumber()) continue;
    LONG& field = i % 2 == 0 ? points[i / 2]->x : points[i / 2]->y;
    field = svc::ToInt32(items[i]);
  }
}

}  // namespace core
