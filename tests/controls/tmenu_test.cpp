// Menus and their items: builders, native entries, ids, commands, context
// pop-ups, owner-drawn items and the design record.
#include "controls/tmenu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "controls/menu_functions.h"
#include "controls/menu_resource.h"
#include "controls/tacctable.h"
#include "core/twindow.h"
#include "runtime/error.h"
#include "services/int32.h"

namespace {

using ctl::TMenu;
using ctl::TMenuItem;

rt::Value Item(const char* prompt, rt::Value action = {}, rt::Value when = {}) {
  rt::Value args[15];
  args[0] = rt::Value(prompt);
  args[4] = std::move(action);
  args[13] = std::move(when);
  return ctl::MENUADDITEM(rt::Args(args, 15));
}

rt::Value KeyItem(const char* prompt, long state, long key) {
  rt::Value args[15];
  args[0] = rt::Value(prompt);
  args[9] = rt::Value(state);
  args[10] = rt::Value(key);
  return ctl::MENUADDITEM(rt::Args(args, 15));
}

std::shared_ptr<TMenu> MenuOf(const rt::Value& v) { return v.As<TMenu>(); }
std::shared_ptr<TMenuItem> ItemOf(const rt::Value& v) { return v.As<TMenuItem>(); }

// A counting action.
rt::Value Counter(int& runs) {
  return rt::Value::Block([&runs](rt::Args) {
    ++runs;
    return rt::Value();
  });
}

TEST(MenuBuilder, ThreeLevelsNestAndTheOutermostMenuCarriesTheKeys) {
  ctl::MENUBEGIN();
  Item("&Datei");
  ctl::MENUBEGIN();
  Item("&Neu");
  EXPECT_EQ(ctl::LASTITEMPOS(), rt::Value(1));
  Item("&Mehr");
  ctl::MENUBEGIN();
  const auto deep = ItemOf(KeyItem("&Tief\tCtrl+T", FCONTROL, 'T'));
  const rt::Value inner = ctl::LASTMENU();
  EXPECT_EQ(ctl::MENUEND(), inner);
  ctl::MENUEND();
  const auto bar = MenuOf(ctl::MENUEND());
  EXPECT_TRUE(ctl::LASTMENU().IsNil());

  ASSERT_EQ(ctl::GETMITEMCOUNT(bar->hMenu), 1);
  HMENU first = ctl::GETSUBMENU(bar->hMenu, 0);
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(ctl::GETMITEMCOUNT(first), 2);
  HMENU second = ctl::GETSUBMENU(first, 1);
  ASSERT_EQ(second, MenuOf(inner)->hMenu);
  EXPECT_EQ(ctl::GETMITEMID(second, 0), deep->nId);
  EXPECT_EQ(bar->GetMenuItem(deep->nId), rt::Value(deep));

  const auto table = bar->oAccTable.As<ctl::TAccTable>();
  ASSERT_TRUE(table);
  ASSERT_EQ(table->aItems.Items().size(), 1u);
  EXPECT_EQ(table->aItems.At(1).At(1).AsInt(), FCONTROL);
  EXPECT_EQ(table->aItems.At(1).At(2).AsInt(), 'T');
  EXPECT_EQ(table->aItems.At(1).At(3).AsInt(), deep->nId);
  EXPECT_TRUE(MenuOf(inner)->oAccTable.IsNil());
  bar->End();
  EXPECT_FALSE(ctl::ISMENU(second));
  bar->End();
}

TEST(TMenu, InsertBeforeAnItemAndBeyondTheEndAppends) {
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  auto a = std::make_shared<TMenuItem>(), b = std::make_shared<TMenuItem>(), c = std::make_shared<TMenuItem>();
  a->New({.cPrompt = rt::Value("A")});
  b->New({.cPrompt = rt::Value("B")});
  c->New({.cPrompt = rt::Value("C")});
  menu->Add(a);
  menu->Insert(b, 1);
  menu->Insert(c, 9);
  EXPECT_EQ(ctl::GETMENUSTRING(menu->hMenu, 0, MF_BYPOSITION), "B");
  EXPECT_EQ(ctl::GETMENUSTRING(menu->hMenu, 1, MF_BYPOSITION), "A");
  EXPECT_EQ(ctl::GETMENUSTRING(menu->hMenu, 2, MF_BYPOSITION), "C");
  ASSERT_EQ(menu->aItems.Items().size(), 3u);
  EXPECT_EQ(menu->aItems.At(1), rt::Value(b));
  menu->End();
}

TEST(MenuItemIds, FirstIdOfAFreshProcessIs20001) {
  EXPECT_EXIT(
      {
        auto item = std::make_shared<TMenuItem>();
        item->New({.cPrompt = rt::Value("x")});
        std::exit(item->nId == 20001 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// A command message carries 16 bits: past 65535 the ids start again at
// 20001, leaving out ids that living items hold.
TEST(MenuItemIds, WrapPast65535SkipsLivingIds) {
  long& counter = ctl::MenuItemInitId();
  const long saved = counter;
  counter = 20000;
  auto holder = std::make_shared<TMenuItem>();
  holder->New({.cPrompt = rt::Value("kept")});
  ASSERT_EQ(holder->nId, 20001);
  counter = 65534;
  auto last = std::make_shared<TMenuItem>(), wrapped = std::make_shared<TMenuItem>();
  last->New({.cPrompt = rt::Value("last")});
  wrapped->New({.cPrompt = rt::Value("wrapped")});
  EXPECT_EQ(last->nId, 65535);
  EXPECT_EQ(wrapped->nId, 20002);
  counter = std::max(saved, counter);
}

TEST(TMenu, CommandRunsOnlyAllowedKnownItemsAndAPopupDefersTheChoice) {
  int runs = 0, popupRuns = 0;
  auto bar = std::make_shared<TMenu>();
  bar->New();
  auto go = std::make_shared<TMenuItem>(), blocked = std::make_shared<TMenuItem>();
  go->New({.cPrompt = rt::Value("Go"), .bAction = Counter(runs), .bWhen = rt::Value::Block([](rt::Args) {
                                                                   return rt::Value(true);
                                                                 })});
  blocked->New({.cPrompt = rt::Value("No"), .bAction = Counter(runs), .bWhen = rt::Value::Block([](rt::Args) {
                                                                        return rt::Value(false);
                                                                      })});
  bar->Add(go);
  bar->Add(blocked);
  bar->Command(blocked->nId);
  bar->Command(999);
  EXPECT_EQ(runs, 0);
  bar->Command(go->nId);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(TMenu::LastItem(), rt::Value(go));

  auto popup = std::make_shared<TMenu>();
  popup->New(true);
  auto later = std::make_shared<TMenuItem>();
  later->New({.cPrompt = rt::Value("Later"), .bAction = Counter(popupRuns)});
  popup->Add(later);
  popup->Command(later->nId);
  EXPECT_EQ(popupRuns, 0);
  EXPECT_EQ(popup->oMenuItemPopup, rt::Value(later));
  EXPECT_EQ(TMenu::GetPopup(svc::HandleNumber(popup->hMenu)), rt::Value(popup));
  popup->End();
  EXPECT_TRUE(TMenu::GetPopup(svc::HandleNumber(popup->hMenu)).IsNil());
  bar->End();
}

TEST(TMenu, InitiateEnablesByBWhen) {
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  bool allowed = false;
  auto item = std::make_shared<TMenuItem>();
  item->New(
      {.cPrompt = rt::Value("Paste"), .bWhen = rt::Value::Block([&allowed](rt::Args) { return rt::Value(allowed); })});
  menu->Add(item);
  menu->Initiate();
  EXPECT_NE(ctl::GETMENUSTATE(menu->hMenu, item->nId, MF_BYCOMMAND) & MF_GRAYED, 0);
  EXPECT_FALSE(item->lActive);
  allowed = true;
  menu->Initiate();
  EXPECT_EQ(ctl::GETMENUSTATE(menu->hMenu, item->nId, MF_BYCOMMAND) & MF_GRAYED, 0);
  menu->End();
}

// The loader's variant draws every active command of a pop-up itself on NT
// systems (Wine is one); otherwise only items with a bitmap are drawn so.
TEST(TMenu, OwnerDrawFlagsFollowTheLoaderSwitchAndSurviveSetPrompt) {
  for (bool all : {false, true}) {
    SCOPED_TRACE(all);
    ctl::SetMenuOwnerDrawAll(all);
    auto menu = std::make_shared<TMenu>();
    menu->New(true);
    auto item = std::make_shared<TMenuItem>();
    item->New({.cPrompt = rt::Value("&Kopieren\tCtrl+C")});
    menu->Add(item);
    const long expected = all ? MF_OWNERDRAW : 0;
    EXPECT_EQ(ctl::GETMENUSTATE(menu->hMenu, item->nId, MF_BYCOMMAND) & MF_OWNERDRAW, expected);
    item->SetPrompt("&Einf\xFCgen");
    EXPECT_EQ(ctl::GETMENUSTATE(menu->hMenu, item->nId, MF_BYCOMMAND) & MF_OWNERDRAW, expected);
    EXPECT_EQ(item->cPrompt, rt::Value("&Einf\xFCgen"));
    menu->End();
  }
  ctl::SetMenuOwnerDrawAll(false);
}

TEST(TMenu, MeasureItemAddsRoomForTheImageAndTheAction) {
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  auto command = std::make_shared<TMenuItem>(), plain = std::make_shared<TMenuItem>();
  command->New({.cPrompt = rt::Value("&Open"), .bAction = rt::Value::Block([](rt::Args) { return rt::Value(); })});
  plain->New({.cPrompt = rt::Value("Open")});
  menu->Add(command);
  menu->Add(plain);
  MEASUREITEMSTRUCT a{}, b{};
  a.CtlType = b.CtlType = ODT_MENU;
  a.itemID = static_cast<UINT>(command->nId);
  b.itemID = static_cast<UINT>(plain->nId);
  EXPECT_EQ(menu->MeasureItem(reinterpret_cast<LPARAM>(&a)), rt::Value(false));
  menu->MeasureItem(reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(a.itemWidth, b.itemWidth + 20);
  EXPECT_GT(b.itemWidth, 20u);
  EXPECT_EQ(static_cast<int>(a.itemHeight), GetSystemMetrics(SM_CYMENU));
  menu->End();
}

TEST(TMenuItem, EndClearsTheBitmapAndMenuEndIsIdempotent) {
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  auto item = std::make_shared<TMenuItem>();
  item->New({.cPrompt = rt::Value("Bild")});
  HDC screen = GetDC(nullptr);
  item->hBitmap = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  menu->Add(item);
  menu->End();
  EXPECT_EQ(item->hBitmap, nullptr);
  EXPECT_EQ(menu->hMenu, nullptr);
  EXPECT_TRUE(menu->aItems.Items().empty());
  menu->End();
  item->End();
}

TEST(TMenu, MissingResourceGivesAnEmptyMenu) {
  for (bool popup : {false, true}) {
    auto menu = std::make_shared<TMenu>();
    menu->ReDefine(rt::Value("NOSUCHMENU"), popup);
    EXPECT_TRUE(ctl::ISMENU(menu->hMenu));
    EXPECT_EQ(ctl::GETMITEMCOUNT(menu->hMenu), 0);
    EXPECT_TRUE(menu->aItems.Items().empty());
    menu->End();
  }
}

TEST(TMenu, CloneAndResBuildCopyEntriesAndSubmenus) {
  HMENU source = CreateMenu(), sub = CreatePopupMenu();
  AppendMenuA(sub, MF_STRING | MF_CHECKED, 301, "&Zwei");
  AppendMenuA(source, MF_STRING | MF_GRAYED, 300, "&Eins");
  AppendMenuA(source, MF_SEPARATOR, 0, "");
  AppendMenuA(source, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Mehr");
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  ctl::MENUCLONE(source, menu->hMenu);
  DestroyMenu(source);
  ctl::RESBUILD(*menu);
  ASSERT_EQ(menu->aItems.Items().size(), 3u);
  const auto first = ItemOf(menu->aItems.At(1));
  EXPECT_EQ(first->cPrompt, rt::Value("&Eins"));
  EXPECT_EQ(first->nId, 300);
  EXPECT_FALSE(first->lActive);
  const auto more = ItemOf(menu->aItems.At(3));
  ASSERT_TRUE(more->Submenu());
  const auto inner = ItemOf(more->Submenu()->aItems.At(1));
  EXPECT_EQ(inner->cPrompt, rt::Value("&Zwei"));
  EXPECT_TRUE(inner->lChecked);
  EXPECT_EQ(menu->GetMenuItem(301), rt::Value(inner));
  menu->End();
}

TEST(TMenu, SaveAndLoadRoundTripAndADamagedRecordIsAnError) {
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  menu->cVarName = "oMenu";
  auto a = std::make_shared<TMenuItem>(), b = std::make_shared<TMenuItem>();
  a->New({.cPrompt = rt::Value("&Suchen"), .cMsg = rt::Value("Sucht ein Wort")});
  b->New({.cPrompt = rt::Value("&Ende"), .lChecked = rt::Value(true)});
  menu->Add(a);
  menu->Add(b);
  const std::string record = menu->Save();
  ASSERT_EQ(record.substr(0, 1), "O");
  // The items start after the letter, the length and the class name.
  const std::size_t header = 1 + 2 + 2 + std::string("TMENU").size();
  ASSERT_EQ(record.substr(5, 5), "TMENU");

  auto copy = std::make_shared<TMenu>();
  copy->New(true);
  copy->Load(record.substr(header));
  EXPECT_EQ(copy->cVarName, "oMenu");
  ASSERT_EQ(copy->aItems.Items().size(), 2u);
  const auto la = ItemOf(copy->aItems.At(1)), lb = ItemOf(copy->aItems.At(2));
  EXPECT_EQ(la->cPrompt, rt::Value("&Suchen"));
  EXPECT_EQ(la->cMsg, "Sucht ein Wort");
  EXPECT_EQ(la->nId, a->nId);
  EXPECT_TRUE(lb->lChecked);
  EXPECT_EQ(ctl::GETMENUSTRING(copy->hMenu, 1, MF_BYPOSITION), "&Ende");

  int errors = 0;
  std::string description;
  rt::ErrorBlockScope scope(rt::Value::Block([&](rt::Args e) {
    ++errors;
    description = e[0].As<rt::Error>()->description;
    return rt::Value(false);
  }));
  for (std::size_t cut : {std::size_t(1), std::size_t(9), record.size() - header - 3}) {
    SCOPED_TRACE(cut);
    auto damaged = std::make_shared<TMenu>();
    damaged->New(true);
    const int before = errors;
    damaged->Load(record.substr(header, cut));
    EXPECT_EQ(errors, before + 1);
    damaged->End();
  }
  EXPECT_EQ(description, "Menu record damaged or incomplete");
  copy->End();
  menu->End();
}

TEST(TMenu, StandardPopupsCarryTheirPromptsAndKeys) {
  auto bar = std::make_shared<TMenu>();
  bar->New();
  bar->AddFile();
  bar->AddEdit();
  bar->AddHelp();
  ASSERT_EQ(ctl::GETMITEMCOUNT(bar->hMenu), 3);
  EXPECT_EQ(ctl::GETMENUSTRING(bar->hMenu, 0, MF_BYPOSITION), "&File");
  EXPECT_EQ(ctl::GETMENUSTRING(bar->hMenu, 1, MF_BYPOSITION), "&Edit");
  EXPECT_EQ(ctl::GETMENUSTRING(bar->hMenu, 2, MF_BYPOSITION), "&Help");
  HMENU file = ctl::GETSUBMENU(bar->hMenu, 0);
  EXPECT_EQ(ctl::GETMITEMCOUNT(file), 10);
  EXPECT_EQ(ctl::GETMENUSTRING(file, 3, MF_BYPOSITION), "Save &as...\tAlt+A");
  EXPECT_EQ(ctl::GETMENUSTRING(file, 9, MF_BYPOSITION), "&Exit...\tAlt+F4");
  const auto file3 = ItemOf(bar->GetMenuItem(ctl::GETMITEMID(file, 3)));
  EXPECT_EQ(file3->cMsg, "Saves the active file under a new name");
  // Ctrl+N, Ctrl+O, Ctrl+S, Alt+A, Ctrl+P, Alt+P from File, Ctrl+F from Edit.
  const auto table = bar->oAccTable.As<ctl::TAccTable>();
  ASSERT_TRUE(table);
  std::string keys;
  for (const auto& e : table->aItems.Items())
    keys += std::string(e.At(1).AsInt() == 8 ? "C" : "A") + static_cast<char>(e.At(2).AsInt());
  EXPECT_EQ(keys, "CNCOCSAACPAPCF");
  bar->End();
}

// The context menu runs in the system's tracking loop; a second thread
// finds its window (class "#32768") and chooses the first item.
TEST(TMenu, ContextMenuRunsTheChosenActionOnce) {
  auto window = std::make_shared<core::TWindow>();
  window->New();
  ShowWindow(window->hWnd, SW_SHOWNORMAL);
  int runs = 0;
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  auto item = std::make_shared<TMenuItem>();
  item->New({.cPrompt = rt::Value("&Nehmen"), .bAction = Counter(runs)});
  menu->Add(item);
  std::atomic<bool> found{false};
  std::thread chooser([&found] {
    for (int tries = 0; tries < 500 && !found; ++tries) {
      if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) {
        found = true;
        PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  menu->Activate(10, 10, rt::Value(window), false);
  chooser.join();
  EXPECT_TRUE(found);
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(menu->oMenuItemPopup.IsNil());
  // Kept and tracked again without a choice: the old one does not run.
  std::thread canceller([] {
    for (int tries = 0; tries < 500; ++tries) {
      if (HWND popup = FindWindowA("#32768", nullptr); popup && IsWindowVisible(popup)) {
        PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  });
  menu->Activate(10, 10, rt::Value(window), true);
  canceller.join();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(menu->hMenu, nullptr);
  window->End();
  DestroyWindow(window->hWnd);
}

// Shows an open owner-drawn pop-up with a bitmap item, a checked, a grayed
// and a shortcut item for a screenshot taken from outside: the file
// VD_MENU_SHOT_READY is written once the pop-up is open, and the pop-up
// closes when VD_MENU_SHOT_DONE exists. The timer runs inside the menu's
// own loop.
std::string menuShotReady, menuShotDone;

void CALLBACK MenuShotTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!std::ifstream(menuShotReady)) std::ofstream(menuShotReady) << "ready";
  if (std::ifstream(menuShotDone)) EndMenu();
}

// A 16 x 16 true-colour BMP file: a blue square with a yellow diagonal on
// a magenta ground, which the menu draws transparent (its corner colour).
void WriteGlyph(const std::string& path) {
  constexpr int side = 16, row = side * 3;
  std::string bytes(54 + side * row, '\0');
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<std::uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, side);
  put32(22, side);
  bytes[26] = 1;
  bytes[28] = 24;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const bool ground = x < 2 || y < 2 || x > side - 3 || y > side - 3;
      const bool line = x == y || x == y + 1;
      char* px = &bytes[54 + y * row + x * 3];
      px[0] = static_cast<char>(ground ? 0xFF : line ? 0x00 : 0xC0);
      px[1] = static_cast<char>(ground ? 0x00 : line ? 0xE0 : 0x40);
      px[2] = static_cast<char>(ground ? 0xFF : line ? 0xF0 : 0x20);
    }
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TMenu, ScreenshotWhenAsked) {
  const char* ready = std::getenv("VD_MENU_SHOT_READY");
  const char* done = std::getenv("VD_MENU_SHOT_DONE");
  if (!ready || !done) GTEST_SKIP() << "no screenshot asked for";
  menuShotReady = ready;
  menuShotDone = done;
  const std::string glyph = std::string(done) + ".bmp";
  WriteGlyph(glyph);

  ctl::SetMenuOwnerDrawAll(true);
  auto window = std::make_shared<core::TWindow>();
  core::WindowArgs wa;
  wa.cTitle = rt::Value("Men\xFC");
  wa.nTop = 0;
  wa.nLeft = 0;
  wa.nBottom = 240;
  wa.nRight = 320;
  wa.lPixel = true;
  window->New(wa);
  ShowWindow(window->hWnd, SW_SHOWNORMAL);
  auto menu = std::make_shared<TMenu>();
  menu->New(true);
  const rt::Value none = rt::Value::Block([](rt::Args) { return rt::Value(); });
  ctl::MenuItemArgs entries[] = {
      {.cPrompt = rt::Value("&\xD6" "ffnen"), .bAction = none, .cBmpFile = rt::Value(glyph)},
      {.cPrompt = rt::Value("&Gro\xDF" "schreibung"), .lChecked = rt::Value(true), .bAction = none},
      {.cPrompt = rt::Value("&Drucken"), .lActive = rt::Value(false), .bAction = none},
      {.cPrompt = rt::Value("&Kopieren\tCtrl+C"), .bAction = none},
  };
  for (const ctl::MenuItemArgs& e : entries) {
    auto item = std::make_shared<TMenuItem>();
    item->New(e);
    menu->Add(item);
  }
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, MenuShotTimer);
  menu->Activate(30, 40, rt::Value(window), false);
  KillTimer(nullptr, timer);
  ctl::SetMenuOwnerDrawAll(false);
  window->End();
  DestroyWindow(window->hWnd);
  std::remove(glyph.c_str());
}

}  // namespace
