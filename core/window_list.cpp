#include "core/window_list.h"

#include "core/message_loop.h"
#include "core/twindow.h"

namespace core {

namespace {

rt::Value& List() {
  static rt::Value list = rt::Value::Array();
  return list;
}

bool IsFree(const rt::Value& v) { return v.IsNumber() && v.AsNumber() == 0; }

}  // namespace

rt::Value GETALLWIN() { return List(); }

std::size_t NWINDOWS() { return List().Len(); }

const std::vector<rt::Value>& WindowSlots() { return List().Items(); }

std::shared_ptr<TWindow> OWNDFROMHWND(HWND hWnd) {
  if (!hWnd) return nullptr;
  for (const rt::Value& v : List().Items()) {
    if (auto w = v.As<TWindow>(); w && w->hWnd == hWnd) return w;
  }
  return nullptr;
}

std::shared_ptr<TWindow> WNDMAIN() { return OWNDFROMHWND(GETWNDAPP()); }

int TakeSlot(const rt::ObjectPtr& window) {
  if (int slot = SlotOf(window.get())) return slot;
  std::vector<rt::Value>& items = List().Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (IsFree(items[i])) {
      items[i] = rt::Value(window);
      return static_cast<int>(i + 1);
    }
  }
  items.emplace_back(window);
  return static_cast<int>(items.size());
}

int SlotOf(const rt::Object* window) {
  const std::vector<rt::Value>& items = List().Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].IsObject() && items[i].AsObject().get() == window) return static_cast<int>(i + 1);
  }
  return 0;
}

void FreeSlot(int nSlot) {
  std::vector<rt::Value>& items = List().Items();
  if (nSlot < 1 || static_cast<std::size_t>(nSlot) > items.size()) return;
  // The object may die with its slot; its destructor must find the list
  // already consistent.
  rt::Value gone = std::move(items[static_cast<std::size_t>(nSlot) - 1]);
  items[static_cast<std::size_t>(nSlot) - 1] = rt::Value(0);
}

}  // namespace core
