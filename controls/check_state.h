#pragma once
// What check boxes and radio buttons share: the native check state, the
// themed background behind a transparent button, and the focus look that
// a themed button keeps after losing the focus.

#include "core/tcontrol.h"

namespace controls {

// Sets the native check state (BM_SETCHECK) when the window exists.
void SetNativeCheck(core::TControl& control, bool checked);
// The native state (BM_GETCHECK answers 1).
bool NativeCheck(const core::TControl& control);

// The caption and window text become cText; themed, the parent's
// background is painted behind the control first.
void SetButtonText(core::TControl& control, const std::string& cText);
rt::Value ButtonEraseBkGnd(core::TControl& control, LPARAM hDC);
rt::Value ButtonLostFocus(core::TControl& control, LPARAM hWndNew);
rt::Value ButtonMouseMove(core::TControl& control, long nRow, long nCol, long nFlags);


}  // namespace controls
