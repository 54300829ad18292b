#include "graphics/bitmap_button.h"

#include "graphics/bitmap.h"
#include "graphics/frames.h"
#include "graphics/gdi_scope.h"
#include "graphics/palette_bitmap.h"

namespace gfx {

namespace {

constexpr int kMenuArrowWidth = 15;

struct Layout {
  POINT text{};       // caption's top-left
  POINT pictureShift{};  // how far the caption pushes the picture
};

Layout Place(const RECT& client, SIZE textSize, int nTextPos) {
  const int w = client.right, h = client.bottom;
  const int centredX = (w - textSize.cx) / 2;
  const int centredY = (h - textSize.cy) / 2;
  switch (nTextPos) {
    case 1: return {{centredX, h - textSize.cy - 4}, {0, -(textSize.cy + 2)}};
    case 2: return {{w - textSize.cx - 8, centredY}, {-(textSize.cx + 4), 0}};
    case 3: return {{centredX, 4}, {0, textSize.cy + 2}};
    case 4: return {{8, centredY}, {textSize.cx + 4, 0}};
    default: return {{centredX, centredY}, {0, 0}};
  }
}

void Caption(HDC dc, const std::string& text, POINT at, COLORREF colour) {
  SetTextColor(dc, colour);
  TextOutA(dc, at.x, at.y, text.data(), static_cast<int>(text.size()));
}

}  // namespace

void PALBTNPAINT(HWND hWnd, ButtonPicture normal, ButtonPicture pressed, ButtonPicture disabled, bool lPressed,
                 bool lStretch, bool lBorder, bool lMenu, COLORREF nClrPane, const std::string& cCaption,
                 int nTextPos, HFONT hFont, COLORREF nClrText, HDC hDC) {
  BorrowedDc borrowed(hWnd, hDC);
  HDC dc = borrowed.get();
  RECT client{};
  GetClientRect(hWnd, &client);
  Selection font(dc, hFont);

  // The pane first, so that a picture moved by the press leaves no trace.
  HBRUSH pane = CreateSolidBrush(nClrPane);
  FillRect(dc, &client, pane);
  DeleteObject(pane);

  SIZE textSize{};
  if (!cCaption.empty()) GetTextExtentPoint32A(dc, cCaption.data(), static_cast<int>(cCaption.size()), &textSize);
  const Layout layout = cCaption.empty() ? Layout{} : Place(client, textSize, nTextPos);

  const bool enabled = IsWindowEnabled(hWnd);
  ButtonPicture picture = normal;
  bool sunken = false;
  bool raised = false;
  if (!enabled && disabled.bitmap) {
    picture = disabled;
    raised = lBorder;
  } else if (lPressed) {
    if (pressed.bitmap) picture = pressed;
    sunken = true;
  } else {
    raised = lBorder;
  }

  const int shift = lPressed ? 1 : 0;
  if (picture.bitmap) {
    if (lStretch) {
      PALBMPDRAW(dc, 1 + shift, 1 + shift, picture.bitmap, picture.palette, client.right - 2, client.bottom - 2,
                 0, true, static_cast<long>(nClrPane));
    } else {
      const int areaWidth = client.right - (lMenu ? kMenuArrowWidth : 0);
      const int x = (areaWidth - NBMPWIDTH(picture.bitmap)) / 2 + layout.pictureShift.x + shift;
      const int y = (client.bottom - NBMPHEIGHT(picture.bitmap)) / 2 + layout.pictureShift.y + shift;
      PALBMPDRAW(dc, y, x, picture.bitmap, picture.palette, 0, 0, 0, true, static_cast<long>(nClrPane));
    }
  }

  const bool dark = nClrPane == GetSysColor(COLOR_BTNSHADOW);
  const RECT frame{0, 0, client.right - 1, client.bottom - 1};
  if (sunken) DrawFrame(dc, frame, dark ? FrameKind::SunkenDark : FrameKind::Sunken);
  if (raised) DrawFrame(dc, frame, dark ? FrameKind::RaisedDark : FrameKind::Raised);

  if (!cCaption.empty()) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);
    const POINT at{layout.text.x + shift, layout.text.y + shift};
    if (enabled) {
      Caption(dc, cCaption, at, nClrText);
    } else {
      Caption(dc, cCaption, {at.x + 1, at.y + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
      Caption(dc, cCaption, at, GetSysColor(COLOR_BTNSHADOW));
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
  }
}

}  // namespace gfx
