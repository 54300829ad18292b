#include "core/modeless.h"

#include <array>

namespace core {

namespace {

struct Registry {
  std::array<HWND, kModelessSlots> slots{};
  int highWater = 0;
  HWND lastActive = nullptr;
};

Registry& Dialogs() {
  static Registry registry;
  return registry;
}

bool Takes(HWND hDlg, MSG& msg) { return hDlg && IsWindow(hDlg) && IsDialogMessageA(hDlg, &msg); }

}  // namespace

bool REGDIALOG(HWND hDlg) {
  Registry& r = Dialogs();
  for (int i = 0; i < kModelessSlots; ++i) {
    if (!r.slots[i]) {
      r.slots[i] = hDlg;
      if (i > r.highWater) r.highWater = i;
      return true;
    }
  }
  return false;
}

bool CANREGDIALOG() {
  for (HWND h : Dialogs().slots) {
    if (!h) return true;
  }
  return false;
}

bool DEREGDIALOG(HWND hDlg) {
  Registry& r = Dialogs();
  if (!hDlg) return false;
  for (int i = 0; i < kModelessSlots; ++i) {
    if (r.slots[i] != hDlg) continue;
    r.slots[i] = nullptr;
    if (r.lastActive == hDlg) r.lastActive = nullptr;
    if (i == r.highWater) {
      // The mark comes down to the highest slot still in use, or to 0 when
      // none is: an emptied registry is the same whatever the order of
      // removal.
      r.highWater = 0;
      for (int lower = i - 1; lower >= 0; --lower) {
        if (r.slots[lower]) {
          r.highWater = lower;
          break;
        }
      }
    }
    return true;
  }
  return false;
}

bool ModelessFilter(MSG& msg) {
  Registry& r = Dialogs();
  if (Takes(r.lastActive, msg)) return true;
  for (int i = 0; i <= r.highWater; ++i) {
    if (Takes(r.slots[i], msg)) {
      r.lastActive = r.slots[i];
      return true;
    }
  }
  return false;
}

int ModelessHighWater() { return Dialogs().highWater; }

}  // namespace core
