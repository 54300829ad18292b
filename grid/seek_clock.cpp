#include "grid/seek_clock.h"

#include <windows.h>

#include <utility>

namespace grid {
namespace {

std::function<double()>& Clock() {
  static std::function<double()> clock;
  return clock;
}

std::function<void()>& BeepHook() {
  static std::function<void()> beep;
  return beep;
}

// One tick of the 18.2 Hz timer, in milliseconds.
constexpr DWORD kTickMs = 55;
constexpr DWORD kBeepHz = 500;

}  // namespace

double SeekSeconds() {
  if (Clock()) return Clock()();
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

void SetSeekClock(std::function<double()> clock) { Clock() = std::move(clock); }

void SeekBeep() {
  if (BeepHook()) {
    BeepHook()();
    return;
  }
  Beep(kBeepHz, kTickMs);
}

void SetSeekBeep(std::function<void()> beep) { BeepHook() = std::move(beep); }

}  // namespace grid
