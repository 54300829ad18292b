#pragma once
// Waiting while the program's windows stay serviced.

namespace controls {

// Handles messages until nSeconds have passed, measured on a clock that no
// midnight or clock change resets. Stops early when the quit message comes,
// which stays for the message loop. False when it stopped for the quit.
bool SYSWAIT(double nSeconds = 0.1);

}  // namespace controls
