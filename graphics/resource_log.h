#pragma once
// The diagnostic file "resources.txt": a drawing object whose handle cannot
// be deleted leaves one line there, and the program goes on.

#include <initializer_list>

#include "runtime/value.h"

namespace gfx {

// Appends "date time: " and each value's display text followed by a tab,
// then CR LF, to "resources.txt" in the current directory.
void LogResourceFailure(std::initializer_list<rt::Value> values);

}  // namespace gfx
