#pragma once
// The editor's changes to the open word table DBUCH, free of windows: the
// save of an added or edited entry, the duplicate walk, the export of the
// own rows and the checked import. The dialogs and questions around them
// live in the maintenance routines.

#include <functional>
#include <string>
#include <string_view>

#include "apps/dravonel/open_dbf.h"

namespace dravonel {

// Selects DBUCH; false when it is not open.
bool SelectWords();
// DBUCH is open and stands on a record (not at the end of file).
bool HasCurrentRow();

// Writes the terms (already through VERCRYPT, cut by the fields' widths)
// with STATUS 1 into a new row (add) or STATUS 2 into the current one
// (edit), and writes the row and both orders at once.
void SaveEntry(bool add, const std::string& german, const std::string& foreign);

// Marks deleted every later live row of a run of rows whose upper-cased
// DEUTSCH and FREMD are equal in the order in force; the first live row of
// each run stays, rows already marked are passed over. The number of rows
// newly marked.
long MarkDuplicates();

// A killed add leaves the blank row the append wrote first: both terms
// blank, STATUS 0. Such rows carry nothing a user saved; they are marked
// deleted (the next pack removes them). Their number.
long MarkUnfinishedAdds();

enum class ExportResult { Done, NotWritten, NotReplaced };
// Copies the rows with STATUS above 0 (all fields, deleted ones with their
// mark, in the order in force) to a new file beside target, checks that it
// holds exactly those rows and only then puts it in target's place.
// keepAlive, when set, runs now and then during the scan of the table (the
// program lets its windows answer there).
ExportResult ExportOwnRows(const std::string& target, const std::function<void()>& keepAlive = {});

// Whether file is a complete table that holds DEUTSCH and FREMD as text
// fields; read without changing anything.
bool ImportableFile(const std::string& file);

}  // namespace dravonel
