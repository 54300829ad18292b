#pragma once
// What the result list reads from the scratch table: the number of hits and
// the word a copy gives for the current row.

#include <optional>
#include <string>

namespace voskdar {

// The rows of the current area (the scratch table) whose BITMAP is blank:
// the hits, header rows excluded. Leaves the area on its first row.
long HitCount();

// The word a copy of the current row gives, without trailing blanks: the
// term of the other language than the one searched. Under a header for the
// foreign side (BITMAP "DEU") that is WORT, where the search writes the
// German term, else FREMD. Empty for a header row, which holds no word. Rows
// are told by BITMAP, so a row the editor added (empty SPRACHE) copies too.
// The record stays where it was.
std::optional<std::string> CopiedTerm();

}  // namespace voskdar
