#include "controls/native_paint.h"

#include "graphics/tbrush.h"
#include "services/int32.h"

namespace controls {

namespace {

LRESULT Native(core::TControl& c, UINT nMsg, WPARAM nWParam) {
  return c.nOldProc ? CallWindowProcA(c.nOldProc, c.hWnd, nMsg, nWParam, 0) : 0;
}

}  // namespace

rt::Value PaintOverNative(core::TControl& c) {
  const rt::Value restore = c.DispBegin();
  if (c.oBrush) {
    RECT client{};
    GetClientRect(c.hWnd, &client);
    FillRect(c.hDC, &client, c.oBrush->hBrush);
  } else {
    Native(c, WM_ERASEBKGND, reinterpret_cast<WPARAM>(c.hDC));
  }
  Native(c, WM_PAINT, reinterpret_cast<WPARAM>(c.hDC));
  if (c.bPainted.IsBlock()) c.bPainted.Eval(svc::HandleNumber(c.hDC), c.cPS(), c.Self());
  c.DispEnd(restore);
  return rt::Value(1);
}

rt::Value DisplayPainted(core::TControl& c) {
  c.BeginPaint();
  c.Paint();
  c.EndPaint();
  return rt::Value(0);
}

}  // namespace controls
