#pragma once
// What the single-line and the multi-line get share about the selection of
// their native edit control.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace controls {

// The selection as 0-based character offsets, the end past the last one.
void EditSelPos(HWND hWnd, long& nStart, long& nEnd);
// The selected part of the edit control's text, "" when nothing is.
std::string EditSelText(HWND hWnd);
// Puts the text on the clipboard for oOwner; an empty text leaves the
// clipboard as it is.
void CopyToClipboard(const std::string& cText, const rt::Value& oOwner);
// Whether the clipboard holds a text to paste, asked for oOwner.
bool ClipboardHasText(const rt::Value& oOwner);

}  // namespace controls
