#pragma once
// Module state shared by the windows: the default window (the last one
// constructed) and what is being dropped over a window.

#include "runtime/value.h"

namespace core {

void SETWNDDEFAULT(const rt::Value& oWnd);
// The same, under the name cut to ten characters that older code calls.
inline void _SETWNDDEFAUL(const rt::Value& oWnd) { SETWNDDEFAULT(oWnd); }
rt::Value GETWNDDEFAULT();

void SETDROPINFO(const rt::Value& uInfo);
// The stored value, once: the store is empty afterwards.
rt::Value GETDROPINFO();

}  // namespace core
