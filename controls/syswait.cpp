#include "controls/syswait.h"

#include <windows.h>

#include <chrono>

#include "core/accelerators.h"
#include "core/message_loop.h"

namespace controls {

namespace {

// Handles every queued message once, as the refresh does; false at a quit,
// which is posted again so that the loop meant for it still sees it.
bool Pump() {
  const core::AccelDetach detached;
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    core::RouteMessage(msg, detached.Kept());
  }
  return true;
}

}  // namespace

bool SYSWAIT(double nSeconds) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(nSeconds));
  for (;;) {
    if (!Pump()) return false;
    const auto now = Clock::now();
    if (now >= end) return true;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - now).count();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
  }
}

}  // namespace controls
