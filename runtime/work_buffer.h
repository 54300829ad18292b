#pragma once
// One large buffer from the system for the duration of a job such as an
// index build or an index's page cache, cut into arrays of trivial types.
// Its contents start undefined.
//
// Buffers given back are kept for later jobs, up to a bound, as a heap keeps
// freed memory: memory fresh from the system is cleared page by page first,
// which costs an index build or a newly opened index more than its own work.

#include <cstddef>
#include <stdexcept>
#include <type_traits>

namespace rt {

class WorkBuffer {
 public:
  explicit WorkBuffer(std::size_t bytes);  // throws std::bad_alloc
  ~WorkBuffer();
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
  void* data_ = nullptr;
};

}  // namespace rt
