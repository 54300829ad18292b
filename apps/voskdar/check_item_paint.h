#pragma once
// The painters of the check-item control: one item (its shape or glyph and
// its text) and the optional frame around all items. Everything they
// create they delete before returning; the DC gets back its font, pen,
// brush and background mode.

#include <windows.h>

#include <optional>
#include <string>

namespace voskdar {

// Item shapes of nStyle.
enum RadioStyle {
  kStyleThin = 1,
  kStyleGross = 2,
  kStylePointer = 3,
  kStyleCheck = 4,
  kStyleCircle = 5,
  kStylePressedDiamond = 6,
  kStylePressedPointer = 8,
  kStylePressedCheck = 9,
};

// The 19 parameters of DRAWRADIO, in their order.
struct RadioItem {
  HDC hDC = nullptr;
  int nTop = 0;
  int nLeft = 0;
  std::string cText;  // "&" marks the hot key, drawn underlined
  HFONT hFont = nullptr;
  bool lTicked = false;
  COLORREF nClrPane = 0;
  COLORREF nClrText = 0;
  COLORREF nClrLight = 0;
  COLORREF nClrDark = 0;
  bool lDisabled = false;
  std::optional<bool> l3D;  // none: flat text; true: light up-left; false: dark up-left
  bool lFocused = false;
  int nStyle = kStyleCircle;
  bool lCheckStyle = false;
  bool lTwice = false;  // the focus mark once more, which takes it away again
  HBITMAP hBitmap = nullptr;
  int nBmpWidth = 0;
  int nBmpHeight = 0;
};

void DRAWRADIO(const RadioItem& item);

// Frame types of DRAWBOXES: "WBOX", "GBOX", "BBOX" and their rounded forms
// "WRBOX", "GRBOX", "BRBOX" (1-6); 0 for another name.
int BoxTypeNumber(const std::string& cBoxType);

// A frame of type 1-6 around the client area of hWnd with the label at its
// top edge (nAlign 0 left, 1 centre, 2 right). W is a line in the dark
// colour, G a groove (dark over light), B a ridge (light over dark).
// Colours not given come from the button face (lighter and darker by 48)
// and the button text.
void DRAWBOXES(HDC hDC, HWND hWnd, int nType, const std::string& cLabel, HFONT hFont, int nAlign,
               std::optional<COLORREF> nClrLight = std::nullopt, std::optional<COLORREF> nClrDark = std::nullopt,
               std::optional<COLORREF> nClrLabel = std::nullopt);

}  // namespace voskdar
