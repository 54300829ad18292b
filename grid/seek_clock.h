#pragma once
// The clock and the beep of the grid's incremental seek. Both can be
// replaced, so that a test steps the time between keystrokes and hears the
// refusals without a real pause or sound.

#include <functional>

namespace grid {

// Seconds since midnight, from the replacement when one is set.
double SeekSeconds();
// An empty function gives the system clock back.
void SetSeekClock(std::function<double()> clock);

// The refusal of a seek keystroke: 500 Hz for one tick of the old timer.
void SeekBeep();
// An empty function gives the real beep back.
void SetSeekBeep(std::function<void()> beep);

}  // namespace grid
