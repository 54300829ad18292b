#pragma once
// The dictionary editor's start-up, main window and exit.

namespace dravonel {

// The program's main function: refuses to run beside the quick-search
// tool, reads the settings, checks the tables, shows the splash, runs the
// main window and, when it has closed, closes the tables, copies the
// settings, removes its semaphore and writes its keys.
void DRAVONEL();

// The icon, the fonts and the main window over the rectangle in the module
// state, with its menu, clipboard object and message bar (whose two items
// OPENDBF fills) and its move, first-show and closing hooks; not shown yet.
void MakeMainWindow();

// The main window's closing check: tells the user the table is being
// tidied, packs it when deletions are pending and the user agrees. Never
// refuses; true.
bool ValidClose();

// The message bar's text while the window closes.
inline constexpr const char* kClosingMessage = "Datenbank wird reorganisiert, bitte warten !";

}  // namespace dravonel
