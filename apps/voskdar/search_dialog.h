#pragma once
// The search dialog in the main window's client area, the search it starts
// and the paste of the clipboard into its field.

#include <memory>
#include <string>
#include <string_view>

namespace core {
class TDialog;
class TWindow;
}  // namespace core

namespace voskdar {

// BUILDDLG: builds and shows the dialog inside oWnd (the main window's bInit).
void BUILDDLG(const std::shared_ptr<core::TWindow>& oWnd);

// SUCHEN: searches for the term into the scratch table and shows the
// messages; true when the result list copied a word.
bool SUCHEN(const std::shared_ptr<core::TWindow>& oWnd, std::string_view cTerm);

// GETCLIPBOARD: the clipboard's text up to its first line end, padded or
// cut to the term's length, or blanks when it holds none (then it is left
// alone; otherwise it is emptied).
std::string GETCLIPBOARD();

// The search dialog while it exists (for the program's tests and exit).
std::shared_ptr<core::TDialog> SearchDialog();

}  // namespace voskdar
