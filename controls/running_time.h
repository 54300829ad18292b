#pragma once
// How long the program has been running, counted from the start that this
// module records when the program starts.

#include <string>

namespace controls {

// Seconds from a start to now, each given as a day number and the seconds
// since that day's midnight. A day has 86400 seconds; a clock set back
// before the start day gives 0.
long SecondsBetween(long startDay, long startSeconds, long nowDay, long nowSeconds);
// "1 hours 2 mins 3 secs ".
std::string RunningTimeText(long seconds);
// The running time of this program as RunningTimeText shows it.
std::string TIMEFROMSTART();

}  // namespace controls
