#include "alloc_count.h"

#include <cstdlib>
#include <new>

namespace {

bool g_counting = false;
std::size_t g_count = 0;

}  // namespace

void* operator new(std::size_t size) {
  if (g_counting) ++g_count;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace coretest {

AllocationCount::AllocationCount() {
  g_count = 0;
  g_counting = true;
}

AllocationCount::~AllocationCount() { g_counting = false; }

std::size_t AllocationCount::count() const { return g_count; }

}  // namespace coretest
