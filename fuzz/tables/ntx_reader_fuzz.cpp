// Any bytes as an NTX index: opening, walking both ways, seeking, checking
// and changing it either works or raises a table fault. Every step goes on
// after a fault, as a program whose error block defaults does, so that the
// states a fault leaves behind are driven further (bounded).

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
  auto repeat = [&](int times, auto&& fn) {
    for (int i = 0; i < times; ++i) attempt(fn);
  };
  attempt([&] { order.GoTop(); });
  repeat(600, [&] { order.Next(); });
  attempt([&] { order.GoBottom(); });
  repeat(600, [&] { order.Prev(); });
  for (const char* probe : {"HAUS", "A", "\xFF"}) {
    attempt([&] {
      bool exact = false;
      order.Seek(probe, std::char_traits<char>::length(probe), exact);
    });
    repeat(40, [&] { order.Next(); });
    repeat(40, [&] { order.Prev(); });
  }
  attempt([&] { order.Verify(); });
  for (std::uint32_t i = 0; i < 40; ++i) {
    std::string key(order.KeySize(), static_cast<char>('A' + i % 26));
    attempt([&] { order.Insert(key.data(), 7 + i); });
    if (i % 3 == 0) attempt([&] { order.Remove(key.data(), 7 + i); });
  }
  attempt([&] { order.GoTop(); });
  repeat(200, [&] { order.Next(); });
  attempt([&] { order.Verify(); });
  return 0;
}
