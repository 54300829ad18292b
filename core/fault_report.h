#pragma once
// The native fault report: on an access violation or a similar processor
// fault the call stack of the runtime is listed in a message box titled
// "Vindral for Harbour GPF occurred", and the process ends with the fault's
// code. Faults outside any callback reach the process's unhandled-exception
// filter; faults inside callbacks are caught by a FaultFrame first, because
// the system's callback frames would otherwise swallow them.

#include <windows.h>

#include <cstddef>
#include <span>

namespace core {

// The report box's caption.
inline constexpr char kFaultTitle[] = "Vindral for Harbour GPF occurred";
inline constexpr std::size_t kFaultTextMax = 1151;
inline constexpr std::size_t kFaultLineMax = 127;

// One "Called from ..." line per level of the call stack, innermost first,
// each ended by "\n" and cut to kFaultLineMax characters; the levels that do
// not fit into kFaultTextMax characters (or into out) are left off. Writes a
// terminated text and returns its length. Allocates nothing.
std::size_t FormatFaultReport(std::span<char> out) noexcept;

// Shows the report and ends the process with the exception code. A fault
// during the report ends the process at once.
[[noreturn]] void ReportFaultAndEnd(DWORD exceptionCode) noexcept;

// The process-wide unhandled-exception filter.
LONG WINAPI FaultFilter(EXCEPTION_POINTERS* info);

// While alive, reports a processor fault raised on the calling thread. On
// i686 it links a handler into the thread's chain of exception registration
// records; on x86_64 it marks the thread for a vectored handler. Lives on the
// stack only.
class FaultFrame {
 public:
  FaultFrame() noexcept;
  ~FaultFrame();
  FaultFrame(const FaultFrame&) = delete;
  FaultFrame& operator=(const FaultFrame&) = delete;

#if defined(__i386__)
 private:
  // Laid out as the system's exception registration record.
  void* next_;
  void* handler_;
#endif
};

}  // namespace core
