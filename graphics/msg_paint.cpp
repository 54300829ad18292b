#include "graphics/msg_paint.h"

#include "graphics/frames.h"
#include "graphics/gdi_scope.h"
#include "graphics/rect.h"
#include "graphics/theme.h"

namespace gfx {

namespace {

void Fill(HDC dc, const RECT& rc, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
}

void Diagonal(HDC dc, HPEN pen, int x0, int y0, int x1, int y1) {
  Selection selected(dc, pen);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

void TextIn(HDC dc, const std::string& text, RECT rc, COLORREF colour, HFONT font, UINT format) {
  Selection selected(dc, font);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, colour);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rc, format);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

bool ParentMaximised(HWND hWnd) { return IsZoomed(GetParent(hWnd)); }

}  // namespace

void DRAWMSGITEM(HDC hDC, const std::string& cText, const rt::Value& aRect, COLORREF nClrText, COLORREF nClrPane,
                 HFONT hFont) {
  const RECT rc = RectFromArray(aRect);
  Fill(hDC, rc, nClrPane);
  TextIn(hDC, cText, rc, nClrText, hFont, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void MSGPAINT(HWND hWnd, const std::string& cMsg, const std::string& cDefMsg, bool l3D, bool lCentered,
              int nRightLimit, COLORREF nClrText, std::optional<COLORREF> nClrPane, HFONT hFont, bool lInset,
              HDC hDC) {
  BorrowedDc borrowed(hWnd, hDC);
  HDC dc = borrowed.get();
  RECT client{};
  GetClientRect(hWnd, &client);
  RECT message{client.left + 4, client.top + 4, nRightLimit ? nRightLimit - 11 : client.right - 4,
               client.bottom - 4};
  Fill(dc, message, nClrPane.value_or(GetSysColor(COLOR_BTNFACE)));
  TextIn(dc, cMsg.empty() ? cDefMsg : cMsg, message, nClrText, hFont,
         DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER | (lCentered ? DT_CENTER : DT_LEFT));
  if (l3D) {
    DrawFrame(dc, {client.left, client.top, client.right - 1, client.bottom - 1}, FrameKind::Raised);
    if (lInset) {
      DrawFrame(dc, {client.left + 3, client.top + 3, nRightLimit ? nRightLimit - 9 : client.right - 4,
                     client.bottom - 3},
                FrameKind::Sunken);
    }
  }
}

void MSGPAINT3L(HWND hWnd, std::optional<COLORREF> nClrPane, HDC hDC) {
  if (ParentMaximised(hWnd)) return;
  BorrowedDc borrowed(hWnd, hDC);
  HDC dc = borrowed.get();
  if (ISAPPTHEMED()) {
    DrawThemedSizeGrip(hWnd, dc);
    return;
  }
  RECT client{};
  GetClientRect(hWnd, &client);
  Fill(dc, {client.right - 12, client.bottom - 12, client.right, client.bottom},
       nClrPane.value_or(GetSysColor(COLOR_BTNFACE)));
  HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HPEN highlight = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  const int r = client.right - 2;
  const int b = client.bottom - 1;
  for (int d : {0, 4, 8}) {
    Diagonal(dc, shadow, r, b - d - 3, r - d - 3, b);
    Diagonal(dc, shadow, r, b - d - 2, r - d - 2, b);
    Diagonal(dc, highlight, r, b - d - 4, r - d - 4, b);
  }
  DeleteObject(shadow);
  DeleteObject(highlight);
}

}  // namespace gfx
