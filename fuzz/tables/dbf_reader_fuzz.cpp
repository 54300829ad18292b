// Any bytes as a DBF table: opening and reading every field of every record
// either works or raises a table fault.

#include "fuzz/tables/fuzz_file.h"
#include "runtime/dbf_field_codec.h"
#include "runtime/dbf_file.h"
#include "runtime/table_fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = FuzzFile("F.DBF", data, size);
  try {
    rt::DbfFile table;
    table.Open(path, rt::TableShare::Exclusive, true);
    std::vector<char> rec(table.RecordLength());
    for (std::uint32_t r = 1; r <= table.RecCount() && r <= 1000; ++r) {
      table.ReadRecord(r, rec.data());
      for (const rt::DbfField& f : table.Fields()) rt::DecodeField(f, rec.data(), nullptr);
    }
  } catch (const rt::TableFault&) {
  }
  return 0;
}
