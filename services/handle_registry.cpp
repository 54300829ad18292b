#include "services/handle_registry.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace svc {
namespace {

std::atomic<bool> tracking{false};
std::mutex registryLock;

// A freed slot keeps its place with a null handle and is taken first by the
// next handle, so the table only grows to the most handles alive at once.
std::vector<TrackedHandle>& Slots() {
  static std::vector<TrackedHandle> slots = [] {
    std::vector<TrackedHandle> v;
    v.reserve(10);
    return v;
  }();
  return slots;
}

}  // namespace

void TrackHandle(HANDLE handle, const char* tag) {
  if (!tracking.load(std::memory_order_relaxed) || !handle) return;
  std::lock_guard lock(registryLock);
  auto& slots = Slots();
  auto free = std::find_if(slots.begin(), slots.end(), [](const TrackedHandle& e) { return !e.handle; });
  TrackedHandle entry{handle, tag ? tag : ""};
  if (free != slots.end()) {
    *free = std::move(entry);
  } else {
    slots.push_back(std::move(entry));
  }
}

void UntrackHandle(HANDLE handle) {
  if (!tracking.load(std::memory_order_relaxed) || !handle) return;
  std::lock_guard lock(registryLock);
  for (auto& e : Slots()) {
    if (e.handle == handle) {
      e = TrackedHandle{nullptr, {}};
      return;
    }
  }
}

void SetHandleTracking(bool on) { tracking.store(on); }

bool HandleTracking() { return tracking.load(); }

std::vector<TrackedHandle> TrackedHandles() {
  std::lock_guard lock(registryLock);
  std::vector<TrackedHandle> live;
  for (const auto& e : Slots()) {
    if (e.handle) live.push_back(e);
  }
  return live;
}

}  // namespace svc
