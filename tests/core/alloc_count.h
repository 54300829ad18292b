#pragma once
// Counts the C++ allocations of this test program while counting is on.

#include <cstddef>

namespace coretest {

class AllocationCount {
 public:
  AllocationCount();
  ~AllocationCount();
  AllocationCount(const AllocationCount&) = delete;
  AllocationCount& operator=(const AllocationCount&) = delete;
  std::size_t count() const;
};

}  // namespace coretest
