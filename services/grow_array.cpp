#include "services/grow_array.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace svc {
namespace {

struct Header {
  std::uint16_t capacity;  // bytes of element space
  std::uint16_t step;      // growth step in elements
  std::uint16_t count;
  std::uint16_t elemSize;
};

constexpr long kLimit = 0xFFFF;

int StepFor(int elemSize) { return std::max(elemSize <= 32 ? 128 / elemSize : 512 / elemSize, 2); }

// Locks the block for the lifetime of the guard.
class Locked {
 public:
  explicit Locked(HGLOBAL h) : h_(h), p_(h ? static_cast<std::uint8_t*>(GlobalLock(h)) : nullptr) {}
  ~Locked() {
    if (p_) GlobalUnlock(h_);
  }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
  explicit operator bool() const { return p_ != nullptr; }
  Header& head() const { return *reinterpret_cast<Header*>(p_); }
  std::uint8_t* at(int pos) const { return p_ + sizeof(Header) + (pos - 1) * head().elemSize; }

 private:
  HGLOBAL h_;
  std::uint8_t* p_;
};

}  // namespace

HGLOBAL GArrayNew(int elemSize, int count) {
  if (elemSize == 0) elemSize = 2;
  if (elemSize < 0 || elemSize > kLimit || count < 0 || count > kLimit) return nullptr;
  const int step = StepFor(elemSize);
  long capacity = static_cast<long>(std::max(step, count)) * elemSize;
  if (capacity > kLimit) capacity = static_cast<long>(count) * elemSize;
  if (capacity > kLimit) return nullptr;
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(Header) + capacity);
  if (!h) return nullptr;
  Locked a(h);
  a.head() = Header{static_cast<std::uint16_t>(capacity), static_cast<std::uint16_t>(step),
                    static_cast<std::uint16_t>(count), static_cast<std::uint16_t>(elemSize)};
  return h;
}

bool GArrayResize(HGLOBAL array, int count) {
  if (count < 0 || count > kLimit) return false;
  Header head;
  {
    Locked a(array);
    if (!a) return false;
    head = a.head();
  }
  const long size = head.elemSize;
  if (count * size > head.capacity) {
    long rounded = (count + head.step - 1) / head.step * head.step * size;
    long capacity = rounded <= kLimit ? rounded : count * size;
    if (capacity > kLimit) return false;
    if (!GlobalReAlloc(array, sizeof(Header) + capacity, GMEM_MOVEABLE | GMEM_ZEROINIT)) return false;
    head.capacity = static_cast<std::uint16_t>(capacity);
  }
  Locked a(array);
  if (!a) return false;
  if (count > head.count) std::memset(a.at(head.count + 1), 0, (count - head.count) * size);
  head.count = static_cast<std::uint16_t>(count);
  a.head() = head;
  return true;
}

void GArrayPut(HGLOBAL array, int pos, const void* elem) {
  Locked a(array);
  if (a && pos >= 1 && pos <= a.head().count) std::memcpy(a.at(pos), elem, a.head().elemSize);
}

void GArrayGet(HGLOBAL array, int pos, void* out) {
  Locked a(array);
  if (a && pos >= 1 && pos <= a.head().count) std::memcpy(out, a.at(pos), a.head().elemSize);
}

int GArrayAdd(HGLOBAL array, const void* elem) {
  const int pos = GArrayCount(array) + 1;
  if (!array || !GArrayResize(array, pos)) return 0;
  GArrayPut(array, pos, elem);
  return pos;
}

int GArrayCount(HGLOBAL array) {
  Locked a(array);
  return a ? a.head().count : 0;
}

int GArrayCapacity(HGLOBAL array) {
  Locked a(array);
  return a ? a.head().capacity / a.head().elemSize : 0;
}

int GArrayScan(HGLOBAL array, const std::function<bool(const void*)>& test, int start, int count) {
  Locked a(array);
  if (!a) return 0;
  const int first = start > 0 ? start : 1;
  const int last = count > 0 ? std::min<int>(a.head().count, first + count - 1) : a.head().count;
  for (int pos = first; pos <= last; ++pos) {
    if (test(a.at(pos))) return pos;
  }
  return 0;
}

}  // namespace svc
