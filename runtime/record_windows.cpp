#include "runtime/record_windows.h"

#include <algorithm>
#include <cstring>

namespace rt {

namespace {

// A full window, and the block a record read on its own brings along: 4 KB
// cost little more to read than one record.
constexpr std::size_t kFullBytes = 64 * 1024;
constexpr std::size_t kBlockBytes = 4 * 1024;

}  // namespace

void RecordWindows::Reset(std::uint16_t recordLength) noexcept {
  recLen_ = std::max<std::uint16_t>(1, recordLength);
  Clear();
}

void RecordWindows::Clear() noexcept {
  for (Window& w : windows_) w.count = 0;
}

const char* RecordWindows::Find(std::uint32_t recno) noexcept {
  for (Window& w : windows_) {
    if (recno >= w.first && recno - w.first < w.count) {
      w.used = ++tick_;
      return w.bytes.data() + static_cast<std::size_t>(recno - w.first) * recLen_;
    }
  }
  return nullptr;
}

std::uint32_t RecordWindows::Most() const noexcept {
  return static_cast<std::uint32_t>(std::max<std::size_t>(1, kFullBytes / recLen_));
}

std::size_t RecordWindows::Oldest() const noexcept {
  std::size_t oldest = 0;
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].count == 0) return i;
    if (windows_[i].used < windows_[oldest].used) oldest = i;
  }
  return oldest;
}

RecordWindows::Plan RecordWindows::PlanFor(std::uint32_t recno, std::uint32_t count) const noexcept {
  const std::uint32_t most = Most();
  const auto block = static_cast<std::uint32_t>(std::max<std::size_t>(1, kBlockBytes / recLen_));
  Plan plan{0, 0, 0};
  for (std::size_t i = 0; i < windows_.size() && plan.count == 0; ++i) {
    const Window& w = windows_[i];
    const bool forward = w.count > 0 && recno == w.first + w.count;
    const bool backward = w.count > 0 && recno + 1 == w.first;
    if (!forward && !backward) continue;
    const std::uint32_t per = std::min(most, std::max(block, w.count * 2));
    // A scan keeps to its one full window; shorter runs leave the window
    // they continue to the walk that may come back to it.
    plan = {forward ? recno : (recno >= per ? recno - per + 1 : 1), per, w.count == most ? i : Oldest()};
  }
  if (plan.count == 0) {
    // The first record starts a scan more often than not.
    const std::uint32_t per = recno == 1 ? most : block;
    plan = {(recno - 1) / per * per + 1, per, Oldest()};
  }
  plan.count = std::min(plan.count, count - plan.first + 1);
  return plan;
}

char* RecordWindows::Buffer(const Plan& plan) {
  Window& w = windows_[plan.window];
  w.count = 0;
  w.bytes.resize(static_cast<std::size_t>(plan.count) * recLen_);
  return w.bytes.data();
}

void RecordWindows::Filled(const Plan& plan) noexcept {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    Window& w = windows_[i];
    if (i != plan.window && w.first < plan.first + plan.count && plan.first < w.first + w.count) w.count = 0;
  }
  Window& w = windows_[plan.window];
  w.first = plan.first;
  w.count = plan.count;
  w.used = ++tick_;
}

void RecordWindows::Update(std::uint32_t recno, const char* src) noexcept {
  for (Window& w : windows_)
    if (recno >= w.first && recno - w.first < w.count)
      std::memcpy(w.bytes.data() + static_cast<std::size_t>(recno - w.first) * recLen_, src, recLen_);
}

}  // namespace rt
