#include "graphics/disp.h"

#include "graphics/rect.h"
#include "services/int32.h"

namespace gfx {

namespace {

template <class H>
H Element(const rt::Value& a, std::size_t i) {
  return a.IsArray() && a.Len() >= i ? svc::HandleOf<H>(svc::ToHandle(a.At(i))) : nullptr;
}

}  // namespace

rt::Value VDDISPBEGIN(HWND hWnd, HDC hDC) {
  const RECT rc = ClientRectOf(hWnd);
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  HDC memDC = CreateCompatibleDC(hDC);
  // Compatible with the screen DC, not the memory DC, to get the screen's
  // colour depth rather than a monochrome bitmap.
  HBITMAP bitmap = CreateCompatibleBitmap(hDC, width, height);
  HGDIOBJ old = memDC && bitmap ? SelectObject(memDC, bitmap) : nullptr;
  BitBlt(memDC, 0, 0, width, height, hDC, 0, 0, SRCCOPY);
  return rt::Value::Array({svc::HandleNumber(hWnd), svc::HandleNumber(hDC), svc::HandleNumber(memDC),
                           svc::HandleNumber(bitmap), svc::HandleNumber(old)});
}

HDC VDDISPEND(const rt::Value& aDisp) {
  const auto hWnd = Element<HWND>(aDisp, 1);
  const auto hDC = Element<HDC>(aDisp, 2);
  const auto memDC = Element<HDC>(aDisp, 3);
  const auto bitmap = Element<HBITMAP>(aDisp, 4);
  const auto old = Element<HGDIOBJ>(aDisp, 5);
  const RECT rc = ClientRectOf(hWnd);
  BitBlt(hDC, 0, 0, rc.right - rc.left, rc.bottom - rc.top, memDC, 0, 0, SRCCOPY);
  if (memDC && old) SelectObject(memDC, old);
  if (bitmap) DeleteObject(bitmap);
  if (memDC) DeleteDC(memDC);
  return hDC;
}

}  // namespace gfx
