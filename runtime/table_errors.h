#pragma once
// Where table faults become error objects: every xBase table function runs
// its body through RunGuarded, which hands a fault to the error block and
// retries the body when the block asks for it.

#include <string_view>

#include "runtime/error.h"
#include "runtime/table_fault.h"

namespace rt {

ErrorPtr ErrorFromFault(const TableFault& fault, std::string_view operation);

// Raises the fault; true when the error block asked for a retry. A defaulted
// open or append error sets NETERR().
bool RaiseFault(const TableFault& fault, std::string_view operation);

// Runs body; on a fault raises it. Returns true when the body completed,
// false when the error was defaulted.
template <class Body>
bool RunGuarded(std::string_view operation, Body&& body) {
  for (;;) {
    try {
      body();
      return true;
    } catch (const TableFault& fault) {
      if (!RaiseFault(fault, operation)) return false;
    }
  }
}

// NETERR(): whether the last open or append failed quietly.
bool NETERR();
bool NETERR(bool newValue);  // returns the previous value

}  // namespace rt
