#pragma once
// The memo editor of a grid cell: a dialog with the memo's text, accept,
// cancel and help buttons, laid out again whenever it is resized.

#include <string>

#include "core/tdialog.h"

namespace grid {

// Edits cText in a modal dialog titled "Bearbeiten " and cTitle (default
// "Memo Feld"); .T. when accepted, cText then holding the new text.
bool EDITMEMO(std::string& cText, const rt::Value& cTitle = {}, const rt::Value& oBrw = {}, double nTop = 9,
              double nLeft = 9, double nBottom = 22, double nRight = 68.5);

// Places the memo dialog's text and its three buttons for a client area of
// nWidth x nHeight pixels.
void EditMemoLayout(const core::TDialog& oDlg, int nWidth, int nHeight);

}  // namespace grid
