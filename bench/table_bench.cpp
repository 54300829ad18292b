// The word-table driver against SQLite on DEUENG built from trans-de-en:
// building the order "upper(DEUTSCH)+upper(FREMD)", prefix seeks of German
// terms (cold and warm, each side measured alike), a full table scan, and
// appends with both word-table orders open: each committed on its own, as
// the editor saves an entry, and a run of them under one commit.
//
//   table_bench [--source FILE] [--seeks N] [--appends N]

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "runtime/table_fns.h"
#include "runtime/text_case.h"
#include "runtime/work_areas.h"
#include "tools/word_tables/cp1252.h"
#include "tools/word_tables/sources.h"

namespace {

using bench::Clock;
using bench::Seconds;

void Check(int rc, sqlite3* db, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::fprintf(stderr, "sqlite %s: %s\n", what, sqlite3_errmsg(db));
    std::exit(1);
  }
}

std::string Key(const std::string& german, const std::string& foreign) {
  std::string g = german.substr(0, 50), f = foreign.substr(0, 50);
  g.resize(50, ' ');
  f.resize(50, ' ');
  return rt::AsciiUpper(g) + rt::AsciiUpper(f);
}

struct Spread {
  double median, low, high;
};

Spread SpreadOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v[v.size() / 2], v.front(), v.back()};
}

void Row(const char* what, const std::vector<double>& ours, const std::vector<double>& theirs, double scale,
         const char* goal) {
  const Spread a = SpreadOf(ours), b = SpreadOf(theirs);
  char left[64], right[64];
  std::snprintf(left, sizeof left, "%.3f [%.3f-%.3f]", a.median * scale, a.low * scale, a.high * scale);
  std::snprintf(right, sizeof right, "%.3f [%.3f-%.3f]", b.median * scale, b.low * scale, b.high * scale);
  std::printf("%-30s %24s %24s %7.3f %7s\n", what, left, right, a.median / b.median, goal);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string source = options.Text("--source", "/usr/share/trans/de-en");
  const long seeks = options.Number("--seeks", 10000);
  const long appends = options.Number("--appends", 2000);
  WordPairs pairs;
  if (!ReadTransDeEn(source, static_cast<std::size_t>(-1), pairs) || pairs.empty()) {
    std::fprintf(stderr, "table_bench: %s not readable (Debian package trans-de-en)\n", source.c_str());
    return 1;
  }
  auto dir = std::filesystem::temp_directory_path() / "vd_table_bench";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string table = (dir / "DEUENG.DBF").string();

  std::vector<std::string> german, keys;
  rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 50, 0}),
                                        rt::Value::Array({"FREMD", "C", 50, 0}),
                                        rt::Value::Array({"SPRACHE", "C", 2, 0}),
                                        rt::Value::Array({"STATUS", "N", 1, 0})}));
  rt::DBUSEAREA(true, "DBFNTX", table, "DEUENG", false, false);
  for (const auto& [g, f] : pairs) {
    std::string g1252 = Utf8ToCp1252(g), f1252 = Utf8ToCp1252(f);
    rt::DBAPPEND();
    rt::FIELDPUT(1, g1252);
    rt::FIELDPUT(2, f1252);
    rt::FIELDPUT(3, "EN");
    rt::FIELDPUT(4, 0);
    german.push_back(g1252);
    keys.push_back(Key(g1252, f1252));
  }
  rt::DBCOMMIT();
  const long rows = rt::RECCOUNT();

  sqlite3* db = nullptr;
  Check(sqlite3_open((dir / "ref.sqlite").string().c_str(), &db), db, "open");
  Check(sqlite3_exec(db, "PRAGMA synchronous=OFF; PRAGMA journal_mode=OFF; CREATE TABLE words(key BLOB)",
                     nullptr, nullptr, nullptr),
        db, "create");
  Check(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), db, "begin");
  sqlite3_stmt* ins = nullptr;
  Check(sqlite3_prepare_v2(db, "INSERT INTO words(key) VALUES(?1)", -1, &ins, nullptr), db, "prepare");
  for (const std::string& k : keys) {
    sqlite3_bind_blob(ins, 1, k.data(), static_cast<int>(k.size()), SQLITE_STATIC);
    Check(sqlite3_step(ins), db, "insert");
    sqlite3_reset(ins);
  }
  sqlite3_finalize(ins);
  Check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");

  // Each side builds its index kRuns times; median and range. The driver
  // flushes a built order to disk, so SQLite syncs its index too.
  Check(sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr), db, "pragma");
  constexpr int kRuns = 5;
  std::vector<double> sqliteBuild, ourBuild;
  const std::string orderPath = (dir / "DEUENG1").string();
  for (int run = 0; run < kRuns; ++run) {
    Check(sqlite3_exec(db, "DROP INDEX IF EXISTS words_key", nullptr, nullptr, nullptr), db, "drop");
    auto t0 = Clock::now();
    Check(sqlite3_exec(db, "CREATE INDEX words_key ON words(key)", nullptr, nullptr, nullptr), db, "index");
    sqliteBuild.push_back(Seconds(t0));
    rt::ORDLISTCLEAR();
    t0 = Clock::now();
    if (!rt::ORDCREATE(orderPath, "", "upper(DEUTSCH)+upper(FREMD)")) return 1;
    ourBuild.push_back(Seconds(t0));
  }
  const double fill = rt::WorkAreas::Get().SelectedArea()->Order(1)->PageFill();
  sqlite3_close(db);
  rt::DBCLOSEALL();

  std::mt19937 rng(4711);
  std::vector<std::string> prefixes;
  for (long i = 0; i < seeks; ++i) {
    std::string g = rt::AsciiUpper(german[rng() % german.size()]);
    prefixes.push_back(g.substr(0, 3 + rng() % 4));
  }

  // Seeks, measured alike on both sides: cold is the first pass right after
  // opening (after the other side's work), warm the pass after one warm-up
  // pass. Each round opens both afresh.
  long ourHits = 0, sqliteHits = 0;
  std::vector<double> ourCold, ourWarm, sqliteCold, sqliteWarm;
  auto ourPass = [&] {
    long hits = 0;
    auto t0 = Clock::now();
    for (const std::string& p : prefixes) hits += rt::DBSEEK(p, false) ? 1 : 0;
    ourHits = hits;
    return Seconds(t0) / static_cast<double>(seeks);
  };
  for (int run = 0; run < kRuns; ++run) {
    rt::DBUSEAREA(true, "DBFNTX", table, "DEUENG", false, true);
    rt::ORDLISTADD(orderPath);
    ourCold.push_back(ourPass());
    ourPass();
    ourWarm.push_back(ourPass());
    rt::DBCLOSEALL();

    Check(sqlite3_open((dir / "ref.sqlite").string().c_str(), &db), db, "open");
    sqlite3_stmt* sel = nullptr;
    Check(sqlite3_prepare_v2(db, "SELECT rowid, key FROM words WHERE key >= ?1 ORDER BY key LIMIT 1", -1, &sel,
                             nullptr),
          db, "prepare");
    auto sqlitePass = [&] {
      long hits = 0;
      auto t0 = Clock::now();
      for (const std::string& p : prefixes) {
        sqlite3_bind_blob(sel, 1, p.data(), static_cast<int>(p.size()), SQLITE_STATIC);
        if (sqlite3_step(sel) == SQLITE_ROW) {
          const char* k = static_cast<const char*>(sqlite3_column_blob(sel, 1));
          if (k && static_cast<std::size_t>(sqlite3_column_bytes(sel, 1)) >= p.size() &&
              std::equal(p.begin(), p.end(), k))
            ++hits;
        }
        sqlite3_reset(sel);
      }
      sqliteHits = hits;
      return Seconds(t0) / static_cast<double>(seeks);
    };
    sqliteCold.push_back(sqlitePass());
    sqlitePass();
    sqliteWarm.push_back(sqlitePass());
    sqlite3_finalize(sel);
    sqlite3_close(db);
  }

  rt::DBUSEAREA(true, "DBFNTX", table, "DEUENG", false, true);
  rt::ORDLISTADD(orderPath);
  rt::ORDSETFOCUS(0);
  std::size_t bytes = 0;
  auto t0 = Clock::now();
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) bytes += rt::FIELDGET(1).Len();
  const double scan = static_cast<double>(rows) / Seconds(t0);
  rt::ORDSETFOCUS(1);
  t0 = Clock::now();
  long inOrder = 0;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) {
    bytes += rt::FIELDGET(1).Len();
    ++inOrder;
  }
  const double orderScan = static_cast<double>(inOrder) / Seconds(t0);
  rt::DBCLOSEALL();

  // Appends where changes meet open orders: both orders of a word table.
  rt::DBUSEAREA(true, "DBFNTX", table, "DEUENG", false, false);
  rt::ORDLISTADD(orderPath);
  if (!rt::ORDCREATE((dir / "DEUENG2").string(), "", "upper(FREMD)")) return 1;
  auto appendRows = [&](bool commitEach) {
    const auto start = Clock::now();
    for (long i = 0; i < appends; ++i) {
      const std::string& g = german[static_cast<std::size_t>(i) % german.size()];
      rt::DBAPPEND();
      rt::FIELDPUT(1, g);
      rt::FIELDPUT(2, g);
      rt::FIELDPUT(3, "EN");
      rt::FIELDPUT(4, 1);
      if (commitEach) rt::DBCOMMIT();
    }
    rt::DBCOMMIT();
    return Seconds(start) / static_cast<double>(appends);
  };
  const double appendCommitted = appendRows(true);
  const double appendRun = appendRows(false);
  rt::DBCLOSEALL();
  std::filesystem::remove_all(dir);

  std::printf("DEUENG from trans-de-en: %ld rows (%zu bytes of DEUTSCH read in the scans)\n\n", rows, bytes);
  std::printf("%d runs per figure: median [min-max]; ratio of the medians\n\n", kRuns);
  std::printf("%-30s %24s %24s %7s %7s\n", "measure", "driver", "SQLite", "ratio", "goal");
  Row("order build (s)", ourBuild, sqliteBuild, 1, "<= 0.5");
  std::printf("%-30s %23.1f%%\n", "page fill", fill * 100);
  Row("prefix seek, cold (us)", ourCold, sqliteCold, 1e6, "<= 0.1");
  Row("prefix seek, warm (us)", ourWarm, sqliteWarm, 1e6, "<= 0.1");
  std::printf("%-34s %12ld %12ld\n", "prefix seek hits", ourHits, sqliteHits);
  std::printf("%-34s %12.0f\n", "scan, natural order (rows/s)", scan);
  std::printf("%-34s %12.0f\n", "scan, order 1 (rows/s)", orderScan);
  std::printf("%-34s %12.1f\n", "append, 2 orders, commit each (us)", appendCommitted * 1e6);
  std::printf("%-34s %12.1f\n", "append, 2 orders, one commit (us)", appendRun * 1e6);
  return ourHits == sqliteHits ? 0 : 1;
}
