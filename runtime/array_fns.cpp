#include "runtime/array_fns.h"

#include <algorithm>
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
// order block answers, and keeps equal elements in their order.
template <class Before>
void MergeSort(std::vector<Value>& v, std::size_t first, std::size_t last, Before before) {
  std::size_t n = last - first;
  std::vector<Value> buf(n);
  for (std::size_t width = 1; width < n; width *= 2) {
    for (std::size_t lo = 0; lo < n; lo += 2 * width) {
      std::size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      std::size_t i = lo, j = mid, k = lo;
      while (i < mid && j < hi) buf[k++] = before(v[first + j], v[first + i]) ? v[first + j++] : v[first + i++];
      while (i < mid) buf[k++] = v[first + i++];
      while (j < hi) buf[k++] = v[first + j++];
    }
    for (std::size_t k = 0; k < n; ++k) v[first + k] = std::move(buf[k]);
  }
}

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
  if (array.IsArray()) array.Items().push_back(item);
  return item;
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
  for (std::size_t i = first; i < last && i < array.Len(); ++i) {
    const Value item = array.Items()[i];  // the block may change the array
    bool hit = search.IsBlock() ? search.Eval(item, Value(i + 1)).AsLogical()
                                : (item.type() == search.type() && EQ(item, search));
    if (hit) return i + 1;
  }
  return 0;
}

Value ASORT(const Value& array, std::optional<std::size_t> start, std::optional<std::size_t> count,
            const Value& order) {
  if (!array.IsArray()) return Value();
  auto [first, last] = Range(array.Len(), start, count);
  // Sort a copy so that a block that changes the array cannot pull it from under us.
  std::vector<Value> items = array.Items();
  if (order.IsBlock())
    MergeSort(items, first, last, [&](const Value& a, const Value& b) { return order.Eval(a, b).AsLogical(); });
  else
    MergeSort(items, first, last, DefaultBefore);
  array.Items() = std::move(items);
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
  for (std::size_t i = first; i < last && i < array.Len(); ++i) block.Eval(array.Items()[i], Value(i + 1));
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
