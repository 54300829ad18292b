#pragma once
// The editor's main menu and the actions behind it. Routines of later
// parts (the child dialog, the grid, the data maintenance) are called by
// name: an item whose routine is not there yet does nothing.

#include <string>

#include "runtime/value.h"

namespace dravonel {

// The pull-down main menu; stores oItemExport and sets it from
// lExportPending.
rt::Value BUILDMENU();

// The grid's context menu for oWnd (the main window).
rt::Value ContextMenu(const rt::Value& oWnd);
// Shows the context menu at (nRow, nCol) of oWnd and returns when it has
// closed.
void BUILDRMENU(const rt::Value& oWnd, long nRow, long nCol);

// Makes code the current dictionary: its [Export] key decides the export
// item, the child dialog is rebuilt (or, before it exists, the table
// opened) and the search texts are cleared.
void SwitchTo(const std::string& code);

// The web page or the mail program for the help menu's items: only
// "http://" and "https://" addresses are opened; the mail subject is
// percent-encoded. False when nothing was started.
bool OpenWebPage(const std::string& url);
bool WriteMail(const std::string& address, const std::string& subject);
// "%XX" for every byte outside the unreserved characters.
std::string PercentEncoded(const std::string& text);

}  // namespace dravonel
