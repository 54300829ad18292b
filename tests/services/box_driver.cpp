#include "box_driver.h"

#include <utility>

namespace {
thread_local BoxDriver* current = nullptr;
// Long enough for a slow Wine start; the box is normally up in milliseconds.
constexpr DWORD kAppearTimeout = 20000;

std::string WindowText(HWND w) {
  char buf[1024] = {};
  GetWindowTextA(w, buf, sizeof buf);
  return buf;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM lParam) {
  auto* seen = reinterpret_cast<SeenBox*>(lParam);
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  if (auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0))) seen->icon = icon;
  std::string text = WindowText(child);
  if (!text.empty()) seen->texts.push_back(text);
  return TRUE;
}
}  // namespace

std::string SeenBox::Joined() const {
  std::string all;
  for (const auto& t : texts) all += t + "\n";
  return all;
}

BoxDriver::BoxDriver(std::function<void(HWND)> answer, std::string caption)
    : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())),
      activated_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      caption_(std::move(caption)) {
  current = this;
  thread_ = std::thread([this, answer = std::move(answer)] {
    if (WaitForSingleObject(activated_, kAppearTimeout) != WAIT_OBJECT_0 || !box_) return;
    seen_.appeared = true;
    seen_.caption = WindowText(box_);
    EnumChildWindows(box_, CollectStatic, reinterpret_cast<LPARAM>(&seen_));
    answer(box_);
  });
}

BoxDriver::~BoxDriver() {
  if (thread_.joinable()) {
    SetEvent(activated_);  // a box that never came: let the thread end
    thread_.join();
  }
  UnhookWindowsHookEx(hook_);
  CloseHandle(activated_);
  current = nullptr;
}

const SeenBox& BoxDriver::Seen() {
  if (thread_.joinable()) thread_.join();
  return seen_;
}

LRESULT CALLBACK BoxDriver::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && current && !current->box_) {
    auto w = reinterpret_cast<HWND>(wParam);
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && (current->caption_.empty() || WindowText(w) == current->caption_)) {
      current->box_ = w;
      SetEvent(current->activated_);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void BoxDriver::PressEnter(HWND box) { PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0); }

void BoxDriver::Click(HWND box, int id) { PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); }
