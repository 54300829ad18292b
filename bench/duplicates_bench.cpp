// The duplicate walk as the editor makes it (order 1, adjacent pairs of
// upper-cased terms, marking later rows deleted) over the full DEUENG,
// against SQLite doing the same walk over an index on the same key with
// the same rows, in the same run. Each run starts from a fresh copy.
//
//   duplicates_bench [--dir FOLDER] [--runs N]   (tables from tools/word_tables)

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/common/word_tables.h"
#include "apps/dravonel/entry_store.h"
#include "bench/bench_support.h"
#include "bench/word_tables_folder.h"
#include "runtime/table_fns.h"

namespace {

namespace fs = std::filesystem;
using bench::Clock;
using bench::Seconds;

// The editor's walk on a fresh copy of the table with its order 1 built.
double OwnWalk(long& marked) {
  fs::copy_file("DEUENG.DBF", "BENCHDUP.DBF", fs::copy_options::overwrite_existing);
  rt::DBUSEAREA(true, "", "BENCHDUP.DBF", "DBUCH", false, false);
  rt::ORDCREATE("BENCHDUP1", "", common::OrderKey(common::kWordTables[0], 1, common::KeyStyle::Editor));
  const auto start = Clock::now();
  marked = dravonel::MarkDuplicates();
  rt::DBCOMMIT();
  const double took = Seconds(start);
  rt::DBCLOSEALL();
  return took;
}

void Exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "sqlite: %s\n", error ? error : "?");
    std::exit(1);
  }
}

// The same rows in an SQLite file with an index on the upper-cased pair.
void LoadSqlite(const char* file) {
  fs::remove(file);
  sqlite3* db = nullptr;
  sqlite3_open(file, &db);
  Exec(db, "CREATE TABLE words(deutsch TEXT, fremd TEXT, deleted INTEGER)");
  Exec(db, "BEGIN");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO words VALUES(?, ?, ?)", -1, &insert, nullptr);
  rt::DBUSEAREA(true, "", "DEUENG.DBF", "SRC", true, true);
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) {
    const std::string de = rt::FIELDGET("DEUTSCH").AsString(), fr = rt::FIELDGET("FREMD").AsString();
    sqlite3_bind_text(insert, 1, de.c_str(), static_cast<int>(de.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, fr.c_str(), static_cast<int>(fr.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 3, rt::DELETED() ? 1 : 0);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  rt::DBCLOSEALL();
  sqlite3_finalize(insert);
  Exec(db, "COMMIT");
  Exec(db, "CREATE INDEX pair ON words(upper(deutsch), upper(fremd))");
  sqlite3_close(db);
}

double SqliteWalk(const char* file, long& marked) {
  fs::copy_file(file, "BENCHDUP.SQL", fs::copy_options::overwrite_existing);
  sqlite3* db = nullptr;
  sqlite3_open("BENCHDUP.SQL", &db);
  const auto start = Clock::now();
  Exec(db, "BEGIN");
  sqlite3_stmt* walk = nullptr;
  sqlite3_stmt* mark = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT rowid, upper(deutsch), upper(fremd), deleted FROM words "
                     "INDEXED BY pair ORDER BY upper(deutsch), upper(fremd)",
                     -1, &walk, nullptr);
  sqlite3_prepare_v2(db, "UPDATE words SET deleted = 1 WHERE rowid = ?", -1, &mark, nullptr);
  std::string german, foreign;
  bool started = false, kept = false;
  marked = 0;
  while (sqlite3_step(walk) == SQLITE_ROW) {
    const std::string de = reinterpret_cast<const char*>(sqlite3_column_text(walk, 1));
    const std::string fr = reinterpret_cast<const char*>(sqlite3_column_text(walk, 2));
    const bool deleted = sqlite3_column_int(walk, 3) != 0;
    if (started && de == german && fr == foreign) {
      if (deleted) continue;
      if (kept) {
        sqlite3_bind_int64(mark, 1, sqlite3_column_int64(walk, 0));
        sqlite3_step(mark);
        sqlite3_reset(mark);
        ++marked;
      }
      kept = true;
      continue;
    }
    started = true;
    german = de;
    foreign = fr;
    kept = !deleted;
  }
  sqlite3_finalize(walk);
  sqlite3_finalize(mark);
  Exec(db, "COMMIT");
  const double took = Seconds(start);
  sqlite3_close(db);
  return took;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", ".");
  const int runs = static_cast<int>(options.Number("--runs", 5));
  if (!bench::EnterWordTables(dir)) return 1;
  LoadSqlite("BENCHDUP.SRC");
  double own = 1e9, lite = 1e9;
  long ownMarked = 0, liteMarked = 0;
  for (int i = 0; i < runs; ++i) {
    own = std::min(own, OwnWalk(ownMarked));
    lite = std::min(lite, SqliteWalk("BENCHDUP.SRC", liteMarked));
  }
  for (const char* f : {"BENCHDUP.DBF", "BENCHDUP1.NTX", "BENCHDUP.SQL", "BENCHDUP.SRC"}) fs::remove(f);
  std::printf("marked: own %ld, sqlite %ld\nown walk   %8.1f ms\nsqlite     %8.1f ms\nratio %.2f (goal <= 1.0)\n",
              ownMarked, liteMarked, own * 1e3, lite * 1e3, own / lite);
  return ownMarked == liteMarked ? 0 : 1;
}
