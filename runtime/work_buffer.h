#pragma once
// One large zeroed buffer from the system for the duration of a job such as
// an index build, cut into arrays of trivial types.

#include <cstddef>
#include <new>
#include <stdexcept>
#include <type_traits>

#include "runtime/os.h"

namespace rt {

class WorkBuffer {
 public:
  explicit WorkBuffer(std::size_t bytes) : bytes_(bytes), data_(os::AllocateWorkMemory(bytes)) {
    if (!data_) throw std::bad_alloc();
  }
  ~WorkBuffer() { os::FreeWorkMemory(data_, bytes_); }
  WorkBuffer(const WorkBuffer&) = delete;
  WorkBuffer& operator=(const WorkBuffer&) = delete;

  // The array of `count` elements at byte `offset`, which must suit T's
  // alignment and leave room for them.
  template <class T>
  T* ArrayAt(std::size_t offset, std::size_t count) {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    if (offset % alignof(T) != 0 || offset > bytes_ || count > (bytes_ - offset) / sizeof(T))
      throw std::logic_error("work buffer overrun");
    return reinterpret_cast<T*>(static_cast<unsigned char*>(data_) + offset);
  }

  // The first offset at or after `offset` that suits T.
  template <class T>
  static std::size_t Aligned(std::size_t offset) {
    return (offset + alignof(T) - 1) / alignof(T) * alignof(T);
  }

 private:
  std::size_t bytes_;
  void* data_;
};

}  // namespace rt
