#pragma once
// One side of one word table, searched over the table open in the current
// work area with that side's order in focus; the rows go to the scratch
// table. Driver faults (a damaged record or index page) are thrown as
// rt::TableFault for the caller to report.

#include <string_view>

#include "apps/common/word_tables.h"
#include "apps/voskdar/scratch_table.h"
#include "apps/voskdar/search_texts.h"

namespace voskdar {

struct SideSearch {
  const common::WordTable& table;
  SearchSide side;
  std::string_view term;  // upper-cased, folded where the side's key folds, no trailing blanks
  bool exact;
};

// Prefix search, or with `exact` the entries whose whole term is `term`.
void PrefixSeek(const SideSearch& search, RowSink& rows);

// Wildcard search: every entry whose term matches the pattern, a pair of
// German and foreign term listed once.
void WILDSEEK(const SideSearch& search, RowSink& rows);

}  // namespace voskdar
