#include "tests/apps/word_table_file.h"

#include <gtest/gtest.h>

#include "runtime/table_fns.h"

namespace apps_test {

void MakeWordTable(const common::WordTable& table, const WordPairs& rows, const std::string& cSprache,
                   common::KeyStyle style) {
  const rt::Value structure = rt::Value::Array(
      {rt::Value::Array({"DEUTSCH", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
       rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"STATUS", "N", 1, 0})});
  const std::string file = std::string(table.base) + ".DBF";
  ASSERT_TRUE(rt::DBCREATE(file, structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "MAKE", false, false));
  for (const auto& [german, foreign] : rows) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", german);
    rt::FIELDPUT("FREMD", foreign);
    rt::FIELDPUT("SPRACHE", cSprache);
  }
  for (int order : {1, 2})
    ASSERT_TRUE(rt::ORDCREATE(common::IndexName(table, order), "", common::OrderKey(table, order, style)));
  rt::DBCLOSEAREA();
}

}  // namespace apps_test
