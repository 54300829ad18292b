#pragma once
// Two public diagnostic helpers of the grid module: a line appended to a
// log file, and the extra information of the message being handled.

#include <windows.h>

#include "runtime/value.h"

namespace grid {

// The name of the log file FDEBUG appends to, in the current folder.
inline constexpr const char* kDebugLog = "Debug.log";

// Appends "<caller> <line> <value>" and CR LF to Debug.log, creating it when
// missing; an information box "I can't" when even that fails.
void FDEBUG(const rt::Value& uValue);

// GetMessageExtraInfo, bound from User32.dll at each call; an alert naming
// the error code when the library does not load.
LPARAM GETMSGINFO();

// Registers both as public functions.
void RegisterDebugFunctions();

}  // namespace grid
