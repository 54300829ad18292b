#include "test_support.h"

#include <cstdio>

#include "core/window_class.h"

namespace coretest {

namespace {

constexpr char kClass[] = "VDCORETEST";

BoxWatch* g_watch = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM into) {
  char cls[32] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  char text[2048] = {};
  GetWindowTextA(child, text, sizeof text);
  if (text[0]) *reinterpret_cast<std::string*>(into) += text;
  return TRUE;
}

}  // namespace

HWND NewTestWindow() {
  static const bool registered =
      core::REGISTERCLASS(kClass, CS_DBLCLKS, 0, 0, nullptr, nullptr, nullptr, std::nullopt, nullptr, nullptr);
  (void)registered;
  return core::CREATEWINDOW(kClass, "test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 150, nullptr, 0);
}

void DrainQueue() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string Probe::Joined() const {
  std::string all;
  for (const std::string& c : calls) all += (all.empty() ? "" : " ") + c;
  return all;
}

rt::Value Probe::Record(const std::string& name, std::initializer_list<long long> args, bool withArgs) {
  std::string call = name;
  if (withArgs) {
    call += "(";
    bool first = true;
    for (long long a : args) {
      call += (first ? "" : ",") + std::to_string(a);
      first = false;
    }
    call += ")";
  }
  calls.push_back(call);
  return answer ? answer(name) : rt::Value();
}

std::shared_ptr<Probe> LinkedProbe() {
  auto probe = std::make_shared<Probe>();
  probe->hWnd = NewTestWindow();
  probe->Link();
  return probe;
}

BoxWatch::BoxWatch(bool echo)
    : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId())), echo_(echo) {
  g_watch = this;
}

BoxWatch::~BoxWatch() {
  UnhookWindowsHookEx(hook_);
  g_watch = nullptr;
}

// Right after a dialog's WM_INITDIALOG its texts are in place; the box is
// read then and asked to close once its own loop runs.
LRESULT CALLBACK BoxWatch::Hook(int code, WPARAM w, LPARAM l) {
  const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(l);
  if (code == HC_ACTION && g_watch && ret->message == WM_INITDIALOG) {
    char title[256] = {};
    GetWindowTextA(ret->hwnd, title, sizeof title);
    Box box{title, {}};
    EnumChildWindows(ret->hwnd, CollectText, reinterpret_cast<LPARAM>(&box.text));
    if (g_watch->echo_) {
      std::fprintf(stderr, "%s|%s\n", box.title.c_str(), box.text.c_str());
      std::fflush(stderr);
    }
    g_watch->boxes_.push_back(box);
    PostMessageA(ret->hwnd, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace coretest
