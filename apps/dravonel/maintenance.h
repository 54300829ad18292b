#pragma once
// The editor's maintenance of entries, reached from the main and the
// context menu by name: add, edit, delete or recall, duplicates, export and
// import.

#include <string>

#include "runtime/value.h"

namespace dravonel {

// The entry dialogs, modal over oWnd; true. A saved entry sets the export
// flag. Edit does nothing without a current row.
bool ADDDATA(const rt::Value& oWnd);
bool EDITDATA(const rt::Value& oWnd);
// Deletes or recalls the current row after asking; false when the user
// declined or there is no current row.
bool DELDATA();
bool DELDUPEDATA();
bool EXPMYDATA();
bool IMPMYDATA();

// Makes the six routines known by name.
void RegisterMaintenance();

// The export file of the dictionary now open ("DEUENG.EXP").
std::string ExportFile();
// [Export] of the open dictionary, lExportPending and the export item, set
// together.
void SetExportFlag(bool on);
// The main window's message bar shows text.
void BarMessage(const std::string& text);

}  // namespace dravonel
