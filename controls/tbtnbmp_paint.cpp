// The bitmap button's face and its mouse handling.
#include "controls/tbtnbmp.h"

#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/window_geometry.h"
#include "graphics/bitmap_button.h"
#include "graphics/btn_disable.h"
#include "graphics/class_names.h"
#include "graphics/colour.h"

namespace controls {

namespace {

// The drop-down arrow: a small black triangle, and the separator left of it.
void DrawDropDown(HDC dc, int w, int h, bool pressed, bool separator) {
  const int d = pressed ? 1 : 0;
  const POINT arrow[] = {{w - 9 + d, h / 2 - 1 + d}, {w - 7 + d, h / 2 + 1 + d}, {w - 5 + d, h / 2 - 1 + d}};
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Polygon(dc, arrow, 3);
  if (separator) {
    const HPEN light = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNHIGHLIGHT)));
    const HPEN dark = CreatePen(PS_SOLID, 1, static_cast<COLORREF>(gfx::GETSYSCOLOR(COLOR_BTNSHADOW)));
    SelectObject(dc, light);
    MoveToEx(dc, w - 12 + d, 1 + d, nullptr);
    LineTo(dc, w - 12 + d, h - 1 + d);
    SelectObject(dc, dark);
    MoveToEx(dc, w - 13 + d, 1 + d, nullptr);
    LineTo(dc, w - 13 + d, h - 1 + d);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    DeleteObject(light);
    DeleteObject(dark);
  }
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
}

}  // namespace

bool TBtnBmp::HasFocusRect() const {
  return lFocused && (GetWindowLongA(hWnd, GWL_STYLE) & WS_TABSTOP) && nWidth() > 25;
}

rt::Value TBtnBmp::Display() {
  BeginPaint();
  Paint();
  EndPaint();
  return rt::Value(0);
}

rt::Value TBtnBmp::Paint() {
  const rt::Value restore = DispBegin();
  RECT client{};
  GetClientRect(hWnd, &client);
  if (oBrush) FillRect(hDC, &client, oBrush->hBrush);
  if (!cCaption.empty() && !oFont) {
    // The owner's font, or its owner's; held with a use of its own, since
    // Destroy ends the button's font.
    const auto owner = Container();
    std::shared_ptr<gfx::TFont> font = owner ? owner->oFont : nullptr;
    if (!font && owner) {
      if (const auto outer = owner->oWnd.As<core::TWindow>()) font = outer->oFont;
    }
    if (font) KeepFont(font);
  }
  const bool dropDown = oPopup.IsObject();
  gfx::PALBTNPAINT(hWnd, picture1, picture2, picture3, lPressed, lAdjust, lBorder, dropDown,
                   static_cast<COLORREF>(nClrPane), cCaption, nLayout, oFont ? oFont->hFont : nullptr,
                   static_cast<COLORREF>(nClrText), hDC);
  const int w = client.right, h = client.bottom;
  if (dropDown) DrawDropDown(hDC, w, h, lPressed, lBorder || lPressed);
  PaintOver(hDC, w, h);
  if (!IsWindowEnabled(hWnd) && !picture3.bitmap) gfx::BTNDISABLE(hWnd, hDC);
  if (HasFocusRect()) {
    const auto owner = Container();
    const int inset = owner && owner->ClassName() == vdclass::kDialog ? 2 : 4;
    RECT r{inset, inset, w - inset, h - inset};
    DrawFocusRect(hDC, &r);
  }
  DispEnd(restore);
  return {};
}

bool TBtnBmp::MouseToBase() const { return lDrag || oDragCursor.IsObject(); }

rt::Value TBtnBmp::LButtonDown(long nRow, long nCol, long nFlags) {
  if (MouseToBase()) return TControl::LButtonDown(nRow, nCol, nFlags);
  const std::shared_ptr<Object> keep = shared_from_this();
  lWorking = true;
  lBtnUp = false;
  // A previous field's validation may refuse the focus while the pending
  // messages run; only a button that got it is pressed.
  ::SetFocus(hWnd);
  core::SYSREFRESH();
  if (hWnd && GetFocus() == hWnd) {
    lCaptured = true;
    lPressed = true;
    Capture();
    Repaint();
  }
  lWorking = false;
  if (lBtnUp) {
    lBtnUp = false;
    Release(nRow, nCol);
  }
  return rt::Value(0);
}

rt::Value TBtnBmp::LButtonUp(long nRow, long nCol, long nFlags) {
  if (MouseToBase()) return TControl::LButtonUp(nRow, nCol, nFlags);
  if (bLButtonUp.IsBlock()) bLButtonUp.Eval(nRow, nCol);
  lBtnUp = true;
  // A release while the press is still being set up is replayed by the
  // press once it is ready.
  if (!lWorking) Release(nRow, nCol);
  return rt::Value(0);
}

void TBtnBmp::Release(long nRow, long nCol) {
  if (!lCaptured) return;
  const std::shared_ptr<Object> keep = shared_from_this();
  lCaptured = false;
  ReleaseCapture();
  if (!lPressed && lBtnDown) {
    lPressed = true;
    Repaint();
  } else if (lPressed && !lBtnDown) {
    lPressed = false;
    Repaint();
  }
  if (!core::ISOVERWND(hWnd, nRow, nCol)) return;
  if (oPopup.IsObject() && nCol >= nWidth() - kDropDownWidth) {
    OpenDropDown();
  } else {
    Click();
  }
}

void TBtnBmp::OpenDropDown() {
  const auto owner = Container();
  rt::Value barWindow = oWnd;
  if (owner && owner->ClassName() == vdclass::kBar) barWindow = owner->oWnd;
  const auto window = barWindow.As<core::TWindow>();
  if (window) {
    window->NcMouseMove(0, 0, 0);
    window->oPopup = oPopup;
  }
  core::Ask(oPopup, "Activate", nTop + nHeight(), nLeft, barWindow);
  if (window) window->oPopup = rt::Value();
  Repaint();
}

rt::Value TBtnBmp::MouseMove(long nRow, long nCol, long nFlags) {
  if (MouseToBase()) return TControl::MouseMove(nRow, nCol, nFlags);
  TControl::MouseMove(nRow, nCol, nFlags);
  if (!hWnd) return rt::Value(0);
  if (core::ISOVERWND(hWnd, nRow, nCol)) {
    if (!lCaptured && l97Look) {
      if (GetCapture() != hWnd) Capture();
      if (!lBorder) {
        lBorder = true;
        Repaint();
      }
    } else if (lCaptured && !lPressed) {
      lPressed = true;
      Repaint();
    }
  } else if (!lCaptured && l97Look) {
    if (GetCapture() == hWnd) ReleaseCapture();
    if (lBorder) {
      lBorder = false;
      Repaint();
    }
  } else if (lCaptured && lPressed) {
    lPressed = false;
    lBorder = !l97Look;
    Repaint();
  }
  if (const auto owner = Container()) owner->SetMsg(cMsg);
  return rt::Value(0);
}

}  // namespace controls
