#pragma once
// The message-to-method dispatcher, HandleEvent of TWindow: every message the
// library knows becomes a call of the event method that bears its name, with
// its arguments taken apart from wParam and lParam; the method's result is
// returned as it is. Any other message gives NIL.

#include <windows.h>

#include "runtime/value.h"

namespace core {

class TWindow;

// Library messages sent or posted by the class library to its own windows.
enum LibraryMessage : UINT {
  WM_VD_DRAWITEM = 0x808,
  WM_VD_HELPF1 = 0x80D,
  WM_VD_DROPOVER = 0x80F,
  WM_VD_ASYNCSELECT = 0x811,
  WM_VD_TASKBAR = 0x813,
};

rt::Value WNDHANDLEEVENT(TWindow& self, UINT nMsg, WPARAM nWParam, LPARAM nLParam);

// The name of the event method a message goes to ("HandleEvent" for one
// the dispatcher does not know), for the frames of the runtime's call stack.
const char* EventName(UINT nMsg);

}  // namespace core
