#pragma once
// A window's own vertical or horizontal scroll bar as an object. The
// scroll-bar class lives in a later layer, so it is made by name; a program
// without it gets NIL.

#include "core/twindow.h"

namespace core {

rt::Value WindowScrollBar(TWindow& w, bool lVertical);

}  // namespace core
