#include "services/task_icon.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using rt::Value;

TEST(TaskIconTest, NotificationRecordLayout) {
  HWND w = CreateWindowExA(0, "STATIC", "Lader", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  auto r = svc::TASKADDICON(w, icon, "ZQS Voskdar v1.40");
  ASSERT_TRUE(r);
  ASSERT_EQ(r->SizeOf(), 88);
  const char* b = r->cBuffer.data();
  auto at = [b](int offset) {
    std::uint32_t n;
    std::memcpy(&n, b + offset, 4);
    return n;
  };
  EXPECT_EQ(at(0), 88u);
  EXPECT_EQ(at(4), reinterpret_cast<std::uintptr_t>(w));
  EXPECT_EQ(at(8), 1u);
  EXPECT_EQ(at(12), 7u);
  EXPECT_EQ(at(16), 2067u);
  EXPECT_EQ(at(20), reinterpret_cast<std::uintptr_t>(icon));
  EXPECT_STREQ(b + 24, "ZQS Voskdar v1.40");
  EXPECT_EQ(r->GetMember(7), Value("ZQS Voskdar v1.40"));

  HICON other = LoadIconA(nullptr, IDI_QUESTION);
  EXPECT_EQ(svc::TASKCHANGEICON(r, other), r);
  EXPECT_EQ(at(12), 2u);
  EXPECT_EQ(at(20), reinterpret_cast<std::uintptr_t>(other));
  svc::TASKDELICON(r);

  auto longTip = svc::TASKADDICON(w, icon, std::string(100, 't'));
  EXPECT_EQ(longTip->SizeOf(), 88);
  EXPECT_EQ(longTip->cBuffer[87], '\0');  // the shell finds the tip's end
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
