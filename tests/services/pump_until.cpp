#include "pump_until.h"

#include <windows.h>

namespace {
// Long enough for a slow Wine start; the awaited events come in milliseconds.
constexpr UINT kWatchdogMs = 10000;
}  // namespace

bool PumpUntil(const std::function<bool()>& done) {
  UINT_PTR watchdog = SetTimer(nullptr, 0, kWatchdogMs, nullptr);
  MSG msg;
  while (!done()) {
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == watchdog && msg.lParam == 0) break;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  KillTimer(nullptr, watchdog);
  return done();
}
