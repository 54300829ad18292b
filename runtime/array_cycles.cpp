#include "runtime/array_cycles.h"

#include <limits>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "runtime/value.h"

namespace rt {

// The list of live arrays, linked through the arrays themselves so that
// listing one costs no allocation.
class ArrayList {
 public:
  static void Add(ArrayData* a) {
    std::lock_guard lock(mutex_);
    a->next_ = head_;
    if (head_) head_->prev_ = a;
    head_ = a;
    ++count_;
  }
  static void Remove(ArrayData* a) {
    std::lock_guard lock(mutex_);
    if (a->prev_) a->prev_->next_ = a->next_;
    else head_ = a->next_;
    if (a->next_) a->next_->prev_ = a->prev_;
    --count_;
  }
  static std::size_t Count() {
    std::lock_guard lock(mutex_);
    return count_;
  }
  // The unreachable arrays, each held once more so that none dies while
  // the caller empties them.
  static std::vector<ArrayPtr> Unreachable();

 private:
  static inline std::mutex mutex_;
  static inline ArrayData* head_ = nullptr;
  static inline std::size_t count_ = 0;
};

ArrayData::ArrayData() { ArrayList::Add(this); }
ArrayData::ArrayData(const ArrayData& other) : std::enable_shared_from_this<ArrayData>(other), items(other.items) {
  ArrayList::Add(this);
}
ArrayData::~ArrayData() { ArrayList::Remove(this); }

std::vector<ArrayPtr> ArrayList::Unreachable() {
  std::lock_guard lock(mutex_);
  // References from outside the arrays: each array's count less the
  // references other arrays hold. An array no shared pointer owns belongs
  // to C++ code and counts as held from outside.
  std::unordered_map<const ArrayData*, long> outside;
  outside.reserve(count_);
  for (const ArrayData* a = head_; a; a = a->next_) {
    const long owners = a->weak_from_this().use_count();
    outside[a] = owners > 0 ? owners : std::numeric_limits<long>::max();
  }
  for (const ArrayData* a = head_; a; a = a->next_)
    for (const Value& item : a->items)
      if (item.IsArray())
        if (const auto it = outside.find(item.AsArrayPtr().get()); it != outside.end()) --it->second;

  std::vector<const ArrayData*> work;
  std::unordered_map<const ArrayData*, bool> reached;
  reached.reserve(count_);
  for (const auto& [a, count] : outside)
    if (count > 0) {
      reached[a] = true;
      work.push_back(a);
    }
  while (!work.empty()) {
    const ArrayData* a = work.back();
    work.pop_back();
    for (const Value& item : a->items) {
      if (!item.IsArray()) continue;
      const ArrayData* child = item.AsArrayPtr().get();
      if (!reached[child]) {
        reached[child] = true;
        work.push_back(child);
      }
    }
  }
  std::vector<ArrayPtr> garbage;
  for (ArrayData* a = head_; a; a = a->next_)
    if (!reached[a]) garbage.push_back(a->shared_from_this());
  return garbage;
}

std::size_t CollectArrayCycles() {
  std::vector<ArrayPtr> garbage = ArrayList::Unreachable();
  // Emptying drops the references that held the cycle; the arrays die with
  // the last of these handles, outside the list's lock.
  std::vector<Value> dropped;
  for (const ArrayPtr& a : garbage) {
    for (Value& item : a->items) dropped.push_back(std::move(item));
    a->items.clear();
  }
  return garbage.size();
}

std::size_t LiveArrays() { return ArrayList::Count(); }

}  // namespace rt
