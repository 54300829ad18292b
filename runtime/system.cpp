#include "runtime/system.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

#include "runtime/os.h"

namespace rt {

std::string VERSION() { return "VD Runtime 1.0"; }

std::string OS() { return os::SystemName(); }

namespace {

// The highest use any reading has shown. Not every system keeps its own
// peak counter current (Wine's lags behind), and a peak below a use that
// was once reported would be a plain contradiction.
std::atomic<std::uint64_t> highestSeen{0};

os::MemoryUse Read() {
  os::MemoryUse use = os::ProcessMemory();
  std::uint64_t seen = highestSeen.load();
  while (use.current > seen && !highestSeen.compare_exchange_weak(seen, use.current)) {
  }
  use.peak = std::max({use.peak, use.current, highestSeen.load()});
  return use;
}

}  // namespace

double MEMORY(int n) {
  switch (n) {
    case 0:
    case 1:
    case 2:
      return static_cast<double>(os::FreeMemory() / 1024);
    case kMemoryInUse:
      return static_cast<double>(Read().current);
    case kMemoryPeak:
      return static_cast<double>(Read().peak);
    default:
      return 0;
  }
}

}  // namespace rt
