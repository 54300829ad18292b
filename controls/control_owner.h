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
// The text of a value: through the picture when there is one.
std::string ValueText(const rt::Value& u, const rt::Value& cPicture);

}  // namespace controls
