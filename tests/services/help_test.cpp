#include "services/help.h"

#include <gtest/gtest.h>

#include "box_driver.h"

namespace {

using rt::Value;

TEST(HelpTest, WithoutAHelpFileEveryRequestSaysSo) {
  svc::SETHELPFILE("");
  const std::function<Value()> requests[] = {
      [] { return svc::HELPTOPIC(); },
      [] { return svc::HELPTOPIC(12); },
      [] { return svc::HELPINDEX(); },
      [] { return svc::HELPSEARCH("x"); },
      [] { return svc::HELPPOPUP(3); },
  };
  for (const auto& request : requests) {
    BoxDriver driver(BoxDriver::PressEnter);
    EXPECT_EQ(request(), Value(false));
    const SeenBox& seen = driver.Seen();
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.caption, " Attention");
    EXPECT_EQ(seen.Joined(), "No Help file available\n");
  }
}

TEST(HelpTest, FileAndTopicState) {
  svc::SETHELPFILE("C:\\Program Files\\Dictionary Suite\\Help\\a help file with a long name.hlp");
  svc::SETHELPFILE();  // no argument: nothing changes
  EXPECT_EQ(svc::GETHELPFILE(), "C:\\Program Files\\Dictionary Suite\\Help\\a help file with a long name.hlp");
  svc::HELPSETTOPIC(std::string(150, 'x'));
  EXPECT_EQ(svc::GETHELPTOPIC(), std::string(99, 'x'));
  svc::HELPSETTOPIC(7);
  EXPECT_EQ(svc::GETHELPTOPIC(), "");
  svc::HELPSETTOPIC("Einstellungen");
  svc::HELPSETTOPIC();
  EXPECT_EQ(svc::GETHELPTOPIC(), "");

  HELPINFO info{};
  info.cbSize = sizeof info;
  info.hItemHandle = reinterpret_cast<HANDLE>(0x1234);
  EXPECT_EQ(svc::HELPCTRLHWND(reinterpret_cast<LPARAM>(&info)), reinterpret_cast<HWND>(0x1234));
  svc::SETHELPFILE("");
}

// F1 while a menu of this thread is open reaches the active window as 2061.
TEST(HelpTest, F1InAMenuPostsTheHelpMessage) {
  svc::SETHELPFILE("menu.hlp");
  HWND w = CreateWindowExA(0, "STATIC", "menu owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_TRUE(w);
  SetForegroundWindow(w);
  SetActiveWindow(w);
  ASSERT_EQ(GetActiveWindow(), w);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "Eintrag");
  PostMessageA(w, WM_KEYDOWN, VK_F1, 0);
  PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0);
  TrackPopupMenu(menu, TPM_RETURNCMD, 10, 10, 0, w, nullptr);
  // The menu's loop ran the filter before TrackPopupMenu returned, so the
  // message is queued by now.
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, w, svc::WM_HELPF1_MENU, svc::WM_HELPF1_MENU, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 0u);
  EXPECT_EQ(msg.lParam, 0);
  DestroyMenu(menu);
  DestroyWindow(w);
  svc::SETHELPFILE("");
}

}  // namespace
