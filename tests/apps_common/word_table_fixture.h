#pragma once
// Small word tables in the current folder, written through the table driver.

#include <string>
#include <utility>
#include <vector>

#include "runtime/table_fns.h"

namespace common::test {

using Rows = std::vector<std::pair<std::string, std::string>>;

// A table with DEUTSCH, FREMD, STATUS and SPRACHE (or only the fields
// named) holding the rows; true when written.
inline bool MakeWordTable(const std::string& file, const Rows& rows,
                          const std::vector<std::string>& fields = {"DEUTSCH", "FREMD", "STATUS", "SPRACHE"}) {
  rt::Value structure = rt::Value::Array();
  for (const std::string& f : fields) {
    const bool numeric = f == "STATUS";
    structure.Items().push_back(rt::Value::Array({f, numeric ? "N" : "C", numeric ? 1 : (f == "SPRACHE" ? 2 : 40), 0}));
  }
  if (!rt::DBCREATE(file, structure) || !rt::DBUSEAREA(true, "", file, "FIXTURE", false, false)) return false;
  for (const auto& [german, foreign] : rows) {
    rt::DBAPPEND();
    rt::FIELDPUT(1, german);
    if (rt::FIELDPOS("FREMD") != 0) rt::FIELDPUT("FREMD", foreign);
  }
  rt::DBCLOSEAREA();
  return true;
}

// n rows "Wort<i>" / "mot<i>".
inline Rows NumberedRows(int n) {
  Rows rows;
  for (int i = 1; i <= n; ++i) rows.emplace_back("Wort" + std::to_string(i), "mot" + std::to_string(i));
  return rows;
}

}  // namespace common::test
