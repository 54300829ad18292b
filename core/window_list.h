#pragma once
// The window list: one process-wide array of window objects. A window's
// 1-based position in it is its slot number, which selects its entry point.
// A freed slot holds the number 0 and is reused before the array grows.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "runtime/object.h"
#include "runtime/value.h"

namespace core {

class TWindow;

// The list itself (shared, not a copy).
rt::Value GETALLWIN();
// Length of the list, free slots included.
std::size_t NWINDOWS();
// The listed window whose handle is hWnd, found by the handle it had when
// it was last linked (in constant time); null when there is none.
std::shared_ptr<TWindow> OWNDFROMHWND(HWND hWnd);
// The listed window whose handle is the application's main window.
std::shared_ptr<TWindow> WNDMAIN();

// Stores the object in the first free slot, or appends it; an object that is
// listed already keeps its slot. Returns the slot number.
int TakeSlot(const rt::ObjectPtr& window);
// The slot that holds this very object, 0 when it is not listed.
int SlotOf(const rt::Object* window);
void FreeSlot(int nSlot);
// The elements, for the message road (no copy, no allocation).
const std::vector<rt::Value>& WindowSlots();

}  // namespace core
