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

DispBuffer DispBufferBegin(HWND hWnd, HDC hDC) {
  const RECT rc = ClientRectOf(hWnd);
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  DispBuffer d{hWnd, hDC, CreateCompatibleDC(hDC), nullptr, nullptr};
  // Compatible with the screen DC, not the memory DC, to get the screen's
  // colour depth rather than a monochrome bitmap.
  d.bitmap = CreateCompatibleBitmap(hDC, width, height);
  d.old = d.memDC && d.bitmap ? SelectObject(d.memDC, d.bitmap) : nullptr;
  BitBlt(d.memDC, 0, 0, width, height, hDC, 0, 0, SRCCOPY);
  return d;
}

HDC DispBufferEnd(const DispBuffer& d) {
  const RECT rc = ClientRectOf(d.hWnd);
  BitBlt(d.hDC, 0, 0, rc.right - rc.left, rc.bottom - rc.top, d.memDC, 0, 0, SRCCOPY);
  if (d.memDC && d.old) SelectObject(d.memDC, d.old);
  if (d.bitmap) DeleteObject(d.bitmap);
  if (d.memDC) DeleteDC(d.memDC);
  return d.hDC;
}

rt::Value VDDISPBEGIN(HWND hWnd, HDC hDC) {
  const DispBuffer d = DispBufferBegin(hWnd, hDC);
  return rt::Value::Array({svc::HandleNumber(d.hWnd), svc::HandleNumber(d.hDC), svc::HandleNumber(d.memDC),
                           svc::HandleNumber(d.bitmap), svc::HandleNumber(d.old)});
}

HDC VDDISPEND(const rt::Value& aDisp) {
  return DispBufferEnd(DispBuffer{Element<HWND>(aDisp, 1), Element<HDC>(aDisp, 2), Element<HDC>(aDisp, 3),
                                  Element<HBITMAP>(aDisp, 4), Element<HGDIOBJ>(aDisp, 5)});
}

}  // namespace gfx
