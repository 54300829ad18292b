#include "runtime/system.h"

#include <algorithm>

#include "runtime/os.h"

namespace rt {

std::string VERSION() { return "VD Runtime 1.0"; }

std::string OS() { return os::SystemName(); }

double MEMORY(int n) {
  switch (n) {
    case 0:
    case 1:
    case 2:
      return static_cast<double>(os::FreeMemory() / 1024);
    case kMemoryInUse:
      return static_cast<double>(os::ProcessMemory().current);
    case kMemoryPeak: {
      // The two counters are read one after the other: the peak read second
      // may not have seen growth after the first, so it never reads below.
      const os::MemoryUse use = os::ProcessMemory();
      return static_cast<double>(std::max(use.peak, use.current));
    }
    default:
      return 0;
  }
}

}  // namespace rt
