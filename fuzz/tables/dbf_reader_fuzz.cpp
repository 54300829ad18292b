// Any bytes as a DBF table: opening and reading every field of every record
// either works or raises a table fault; reading goes on after a fault.

#include "fuzz/tables/fuzz_file.h"
#include "runtime/dbf_field_codec.h"
#include "runtime/dbf_file.h"
#include "runtime/table_fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = FuzzFile("F.DBF", data, size);
  rt::DbfFile table;
  try {
    table.Open(path, rt::TableShare::Exclusive, false);
  } catch (const rt::TableFault&) {
    return 0;
  }
  std::vector<char> rec(table.RecordLength());
  for (std::uint32_t r = 1; r <= table.RecCount() + 2 && r <= 1000; ++r) {
    try {
      table.ReadRecord(r, rec.data());
      for (const rt::DbfField& f : table.Fields()) rt::DecodeField(f, rec.data(), nullptr);
    } catch (const rt::TableFault&) {
    }
  }
  try {
    std::vector<char> blank(table.RecordLength(), ' ');
    table.AppendRecord(blank.data());
    table.WriteRecord(table.RecCount(), blank.data());
    table.Refresh();
  } catch (const rt::TableFault&) {
  }
  return 0;
}
