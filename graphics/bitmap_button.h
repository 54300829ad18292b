#pragma once
// The face of a bitmap button: its picture (normal, pressed or disabled),
// frame and caption.

#include <windows.h>

#include <string>

namespace gfx {

struct ButtonPicture {
  HBITMAP bitmap = nullptr;
  HPALETTE palette = nullptr;
};

// Draws the button in hDC (a DC of the button when 0). The picture's
// top-left colour shows as nClrPane. nTextPos places the caption and moves
// the picture away from it: 1 bottom, 2 right, 3 top, 4 left, anything else
// centred over the picture. lMenu keeps 15 pixels at the right for the
// drop-down arrow. The frames are the dark ones on a shadow-coloured pane.
void PALBTNPAINT(HWND hWnd, ButtonPicture normal, ButtonPicture pressed, ButtonPicture disabled, bool lPressed,
                 bool lStretch, bool lBorder, bool lMenu, COLORREF nClrPane, const std::string& cCaption,
                 int nTextPos, HFONT hFont, COLORREF nClrText, HDC hDC = nullptr);

}  // namespace gfx
