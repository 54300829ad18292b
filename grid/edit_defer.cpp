#include "grid/edit_defer.h"

#include <windows.h>

#include <deque>
#include <utility>

namespace grid {

namespace {

constexpr UINT kRunPosted = WM_APP + 0x31;
constexpr char kClassName[] = "VdGridDeferred";

std::deque<std::function<void()>>& Queue() {
  static std::deque<std::function<void()>> queue;
  return queue;
}

LRESULT CALLBACK DeferProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kRunPosted) {
    RunPosted();
    return 0;
  }
  return DefWindowProcA(hWnd, msg, wParam, lParam);
}

// A message-only window of this module: posted work reaches it through any
// message loop, modal ones included, which a thread message would not.
HWND DeferWindow() {
  static HWND window = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DeferProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    return CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return window;
}

}  // namespace

void PostLater(std::function<void()> fn) {
  Queue().push_back(std::move(fn));
  PostMessageA(DeferWindow(), kRunPosted, 0, 0);
}

void RunPosted() {
  // Work may queue more work; that runs on its own message.
  auto batch = std::exchange(Queue(), {});
  for (auto& fn : batch) fn();
}

}  // namespace grid
