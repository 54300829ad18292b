#pragma once
// The message bar's painters: its message area, its items and its size grip.

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/value.h"

namespace gfx {

// Fills aRect ({top, left, bottom, right}) with the pane colour and writes
// the text centred in it.
void DRAWMSGITEM(HDC hDC, const std::string& cText, const rt::Value& aRect, COLORREF nClrText = 0,
                 COLORREF nClrPane = RGB(192, 192, 192), HFONT hFont = nullptr);

// The message area: the client area inset by 4 (its right edge at
// nRightLimit - 11 when that is not 0) filled with the pane colour and
// showing cMsg, or cDefMsg when cMsg is empty. With l3D a raised frame goes
// around the bar, and with lInset too a sunken one around the message. The
// pane defaults to the button face. A DC of the window when hDC is 0.
void MSGPAINT(HWND hWnd, const std::string& cMsg, const std::string& cDefMsg, bool l3D, bool lCentered,
              int nRightLimit, COLORREF nClrText = 0, std::optional<COLORREF> nClrPane = std::nullopt,
              HFONT hFont = nullptr, bool lInset = false, HDC hDC = nullptr);

// The size grip in the bottom-right corner: themed when the program is,
// else the classic diagonals on a 12 x 12 square of the pane colour
// (default button face). Nothing while the parent is maximised.
void MSGPAINT3L(HWND hWnd, std::optional<COLORREF> nClrPane = std::nullopt, HDC hDC = nullptr);

}  // namespace gfx
