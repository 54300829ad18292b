// A two-column report (DEUTSCH, FREMD) over the whole DEUENG.DBF into a
// text file, against SQLite's shell writing the same two columns of the same
// rows into a file, in the same run (make the table with tools/word_tables
// first; the rows are copied into a scratch SQLite database here).
//
//   report_bench [--dir FOLDER] [--runs N]

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/bench_support.h"
#include "print/treport.h"
#include "print/trfile.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace {

using bench::Clock;
using bench::Seconds;

bool CopyToSqlite(const std::string& db) {
  std::filesystem::remove(db);
  sqlite3* s = nullptr;
  if (sqlite3_open(db.c_str(), &s) != SQLITE_OK) return false;
  sqlite3_exec(s, "CREATE TABLE w(deutsch TEXT, fremd TEXT); BEGIN;", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(s, "INSERT INTO w VALUES(?, ?)", -1, &insert, nullptr);
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP()) {
    const std::string de = rt::TRIM(rt::FIELDGET("DEUTSCH").AsString());
    const std::string fr = rt::TRIM(rt::FIELDGET("FREMD").AsString());
    sqlite3_bind_text(insert, 1, de.c_str(), static_cast<int>(de.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, fr.c_str(), static_cast<int>(fr.size()), SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(s, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_close(s);
  return true;
}

double Report(const std::string& out) {
  const auto start = Clock::now();
  rt::DBGOTOP();
  prn::ReportArgs args;
  args.cFile = rt::Value(out);
  args.aTitle = rt::Value::Array({rt::Value("DEUENG")});
  const auto report = prn::RPTBEGIN(args);
  rt::Value german[] = {rt::Value::Array({rt::Value("Deutsch")}), rt::Value(0),
                        rt::Value::Block([](rt::Args) { return rt::FIELDGET("DEUTSCH"); })};
  prn::RPTADDCOLUMN(german);
  rt::Value foreign[] = {rt::Value::Array({rt::Value("Englisch")}), rt::Value(0),
                         rt::Value::Block([](rt::Args) { return rt::FIELDGET("FREMD"); })};
  prn::RPTADDCOLUMN(foreign);
  prn::RPTEND();
  report->Activate();
  return Seconds(start);
}

double Shell(const std::string& db, const std::string& out) {
  const std::string command = "sqlite3 -separator ' ' " + db + " 'SELECT deutsch, fremd FROM w' > " + out;
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) return -1;
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", ".");
  const int runs = static_cast<int>(options.Number("--runs", 3));
  std::filesystem::current_path(dir);
  if (!rt::DBUSEAREA(true, "", "DEUENG.DBF", "W", false, true)) {
    std::fprintf(stderr, "DEUENG.DBF not found in %s\n", dir.c_str());
    return 1;
  }
  const long rows = rt::RECCOUNT();
  const std::string db = "report_bench.sqlite";
  if (!CopyToSqlite(db)) return 1;
  // Alternated, so that neither profits from a warmer cache.
  double report = 1e9, shell = 1e9;
  for (int i = 0; i < runs; ++i) {
    report = std::min(report, Report("report_bench.txt"));
    shell = std::min(shell, Shell(db, "report_bench_sqlite.txt"));
  }
  const auto reportSize = std::filesystem::file_size("report_bench.txt");
  rt::DBCLOSEALL();
  for (const char* f : {"report_bench.txt", "report_bench_sqlite.txt", "report_bench.sqlite"})
    std::filesystem::remove(f);
  std::printf("rows %ld, report file %ju bytes\nTRFile report   %8.1f ms\nsqlite3 shell   %8.1f ms\n"
              "ratio %.2f (goal <= 3)\n",
              rows, static_cast<std::uintmax_t>(reportSize), report * 1e3, shell * 1e3, report / shell);
  return 0;
}
