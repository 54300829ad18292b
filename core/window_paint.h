#pragma once
// Text on a window and a window's image on a printer page.

#include <windows.h>

#include <optional>
#include <string_view>

namespace core {

// Draws cText at (nRow, nCol): pixels when lPixel holds, otherwise text rows
// and columns of the font. hDC 0 draws through a device context of hWnd.
// Colours, font and alignment left out keep the device context's own.
void WSAY(HWND hWnd, HDC hDC, int nRow, int nCol, std::string_view cText, std::optional<COLORREF> nClrFore = {},
          std::optional<COLORREF> nClrBack = {}, HFONT hFont = nullptr, bool lPixel = false,
          bool lTransparent = false, std::optional<UINT> nAlign = {});
// Fills the rectangle {nRow, nCol, nBottom, nRight} (pixels) with the
// background colour and draws cText in it with the DrawText format nFormat
// (default: one line, left, vertically centred).
void WSAYRECT(HWND hWnd, HDC hDC, int nRow, int nCol, std::string_view cText, std::optional<COLORREF> nClrFore,
              std::optional<COLORREF> nClrBack, HFONT hFont, int nBottom, int nRight,
              UINT nFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE);
// Character height of hFont (or the window's default font) on the window.
int NWNDCHRHEIGHT(HWND hWnd, HFONT hFont = nullptr);
// Copies the window's image to (nLeft, nTop) of the printer's page, nScale
// times its size (1 when 0).
bool WNDPRINT(HWND hWnd, HDC hDCPrinter, int nTop, int nLeft, int nScale = 1);

}  // namespace core
