#include "runtime/work_buffer.h"

#include <mutex>
#include <new>
#include <vector>

#include "runtime/os.h"

namespace rt {

namespace {

constexpr std::size_t kKeptBytes = std::size_t{128} << 20;

struct Region {
  void* data;
  std::size_t bytes;
};

// Oldest first.
struct KeptRegions {
  std::mutex lock;
  std::vector<Region> regions;
  std::size_t bytes = 0;
};

// Never destroyed: buffers of objects that outlive static destruction (open
// tables at exit) still come back here.
KeptRegions& Kept() {
  static KeptRegions* kept = new KeptRegions;
  return *kept;
}

}  // namespace

WorkBuffer::WorkBuffer(std::size_t bytes) : bytes_(bytes) {
  {
    KeptRegions& kept = Kept();
    std::lock_guard<std::mutex> hold(kept.lock);
    // The smallest kept region that fits and wastes no more than the request.
    auto best = kept.regions.end();
    for (auto it = kept.regions.begin(); it != kept.regions.end(); ++it)
      if (it->bytes >= bytes && it->bytes / 2 <= bytes && (best == kept.regions.end() || it->bytes < best->bytes))
        best = it;
    if (best != kept.regions.end()) {
      data_ = best->data;
      bytes_ = best->bytes;
      kept.bytes -= best->bytes;
      kept.regions.erase(best);
      return;
    }
  }
  data_ = os::AllocateWorkMemory(bytes);
  if (!data_) throw std::bad_alloc();
}

WorkBuffer::~WorkBuffer() {
  std::vector<Region> drop;
  {
    KeptRegions& kept = Kept();
    std::lock_guard<std::mutex> hold(kept.lock);
    if (bytes_ <= kKeptBytes) {
      std::size_t first = 0;
      while (kept.bytes + bytes_ > kKeptBytes) kept.bytes -= kept.regions[first++].bytes;
      drop.assign(kept.regions.begin(), kept.regions.begin() + static_cast<std::ptrdiff_t>(first));
      kept.regions.erase(kept.regions.begin(), kept.regions.begin() + static_cast<std::ptrdiff_t>(first));
      kept.regions.push_back({data_, bytes_});
      kept.bytes += bytes_;
    } else {
      drop.push_back({data_, bytes_});
    }
  }
  for (const Region& r : drop) os::FreeWorkMemory(r.data, r.bytes);
}

}  // namespace rt
