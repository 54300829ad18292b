#include "services/help.h"

#include "services/callback_guard.h"
#include "services/declared.h"
#include "services/int32.h"
#include "services/msgbox.h"

namespace svc {
namespace {

// Command numbers of the help engine's interface.
constexpr long kHelpContext = 1, kHelpContextPopup = 8, kHelpFinder = 11, kHelpKey = 257, kHelpPartialKey = 261;
constexpr std::size_t kMaxTopic = 99;

struct HelpState {
  std::string file;
  std::string topic;
  HHOOK hook = nullptr;
};

HelpState& State() {
  static HelpState state;
  return state;
}

LRESULT CALLBACK MenuF1Filter(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  Guarded([&] {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_MENU && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_F1)
      PostMessageA(GetActiveWindow(), WM_HELPF1_MENU, 0, 0);
    result = CallNextHookEx(State().hook, code, wParam, lParam);
  });
  return result;
}

rt::Value ActiveWindow() { return HandleNumber(GetActiveWindow()); }

bool NoHelpFile() {
  if (!State().file.empty()) return false;
  MSGSTOP("No Help file available", " Attention");
  return true;
}

}  // namespace

void SETHELPFILE(const rt::Value& cFile) {
  if (cFile.IsNil()) return;
  State().file = cFile.AsString();
  // Only this thread's menus: a process-wide filter would see every thread
  // of every program.
  if (!State().hook)
    State().hook = SetWindowsHookExA(WH_MSGFILTER, MenuF1Filter, nullptr, GetCurrentThreadId());
}

std::string GETHELPFILE() { return State().file; }

void HELPSETTOPIC(const rt::Value& uTopic) {
  State().topic = uTopic.IsString() ? uTopic.AsString().substr(0, kMaxTopic) : std::string();
}

std::string GETHELPTOPIC() { return State().topic; }

HWND HELPCTRLHWND(LPARAM nHelpInfo) {
  const auto* info = reinterpret_cast<const HELPINFO*>(nHelpInfo);
  return info ? static_cast<HWND>(info->hItemHandle) : nullptr;
}

rt::Value HELPTOPIC(const rt::Value& uTopic) {
  if (NoHelpFile()) return false;
  const std::string& file = State().file;
  if (uTopic.IsNumber())
    SPWINHELP(ActiveWindow(), file, kHelpContext, uTopic);
  else
    SPWINHELPC(ActiveWindow(), file, kHelpKey, uTopic.IsString() ? uTopic.AsString() : GETHELPTOPIC());
  return {};
}

rt::Value HELPINDEX() {
  if (NoHelpFile()) return false;
  SPWINHELP(ActiveWindow(), State().file, kHelpFinder, 0);
  return {};
}

rt::Value HELPSEARCH(std::string_view cKey) {
  if (NoHelpFile()) return false;
  SPWINHELPC(ActiveWindow(), State().file, kHelpPartialKey, std::string(cKey));
  return {};
}

rt::Value HELPPOPUP(long nContext) {
  if (NoHelpFile()) return false;
  SPWINHELP(ActiveWindow(), State().file, kHelpContextPopup, nContext);
  return {};
}

rt::Value WINHELP(std::string_view cFile, long nCommand, long nData) {
  return SPWINHELP(ActiveWindow(), std::string(cFile), nCommand, nData);
}

}  // namespace svc
