#include "core/message_loop.h"

#include "core/accelerators.h"
#include "core/modeless.h"
#include "core/startup.h"

namespace core {

namespace {

HWND& MainWindow() {
  static HWND main = nullptr;
  return main;
}

bool& Running() {
  static bool running = false;
  return running;
}

}  // namespace

void RouteMessage(MSG& msg, HACCEL table) {
  if (ModelessFilter(msg)) return;
  HWND main = MainWindow();
  if (table && main && TranslateAcceleratorA(main, table, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int WINRUN(HWND hWnd) {
  CoreStartup();
  const HWND oldMain = MainWindow();
  SetRunningFlag(true);
  if (hWnd) MainWindow() = hWnd;
  MSG msg{};
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) break;
    RouteMessage(msg, CurrentAccelTable());
  }
  SetRunningFlag(false);
  MainWindow() = oldMain;
  return static_cast<int>(msg.wParam);
}

bool SYSREFRESH() {
  const AccelDetach detached;
  MSG msg{};
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop must still see the quit that was meant for it.
      if (Running()) PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    RouteMessage(msg, detached.Kept());
  }
  return true;
}

bool WAITMESSAGE() { return WaitMessage() != FALSE; }

bool STOPUNTIL(const rt::Value& bCondition) {
  if (!bCondition.IsBlock()) return true;
  while (!rt::IsTrue(bCondition.Eval())) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kStopUntilWakeMs, QS_ALLINPUT);
    if (!SYSREFRESH()) return false;
  }
  return true;
}

bool LWRUNNING() { return Running(); }

bool SetRunningFlag(bool lRunning) {
  const bool old = Running();
  Running() = lRunning;
  return old;
}

HWND GETWNDAPP() { return MainWindow(); }

void SETWNDAPP(HWND hWnd) {
  if (!MainWindow()) MainWindow() = hWnd;
}

void POSTQUITMESSAGE(int nExitCode) { PostQuitMessage(nExitCode); }

}  // namespace core
