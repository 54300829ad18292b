// The message loop, the one-pass refresh and their filters.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/accelerators.h"
#include "core/message_loop.h"
#include "core/window_list.h"
#include "runtime/value.h"
#include "test_support.h"

namespace {

using coretest::LinkedProbe;
using coretest::Probe;

bool Has(const Probe& p, const std::string& call) {
  for (const std::string& c : p.calls) {
    if (c == call) return true;
  }
  return false;
}

TEST(MessageLoop, ClosingTheMainWindowEndsTheLoopWithCodeZero) {
  auto probe = LinkedProbe();
  Probe* p = probe.get();
  bool runningInside = false;
  HWND mainInside = nullptr;
  p->answer = [&](const std::string& name) {
    if (name == "Close") {
      runningInside = core::LWRUNNING();
      mainInside = core::GETWNDAPP();
    }
    return rt::Value();
  };
  const HWND before = core::GETWNDAPP();
  const HWND h = p->hWnd;
  PostMessageA(h, WM_CLOSE, 0, 0);
  EXPECT_EQ(core::WINRUN(h), 0);
  EXPECT_TRUE(runningInside);
  EXPECT_EQ(mainInside, h);
  EXPECT_TRUE(Has(*p, "Close(0)"));
  EXPECT_TRUE(Has(*p, "Destroy()"));
  EXPECT_EQ(p->hWnd, nullptr);
  EXPECT_EQ(core::SlotOf(p), 0);
  EXPECT_FALSE(core::LWRUNNING());
  EXPECT_EQ(core::GETWNDAPP(), before);
}

// The loop clears the running flag when it ends, whatever it was before.
TEST(MessageLoop, EndingClearsTheRunningFlagSetBeforeIt) {
  auto probe = LinkedProbe();
  const bool before = core::SetRunningFlag(true);
  PostMessageA(probe->hWnd, WM_CLOSE, 0, 0);
  core::WINRUN(probe->hWnd);
  EXPECT_FALSE(core::LWRUNNING());
  core::SetRunningFlag(before);
}

TEST(SysRefresh, QuitTakenInsideTheLoopIsPostedAgain) {
  auto probe = LinkedProbe();
  Probe* p = probe.get();
  bool refreshed = true;
  p->answer = [&](const std::string& name) {
    if (name == "Command" && p->calls.back() == "Command(1,0)") {
      PostMessageA(p->hWnd, WM_COMMAND, 2, 0);
      PostQuitMessage(3);
      refreshed = core::SYSREFRESH();
    }
    return rt::Value();
  };
  PostMessageA(p->hWnd, WM_COMMAND, 1, 0);
  EXPECT_EQ(core::WINRUN(p->hWnd), 3);
  EXPECT_FALSE(refreshed);
  EXPECT_EQ(p->Joined(), "Command(1,0) Command(2,0)");
  DestroyWindow(p->hWnd);
}

TEST(SysRefresh, QuitTakenOutsideTheLoopIsConsumed) {
  coretest::DrainQueue();
  EXPECT_TRUE(core::SYSREFRESH());
  PostQuitMessage(0);
  EXPECT_FALSE(core::SYSREFRESH());
  EXPECT_TRUE(core::SYSREFRESH());
}

// Runs the loop (with main as its main window) until p has run inside.
int RunWith(Probe& p, const std::function<void()>& inside, HWND main) {
  p.answer = [&](const std::string& name) {
    if (name == "Command" && p.calls.back() == "Command(1,0)") {
      inside();
      PostQuitMessage(0);
    }
    return rt::Value();
  };
  PostMessageA(p.hWnd, WM_COMMAND, 1, 0);
  return core::WINRUN(main);
}

TEST(Accelerators, KeyBecomesCommandAndOtherKeysStillArrive) {
  auto probe = LinkedProbe();
  Probe& p = *probe;
  const HACCEL table = core::SETACCTABLE(rt::Value::Array({rt::Value::Array({VK_F5, FCONTROL, 500})}));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(core::CurrentAccelTable(), table);
  RunWith(p, [&] {
    // Offered to the table kept by the refresh: the control key state is
    // part of an accelerator, so F5 alone is an ordinary key.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(p.hWnd, WM_KEYDOWN, VK_F5, 0x003F0001);
    EXPECT_TRUE(core::SYSREFRESH());
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    PostMessageA(p.hWnd, WM_KEYDOWN, VK_F5, 0x003F0001);
    PostMessageA(p.hWnd, WM_KEYDOWN, 'Q', 0x00100001);
    EXPECT_TRUE(core::SYSREFRESH());
  }, p.hWnd);
  EXPECT_EQ(core::CurrentAccelTable(), table);
  EXPECT_EQ(p.Joined(), "Command(1,0) Command(66036,0) KeyDown(116,4128769) KeyDown(81,1048577) KeyChar(113,1048577)");
  core::SETACCTABLE();
  EXPECT_EQ(core::CurrentAccelTable(), nullptr);
  core::SETACCTABLE();
  EXPECT_EQ(core::CurrentAccelTable(), nullptr);
  DestroyWindow(p.hWnd);
}

TEST(Accelerators, TableChosenDuringARefreshStays) {
  auto probe = LinkedProbe();
  Probe& p = *probe;
  const HACCEL first = core::SETACCTABLE(rt::Value::Array({rt::Value::Array({VK_F5, 0, 500})}));
  HACCEL second = nullptr;
  p.answer = [&](const std::string& name) {
    if (name != "Command") return rt::Value();
    if (p.calls.back() == "Command(1,0)") {
      PostMessageA(p.hWnd, WM_COMMAND, 2, 0);
      core::SYSREFRESH();
      PostQuitMessage(0);
    } else if (p.calls.back() == "Command(2,0)") {
      second = core::SETACCTABLE(rt::Value::Array({rt::Value::Array({VK_F6, 0, 600})}));
    }
    return rt::Value();
  };
  PostMessageA(p.hWnd, WM_COMMAND, 1, 0);
  core::WINRUN(p.hWnd);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(core::CurrentAccelTable(), second);
  EXPECT_EQ(core::SETACCTABLE(rt::Value("no array")), nullptr);
  EXPECT_EQ(core::CurrentAccelTable(), second);
  core::SETACCTABLE();
  DestroyAcceleratorTable(first);
  DestroyWindow(p.hWnd);
}

// The main-window handle is process-wide and is set for good by the first
// SETWNDAPP: this test runs in a fresh child process, which reports each
// failed check on stderr and exits with 1.
TEST(MainWindowDeathTest, FirstHandleStaysAndItsDestructionPostsQuit) {
  EXPECT_EXIT(
      {
        bool ok = true;
        auto check = [&](bool holds, const char* what) {
          if (!holds) std::fprintf(stderr, "failed: %s\n", what);
          ok = ok && holds;
        };
        auto first = LinkedProbe();
        auto second = LinkedProbe();
        check(core::GETWNDAPP() == nullptr, "no main window at start");
        core::SETWNDAPP(first->hWnd);
        core::SETWNDAPP(second->hWnd);
        check(core::GETWNDAPP() == first->hWnd, "the first handle stays");
        check(core::WNDMAIN() == first, "WNDMAIN finds its object");

        HWND mainInside = nullptr;
        RunWith(*second, [&] { mainInside = core::GETWNDAPP(); }, nullptr);
        check(mainInside == first->hWnd, "WINRUN(0) keeps the main window");

        DestroyWindow(second->hWnd);
        MSG msg;
        check(!PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), "no quit for another window");
        DestroyWindow(first->hWnd);
        const bool quit = PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        check(quit && msg.wParam == 0, "destroying the main window posts quit 0");
        std::fflush(stderr);
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
