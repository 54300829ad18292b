// The editor's export of the user's own rows over the full DEUENG with its
// two orders and three own rows, against a plain scan of the same table (a
// read of every record in record order) in the same run, and against the
// copy along order 1 that the export made before (a FOR condition on every
// row of the order). Each run exports to a new file; best of N after a
// warm-up.
//
//   export_bench [--dir FOLDER] [--runs N]   (tables from tools/word_tables)

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "apps/common/word_tables.h"
#include "apps/dravonel/entry_store.h"
#include "bench/bench_support.h"
#include "bench/word_tables_folder.h"
#include "runtime/table_fns.h"
#include "runtime/work_areas.h"

namespace {

namespace fs = std::filesystem;
using bench::BestOf;

constexpr const char* kTable = "BENCHEXP.DBF";
constexpr const char* kExport = "BENCHEXP.EXP";

// A copy of DEUENG opened as the editor opens it (exclusively), with both
// orders and three rows of its own spread over the table.
void OpenCopy() {
  fs::copy_file("DEUENG.DBF", kTable, fs::copy_options::overwrite_existing);
  const common::WordTable& eng = common::kWordTables[0];
  rt::DBUSEAREA(true, "", kTable, dravonel::kWordAlias, false, false);
  rt::ORDCREATE("BENCHEX1", "", common::OrderKey(eng, 1, common::KeyStyle::Editor));
  rt::ORDCREATE("BENCHEX2", "", common::OrderKey(eng, 2, common::KeyStyle::Editor));
  const long last = rt::LASTREC();
  for (const long r : {1L, last / 2, last}) {
    rt::DBGOTO(r);
    rt::FIELDPUT("STATUS", rt::Value(2L));
  }
  rt::DBCOMMIT();
  rt::ORDSETFOCUS(1);
  rt::DBGOTOP();
}

long ExportedRows() {
  if (!rt::DBUSEAREA(true, "", kExport, "CHECK", false, true)) return -1;
  const long rows = rt::RECCOUNT();
  rt::DBCLOSEAREA();
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const std::string dir = options.Text("--dir", ".");
  const int runs = static_cast<int>(options.Number("--runs", 5));
  if (!bench::EnterWordTables(dir)) return 1;
  OpenCopy();
  const long rows = rt::LASTREC();
  const double exportTime = BestOf(runs, [] {
    if (dravonel::ExportOwnRows(kExport) != dravonel::ExportResult::Done) std::fprintf(stderr, "export failed\n");
  });
  const long exported = ExportedRows();
  rt::DBSELECTAREA(dravonel::kWordAlias);
  const double scan = BestOf(runs, [] {
    rt::WorkArea& area = *rt::WorkAreas::Get().SelectedArea();
    rt::DbfFile& dbf = area.Table();
    std::vector<char> record(dbf.RecordLength());
    long own = 0;
    for (std::uint32_t r = 1; r <= dbf.RecCount(); ++r) {
      dbf.ReadRecord(r, record.data());
      own += record.back() != ' ' && record.back() != '0';
    }
    if (own < 0) std::fprintf(stderr, "impossible\n");
  });
  const double alongOrder = BestOf(1, [] {
    rt::DBGOTOP();
    const rt::Value own = rt::Value::Block([](rt::Args) { return rt::Value(rt::FIELDGET("STATUS").AsNumber() > 0); });
    rt::DbCopy(kExport, {}, own);
  });
  rt::DBCLOSEALL();
  for (const char* f : {kTable, "BENCHEX1.NTX", "BENCHEX2.NTX", kExport}) fs::remove(f);
  std::printf("DEUENG, %ld rows, %ld own rows exported\n", rows, exported);
  std::printf("export             %8.1f ms (goal: under 1000 ms)\n", exportTime * 1e3);
  std::printf("plain scan         %8.1f ms\n", scan * 1e3);
  std::printf("ratio              %8.2f\n", exportTime / scan);
  std::printf("copy along order 1 %8.1f ms (the export's former way)\n", alongOrder * 1e3);
  return 0;
}
