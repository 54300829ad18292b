#pragma once
// The editor's working surface: the child dialog with the two search
// fields, the search button, the word grid over DBUCH, the letter buttons
// and the two direction flags. Rebuilt on every dictionary switch.

#include <memory>
#include <string>
#include <string_view>

namespace grid {
class TGBrowse;
}

namespace dravonel {

// Opens the current dictionary and builds and shows the dialog.
void BUILDDLG();
// The captions and flag bitmaps of a dictionary; any other code gets the
// English ones.
bool SETLANG(std::string_view cBase);
// Both search fields blank; with lFocus the dialog and the grid repaint and
// the German field takes the focus.
void ZQGETVAR(bool lFocus);

// The dialog's word grid; null before the first build.
std::shared_ptr<grid::TGBrowse> WordGrid();

// Enters the dialog's and the searches' routines into the public function
// registry, where the start-up and the menus find them.
void RegisterDialogRoutines();

}  // namespace dravonel
