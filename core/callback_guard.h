#pragma once
// Every Win32 callback of the library (window, dialog and timer procedures)
// runs its body through GuardCallback. Windows cannot carry a C++ exception
// through its own frames, and it quietly swallows native faults raised inside
// callbacks, so both are stopped right here:
// - a native fault (access violation and the like) shows the fault report and
//   ends the process (FaultFrame);
// - a C++ exception (a BREAK outside any sequence, anything else) is an
//   unrecoverable error: the runtime writes "error.log", tells the user and
//   ends the process with exit code 1.

#include "core/fault_report.h"

namespace core {

// Call only from inside a catch block.
[[noreturn]] void EndOnCallbackException() noexcept;

template <class Body>
decltype(auto) GuardCallback(Body&& body) noexcept {
  FaultFrame frame;
  try {
    return body();
  } catch (...) {
    EndOnCallbackException();
  }
}

}  // namespace core
