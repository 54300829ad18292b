// Any bytes as a table with one order, driven through the xBase functions
// under an error block that defaults: skip loops both ways, seeks, replaces
// and appends. Every loop is bounded by more steps than the table has rows,
// so a walk that never reaches EOF() or BOF() after a fault aborts.
//
// Input: two bytes (little-endian) giving the length of the DBF part, the
// DBF bytes, then the NTX bytes.

#include <cstdlib>

#include "fuzz/tables/fuzz_file.h"
#include "runtime/error.h"
#include "runtime/table_fns.h"

namespace {

constexpr long kMaxSteps = 5000;

void SkipToEnd(long direction) {
  long steps = 0;
  while (!(direction > 0 ? rt::DbEof() : rt::BOF())) {
    rt::DBSKIP(direction);
    if (++steps > kMaxSteps) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t dbfSize = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
  const std::string dbf = FuzzFile("W.DBF", data + 2, dbfSize);
  const std::string ntx = FuzzFile("W.NTX", data + 2 + dbfSize, size - 2 - dbfSize);
  rt::ErrorBlockScope defaults(rt::Value::Block([](rt::Args) { return rt::Value(false); }));
  if (!rt::DBUSEAREA(true, "", dbf, "W", false, false)) return 0;
  rt::ORDLISTADD(ntx);
  for (int round = 0; round < 2; ++round) {
    rt::DBGOTOP();
    SkipToEnd(1);
    rt::DBGOBOTTOM();
    SkipToEnd(-1);
    rt::DBSEEK(rt::Value("W1"));
    SkipToEnd(1);
    rt::DBSEEK(rt::Value("W1"), true);
    for (int i = 0; i < 300; ++i) rt::DBSKIP(1);
    rt::DBGOTOP();
    rt::FIELDPUT(1, rt::Value("geaendert"));
    rt::DBSKIP(1);
    rt::DBAPPEND();
    rt::FIELDPUT(1, rt::Value("neu"));
    rt::DBCOMMIT();
  }
  rt::DBCLOSEALL();
  return 0;
}
