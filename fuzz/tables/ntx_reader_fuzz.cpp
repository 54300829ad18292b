// Any bytes as an NTX index: opening, walking both ways, seeking, checking
// and changing it either works or raises a table fault.

#include "fuzz/tables/fuzz_file.h"
#include "runtime/ntx_order.h"
#include "runtime/table_fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = FuzzFile("F.NTX", data, size);
  rt::NtxOrder order;
  try {
    order.Open(path, rt::TableShare::Exclusive, false);
  } catch (const rt::TableFault&) {
    return 0;
  }
  auto attempt = [](auto&& fn) {
    try {
      fn();
    } catch (const rt::TableFault&) {
    }
  };
  attempt([&] {
    for (std::uint32_t r = order.GoTop(), n = 0; r != 0 && n < 5000; r = order.Next(), ++n) {
    }
  });
  attempt([&] {
    for (std::uint32_t r = order.GoBottom(), n = 0; r != 0 && n < 5000; r = order.Prev(), ++n) {
    }
  });
  attempt([&] {
    bool exact = false;
    order.Seek("HAUS", 4, exact);
  });
  attempt([&] { order.Verify(); });
  std::string key(order.KeySize(), 'M');
  attempt([&] { order.Insert(key.data(), 7); });
  attempt([&] { order.Remove(key.data(), 7); });
  return 0;
}
