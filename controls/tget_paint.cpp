#include "controls/tget.h"

#include "graphics/tbrush.h"
#include "services/int32.h"

namespace controls {

rt::Value TGet::Paint() {
  const rt::Value restore = DispBegin();
  if (oBrush) {
    RECT client{};
    GetClientRect(hWnd, &client);
    FillRect(hDC, &client, oBrush->hBrush);
  } else {
    Native(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
  }
  Native(WM_PAINT, reinterpret_cast<WPARAM>(hDC), 0);
  if (bPainted.IsBlock()) bPainted.Eval(svc::HandleNumber(hDC), cPS(), Self());
  DispEnd(restore);
  return rt::Value(1);
}

rt::Value TGet::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

}  // namespace controls
