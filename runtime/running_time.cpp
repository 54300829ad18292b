#include "runtime/running_time.h"

namespace rt {

namespace {

constexpr long kSecondsPerDay = 86400;

struct StartMark {
  Date day;
  double seconds;
};

// Taken while the program is loaded, so that the time counts from its start
// and not from the first question.
const StartMark kStart{DATE(), SECONDS()};

}  // namespace

long RunningSeconds(Date startDay, double startSeconds, Date nowDay, double nowSeconds) {
  const long days = static_cast<long>(nowDay.julian) - static_cast<long>(startDay.julian);
  const long total = days * kSecondsPerDay + static_cast<long>(nowSeconds) - static_cast<long>(startSeconds);
  return total < 0 ? 0 : total;
}

std::string RunningTimeText(long seconds) {
  return std::to_string(seconds / 3600) + " hours " + std::to_string(seconds / 60 % 60) + " mins " +
         std::to_string(seconds % 60) + " secs ";
}

std::string TIMEFROMSTART() { return RunningTimeText(RunningSeconds(kStart.day, kStart.seconds, DATE(), SECONDS())); }

}  // namespace rt
