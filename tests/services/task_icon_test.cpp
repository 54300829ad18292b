#include "services/task_icon.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace {

using rt::Value;

// The record must read as the shell's own notification-icon record (its
// first version: 88 bytes in the 32-bit programs, larger in a 64-bit one).
NOTIFYICONDATAA AsNative(const svc::TStruct& r) {
  NOTIFYICONDATAA n{};
  std::memcpy(&n, r.cBuffer.data(), std::min(r.cBuffer.size(), sizeof n));
  return n;
}

TEST(TaskIconTest, NotificationRecordLayout) {
  HWND w = CreateWindowExA(0, "STATIC", "Lader", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  auto r = svc::TASKADDICON(w, icon, "ZQS Voskdar v1.40");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->SizeOf(), static_cast<int>(NOTIFYICONDATAA_V1_SIZE));
  NOTIFYICONDATAA n = AsNative(*r);
  EXPECT_EQ(n.cbSize, NOTIFYICONDATAA_V1_SIZE);
  EXPECT_EQ(n.hWnd, w);
  EXPECT_EQ(n.uID, 1u);
  EXPECT_EQ(n.uFlags, 7u);
  EXPECT_EQ(n.uCallbackMessage, 2067u);
  EXPECT_EQ(n.hIcon, icon);
  EXPECT_STREQ(n.szTip, "ZQS Voskdar v1.40");
  EXPECT_EQ(rt::Send(r, "cToolTip"), Value("ZQS Voskdar v1.40"));

  HICON other = LoadIconA(nullptr, IDI_QUESTION);
  EXPECT_EQ(svc::TASKCHANGEICON(r, other), r);
  n = AsNative(*r);
  EXPECT_EQ(n.uFlags, 2u);
  EXPECT_EQ(n.hIcon, other);
  svc::TASKDELICON(r);

  auto longTip = svc::TASKADDICON(w, icon, std::string(100, 't'));
  EXPECT_EQ(longTip->SizeOf(), static_cast<int>(NOTIFYICONDATAA_V1_SIZE));
  EXPECT_EQ(longTip->cBuffer.back(), '\0');  // the shell finds the tip's end
  svc::TASKDELICON(longTip);
  DestroyWindow(w);
}

TEST(TaskIconTest, TitlesOfTopLevelWindowsOnceEach) {
  HWND a = CreateWindowExA(0, "STATIC", "Fenster Eins", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND b = CreateWindowExA(0, "STATIC", "Fenster Eins", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND c = CreateWindowExA(0, "STATIC", "Fenster Zwei", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  Value titles = svc::GETTASKS();
  int ones = 0, twos = 0;
  for (const Value& t : titles.Items()) {
    ones += t == Value("Fenster Eins");
    twos += t == Value("Fenster Zwei");
    EXPECT_FALSE(t.AsString().empty());
  }
  EXPECT_EQ(ones, 1);
  EXPECT_EQ(twos, 1);
  DestroyWindow(a);
  DestroyWindow(b);
  DestroyWindow(c);
}

}  // namespace
