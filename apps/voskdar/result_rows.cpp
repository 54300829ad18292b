#include "apps/voskdar/result_rows.h"

#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace voskdar {
namespace {

constexpr std::string_view kForeignSideCode = "DEU";

std::string Field(std::string_view name) {
  const rt::Value v = rt::FIELDGET(name);
  return v.IsString() ? rt::RTRIM(v.AsString()) : std::string();
}

bool IsHeader() { return !Field("BITMAP").empty(); }

// BITMAP of the nearest header row above the current row; empty when none.
std::string HeaderAbove() {
  const long recno = rt::RECNO();
  std::string code;
  for (long r = recno - 1; r >= 1 && code.empty(); --r) {
    rt::DBGOTO(r);
    code = Field("BITMAP");
  }
  rt::DBGOTO(recno);
  return code;
}

}  // namespace

long HitCount() {
  long hits = 0;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP())
    if (!IsHeader()) ++hits;
  rt::DBGOTOP();
  return hits;
}

std::optional<std::string> CopiedTerm() {
  if (rt::DbEof() || IsHeader()) return std::nullopt;
  return Field(HeaderAbove() == kForeignSideCode ? "WORT" : "FREMD");
}

}  // namespace voskdar
