#include "core/vdh.h"

#include <vector>

#include "core/handle_event.h"
#include "core/twindow.h"
#include "core/window_list.h"
#include "runtime/callstack.h"

namespace core {

const EventAnswer* VDH(LPARAM, UINT nMsg, WPARAM nWParam, LPARAM nLParam, int nSlot) {
  static EventAnswer answer;
  const std::vector<rt::Value>& slots = WindowSlots();
  if (nSlot < 1 || static_cast<std::size_t>(nSlot) > slots.size()) return nullptr;
  const rt::Value& element = slots[static_cast<std::size_t>(nSlot) - 1];
  if (!element.IsObject()) return nullptr;
  // Destroy unlinks the window and may empty its slot while its message is
  // still being handled; this reference keeps the object alive until then.
  const rt::ObjectPtr keep = element.AsObject();
  auto* window = dynamic_cast<TWindow*>(keep.get());
  if (!window) return nullptr;
  // Taken before sending: WM_DESTROY unlinks the window, and the previous
  // procedure must still see that message.
  const WNDPROC previous = window->nOldProc;
  // A frame per event: the fault report and the error log name the class
  // and the event that ran.
  const rt::CallGuard frame(window->ClassName().c_str(), EventName(nMsg), 0);
  rt::Value result = window->HandleEvent(nMsg, nWParam, nLParam);
  answer.result = std::move(result);
  answer.previous = previous;
  return &answer;
}

}  // namespace core
