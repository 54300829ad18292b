// Any bytes as a DBT memo file: reading memos and writing one either works
// or raises a table fault.

#include "fuzz/tables/fuzz_file.h"
#include "runtime/dbt_memo.h"
#include "runtime/table_fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = FuzzFile("F.DBT", data, size);
  rt::DbtMemo memo;
  try {
    memo.Open(path, rt::TableShare::Exclusive, false);
  } catch (const rt::TableFault&) {
    return 0;
  }
  for (std::uint32_t block = 0; block < 6; ++block) {
    try {
      memo.Read(block);
    } catch (const rt::TableFault&) {
    }
  }
  try {
    memo.Write(1, std::string(700, 'x'));
  } catch (const rt::TableFault&) {
  }
  return 0;
}
