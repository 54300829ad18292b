#include "graphics/rect.h"

namespace gfx {
namespace {

constexpr UINT kSetRectNoPaint = 0xB4;

long Element(const rt::Value& array, std::size_t oneBased) {
  return array.Len() >= oneBased ? array.At(oneBased).AsInt() : 0;
}

}  // namespace

RECT RectFromArray(const rt::Value& rect) {
  if (!rect.IsArray()) return RECT{};
  return RECT{Element(rect, 2), Element(rect, 1), Element(rect, 4), Element(rect, 3)};
}

rt::Value RectToArray(const RECT& rect) {
  return rt::Value::Array({rect.top, rect.left, rect.bottom, rect.right});
}

RECT ClientRectOf(HWND hWnd) {
  RECT rect{};
  if (hWnd) GetClientRect(hWnd, &rect);
  return rect;
}

rt::Value GETCLIENTRECT(HWND hWnd) { return RectToArray(ClientRectOf(hWnd)); }

rt::Value GETWNDRECT(HWND hWnd) {
  RECT rect{};
  if (hWnd) GetWindowRect(hWnd, &rect);
  return RectToArray(rect);
}

rt::Value GETCOORS(HWND hWnd) {
  RECT rect{};
  if (hWnd && GetWindowRect(hWnd, &rect)) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hWnd), reinterpret_cast<POINT*>(&rect), 2);
  }
  return RectToArray(rect);
}

void FILLRECT(HDC hDC, const rt::Value& rect, HBRUSH brush) {
  if (!brush) return;
  const RECT r = RectFromArray(rect);
  FillRect(hDC, &r, brush);
}

void INVERTRECT(HDC hDC, const rt::Value& rect) {
  const RECT r = RectFromArray(rect);
  InvertRect(hDC, &r);
}

void INVALIDATERECT(HWND hWnd, const rt::Value& rectOrErase, const rt::Value& erase) {
  if (!hWnd) return;
  BOOL eraseFlag = TRUE;
  if (rectOrErase.IsLogical()) eraseFlag = rectOrErase.AsLogical();
  if (erase.IsLogical()) eraseFlag = erase.AsLogical();
  if (rectOrErase.IsArray()) {
    const RECT r = RectFromArray(rectOrErase);
    InvalidateRect(hWnd, &r, eraseFlag);
  } else {
    InvalidateRect(hWnd, nullptr, eraseFlag);
  }
}

void DRAWFOCUSRECT(HDC hDC, int top, int left, int bottom, int right) {
  const RECT r{left, top, right, bottom};
  DrawFocusRect(hDC, &r);
}

void MOVEGET(HWND hWnd) {
  RECT rect{};
  GetClientRect(hWnd, &rect);
  SendMessageA(hWnd, kSetRectNoPaint, 0, reinterpret_cast<LPARAM>(&rect));
}

}  // namespace gfx
