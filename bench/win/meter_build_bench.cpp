// The cost of the progress dialog around an index build: BUILDINDEX inside
// MSGMETER against a bare ORDCREATE of the same key, on the same word table
// (DEUFRA.DBF unless named) in the same process (make the table with tools/word_tables first).
//
//   meter_build_bench [--dir FOLDER] [--runs N] [--table FILE]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/common/index_check.h"
#include "apps/common/msg_meter.h"
#include "apps/common/transchr.h"
#include "bench/bench_support.h"
#include "runtime/table_fns.h"

namespace {

using bench::Clock;
using bench::Seconds;
constexpr const char* kKey = "upper(TransChr(FREMD))";
constexpr const char* kFile = "BENCHKEY";

template <class Build>
double Timed(Build&& build) {
  const auto start = Clock::now();
  build();
  const double seconds = Seconds(start);
  rt::ORDLISTCLEAR();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", "."), table = options.Text("--table", "DEUFRA.DBF");
  const int runs = static_cast<int>(options.Number("--runs", 3));
  std::filesystem::current_path(dir);
  common::RegisterWordFunctions();
  if (!rt::DBUSEAREA(true, "", table, "DBUCH", false, false)) {
    std::fprintf(stderr, "%s not found in %s\n", table.c_str(), dir.c_str());
    return 1;
  }
  const long rows = rt::RECCOUNT();
  // Alternated, so that neither build profits from a warmer cache.
  // The two parts of the difference: the dialog alone, and the build with
  // its evaluation block outside any dialog.
  double bare = 1e9, metered = 1e9, dialog = 1e9, stepped = 1e9;
  for (int i = 0; i < runs; ++i) {
    bare = std::min(bare, Timed([] { rt::ORDCREATE(kFile, "", kKey); }));
    dialog = std::min(dialog, Timed([] { common::MSGMETER({}, "", common::kEditorMeterTitle, nullptr); }));
    stepped = std::min(stepped, Timed([] { common::BuildIndexFile(kKey, kFile, [](long) { return true; }); }));
    metered = std::min(metered, Timed([] {
      common::MSGMETER([](const common::MeterParts& p) { common::BUILDINDEX(kKey, kFile, p.meter, p.lEnd); },
                       "Franz\xF6sisch/Deutsch Index aufbauen...", common::kEditorMeterTitle, nullptr);
    }));
  }
  rt::DBCLOSEALL();
  std::filesystem::remove("BENCHKEY.NTX");
  std::printf(
      "rows %ld\nbare ORDCREATE          %8.1f ms\nBUILDINDEX in MSGMETER  %8.1f ms\nratio %.2f (goal <= 1.1)\n"
      "of which: empty MSGMETER %.1f ms, build with evaluation block and no dialog %.1f ms\n",
      rows, bare * 1e3, metered * 1e3, metered / bare, dialog * 1e3, stepped * 1e3);
  return 0;
}
