// The cost of the progress dialog around an index build: BUILDINDEX inside
// MSGMETER against a bare ORDCREATE of the same key, on the same DEUFRA.DBF
// in the same process (make the table with tools/word_tables first).
//
//   meter_build_bench [--dir FOLDER] [--runs N]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/common/msg_meter.h"
#include "apps/common/transchr.h"
#include "runtime/table_fns.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kKey = "upper(TransChr(FREMD))";
constexpr const char* kFile = "BENCHKEY";

template <class Build>
double Timed(Build&& build) {
  const auto start = Clock::now();
  build();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  rt::ORDLISTCLEAR();
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dir = ".";
  int runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--dir") dir = argv[i + 1];
    else if (arg == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
  }
  std::filesystem::current_path(dir);
  common::RegisterWordFunctions();
  if (!rt::DBUSEAREA(true, "", "DEUFRA.DBF", "DBUCH", false, false)) {
    std::fprintf(stderr, "DEUFRA.DBF not found in %s\n", dir.c_str());
    return 1;
  }
  const long rows = rt::RECCOUNT();
  // Alternated, so that neither build profits from a warmer cache.
  double bare = 1e9, metered = 1e9;
  for (int i = 0; i < runs; ++i) {
    bare = std::min(bare, Timed([] { rt::ORDCREATE(kFile, "", kKey); }));
    metered = std::min(metered, Timed([] {
      common::MSGMETER([](const common::MeterParts& p) { common::BUILDINDEX(kKey, kFile, p.meter, p.lEnd); },
                       "Franz\xF6sisch/Deutsch Index aufbauen...", common::kEditorMeterTitle, nullptr);
    }));
  }
  rt::DBCLOSEALL();
  std::filesystem::remove("BENCHKEY.NTX");
  std::printf("rows %ld\nbare ORDCREATE          %8.1f ms\nBUILDINDEX in MSGMETER  %8.1f ms\nratio %.2f (goal <= 1.1)\n",
              rows, bare * 1e3, metered * 1e3, metered / bare);
  return 0;
}
