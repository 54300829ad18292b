#include "runtime/array_fns.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "runtime/compare.h"

namespace rt {

namespace {

// The [first, last) index range that start and count select in a vector of n.
std::pair<std::size_t, std::size_t> Range(std::size_t n, std::optional<std::size_t> start,
                                          std::optional<std::size_t> count) {
  std::size_t first = start.value_or(1);
  if (first == 0) first = 1;
  if (first > n) return {n, n};
  std::size_t last = n;
  if (count) last = std::min(n, first - 1 + *count);
  return {first - 1, last};
}

int TypeRank(Type t) { return static_cast<int>(t); }

bool DefaultBefore(const Value& a, const Value& b) {
  if (a.type() != b.type()) return TypeRank(a.type()) < TypeRank(b.type());
  if (a.IsNumber() || a.IsString() || a.IsDate() || a.IsLogical()) return LT(a, b);
  return false;
}

// Bottom-up merge sort: stays in bounds and terminates whatever the user's
// order block answers, and keeps equal elements in their order. Each pass
// moves the elements from one buffer into the other; the sorted run ends in
// `v`.
template <class Before>
void MergeSort(std::vector<Value>& v, Before before) {
  const std::size_t n = v.size();
  std::vector<Value> other(n);
  std::vector<Value>* from = &v;
  std::vector<Value>* to = &other;
  for (std::size_t width = 1; width < n; width *= 2) {
    std::vector<Value>& src = *from;
    std::vector<Value>& dst = *to;
    for (std::size_t lo = 0; lo < n; lo += 2 * width) {
      const std::size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      std::size_t i = lo, j = mid, k = lo;
      while (i < mid && j < hi) dst[k++] = std::move(before(src[j], src[i]) ? src[j++] : src[i++]);
      while (i < mid) dst[k++] = std::move(src[i++]);
      while (j < hi) dst[k++] = std::move(src[j++]);
    }
    std::swap(from, to);
  }
  if (from != &v) v.swap(other);
}

// Hands elements to a block in two argument slots that live as long as the
// walk: assigning an element into a slot reuses the slot's text buffer, so a
// comparison or visit allocates nothing once the slots have grown, and what
// the block does to its parameters stays in the slots, away from the array.
class BlockSlots {
 public:
  explicit BlockSlots(const Value& block) : block_(block) {}
  Value Eval(const Value& first, const Value& second) {
    slots_[0] = first;
    slots_[1] = second;
    return block_.EvalArgs(Args(slots_, 2));
  }

 private:
  const Value& block_;
  Value slots_[2];
};

// `done` maps each array already copied to its copy, so that an array that
// contains itself (or appears twice) is copied once and the copy keeps the
// same shape.
Value CloneDeep(const Value& v, std::unordered_map<const ArrayData*, Value>& done) {
  if (!v.IsArray()) return v;
  auto it = done.find(v.AsArrayPtr().get());
  if (it != done.end()) return it->second;
  Value copy = Value::ArrayOf(0);
  done.emplace(v.AsArrayPtr().get(), copy);
  for (const Value& item : v.Items()) copy.Items().push_back(CloneDeep(item, done));
  return copy;
}

}  // namespace

Value AADD(const Value& array, Value item) {
  if (!array.IsArray()) return item;
  array.Items().push_back(std::move(item));
  return array.Items().back();
}

Value ASIZE(const Value& array, std::size_t newLen) {
  if (array.IsArray()) array.Items().resize(newLen);
  return array;
}

Value ADEL(const Value& array, std::size_t pos) {
  if (!array.IsArray()) return array;
  auto& v = array.Items();
  if (pos >= 1 && pos <= v.size()) {
    v.erase(v.begin() + static_cast<std::ptrdiff_t>(pos - 1));
    v.emplace_back();
  }
  return array;
}

Value AINS(const Value& array, std::size_t pos) {
  if (!array.IsArray()) return array;
  auto& v = array.Items();
  if (pos >= 1 && pos <= v.size()) {
    v.pop_back();
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(pos - 1), Value());
  }
  return array;
}

std::size_t ASCAN(const Value& array, const Value& search, std::optional<std::size_t> start,
                  std::optional<std::size_t> count) {
  if (!array.IsArray()) return 0;
  auto [first, last] = Range(array.Len(), start, count);
  if (!search.IsBlock()) {
    const auto& items = array.Items();
    for (std::size_t i = first; i < last; ++i)
      if (items[i].type() == search.type() && EQ(items[i], search)) return i + 1;
    return 0;
  }
  // The block may change the array: its length is read again every time.
  BlockSlots slots(search);
  for (std::size_t i = first; i < last && i < array.Len(); ++i)
    if (slots.Eval(array.Items()[i], Value(i + 1)).AsLogical()) return i + 1;
  return 0;
}

Value ASORT(const Value& array, std::optional<std::size_t> start, std::optional<std::size_t> count,
            const Value& order) {
  if (!array.IsArray()) return Value();
  auto [first, last] = Range(array.Len(), start, count);
  // The range is moved out while it is sorted, so that a block that changes
  // the array cannot pull the elements from under the sort; a block that
  // shrank the array gets back only what still fits.
  auto& v = array.Items();
  const auto from = v.begin() + static_cast<std::ptrdiff_t>(first);
  std::vector<Value> range(std::make_move_iterator(from),
                           std::make_move_iterator(from + static_cast<std::ptrdiff_t>(last - first)));
  if (order.IsBlock()) {
    BlockSlots slots(order);
    MergeSort(range, [&](const Value& a, const Value& b) { return slots.Eval(a, b).AsLogical(); });
  } else {
    MergeSort(range, DefaultBefore);
  }
  auto& after = array.Items();
  for (std::size_t k = 0; k < range.size() && first + k < after.size(); ++k) after[first + k] = std::move(range[k]);
  return array;
}

Value ACLONE(const Value& array) {
  if (!array.IsArray()) return Value();
  std::unordered_map<const ArrayData*, Value> done;
  return CloneDeep(array, done);
}

Value AEVAL(const Value& array, const Value& block, std::optional<std::size_t> start,
            std::optional<std::size_t> count) {
  if (!array.IsArray()) return array;
  auto [first, last] = Range(array.Len(), start, count);
  BlockSlots slots(block);
  for (std::size_t i = first; i < last && i < array.Len(); ++i) slots.Eval(array.Items()[i], Value(i + 1));
  return array;
}

Value ATAIL(const Value& array) {
  if (!array.IsArray() || array.Items().empty()) return Value();
  return array.Items().back();
}

Value AFILL(const Value& array, const Value& item, std::optional<std::size_t> start,
            std::optional<std::size_t> count) {
  if (!array.IsArray()) return array;
  auto [first, last] = Range(array.Len(), start, count);
  for (std::size_t i = first; i < last; ++i) array.Items()[i] = item;
  return array;
}

Value ARRAY(std::size_t len) { return Value::ArrayOf(len); }

}  // namespace rt
