// Activating windows: the first top-level window runs the program's loop,
// later ones only show, or stay hidden when asked; closing the main window
// ends the loop with exit code 0.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "core/message_loop.h"
#include "core/twindow.h"
#include "twindow_support.h"

namespace {

int g_quitCode = -1;

// Sees the quit message the loop takes, with its exit code.
LRESULT CALLBACK WatchQuit(int code, WPARAM w, LPARAM l) {
  const auto* msg = reinterpret_cast<const MSG*>(l);
  if (code == HC_ACTION && w == PM_REMOVE && msg->message == WM_QUIT) g_quitCode = static_cast<int>(msg->wParam);
  return CallNextHookEx(nullptr, code, w, l);
}

// The main window is process-wide and set for good: this runs in a child
// process, which reports each failed check on stderr and exits with the
// quit message's code when all hold.
TEST(TWindowActivateDeathTest, MainWindowRunsTheLoopAndClosingItEndsWithZero) {
  EXPECT_EXIT(
      {
        bool ok = true;
        auto check = [&](bool holds, const char* what) {
          if (!holds) std::fprintf(stderr, "failed: %s\n", what);
          ok = ok && holds;
        };
        const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, WatchQuit, nullptr, GetCurrentThreadId());
        auto main = std::make_shared<core::TWindow>();
        main->New(coretest::PixelArgs(10, 10, 209, 309));
        auto second = std::make_shared<core::TWindow>();
        second->New(coretest::PixelArgs(40, 340, 239, 639));
        auto hidden = std::make_shared<core::TWindow>();
        hidden->New(coretest::PixelArgs(40, 340, 239, 639));
        bool hiddenAtInit = false;
        hidden->bInit = rt::Value::Block([&](rt::Args) {
          hiddenAtInit = !IsWindowVisible(hidden->hWnd);
          return rt::Value();
        });
        bool secondReturned = false;
        // Once the loop runs, a key in the main window activates the second
        // window and then closes the main one.
        main->bInit = rt::Value::Block([&](rt::Args) {
          PostMessageA(main->hWnd, WM_KEYDOWN, 'X', 0);
          return rt::Value();
        });
        main->bKeyDown = rt::Value::Block([&](rt::Args) {
          check(core::LWRUNNING(), "the loop runs");
          second->Activate();
          secondReturned = true;
          check(IsWindowVisible(second->hWnd) != 0, "the second window is shown");
          check(core::GETWNDAPP() == main->hWnd, "the first window stays the main window");
          rt::Value how("HIDDEN");
          hidden->Activate(rt::Args(&how, 1));
          check(hiddenAtInit && !IsWindowVisible(hidden->hWnd), "a window activated hidden is never shown");
          main->End();
          return rt::Value();
        });
        main->Activate();
        check(secondReturned, "the second Activate returned inside the loop");
        check(!core::LWRUNNING(), "the loop has ended");
        check(main->hWnd == nullptr, "the main window is destroyed");
        check(!main->lVisible, "Activate clears lVisible");
        UnhookWindowsHookEx(hook);
        std::fflush(stderr);
        std::exit(ok ? g_quitCode : 99);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
