#pragma once
// The edit field that has the focus, for code that asks which field it is
// called from.

#include "runtime/value.h"

namespace controls {

// The first listed window that is a TGet, flagged as focused and holding the
// keyboard focus; NIL when none.
rt::Value READVAR();

}  // namespace controls
