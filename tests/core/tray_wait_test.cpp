// The tray icon's record and clicks, with a seam in front of the shell, and
// the wait-until function.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/message_loop.h"
#include "core/ttrayicon.h"
#include "services/int32.h"
#include "services/task_icon.h"
#include "twindow_support.h"

namespace {

struct Sent {
  long code;
  NOTIFYICONDATAA record;
  std::string tip;  // the 64 bytes of the field
};

// Every record handed to the shell while it lives.
class ShellSeam {
 public:
  ShellSeam() {
    svc::SetTrayNotifySeam([this](long code, const std::string& bytes) {
      Sent s{code, {}, {}};
      EXPECT_EQ(bytes.size(), static_cast<std::size_t>(NOTIFYICONDATAA_V1_SIZE));
      std::memcpy(&s.record, bytes.data(), std::min(bytes.size(), sizeof s.record));
      s.tip = bytes.substr(offsetof(NOTIFYICONDATAA, szTip), 64);
      sent.push_back(s);
      return true;
    });
  }
  ~ShellSeam() { svc::SetTrayNotifySeam({}); }
  std::vector<Sent> sent;
};

std::shared_ptr<core::TTrayIcon> Tray(const coretest::OwnedWindow& owner, const std::string& tip,
                                      core::TrayIconArgs a = {}) {
  a.oWnd = owner.value();
  a.oIcon = rt::Value(svc::HandleNumber(LoadIcon(nullptr, IDI_APPLICATION)));
  a.cCaption = tip;
  auto tray = std::make_shared<core::TTrayIcon>();
  tray->New(a);
  return tray;
}

TEST(TTrayIcon, RegistersUpdatesAndRemovesItsRecord) {
  ShellSeam shell;
  coretest::OwnedWindow owner(coretest::PixelArgs(0, 0, 50, 50));
  const std::string longTip(80, 'x');
  auto tray = Tray(owner, longTip);
  ASSERT_TRUE(tray->oWnd && tray->oWnd->hWnd);
  EXPECT_EQ(GetWindow(tray->oWnd->hWnd, GW_OWNER), owner->hWnd);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(tray->oWnd->hWnd, GWL_STYLE)) & (WS_POPUP | WS_DISABLED),
            static_cast<DWORD>(WS_POPUP | WS_DISABLED));
  tray->SetText(rt::Value(""));
  tray->SetText(rt::Value("Kurz"));
  tray->End();

  ASSERT_EQ(shell.sent.size(), 4u);
  const long codes[] = {NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_DELETE};
  const UINT flags[] = {NIF_MESSAGE | NIF_ICON | NIF_TIP, NIF_MESSAGE | NIF_ICON, NIF_MESSAGE | NIF_ICON | NIF_TIP, 0};
  for (std::size_t i = 0; i < shell.sent.size(); ++i) {
    const Sent& s = shell.sent[i];
    EXPECT_EQ(s.code, codes[i]) << i;
    EXPECT_EQ(s.record.cbSize, NOTIFYICONDATAA_V1_SIZE) << i;
    EXPECT_EQ(s.record.uID, 1u) << i;
    EXPECT_EQ(s.record.uCallbackMessage, 2067u) << i;
    EXPECT_EQ(s.record.uFlags, flags[i]) << i;
    EXPECT_NE(s.record.hIcon, nullptr) << i;
  }
  // Cut to 63, a zero byte, then blanks.
  EXPECT_EQ(shell.sent[0].tip, std::string(63, 'x') + '\0');
  EXPECT_EQ(shell.sent[2].tip, std::string("Kurz") + '\0' + std::string(59, ' '));
  EXPECT_EQ(tray->oWnd, nullptr);
}

TEST(TTrayIcon, ClicksRunTheirBlockWithTheCursorAndTakeMissingOnesFromTheOwner) {
  ShellSeam shell;
  coretest::OwnedWindow owner(coretest::PixelArgs(0, 0, 50, 50));
  std::vector<std::string> calls;
  auto record = [&calls](const char* name) {
    return rt::Value::Block([&calls, name](rt::Args a) {
      calls.push_back(std::string(name) + (a.size() == 2 && a[0].IsNumber() && a[1].IsNumber() ? "(row,col)" : "()"));
      return rt::Value();
    });
  };
  owner->bRClicked = record("owner right");
  core::TrayIconArgs a;
  a.bLClicked = record("left");
  a.bLDblClick = record("double");
  auto tray = Tray(owner, "Tipp", a);
  const HWND h = tray->oWnd->hWnd;
  for (const LPARAM mouse : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_RBUTTONUP, WM_USER})
    SendMessageA(h, svc::WM_TASKBAR_ICON, 1, mouse);
  EXPECT_EQ(calls, (std::vector<std::string>{"left(row,col)", "owner right(row,col)", "double(row,col)"}));
  tray->End();
}

bool timerFlag = false;
void CALLBACK SetTimerFlag(HWND, UINT, UINT_PTR, DWORD) { timerFlag = true; }

volatile LONG done = 0;
DWORD WINAPI SetDoneWhenAsked(LPVOID asked) {
  WaitForSingleObject(static_cast<HANDLE>(asked), INFINITE);
  InterlockedExchange(&done, 1);
  return 0;
}

TEST(StopUntil, ReturnsForATrueConditionATimersChangeAndAPostedQuit) {
  int asked = 0;
  EXPECT_TRUE(core::STOPUNTIL(rt::Value::Block([&asked](rt::Args) {
    ++asked;
    return rt::Value(true);
  })));
  EXPECT_EQ(asked, 1);

  timerFlag = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, SetTimerFlag);
  EXPECT_TRUE(core::STOPUNTIL(rt::Value::Block([](rt::Args) { return rt::Value(timerFlag); })));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(timerFlag);

  // A condition that no message signals: a value another thread sets once
  // the condition was first asked.
  done = 0;
  HANDLE asked1 = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, SetDoneWhenAsked, asked1, 0, nullptr);
  EXPECT_TRUE(core::STOPUNTIL(rt::Value::Block([asked1](rt::Args) {
    SetEvent(asked1);
    return rt::Value(done != 0);
  })));
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(asked1);

  // Outside a running loop the quit is taken; inside one it is left for it.
  MSG msg{};
  PostQuitMessage(7);
  EXPECT_FALSE(core::STOPUNTIL(rt::Value::Block([](rt::Args) { return rt::Value(false); })));
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  const bool running = core::SetRunningFlag(true);
  PostQuitMessage(7);
  EXPECT_FALSE(core::STOPUNTIL(rt::Value::Block([](rt::Args) { return rt::Value(false); })));
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  core::SetRunningFlag(running);
}

}  // namespace
