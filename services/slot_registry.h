#pragma once
// A registry of pointer-sized handles in slots. A handle is stored once; a freed
// slot holds 0 and is reused first, so slot positions stay put while other
// handles come and go.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace svc {

class SlotRegistry {
 public:
  // The handle's slot (0-based), storing it when new.
  std::size_t Add(std::uintptr_t handle) {
    if (auto found = Find(handle); found != npos) return found;
    auto free = std::find(slots_.begin(), slots_.end(), std::uintptr_t{0});
    if (free == slots_.end()) {
      slots_.resize(slots_.size() + kGrowth, std::uintptr_t{0});
      free = slots_.end() - kGrowth;
    }
    *free = handle;
    return static_cast<std::size_t>(free - slots_.begin());
  }
  void Remove(std::uintptr_t handle) {
    if (auto found = Find(handle); found != npos) slots_[found] = 0;
  }
  std::size_t Find(std::uintptr_t handle) const {
    if (!handle) return npos;
    auto it = std::find(slots_.begin(), slots_.end(), handle);
    return it == slots_.end() ? npos : static_cast<std::size_t>(it - slots_.begin());
  }
  std::uintptr_t At(std::size_t slot) const { return slot < slots_.size() ? slots_[slot] : 0; }
  void Set(std::size_t slot, std::uintptr_t handle) {
    if (slot >= slots_.size()) slots_.resize((slot / kGrowth + 1) * kGrowth, std::uintptr_t{0});
    slots_[slot] = handle;
  }
  std::size_t FreeSlot() const {
    auto it = std::find(slots_.begin(), slots_.end(), std::uintptr_t{0});
    return static_cast<std::size_t>(it - slots_.begin());
  }
  const std::vector<std::uintptr_t>& Slots() const { return slots_; }
  void Clear() { slots_.clear(); }

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

 private:
  static constexpr std::size_t kGrowth = 16;
  std::vector<std::uintptr_t> slots_;
};

}  // namespace svc
