#pragma once
// The program's running time, counted from the moment the runtime started
// (recorded while the program is being loaded, before its main function).

#include <string>

#include "runtime/dates.h"

namespace rt {

// Whole seconds from (startDay, startSeconds) to (nowDay, nowSeconds), the
// seconds counted since midnight; 0 when the clock stands before the start.
long RunningSeconds(Date startDay, double startSeconds, Date nowDay, double nowSeconds);
// "h hours m mins s secs ", each number without leading blanks.
std::string RunningTimeText(long seconds);
// The running time of this program as RunningTimeText shows it.
std::string TIMEFROMSTART();

}  // namespace rt
