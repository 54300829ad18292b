#pragma once
// The double-buffered paint of a control over a native window (edit
// fields, list boxes): the control's brush or the native background, then
// the native paint, all into the memory DC, then bPainted.

#include "core/tcontrol.h"
#include "runtime/value.h"

namespace controls {

// Paints during the control's BeginPaint/EndPaint; answers 1.
rt::Value PaintOverNative(core::TControl& control);
// BeginPaint, PaintOverNative through the control's Paint, EndPaint.
rt::Value DisplayPainted(core::TControl& control);

}  // namespace controls
