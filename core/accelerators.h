#pragma once
// The current keyboard accelerator table, offered every message before
// translation and dispatch (its commands go to the main window).

#include <windows.h>

#include "runtime/value.h"

namespace core {

// Builds a table from an array of {nKey, nFlags, nCommandId} entries (the
// virtual-key flag is always added), makes it current and returns it. The
// table that was current is left alone: its owner destroys it. Anything but
// an array changes nothing and returns null.
HACCEL SETACCTABLE(const rt::Value& aAccelerators);
// No table from now on; the one that was current is destroyed.
void SETACCTABLE();

HACCEL CurrentAccelTable();

// Takes the current table away for a nested run of the queue and puts it
// back afterwards, unless an action chose a table meanwhile.
class AccelDetach {
 public:
  AccelDetach();
  ~AccelDetach();
  AccelDetach(const AccelDetach&) = delete;
  AccelDetach& operator=(const AccelDetach&) = delete;
  HACCEL Kept() const { return kept_; }

 private:
  HACCEL kept_;
  unsigned changes_;
};

}  // namespace core
