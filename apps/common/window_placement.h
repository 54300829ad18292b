#pragma once
// A main window's rectangle in the settings file: read at start, stored on
// every move, by the rules of placement.h.

#include "apps/common/placement.h"

namespace core {
class TWindow;
}

namespace common {

// Fills the four values from the rule's section over the desktop's client
// rectangle, brought onto the desktop when no monitor would show any of the
// window; returns true.
bool GETCOORDS(const PlacementRule& rule, long& nTop, long& nLeft, long& nBottom, long& nRight);
// Stores the window's current rectangle unless it is minimised, parked or
// without a positive size.
void PUTCOORDS(const PlacementRule& rule, const core::TWindow& window);

}  // namespace common
