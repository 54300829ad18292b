// The modeless-dialog registry and its filter.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "core/message_loop.h"
#include "core/modeless.h"
#include "test_support.h"

namespace {

// A dialog template in memory: a caption-less pop-up with one edit (id 100).
std::vector<WORD> EditDialogTemplate() {
  std::vector<WORD> t;
  auto dword = [&](DWORD d) {
    t.push_back(LOWORD(d));
    t.push_back(HIWORD(d));
  };
  dword(WS_POPUP | DS_SETFONT);
  dword(0);
  t.insert(t.end(), {1, 0, 0, 100, 40, 0, 0, 0});  // items, x, y, cx, cy, menu, class, title
  t.push_back(8);
  for (const wchar_t* f = L"MS Sans Serif"; *f; ++f) t.push_back(static_cast<WORD>(*f));
  t.push_back(0);
  if (t.size() % 2) t.push_back(0);
  dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL);
  dword(0);
  t.insert(t.end(), {5, 5, 80, 12, 100, 0xFFFF, 0x0081, 0, 0});  // x, y, cx, cy, id, edit, title, data
  return t;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

WNDPROC g_editProc = nullptr;
int g_keyDowns = 0;

LRESULT CALLBACK CountingEditProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_KEYDOWN) ++g_keyDowns;
  return CallWindowProcA(g_editProc, h, m, w, l);
}

TEST(Modeless, MessageTakenByTheDialogIsNotDispatchedAgain) {
  const std::vector<WORD> tmpl = EditDialogTemplate();
  const HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                              reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), nullptr,
                                              PlainDialogProc, 0);
  ASSERT_NE(dlg, nullptr);
  const HWND edit = GetDlgItem(dlg, 100);
  g_keyDowns = 0;
  g_editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingEditProc)));
  coretest::DrainQueue();

  ASSERT_TRUE(core::REGDIALOG(dlg));
  PostMessageA(edit, WM_KEYDOWN, 'A', 0x001E0001);
  EXPECT_TRUE(core::SYSREFRESH());
  EXPECT_EQ(g_keyDowns, 1);
  char text[8] = {};
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "a");

  EXPECT_TRUE(core::DEREGDIALOG(dlg));
  EXPECT_FALSE(core::DEREGDIALOG(dlg));
  DestroyWindow(dlg);
}

HWND Fake(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7000 + 4 * n)); }

TEST(Modeless, HighWaterMarkFollowsTheTopSlot) {
  ASSERT_TRUE(core::REGDIALOG(Fake(1)));
  ASSERT_TRUE(core::REGDIALOG(Fake(2)));
  ASSERT_TRUE(core::REGDIALOG(Fake(3)));
  EXPECT_EQ(core::ModelessHighWater(), 2);
  EXPECT_TRUE(core::DEREGDIALOG(Fake(3)));
  EXPECT_EQ(core::ModelessHighWater(), 1);
  EXPECT_TRUE(core::DEREGDIALOG(Fake(1)));
  EXPECT_EQ(core::ModelessHighWater(), 1);
  ASSERT_TRUE(core::REGDIALOG(Fake(4)));  // takes the lowest free slot, 0
  EXPECT_TRUE(core::DEREGDIALOG(Fake(2)));
  EXPECT_EQ(core::ModelessHighWater(), 0);
  EXPECT_TRUE(core::DEREGDIALOG(Fake(4)));
  EXPECT_EQ(core::ModelessHighWater(), 0);
  EXPECT_FALSE(core::DEREGDIALOG(Fake(4)));
}

TEST(Modeless, FullRegistryRefusesAndDeadHandlesArePassedOver) {
  for (int i = 0; i < core::kModelessSlots; ++i) ASSERT_TRUE(core::REGDIALOG(Fake(10 + i)));
  EXPECT_FALSE(core::CANREGDIALOG());
  EXPECT_FALSE(core::REGDIALOG(Fake(500)));
  EXPECT_EQ(core::ModelessHighWater(), core::kModelessSlots - 1);

  auto probe = coretest::LinkedProbe();
  PostMessageA(probe->hWnd, WM_COMMAND, 7, 0);
  EXPECT_TRUE(core::SYSREFRESH());
  EXPECT_EQ(probe->Joined(), "Command(7,0)");

  // Removed from the bottom up, the top slot goes last.
  for (int i = 0; i < core::kModelessSlots; ++i) EXPECT_TRUE(core::DEREGDIALOG(Fake(10 + i)));
  EXPECT_TRUE(core::CANREGDIALOG());
  EXPECT_EQ(core::ModelessHighWater(), 0);
  DestroyWindow(probe->hWnd);
}

}  // namespace
