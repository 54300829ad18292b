#include "controls/running_time.h"

#include "runtime/dates.h"

namespace controls {

namespace {

constexpr long kSecondsPerDay = 86400;

struct Start {
  long day = rt::DATE().julian;
  long seconds = static_cast<long>(rt::SECONDS());
};

// Recorded when the program starts, before any window exists.
const Start& ProgramStart() {
  static const Start start;
  return start;
}

[[maybe_unused]] const Start& recordedAtStart = ProgramStart();

}  // namespace

long SecondsBetween(long startDay, long startSeconds, long nowDay, long nowSeconds) {
  if (nowDay < startDay) return 0;
  if (nowDay == startDay) return nowSeconds >= startSeconds ? nowSeconds - startSeconds : 0;
  return (kSecondsPerDay - startSeconds) + (nowDay - startDay - 1) * kSecondsPerDay + nowSeconds;
}

std::string RunningTimeText(long seconds) {
  return std::to_string(seconds / 3600) + " hours " + std::to_string(seconds / 60 % 60) + " mins " +
         std::to_string(seconds % 60) + " secs ";
}

std::string TIMEFROMSTART() {
  const Start& start = ProgramStart();
  return RunningTimeText(
      SecondsBetween(start.day, start.seconds, rt::DATE().julian, static_cast<long>(rt::SECONDS())));
}

}  // namespace controls
