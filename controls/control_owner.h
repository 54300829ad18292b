#pragma once
// What the small controls share when they are built: the owner they go into
// and how they join it.

#include <string>

#include "core/tcontrol.h"

namespace controls {

// The owner given, else the default window.
rt::Value OwnerOr(const rt::Value& oWnd);
// With the owner's window made: creates the control's window of that class,
// runs Default and adds it to the owner's controls. Without it: the owner's
// DefControl keeps it for the dialog's template.
void Place(core::TControl& control, const std::string& cClass);
// A number argument as a 32-bit value, n when it is not a number.
long NumOr(const rt::Value& v, long n);
// Sets the control's rectangle: its corner at row and column, counted in
// characters of 14 x 8 pixels unless lPixel, and its size in pixels.
void PlaceAt(core::TControl& control, long nRow, long nCol, long nWidth, long nHeight, bool lPixel);
// The text of a value: through the picture when there is one.
std::string ValueText(const rt::Value& u, const rt::Value& cPicture);

}  // namespace controls
