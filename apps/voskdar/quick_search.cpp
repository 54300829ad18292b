#include "apps/voskdar/quick_search.h"

#include "apps/common/transchr.h"
#include "apps/voskdar/scratch_table.h"
#include "apps/voskdar/search_texts.h"
#include "apps/voskdar/table_faults.h"
#include "apps/voskdar/table_search.h"
#include "apps/voskdar/wildcards.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "runtime/work_areas.h"

namespace voskdar {

namespace {

inline constexpr std::string_view kTableAlias = "DDBF";

// Opens the side's index as the only order of the table in the current
// area; false (recorded) when it cannot be read.
bool UseOrder(const common::WordTable& table, SearchSide side) {
  rt::ORDLISTCLEAR();
  if (!rt::ORDLISTADD(common::IndexName(table, side == SearchSide::German ? 1 : 2))) return false;
  rt::ORDSETFOCUS(1);
  return rt::INDEXORD() == 1;
}

class TableRun {
 public:
  TableRun(const SearchTerm& term, const SearchOptions& options, const SearchHooks& hooks, ScratchRows& rows)
      : term_(term), options_(options), hooks_(hooks), rows_(rows) {}

  void Search(const common::WordTable& table) {
    faults_.Clear();
    if (!rt::DBUSEAREA(true, "", table.base, kTableAlias, true, true)) {
      Report(std::string(table.base) + ".DBF");
      return;
    }
    if (options_.german) Side(table, SearchSide::German);
    if (options_.foreign) Side(table, SearchSide::Foreign);
    rt::DBCLOSEAREA();
  }

 private:
  void Side(const common::WordTable& table, SearchSide side) {
    faults_.Clear();
    if (!UseOrder(table, side)) {
      Report(common::IndexName(table, side == SearchSide::German ? 1 : 2) + ".NTX");
      return;
    }
    const SideSearch search{table, side, term_.For(table, side == SearchSide::Foreign), options_.exact};
    try {
      if (term_.Wildcard()) {
        WILDSEEK(search, rows_);
      } else {
        PrefixSeek(search, rows_);
      }
    } catch (const rt::TableFault& fault) {
      faults_.Record(fault, "SUCHEN");
      Report(std::string(table.base) + ".DBF");
    }
  }

  // Names the file the driver named, else the one being read.
  void Report(const std::string& file) {
    std::string named = faults_.File().empty() ? file : faults_.File();
    if (const auto slash = named.find_last_of("\\/"); slash != std::string::npos) named.erase(0, slash + 1);
    hooks_.error(UnreadableFileText(named, faults_.Reason()));
  }

  const SearchTerm& term_;
  const SearchOptions& options_;
  const SearchHooks& hooks_;
  ScratchRows& rows_;
  FaultRecorder faults_;
};

}  // namespace

bool SearchTerm::Wildcard() const noexcept { return HasWildcard(plain); }

SearchTerm PrepareTerm(std::string_view cTerm) {
  const std::string lower = rt::LOWER(cTerm);
  SearchTerm term{rt::UPPER(lower), rt::UPPER(common::TRANSCHR(lower))};
  // Trailing blanks only; a term of blanks, tabs or line ends is empty.
  if (term.plain.find_first_not_of(" \t\r\n") == std::string::npos) return {};
  term.plain = rt::RTRIM(term.plain);
  term.folded = rt::RTRIM(term.folded);
  return term;
}

long SearchTables(std::string_view cTerm, const SearchOptions& options, const SearchHooks& hooks) {
  const SearchTerm term = PrepareTerm(cTerm);
  if (term.Empty()) {
    hooks.error(kNoTermText);
    return -1;
  }
  std::string reason;
  if (!MAKETEMP(&reason)) {
    hooks.error(ScratchFailedText(kScratchFile, reason));
    return -1;
  }
  if (hooks.busy) hooks.busy();
  ScratchRows rows;
  {
    TableRun run(term, options, hooks, rows);
    for (std::size_t i = 0; i < common::kWordTables.size(); ++i)
      if (options.languages[i]) run.Search(common::kWordTables[i]);
  }
  rt::DBSELECTAREA(kScratchAlias);
  if (!rows.Flush()) {
    hooks.error(ScratchWriteText(kScratchFile, rows.Failure()));
    return -1;
  }
  if (rows.Count() == 0) {
    hooks.error(NotFoundText(term.plain));
  } else {
    rt::DBGOTOP();
  }
  return rows.Count();
}

}  // namespace voskdar
