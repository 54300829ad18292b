#pragma once
// The quick search over the selected word tables, free of the window layer:
// it fills the scratch table (scratch_table.h) with a header row per table
// and side that has hits, followed by the hits. The search dialog runs it
// and shows its messages.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "apps/common/word_tables.h"

namespace voskdar {

struct SearchOptions {
  std::array<bool, common::kWordTables.size()> languages{};  // ENG, FRA, ITA, SPA, POR, LAT
  bool german = true;   // search the German terms
  bool foreign = true;  // search the foreign terms
  bool exact = false;   // whole terms instead of prefixes
};

// The term as each side compares it: upper-cased, and with accents folded
// for the foreign side of the tables whose foreign key folds them (the other
// keys hold the accents as stored). Trailing blanks are removed.
struct SearchTerm {
  std::string plain, folded;
  bool Empty() const noexcept { return plain.empty(); }
  bool Wildcard() const noexcept;
  const std::string& For(const common::WordTable& table, bool foreignSide) const noexcept {
    return foreignSide && table.foldsForeign ? folded : plain;
  }
};
SearchTerm PrepareTerm(std::string_view cTerm);

struct SearchHooks {
  // A message titled "Fehler".
  std::function<void(std::string_view text)> error;
  // Called once the search starts reading tables (the wait cursor).
  std::function<void()> busy;
};

// Searches the selected tables and sides into a new scratch table, which
// stays open and selected as DTMP at its first row. Answers the number of
// rows written (after the not-found message when 0), or -1 when there is
// nothing to show: an empty term, a scratch table that cannot be made, or
// hits that could not be written to it (each with its message, the last
// naming the file). A table or index that cannot be read is named in a
// message and passed over.
long SearchTables(std::string_view cTerm, const SearchOptions& options, const SearchHooks& hooks);

}  // namespace voskdar
