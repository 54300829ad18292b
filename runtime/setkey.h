#pragma once
// Key handlers: a block per key code that the windows run in place of their
// own handling of that key (F1 help, F10 for the menu, program hot keys).

#include "runtime/value.h"

namespace rt {

// The handler of nKey, NIL when none is set.
Value SETKEY(long nKey);
// Sets (a block) or removes (NIL) the handler; returns the previous one.
Value SETKEY(long nKey, const Value& bAction);

}  // namespace rt
