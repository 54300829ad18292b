// The button bar (made by name, as the print preview makes it), its places
// and menus, and the folder with its pages; SYSWAIT.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <memory>
#include <set>
#include <string>

#include "controls/syswait.h"
#include "controls/tbar.h"
#include "controls/tbtnbmp.h"
#include "controls/tfolder.h"
#include "controls/tmenu.h"
#include "controls/tmsgbar.h"
#include "core/message_loop.h"
#include "graphics/class_names.h"
#include "owner_window.h"
#include "services/msgbox.h"

namespace {

using controls::TBar;
using controls::TBtnBmp;
using controls::TFolder;

std::shared_ptr<TBar> NewBar(const rt::Value& owner, bool threeD, const char* mode = "TOP") {
  const rt::Value bar = rt::CreateObject(vdclass::kBar);
  rt::SendV(bar, "New", owner, 28, 28, threeD, mode);
  return bar.As<TBar>();
}

std::shared_ptr<TBtnBmp> AddButton(const std::shared_ptr<TBar>& bar, bool group = false, bool dropDown = false) {
  controls::BtnBmpBarArgs a;
  a.oBar = rt::Value(bar);
  a.lGroup = group;
  a.cMsg = "Hilfe";
  if (dropDown) {
    auto menu = std::make_shared<ctl::TMenu>();
    menu->New(true);
    a.oPopup = rt::Value(menu);
  }
  auto b = std::make_shared<TBtnBmp>();
  b->NewBar(a);
  return b;
}

// The left edge of a button as its bar's client area sees it.
int LeftInBar(const std::shared_ptr<TBtnBmp>& b) {
  RECT r{};
  GetWindowRect(b->hWnd, &r);
  MapWindowPoints(nullptr, GetParent(b->hWnd), reinterpret_cast<POINT*>(&r), 2);
  return r.left;
}

int WindowWidth(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r.right - r.left;
}

TEST(TBar, MadeByNameWithItsStyleAndTheFirstButtonsPlace) {
  for (const bool threeD : {true, false}) {
    controltest::OwnerWindow owner(300, 400);
    const auto bar = NewBar(owner.value(), threeD);
    ASSERT_TRUE(bar && bar->hWnd) << threeD;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(bar->hWnd, GWL_STYLE)), 0x52800000u);
    EXPECT_EQ(owner.w->oBar.AsObject(), bar);
    EXPECT_EQ(owner.w->oTop.AsObject(), bar);
    const auto first = AddButton(bar);
    EXPECT_EQ(first->nLeft, threeD ? 11 : 0);
    EXPECT_EQ(LeftInBar(first), threeD ? 11 : 0);
    EXPECT_EQ(first->nTop, threeD ? 3 : -1);
    // The next one starts where the first ends; a group start 8 further.
    const auto second = AddButton(bar, true);
    EXPECT_EQ(second->nLeft, first->nRight + 8 + (threeD ? 2 : 0));
    EXPECT_EQ(bar->nGroups, 1);
    EXPECT_EQ(rt::Send(rt::Value(bar), "nBtnWidth").AsInt(), 28);
  }
}

TEST(TBar, ModeWordsAndTheOwnersSlots) {
  struct Case {
    const char* word;
    int mode;
  };
  for (const Case c : {Case{"TOP", 1}, {"LEFT", 2}, {"RIGHT", 3}, {"BOTTOM", 4}, {"DOWN", 4}, {"bottom", 4},
                       {"FLOAT", 5}, {"SIDEWAYS", 1}, {"", 1}}) {
    EXPECT_EQ(controls::BarModeOf(rt::Value(c.word)), c.mode) << c.word;
  }
  EXPECT_EQ(controls::BarModeOf(rt::Value()), 1);

  controltest::OwnerWindow owner(300, 400);
  const auto down = NewBar(owner.value(), false, "DOWN");
  EXPECT_EQ(down->nMode, controls::kBarBottom);
  EXPECT_EQ(owner.w->oBottom.AsObject(), down);
  EXPECT_TRUE(owner.w->oBar.IsNil());

  // At fixed pixel coordinates: no slot of the owner.
  controltest::OwnerWindow fixed(300, 400);
  const rt::Value at = rt::CreateObject(vdclass::kBar);
  rt::SendV(at, "NewAt", 5, 6, 200, 30, rt::Value(), rt::Value(), fixed.value(), true);
  RECT r{};
  GetWindowRect(at.As<TBar>()->hWnd, &r);
  MapWindowPoints(nullptr, fixed.w->hWnd, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 5);
  EXPECT_EQ(r.left, 6);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 30);
  EXPECT_EQ(at.As<TBar>()->nBtnHeight, 28);
  EXPECT_TRUE(fixed.w->oBar.IsNil() && fixed.w->oTop.IsNil());

  controltest::OwnerWindow other(300, 400);
  const auto floating = NewBar(other.value(), false, "FLOAT");
  EXPECT_EQ(floating->nMode, controls::kBarFloat);
  ASSERT_TRUE(floating->FloatWindow());
  EXPECT_FALSE(IsWindowVisible(floating->hWnd));
  EXPECT_TRUE(other.w->oBar.IsNil() && other.w->oTop.IsNil());
  // A button made while floating joins the tool window.
  const auto b = AddButton(floating);
  EXPECT_EQ(GetParent(b->hWnd), floating->FloatWindow()->hWnd);
}

TEST(TBar, DockedLeftADropDownButtonMakesItTwelvePixelsWider) {
  int widths[2] = {};
  for (const bool dropDown : {false, true}) {
    controltest::OwnerWindow owner(300, 400);
    const auto bar = NewBar(owner.value(), false);
    AddButton(bar);
    AddButton(bar, false, dropDown);
    bar->GoLeft();
    EXPECT_EQ(bar->nMode, controls::kBarLeft);
    EXPECT_EQ(owner.w->oLeft.AsObject(), bar);
    EXPECT_TRUE(owner.w->oBar.IsNil() && owner.w->oTop.IsNil());
    widths[dropDown] = WindowWidth(bar->hWnd);
    // Docked again where it is: nothing changes.
    bar->GoLeft();
    EXPECT_EQ(WindowWidth(bar->hWnd), widths[dropDown]);
  }
  EXPECT_EQ(widths[0], 28 + 3);
  EXPECT_EQ(widths[1] - widths[0], 12);
}

// The prompts of the menu's items with whether each can be chosen.
std::string MenuText(const rt::Value& menu) {
  std::string text;
  for (const auto& item : menu.As<ctl::TMenu>()->Items()) {
    const UINT state = GetMenuState(menu.As<ctl::TMenu>()->hMenu, static_cast<UINT>(item->nId), MF_BYCOMMAND);
    if (!item->cPrompt.IsString()) {
      text += "- ";
      continue;
    }
    text += item->cPrompt.AsString() + ((state & MF_GRAYED) ? "(off)" : "") + " ";
  }
  return text;
}

bool menuSeen = false;

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) menuSeen = true;
  EndMenu();
}

TEST(TBar, TheRightClickMenuOffersOnlyFreePlaces) {
  controltest::OwnerWindow owner(300, 400);
  const auto bar = NewBar(owner.value(), true);
  EXPECT_EQ(MenuText(bar->DockMenu()), "&Left &Right &Bottom - &Float ");
  auto msgBar = std::make_shared<controls::TMsgBar>();
  controls::MsgBarArgs m;
  m.oWnd = owner.value();
  msgBar->New(m);
  EXPECT_EQ(MenuText(bar->DockMenu()), "&Left &Right &Bottom(off) - &Float ");
  bar->GoLeft();
  EXPECT_EQ(MenuText(bar->DockMenu()), "&Top &Right &Bottom(off) - &Float ");
  // The right click shows that menu; a timer inside the menu's loop sees
  // it open and closes it.
  menuSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMenu);
  bar->RButtonDown(5, 5, 0);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(menuSeen);
  EXPECT_TRUE(bar->oPopup.IsNil());
  // A hook of the user's own replaces the menu.
  int hooked = 0;
  bar->bRClicked = rt::Value::Block([&hooked](rt::Args) {
    ++hooked;
    return rt::Value(0);
  });
  bar->RButtonDown(5, 5, 0);
  EXPECT_EQ(hooked, 1);
}

TEST(TBar, FiveButtonsFloatInThreeRowsAndDockBack) {
  controltest::OwnerWindow owner(300, 400);
  const auto bar = NewBar(owner.value(), false);
  for (int i = 0; i < 5; ++i) AddButton(bar, i == 2);
  bar->Float();
  const auto tool = bar->FloatWindow();
  ASSERT_TRUE(tool && tool->hWnd);
  EXPECT_FALSE(IsWindowVisible(bar->hWnd));
  EXPECT_TRUE(IsWindowVisible(tool->hWnd));
  EXPECT_TRUE(GetWindowLongA(tool->hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(owner.w->oBar.IsNil() && owner.w->oTop.IsNil());
  std::set<int> rows, cols;
  for (std::size_t i = 0; i < bar->ButtonCount(); ++i) {
    EXPECT_EQ(GetParent(bar->Button(i)->hWnd), tool->hWnd);
    rows.insert(bar->Button(i)->nTop);
    cols.insert(bar->Button(i)->nLeft);
  }
  EXPECT_EQ(rows, (std::set<int>{0, 29, 58}));
  EXPECT_EQ(cols, (std::set<int>{0, 28}));
  RECT r{};
  GetWindowRect(tool->hWnd, &r);
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION) + 1 + 29 * 3 + 10);
  EXPECT_EQ(r.right - r.left, 2 * 28 + 2);
  // Floating already: nothing happens.
  bar->Float();
  EXPECT_EQ(bar->FloatWindow(), tool);

  // "&Bottom" from the tool window's system menu docks the bar there.
  const auto sysMenu = tool->oSysMenu.As<ctl::TMenu>();
  ASSERT_TRUE(sysMenu);
  long bottomId = 0;
  for (const auto& item : sysMenu->Items()) {
    if (item->cPrompt.IsString() && item->cPrompt.AsString() == "&Bottom") bottomId = item->nId;
  }
  ASSERT_NE(bottomId, 0);
  SendMessageA(tool->hWnd, WM_SYSCOMMAND, static_cast<WPARAM>(bottomId), 0);
  core::SYSREFRESH();
  EXPECT_EQ(bar->nMode, controls::kBarBottom);
  EXPECT_EQ(owner.w->oBottom.AsObject(), bar);
  EXPECT_TRUE(IsWindowVisible(bar->hWnd));
  EXPECT_FALSE(IsWindow(tool->hWnd));
  EXPECT_FALSE(bar->FloatWindow());
  for (std::size_t i = 0; i < bar->ButtonCount(); ++i) EXPECT_EQ(GetParent(bar->Button(i)->hWnd), bar->hWnd);
}

void CALLBACK ChooseFirst(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) {
    menuSeen = true;
    PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
  }
}

TEST(TBar, TheToolWindowsRightClickDocksTheBarAgain) {
  controltest::OwnerWindow owner(300, 400);
  const auto bar = NewBar(owner.value(), true);
  for (int i = 0; i < 3; ++i) AddButton(bar);
  bar->Float();
  const auto tool = bar->FloatWindow();
  ASSERT_TRUE(tool);
  // Its close box cannot end the buttons with it.
  SendMessageA(tool->hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  core::SYSREFRESH();
  ASSERT_TRUE(IsWindow(tool->hWnd));
  // The first place of the right-click menu is the top.
  menuSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ChooseFirst);
  SendMessageA(tool->hWnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  KillTimer(nullptr, timer);
  core::SYSREFRESH();
  EXPECT_TRUE(menuSeen);
  EXPECT_EQ(bar->nMode, controls::kBarTop);
  EXPECT_EQ(owner.w->oBar.AsObject(), bar);
  EXPECT_FALSE(IsWindow(tool->hWnd));
  EXPECT_EQ(GetParent(bar->Button(2)->hWnd), bar->hWnd);
  // Laid out again for the top: 3-D buttons one cell apart from left 11.
  EXPECT_EQ(bar->Button(0)->nLeft, 11);
  EXPECT_EQ(bar->Button(1)->nLeft, 11 + 28);
  EXPECT_EQ(bar->Button(0)->nTop, 3);
}

TEST(TBar, DeletingAGroupStartPassesItOn) {
  controltest::OwnerWindow owner(300, 400);
  const auto bar = NewBar(owner.value(), true);
  const auto b1 = AddButton(bar);
  const auto b2 = AddButton(bar, true);
  const auto b3 = AddButton(bar);
  const auto b4 = AddButton(bar, true);
  ASSERT_EQ(bar->nGroups, 2);
  bar->Del(2);
  EXPECT_FALSE(IsWindow(b2->hWnd));
  ASSERT_EQ(bar->ButtonCount(), 3u);
  EXPECT_EQ(bar->Button(1), b3);
  EXPECT_TRUE(b3->lGroup);
  EXPECT_EQ(bar->nGroups, 2);
  // The button after a deleted group start starts a group of its own: the
  // deleted one's group is gone.
  bar->Del(2);
  EXPECT_TRUE(b4->lGroup);
  EXPECT_EQ(bar->nGroups, 1);
  for (const long outside : {0L, 3L, -1L}) bar->Del(outside);
  EXPECT_EQ(bar->ButtonCount(), 2u);
  EXPECT_EQ(bar->Button(0), b1);
  // Groups added and taken away move the later buttons by 8.
  const int before = b4->nLeft;
  bar->AddGroup(2);
  EXPECT_EQ(b4->nLeft, before);
  bar->AddGroup(1);
  EXPECT_TRUE(b1->lGroup);
  EXPECT_EQ(b4->nLeft, before + 8);
  EXPECT_EQ(bar->nGroups, 2);
  bar->DelGroup(1);
  EXPECT_EQ(b4->nLeft, before);
  EXPECT_EQ(bar->nGroups, 1);
}

std::string IniValue(const std::string& file, const std::string& section, const std::string& key) {
  char buffer[512] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", buffer, sizeof buffer, file.c_str());
  return buffer;
}

TEST(TBar, SaveIniAndTheGeneratedSource) {
  controltest::OwnerWindow owner(300, 400);
  const auto bar = NewBar(owner.value(), false, "DOWN");
  const auto first = AddButton(bar);
  first->cAction = "Suchen()";
  first->cToolTip = "Sucht";
  const auto second = AddButton(bar, true);
  second->lAdjust = true;
  second->lPressed = true;
  char dir[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, dir);
  const std::string file = std::string(dir) + "h36bar.ini";
  DeleteFileA(file.c_str());
  WritePrivateProfileStringA("ButtonBar.Haupt", "Button9", "alt", file.c_str());
  bar->SaveIni("Haupt", file);
  EXPECT_EQ(IniValue(file, "ButtonBar", "1"), "Haupt,4");
  EXPECT_EQ(IniValue(file, "ButtonBar.Haupt", "Button1"), ",,,,Hilfe,Suchen(),F,F,Sucht,F");
  EXPECT_EQ(IniValue(file, "ButtonBar.Haupt", "Button2"), ",,,,Hilfe,,T,T,,T");
  EXPECT_EQ(IniValue(file, "ButtonBar.Haupt", "Button9"), "<none>");
  DeleteFileA(file.c_str());

  const std::string button = "\r\n\r\n   DEFINE BTNBMP OF oBar ACTION MsgInfo( \"Not defined yet\" )";
  EXPECT_EQ(bar->cGenPRG(), "\r\n\r\n   DEFINE BUTTONBAR oBar OF oWnd DOWN" + button + button);
  bar->GoTop();
  EXPECT_EQ(rt::Send(rt::Value(bar), "cGenPrg").AsString(), "\r\n\r\n   DEFINE BUTTONBAR oBar OF oWnd " + button + button);
  // A bar without buttons writes nothing.
  controltest::OwnerWindow other(300, 400);
  NewBar(other.value(), false)->SaveIni("Leer", file);
  EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Folders

std::shared_ptr<TFolder> NewFolder(const rt::Value& owner, const rt::Value& prompts = {}) {
  auto f = std::make_shared<TFolder>();
  controls::FolderArgs a;
  a.nTop = 10;
  a.nLeft = 10;
  a.oWnd = owner;
  a.aPrompts = prompts;
  a.lPixel = true;
  a.nWidth = 300;
  a.nHeight = 200;
  f->New(a);
  return f;
}

long NativeTabs(const TFolder& f) { return static_cast<long>(SendMessageA(f.hWnd, TCM_GETITEMCOUNT, 0, 0)); }

std::string NativeLabel(const TFolder& f, int i) {
  char text[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(f.hWnd, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  return text;
}

bool Shown(const TFolder& f, long n) { return IsWindowVisible(f.Page(n)->hWnd) != FALSE; }

TEST(TFolder, ThreeTabsByDefaultEachWithItsPage) {
  controltest::OwnerWindow owner(300, 400);
  const auto f = NewFolder(owner.value());
  ASSERT_TRUE(f->hWnd);
  ASSERT_EQ(f->TabCount(), 3);
  EXPECT_EQ(NativeTabs(*f), 3);
  EXPECT_EQ(NativeLabel(*f, 0), "&One");
  EXPECT_EQ(NativeLabel(*f, 1), "&Two");
  EXPECT_EQ(NativeLabel(*f, 2), "T&hree");
  EXPECT_EQ(f->Page(2)->cVarName.AsString(), "Page2");
  EXPECT_EQ(GetParent(f->Page(1)->hWnd), f->hWnd);
  EXPECT_TRUE(Shown(*f, 1));
  EXPECT_FALSE(Shown(*f, 2) || Shown(*f, 3));
  EXPECT_EQ(f->GetHotPos('h'), 3);
  EXPECT_EQ(f->GetHotPos('O'), 0);  // the current tab
  EXPECT_EQ(rt::Send(rt::Value(f), "nOption").AsInt(), 1);

  int changes = 0;
  f->bChange = rt::Value::Block([&changes](rt::Args a) {
    EXPECT_EQ(rt::Arg(a, 0).AsInt(), 2);
    EXPECT_EQ(rt::Arg(a, 1).AsInt(), 1);
    ++changes;
    return rt::Value();
  });
  f->SetOption(2);
  core::SYSREFRESH();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(Shown(*f, 2));
  EXPECT_FALSE(Shown(*f, 1));
  EXPECT_EQ(SendMessageA(f->hWnd, TCM_GETCURSEL, 0, 0), 1);
}

TEST(TFolder, ADisabledTabBeepsAndKeepsThePage) {
  controltest::OwnerWindow owner(300, 400);
  const auto f = NewFolder(owner.value());
  f->aEnable.Items()[1] = rt::Value(false);
  const long beeps = svc::BeepCount();
  f->SetOption(2);
  EXPECT_EQ(svc::BeepCount(), beeps + 1);
  EXPECT_EQ(f->nOption, 1);
  EXPECT_TRUE(Shown(*f, 1));
  EXPECT_FALSE(Shown(*f, 2));
  // A click on the disabled tab: the same.
  RECT tab{};
  SendMessageA(f->hWnd, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageA(f->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(f->hWnd, WM_LBUTTONUP, 0, at);
  core::SYSREFRESH();
  EXPECT_EQ(svc::BeepCount(), beeps + 2);
  EXPECT_EQ(f->nOption, 1);
  EXPECT_EQ(SendMessageA(f->hWnd, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(Shown(*f, 1));
  // Positions outside the tabs change nothing and do not beep.
  for (const long outside : {0L, 4L, -3L}) f->SetOption(outside);
  EXPECT_EQ(svc::BeepCount(), beeps + 2);
  EXPECT_EQ(f->nOption, 1);
}

TEST(TFolder, AddingAndDeletingTabsKeepsTabsAndPagesTogether) {
  controltest::OwnerWindow owner(300, 400);
  rt::Value prompts = rt::Value::Array();
  for (const char* p : {"&Deutsch", "&Englisch", "&Franz\xF6sisch"}) prompts.Items().emplace_back(p);
  const auto f = NewFolder(owner.value(), prompts);
  f->aEnable.Items()[1] = rt::Value(false);
  f->SetOption(3);
  const HWND lastPage = f->Page(3)->hWnd;
  f->DelItem();
  core::SYSREFRESH();
  EXPECT_FALSE(IsWindow(lastPage));
  ASSERT_EQ(f->TabCount(), 2);
  EXPECT_EQ(f->nOption, 2);
  EXPECT_EQ(NativeTabs(*f), 2);
  EXPECT_EQ(f->aEnable.Len(), 2u);
  EXPECT_TRUE(Shown(*f, 2));
  EXPECT_EQ(SendMessageA(f->hWnd, TCM_GETCURSEL, 0, 0), 1);

  f->AddItem("&Spanisch");
  EXPECT_EQ(f->TabCount(), 3);
  EXPECT_EQ(NativeTabs(*f), 3);
  EXPECT_EQ(NativeLabel(*f, 2), "&Spanisch");
  EXPECT_FALSE(Shown(*f, 3));
  EXPECT_TRUE(f->Enabled(3));
  f->SetOption(3);
  EXPECT_TRUE(Shown(*f, 3));

  // Deleting the current tab drops its enabled flag with it: the disabled
  // second tab becomes current only by position, and its flag stays its own.
  f->SetOption(1);
  f->DelItem();
  EXPECT_EQ(NativeTabs(*f), 2);
  EXPECT_EQ(NativeLabel(*f, 0), "&Englisch");
  EXPECT_FALSE(f->Enabled(1));
  EXPECT_TRUE(f->Enabled(2));
  f->DelPages();
  EXPECT_EQ(f->TabCount(), 0);
  EXPECT_EQ(NativeTabs(*f), 0);
  f->DelItem();
  f->SetOption(1);
  EXPECT_EQ(f->TabCount(), 0);
}

void CALLBACK QuitLater(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(8);
}

TEST(SysWait, WaitsAtLeastTheTimeAndStopsForAQuit) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(controls::SYSWAIT(0.05));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  PostQuitMessage(7);
  EXPECT_FALSE(controls::SYSWAIT(600));
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  // A quit that comes while it waits.
  SetTimer(nullptr, 0, 20, QuitLater);
  EXPECT_FALSE(controls::SYSWAIT(600));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 8u);
}

}  // namespace
