// The editor's main window built by its start-up routine: caption, style,
// rectangle, menu bar with the states its items take as menus open, the
// message bar's two items, the closing check, the dictionary chosen at
// start and the export item on a switch.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "apps/common/index_check.h"
#include "apps/common/transchr.h"
#include "apps/common/window_placement.h"
#include "apps/dravonel/build_menu.h"
#include "apps/dravonel/check_ini.h"
#include "apps/dravonel/dictionary_choice.h"
#include "apps/dravonel/dravonel_main.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/open_dbf.h"
#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "controls/tmsgbar.h"
#include "controls/tmsgitem.h"
#include "core/twindow.h"
#include "runtime/macro.h"
#include "runtime/memvar.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/word_table_fixture.h"
#include "tests/apps_common/work_dir.h"
#include "tests/services/box_driver.h"

namespace {

using common::test::MakeWordTable;
using common::test::NumberedRows;

std::string MenuText(HMENU menu, int pos) {
  char buf[128] = {};
  GetMenuStringA(menu, pos, buf, sizeof buf, MF_BYPOSITION);
  return buf;
}

bool Grayed(HMENU menu, int pos) { return (GetMenuState(menu, pos, MF_BYPOSITION) & MF_GRAYED) != 0; }

bool IsSeparator(HMENU menu, int pos) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(menu, pos, TRUE, &info);
  return (info.fType & MFT_SEPARATOR) != 0;
}

class EditorMain : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dravonel::Editor() = {};
    rt::PUBLIC(dravonel::kReleaseVar, rt::Value(""));
    rt::PUBLIC(dravonel::kShortNameVar, rt::Value(""));
    ASSERT_TRUE(MakeWordTable("DEUENG.DBF", NumberedRows(7)));
    ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", NumberedRows(3)));
    common::CheckDataHooks hooks;
    hooks.notify = [](std::string_view, std::string_view) {};
    hooks.build = [](std::string_view, std::string_view key, std::string_view file) {
      common::BuildIndexFile(key, file, [](long) { return true; });
    };
    common::CheckData(hooks);
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    auto& e = dravonel::Editor();
    if (e.oWndMain && e.oWndMain->hWnd) DestroyWindow(e.oWndMain->hWnd);
    e = {};
  }
  // The start-up's steps from the settings to the window with its table.
  void Start() {
    dravonel::CHECKINI(true);
    ASSERT_TRUE(dravonel::ChooseDictionary());
    auto& e = dravonel::Editor();
    common::GETCOORDS(common::kEditorPlacement, e.nWinTop, e.nWinLeft, e.nWinBottom, e.nWinRight);
    dravonel::MakeMainWindow();
    dravonel::OPENDBF(e.cDictBase);
  }
  common::test::WorkDir dir_;
};

TEST_F(EditorMain, WindowMenuAndMessageBarFromDefaultSettings) {
  Start();
  auto& e = dravonel::Editor();
  const HWND main = e.oWndMain->hWnd;
  ASSERT_NE(main, nullptr);
  char caption[128] = {};
  GetWindowTextA(main, caption, sizeof caption);
  EXPECT_STREQ(caption, " ZQS Voskdar W\xF6rtbuch v1.41");
  EXPECT_EQ(e.oWndMain->nStyle, 0x02CE0000L);
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_EQ(r.top, e.nWinTop);
  EXPECT_EQ(r.left, e.nWinLeft);
  EXPECT_EQ(r.bottom - 1, e.nWinBottom);
  EXPECT_EQ(r.right - 1, e.nWinRight);

  const auto lang = e.oItemLang.As<controls::TMsgItem>();
  const auto count = e.oItemCount.As<controls::TMsgItem>();
  ASSERT_TRUE(lang && count);
  EXPECT_EQ(lang->cMsg, "Sprache: DEUENG");
  EXPECT_EQ(count->cMsg, "Begriffe: 7");
  EXPECT_EQ(lang->nWidth, 120);
  EXPECT_EQ(count->nWidth, 90);
  EXPECT_EQ(e.oWndMain->oMsgBar.As<controls::TMsgBar>()->aItem.size(), 2u);

  HMENU bar = GetMenu(main);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  const char* const heads[] = {"&Datei", "D&atensatz", "&Gehe zu", "&Hilfe"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(MenuText(bar, i), heads[i]);
  HMENU file = GetSubMenu(bar, 0);
  HMENU dictionaries = GetSubMenu(file, 0);
  HMENU help = GetSubMenu(bar, 3);
  EXPECT_EQ(GetMenuItemCount(file), 10);
  for (int pos : {1, 4, 8}) EXPECT_TRUE(IsSeparator(file, pos)) << pos;
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 6);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 2)), 4);
  ASSERT_EQ(GetMenuItemCount(help), 5);
  EXPECT_TRUE(IsSeparator(help, 4)) << "no web or mail items: the help menu ends with a separator";

  // Items take their states as their menus open: a dictionary while its
  // table exists, the import while the dictionary's export file exists.
  SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(dictionaries), 0);
  ASSERT_EQ(GetMenuItemCount(dictionaries), 6);
  const bool present[6] = {true, true, false, false, false, false};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Grayed(dictionaries, i), !present[i]) << i;
  EXPECT_TRUE(Grayed(file, 7));
  EXPECT_TRUE(Grayed(file, 6)) << "no changes to export";
  std::ofstream("DEUENG.EXP") << "x";
  SendMessageA(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
  EXPECT_FALSE(Grayed(file, 7));
}

std::shared_ptr<ctl::TMenuItem> MenuItem(const rt::Value& menu, std::size_t i) {
  return menu.As<ctl::TMenu>()->aItems.Items()[i].As<ctl::TMenuItem>();
}

// The "go to" items move the table itself in the order in force, and the
// copy item hands the clipboard routine the word of the side not searched.
TEST_F(EditorMain, GoToAndCopyItemsWorkOnTheTable) {
  static std::vector<std::string> copied;
  copied.clear();
  rt::RegisterFunction("PUTCLIPBOARD", [](rt::Args a) {
    copied.push_back(a.empty() ? std::string("<none>") : a[0].AsString());
    return rt::Value(true);
  });
  Start();
  auto& e = dravonel::Editor();
  const rt::Value goTo = MenuItem(e.oMenuMain, 2)->bAction;
  const rt::Value record = MenuItem(e.oMenuMain, 1)->bAction;
  ASSERT_EQ(MenuItem(record, 5)->cPrompt.AsString(), "&Kopieren in Zwischenablage");
  MenuItem(goTo, 3)->bAction.Eval();
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(rt::RECNO(), 7);
  MenuItem(record, 5)->bAction.Eval();
  e.lDirDe = false;
  MenuItem(record, 5)->bAction.Eval();
  MenuItem(goTo, 0)->bAction.Eval();
  rt::DBSELECTAREA("DBUCH");
  EXPECT_EQ(rt::RECNO(), 1);
  EXPECT_EQ(copied, (std::vector<std::string>{"mot7", "Wort7"}));
}

// A switch reads the new dictionary's [Export] key: the export item follows.
TEST_F(EditorMain, ASwitchSetsTheExportItemFromTheNewDictionary) {
  std::ofstream(".\\VOSKDAR.INI") << "[Export]\r\nDEUFRA=1\r\nDEUENG=0\r\n";
  Start();
  auto& e = dravonel::Editor();
  const auto item = e.oItemExport.As<ctl::TMenuItem>();
  ASSERT_TRUE(item);
  EXPECT_FALSE(item->lActive);
  dravonel::SwitchTo("DEUFRA");
  EXPECT_TRUE(item->lActive);
  EXPECT_EQ(e.oItemLang.As<controls::TMsgItem>()->cMsg, "Sprache: DEUFRA");
  EXPECT_EQ(e.oItemCount.As<controls::TMsgItem>()->cMsg, "Begriffe: 3");
  dravonel::SwitchTo("DEUENG");
  EXPECT_FALSE(item->lActive);
}

// The closing check never refuses; it asks only while deletions are
// pending, and packs the table only on yes.
TEST_F(EditorMain, ClosingAsksAboutPendingDeletionsOnly) {
  Start();
  auto& e = dravonel::Editor();
  EXPECT_TRUE(dravonel::ValidClose());
  EXPECT_EQ(e.oWndMain->oMsgBar.As<controls::TMsgBar>()->cMsg.AsString(), dravonel::kClosingMessage);
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "yes" : "no");
    rt::DBSELECTAREA("DBUCH");
    rt::DBGOTO(1);
    rt::DBDELETE();
    const long before = rt::RECCOUNT();
    e.nDelPending = 1;
    BoxDriver driver([yes](HWND box) { BoxDriver::Click(box, yes ? IDYES : IDNO); });
    EXPECT_TRUE(dravonel::ValidClose());
    const SeenBox& seen = driver.Seen();
    EXPECT_EQ(seen.caption, "L\xF6schen");
    EXPECT_NE(seen.Joined().find("Gel\xF6schte Datens\xE4tze nun entfernen ?"), std::string::npos) << seen.Joined();
    rt::DBSELECTAREA("DBUCH");
    EXPECT_EQ(rt::RECCOUNT(), yes ? before - 1 : before);
    if (!yes) {
      rt::DBGOTO(1);
      EXPECT_TRUE(rt::DELETED());
    }
    EXPECT_EQ(e.nDelPending, yes ? 0 : 1);
  }
}

// "&Beenden" closes the window through its closing check.
TEST_F(EditorMain, TheEndItemClosesThroughTheCheck) {
  Start();
  auto& e = dravonel::Editor();
  const HWND main = e.oWndMain->hWnd;
  const rt::Value file = MenuItem(e.oMenuMain, 0)->bAction;
  const auto end = MenuItem(file, 9);
  ASSERT_EQ(end->cPrompt.AsString(), "&Beenden");
  end->bAction.Eval();
  EXPECT_EQ(e.oWndMain->oMsgBar.As<controls::TMsgBar>()->cMsg.AsString(), dravonel::kClosingMessage);
  MSG msg;
  while (IsWindow(main) && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  EXPECT_FALSE(IsWindow(main));
}

TEST(EditorDictionary, TheConfiguredOneOrTheFirstPresent) {
  common::test::WorkDir dir;
  EXPECT_EQ(dravonel::AvailableDictionary("DEUENG"), std::nullopt);
  ASSERT_TRUE(MakeWordTable("DEUITA.DBF", NumberedRows(1)));
  ASSERT_TRUE(MakeWordTable("DEULAT.DBF", NumberedRows(1)));
  const struct {
    const char* wanted;
    const char* opened;
  } cases[] = {{"DEULAT", "DEULAT"}, {"deulat", "DEULAT"}, {"DEUENG", "DEUITA"}, {"DEUXXX", "DEUITA"},
               {"", "DEUITA"},       {"..\\DEULAT", "DEUITA"}};
  for (const auto& c : cases) EXPECT_EQ(dravonel::AvailableDictionary(c.wanted), c.opened) << c.wanted;

  // The fallback reads the [Export] key of the dictionary it takes.
  std::ofstream(".\\VOSKDAR.INI") << "[Dravonel]\r\nSprache=DEUENG\r\n[Export]\r\nDEUENG=0\r\nDEUITA=1\r\n";
  dravonel::CHECKINI(true);
  EXPECT_FALSE(dravonel::Editor().lExportPending);
  ASSERT_TRUE(dravonel::ChooseDictionary());
  EXPECT_EQ(dravonel::Editor().cDictBase, "DEUITA");
  EXPECT_TRUE(dravonel::Editor().lExportPending);
  dravonel::Editor() = {};
}

}  // namespace
