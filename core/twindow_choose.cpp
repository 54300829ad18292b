// The colour and font dialogs for a window's own colours and font. Each
// starts from what the window has now; a confirmed choice is applied at once
// and the window repainted.
#include "core/twindow.h"
#include "services/common_dialogs.h"

namespace core {

long TWindow::SelColor(bool lFore) {
  const long before = lFore ? nClrText : nClrPane;
  const long chosen = svc::CHOOSECOLOR(before);
  if (chosen == before) return chosen;
  if (lFore) {
    nClrText = chosen;
  } else {
    // The pane needs a brush of the new colour.
    SetColor(rt::Value(nClrText), rt::Value(chosen));
  }
  Refresh();
  return chosen;
}

std::shared_ptr<gfx::TFont> TWindow::SelFont() {
  if (!oFont) GetFont();
  rt::Value colour(nClrText);
  auto chosen = oFont->Choose(&colour);
  const bool recoloured = colour.AsInt() != nClrText;
  nClrText = colour.AsInt();
  if (chosen != oFont) {
    // Choose has ended the old font and hands over the new one with the
    // single use that the window now holds.
    oFont = std::move(chosen);
    SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), 0);
    MeasureFont();
  } else if (!recoloured) {
    return oFont;
  }
  Refresh();
  return oFont;
}

}  // namespace core
