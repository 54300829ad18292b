// Any bytes as a DBT memo file: reading memos and writing them either works
// or raises a table fault; every step goes on after a fault, and no write
// may grow the file beyond what the memos need.

#include <cstdlib>

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
  auto attempt = [](auto&& fn) {
    try {
      fn();
    } catch (const rt::TableFault&) {
    }
  };
  for (std::uint64_t block : {0ull, 1ull, 2ull, 3ull, 4ull, 5ull, 4294967295ull, 8589934593ull})
    attempt([&] { memo.Read(block); });
  for (std::uint32_t i = 1; i <= 8; ++i) {
    attempt([&] { memo.Write(i % 3, std::string(300 * i, 'x')); });
    attempt([&] { memo.Read(i); });
  }
  memo.Close();
  // Eight memos of at most 2.4 KB each: a damaged header must not have
  // made the file grow further.
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) > size + 64 * 1024) std::abort();
  return 0;
}
