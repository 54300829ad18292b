#pragma once
// The progress meter's face: a bar in its own colours up to the percentage,
// the pane colours after it, and one centred text that changes colour where
// the bar ends.

#include <windows.h>

#include <string>

namespace gfx {

// The meter's text: cText and a blank when cText is not empty, then with
// lPercentage the percentage in four characters (" 50%", "  5%", "100%").
std::string MeterText(const std::string& cText, int nPercent, bool lPercentage);

// Where the bar ends: the column nPercent hundredths of the way to the last
// one, the percentage clamped to 0-100.
int MeterBarEnd(int nPercent, int clientRight);

// The spare third and fourth arguments of the class layer's call are not
// used. A DC of the window is taken when hDC is 0. Returns 0.
int METERPAINT(HWND hWnd, HDC hDC, int nPercent, const std::string& cText, bool lPercentage, COLORREF nClrPane,
               COLORREF nClrText, COLORREF nClrBar, COLORREF nClrBarText, HFONT hFont = nullptr);

}  // namespace gfx
