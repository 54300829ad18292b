#pragma once
// The program's message loop and the one-pass refresh that long actions call
// between steps. Both pass every message through the same filters: the
// registered modeless dialogs, then the current accelerator table against the
// main window, then translation and dispatch.

#include <windows.h>

#include "runtime/value.h"

namespace core {

// Runs until the quit message; a non-zero hWnd is the main window for the
// time of the loop. Returns the quit message's exit code.
int WINRUN(HWND hWnd = nullptr);
// Handles every queued message once. False when the quit message came; a
// quit taken while the loop runs is posted again for the loop.
bool SYSREFRESH();

// Sleeps until a message is queued for the thread; the system's answer.
bool WAITMESSAGE();
// The longest STOPUNTIL sleeps before it asks its condition again: a
// condition that no message signals (a file, another process) is still
// seen.
inline constexpr DWORD kStopUntilWakeMs = 100;
// Keeps the program's windows serviced until bCondition gives .T.; a true
// condition returns at once. True when the condition held; false when the
// quit message came, which is left for the message loop.
bool STOPUNTIL(const rt::Value& bCondition);

// Set while WINRUN runs and while a modal dialog box runs.
bool LWRUNNING();
// For the modal dialog functions: sets the running flag, returns its old value.
bool SetRunningFlag(bool lRunning);

HWND GETWNDAPP();
// Takes hWnd as the main window only while there is none.
void SETWNDAPP(HWND hWnd);
void POSTQUITMESSAGE(int nExitCode);

// One message through the filters; table is the accelerator table to offer
// it to (null for none).
void RouteMessage(MSG& msg, HACCEL table);

}  // namespace core
