#include "tools/word_tables/table_writer.h"

#include "runtime/table_fns.h"
#include "tools/word_tables/cp1252.h"

bool WriteWordTable(const std::string& path, const char* language, const WordPairs& pairs) {
  rt::Value structure = rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 50, 0}),
                                          rt::Value::Array({"FREMD", "C", 50, 0}),
                                          rt::Value::Array({"SPRACHE", "C", 2, 0}),
                                          rt::Value::Array({"STATUS", "N", 1, 0})});
  if (!rt::DBCREATE(path, structure) || !rt::DBUSEAREA(true, "DBFNTX", path, "WORDS", false, false)) return false;
  for (const auto& [german, foreign] : pairs) {
    rt::DBAPPEND();
    rt::FIELDPUT(1, Utf8ToCp1252(german));
    rt::FIELDPUT(2, Utf8ToCp1252(foreign));
    rt::FIELDPUT(3, language);
    rt::FIELDPUT(4, 0);
  }
  rt::DBCLOSEAREA();
  return true;
}
