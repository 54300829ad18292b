#include "runtime/os_file.h"

namespace rt {

namespace {

struct CrashState {
  long left = -1;
  bool happened = false;
};

CrashState& State() {
  static CrashState state;
  return state;
}

}  // namespace

void OsCrashAfterChanges(long n) { State() = CrashState{n, false}; }

bool OsCrashHappened() { return State().happened; }

bool OsChangeAllowed() {
  CrashState& s = State();
  if (s.left < 0) return true;
  if (s.left == 0) {
    s.happened = true;
    return false;
  }
  --s.left;
  return true;
}

}  // namespace rt
