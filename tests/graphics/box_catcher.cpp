#include "box_catcher.h"

namespace {
thread_local BoxCatcher* current = nullptr;
}

BoxCatcher::BoxCatcher(int button)
    : button_(button), hook_(SetWindowsHookExA(WH_CBT, &BoxCatcher::Hook, nullptr, GetCurrentThreadId())) {
  current = this;
}

BoxCatcher::~BoxCatcher() {
  UnhookWindowsHookEx(hook_);
  current = nullptr;
}

BOOL CALLBACK BoxCatcher::Collect(HWND child, LPARAM self) {
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    if (text[0]) reinterpret_cast<BoxCatcher*>(self)->texts_ += std::string(text) + "\n";
  }
  return TRUE;
}

LRESULT CALLBACK BoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current && !current->seen_) {
    auto box = reinterpret_cast<HWND>(wParam);
    current->seen_ = true;
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    current->caption_ = caption;
    EnumChildWindows(box, &BoxCatcher::Collect, reinterpret_cast<LPARAM>(current));
    PostMessageA(box, WM_COMMAND, current->button_, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
