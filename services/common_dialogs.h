#pragma once
// The colour, find and file-name common dialogs, owned by the active window
// unless an owner is given.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

// The colour chosen, or nColor when the dialog is cancelled. nFlags 3:
// initial colour and full dialog. The custom colours are sixteen greys from
// white down, 16 darker per channel each.
long CHOOSECOLOR(long nColor, long nFlags = 3);

// Opens the modeless find dialog, preset with cFindWhat. The dialog edits a
// buffer of the program's own, never the caller's text; its notification
// message "commdlg_FindReplace" is stored into nMsg. While a find dialog is
// open, another call brings that one forward. Returns the dialog's window.
HWND FINDTEXT(std::string_view cFindWhat, HWND hWndOwner, rt::Value& nMsg);
// The text the open find dialog holds (what the user typed).
std::string FindTextBuffer();

// The open or save dialog; the chosen full name, or "" when cancelled, when
// the dialog failed (COMDLGXERR tells which) or without a filter argument.
// The filter is pairs of description and pattern separated by "|".
std::string CGETFILE(std::optional<std::string> cFilter = {}, std::string_view cTitle = {}, long nFilterIndex = 0,
                     std::string_view cInitDir = {}, bool lSave = false, bool lLongNames = false, long nFlags = 0,
                     std::optional<std::string> cFileName = {});
// The extended error of the last common dialog; 0 after a cancel.
long COMDLGXERR();

}  // namespace svc
