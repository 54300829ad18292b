#pragma once
// The class layer's entry for a message (known to the library as _VDH): finds
// the window object in its slot and sends it HandleEvent.

#include <windows.h>

#include "runtime/value.h"

namespace core {

// The answer to one message: the method's result and the procedure that the
// window had replaced when the message arrived.
struct EventAnswer {
  rt::Value result;
  WNDPROC previous = nullptr;
};

// uFirst is not used. Null (NIL) for slot 0, a slot outside the list, or a
// slot that holds no window object; otherwise the one process-wide answer
// record, refilled by every call. The window object is held for the whole
// time its message is handled.
const EventAnswer* VDH(LPARAM uFirst, UINT nMsg, WPARAM nWParam, LPARAM nLParam, int nSlot);

}  // namespace core
