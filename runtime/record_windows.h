#pragma once
// The records of a table kept in memory after a read, in a few windows of
// consecutive records, so that a record costs a system call only when no
// window holds it.
//
// A record reached on its own (by a seek, a go-to or through an order)
// brings the small aligned block around it along: the entries an order walk
// meets one after the other mostly sit in a few clusters of the table, as
// words of one family were entered together, but in another order than the
// key's. A read next to a window continues it with a window twice as long,
// up to a full one, and the first record starts a full one, so that scans
// and index builds read large pieces. The windows hold what the file held
// when they were read: the table drops them whenever it reads its header
// again (in shared mode on every seek, go-to and go-top) and writes its own
// changes into them.

#include <array>
#include <cstdint>
#include <vector>

namespace rt {

class RecordWindows {
 public:
  // Records [first, first + count) to be read into `window`'s buffer.
  struct Plan {
    std::uint32_t first;
    std::uint32_t count;
    std::size_t window;
  };

  // Forgets every window; records are recordLength bytes from now on.
  void Reset(std::uint16_t recordLength) noexcept;
  void Clear() noexcept;
  // The record's bytes, or null when no window holds it.
  const char* Find(std::uint32_t recno) noexcept;
  // What to read for a record that no window holds, of a table of `count`
  // records (recno <= count).
  Plan PlanFor(std::uint32_t recno, std::uint32_t count) const noexcept;
  // The buffer to read the plan's records into; the window holds nothing
  // until Filled.
  char* Buffer(const Plan& plan);
  // The buffer holds the plan's records now. Windows it overlaps are
  // dropped, so that a record is only ever found in its latest read.
  void Filled(const Plan& plan) noexcept;
  // A record written: the windows that hold it get the new bytes.
  void Update(std::uint32_t recno, const char* src) noexcept;

 private:
  struct Window {
    std::uint32_t first = 0;
    std::uint32_t count = 0;
    std::uint64_t used = 0;  // tick of the last use; the oldest is reused
    std::vector<char> bytes;
  };
  static constexpr std::size_t kWindows = 8;

  std::uint32_t Most() const noexcept;
  std::size_t Oldest() const noexcept;

  std::array<Window, kWindows> windows_;
  std::uint16_t recLen_ = 1;
  std::uint64_t tick_ = 0;
};

}  // namespace rt
