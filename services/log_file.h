#pragma once
// Diagnostic logs: one line of values into a file of the program's choice,
// and the active call levels into "stack.txt".

#include <string_view>

#include "runtime/value.h"

namespace svc {

// Appends "<date> <time>: " and each value's text followed by a tab, then
// CR LF; the file is made when missing. False when it cannot be written.
bool LOGFILE(std::string_view cFile, const rt::Value& aValues);
// Appends an empty line, "LogStack() called", "=================" and one
// line per active call level, innermost first: "NAME( param, ... )".
bool LOGSTACK();

}  // namespace svc
