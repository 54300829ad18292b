#include "core/window_list.h"

#include <unordered_map>

#include "core/message_loop.h"
#include "core/twindow.h"

namespace core {

namespace {

rt::Value& List() {
  static rt::Value list = rt::Value::Array();
  return list;
}

// Indexes of the list, so that the message road finds a window without
// walking it: by the handle each window had when it was linked, and by the
// object. handles[slot - 1] is the handle a slot is indexed under.
struct Index {
  std::unordered_map<HWND, int> bySlotHandle;
  std::unordered_map<const rt::Object*, int> byObject;
  std::vector<HWND> handles;
};

Index& Indexes() {
  static Index index;
  return index;
}

bool IsFree(const rt::Value& v) { return v.IsNumber() && v.AsNumber() == 0; }

// Another slot may have been indexed under the same handle since.
void ForgetHandle(Index& index, std::size_t at) {
  const auto found = index.bySlotHandle.find(index.handles[at]);
  if (found != index.bySlotHandle.end() && static_cast<std::size_t>(found->second) == at + 1)
    index.bySlotHandle.erase(found);
}

void IndexSlot(int slot, const rt::ObjectPtr& window) {
  Index& index = Indexes();
  const auto at = static_cast<std::size_t>(slot) - 1;
  if (index.handles.size() <= at) index.handles.resize(at + 1);
  const auto* w = dynamic_cast<const TWindow*>(window.get());
  const HWND handle = w ? w->hWnd : nullptr;
  if (index.handles[at] != handle) {
    ForgetHandle(index, at);
    index.handles[at] = handle;
  }
  if (handle) index.bySlotHandle[handle] = slot;
  index.byObject[window.get()] = slot;
}

}  // namespace

rt::Value GETALLWIN() { return List(); }

std::size_t NWINDOWS() { return List().Len(); }

const std::vector<rt::Value>& WindowSlots() { return List().Items(); }

std::shared_ptr<TWindow> OWNDFROMHWND(HWND hWnd) {
  if (!hWnd) return nullptr;
  const Index& index = Indexes();
  const auto found = index.bySlotHandle.find(hWnd);
  if (found == index.bySlotHandle.end()) return nullptr;
  const std::vector<rt::Value>& items = List().Items();
  const auto at = static_cast<std::size_t>(found->second) - 1;
  if (at >= items.size()) return nullptr;
  // The program may have changed the handle since it was linked.
  if (auto w = items[at].As<TWindow>(); w && w->hWnd == hWnd) return w;
  return nullptr;
}

std::shared_ptr<TWindow> WNDMAIN() { return OWNDFROMHWND(GETWNDAPP()); }

int TakeSlot(const rt::ObjectPtr& window) {
  if (int slot = SlotOf(window.get())) {
    // Linking again indexes the window under its handle of now.
    IndexSlot(slot, window);
    return slot;
  }
  std::vector<rt::Value>& items = List().Items();
  int slot = 0;
  for (std::size_t i = 0; i < items.size() && !slot; ++i) {
    if (IsFree(items[i])) {
      items[i] = rt::Value(window);
      slot = static_cast<int>(i + 1);
    }
  }
  if (!slot) {
    items.emplace_back(window);
    slot = static_cast<int>(items.size());
  }
  IndexSlot(slot, window);
  return slot;
}

int SlotOf(const rt::Object* window) {
  const Index& index = Indexes();
  const auto found = index.byObject.find(window);
  if (found == index.byObject.end()) return 0;
  const std::vector<rt::Value>& items = List().Items();
  const auto at = static_cast<std::size_t>(found->second) - 1;
  return at < items.size() && items[at].IsObject() && items[at].AsObject().get() == window ? found->second : 0;
}

void FreeSlot(int nSlot) {
  std::vector<rt::Value>& items = List().Items();
  if (nSlot < 1 || static_cast<std::size_t>(nSlot) > items.size()) return;
  const auto at = static_cast<std::size_t>(nSlot) - 1;
  Index& index = Indexes();
  if (items[at].IsObject()) index.byObject.erase(items[at].AsObject().get());
  if (at < index.handles.size()) {
    ForgetHandle(index, at);
    index.handles[at] = nullptr;
  }
  // The object may die with its slot; its destructor must find the list
  // already consistent.
  rt::Value gone = std::move(items[at]);
  items[at] = rt::Value(0);
}

}  // namespace core
