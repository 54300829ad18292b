#pragma once
// The chain of windows from a window up to its top-level window, and whether
// two windows sit in the same top-level window. A control uses this to tell
// a focus change inside its own window (validate) from one that leaves it.

#include <windows.h>

#include "runtime/value.h"

namespace core {

// {hWnd, parent, grandparent, ..., top-level window} of a window object or
// a window handle given as a number; {} for no window. A pop-up window ends
// its chain even when it has an owner.
rt::Value SCANPARENTS(const rt::Value& o);
// .T. when both windows exist and their chains end in the same top-level
// window.
bool WNDPARENTS(const rt::Value& o1, const rt::Value& o2);

}  // namespace core
