// The cost of accent folding in an index key: ORDCREATE of
// "upper(TransChr(FREMD))" against "upper(FREMD)" on the same DEUFRA.DBF in
// the same run (make the table with tools/word_tables first).
//
//   fold_key_bench [--dir FOLDER] [--runs N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/common/transchr.h"
#include "bench/bench_support.h"
#include "runtime/table_fns.h"

namespace {

using bench::Clock;
using bench::Seconds;

// The fastest of `runs` builds of the key into a scratch index file.
double BestBuild(const std::string& key, int runs) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    rt::ORDCREATE("BENCHKEY", "", key);
    best = std::min(best, Seconds(start));
    rt::ORDLISTCLEAR();
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", ".");
  const int runs = static_cast<int>(options.Number("--runs", 5));
  std::filesystem::current_path(dir);
  common::RegisterWordFunctions();
  if (!rt::DBUSEAREA(true, "", "DEUFRA.DBF", "DBUCH", false, false)) {
    std::fprintf(stderr, "DEUFRA.DBF not found in %s\n", dir.c_str());
    return 1;
  }
  const long rows = rt::RECCOUNT();
  // Alternated, so that neither key profits from a warmer cache.
  double plain = 1e9, folded = 1e9;
  for (int i = 0; i < runs; ++i) {
    folded = std::min(folded, BestBuild("upper(TransChr(FREMD))", 1));
    plain = std::min(plain, BestBuild("upper(FREMD)", 1));
  }
  rt::DBCLOSEALL();
  std::filesystem::remove("BENCHKEY.NTX");
  std::printf("rows %ld\nupper(FREMD)            %8.1f ms\nupper(TransChr(FREMD))  %8.1f ms\nratio %.2f (goal <= 1.3)\n",
              rows, plain * 1e3, folded * 1e3, folded / plain);
  return 0;
}
