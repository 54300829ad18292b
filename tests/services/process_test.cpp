#include "services/process.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessTest, WaitRunGivesTheExitCodeOrMinusOne) {
  EXPECT_EQ(svc::WAITRUN("cmd.exe /c exit 3"), 3);
  EXPECT_EQ(svc::WAITRUN("cmd.exe /c exit 0", SW_HIDE), 0);
  EXPECT_EQ(svc::WAITRUN("no_such_program_at_all.exe"), -1);
  EXPECT_EQ(svc::WAITRUN(""), -1);
}

int dispatched = 0;

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_USER + 1) ++dispatched;
  return DefWindowProcA(w, msg, wp, lp);
}

TEST(ProcessTest, WaitRunLetsPendingMessagesRunFirst) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.lpszClassName = "WaitRunTest";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "WaitRunTest", "", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(w);
  dispatched = 0;
  PostMessageA(w, WM_USER + 1, 0, 0);
  EXPECT_EQ(svc::WAITRUN("cmd.exe /c exit 5", SW_HIDE), 5);
  EXPECT_EQ(dispatched, 1);
  DestroyWindow(w);
}

TEST(ProcessTest, WinExecReportsStartAndFailure) {
  EXPECT_GT(svc::WINEXEC("cmd.exe /c exit 0", SW_HIDE), 31);
  EXPECT_LE(svc::WINEXEC("no_such_program_at_all.exe"), 31);
}

TEST(ProcessTest, SystemQueries) {
  std::string self = svc::GETMODULEFILENAME(nullptr);
  EXPECT_NE(self.find("services_tests.exe"), std::string::npos) << self;
  EXPECT_EQ(svc::GETMODULEFILENAME(reinterpret_cast<HMODULE>(0x10)), "");
  char windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, sizeof windows), 0u);
  EXPECT_EQ(svc::GETWINDIR(), windows);
  rt::Value v = svc::GETVERSION();
  ASSERT_EQ(v.Len(), 5u);
  EXPECT_GE(v.At(1).AsInt(), 4);
  EXPECT_TRUE(v.At(5).IsString());
  // The system's millisecond count, taken between two readings of it.
  const auto before = static_cast<long long>(GetTickCount());
  const auto ticks = static_cast<long long>(svc::GETTICKCOUNT());
  EXPECT_GE(ticks, before);
  EXPECT_LE(ticks, static_cast<long long>(GetTickCount()));
}

}  // namespace
