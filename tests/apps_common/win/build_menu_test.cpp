// The editor's main menu: its bar, the items in order, and the conditions
// that enable the dictionary, import and export items.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "apps/common/web_mail.h"
#include "apps/dravonel/build_menu.h"
#include "apps/dravonel/editor_state.h"
#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "runtime/memvar.h"
#include "tests/apps_common/work_dir.h"

namespace {

std::vector<std::string> Prompts(const rt::Value& menu) {
  std::vector<std::string> out;
  for (const rt::Value& v : menu.As<ctl::TMenu>()->aItems.Items()) {
    const auto item = v.As<ctl::TMenuItem>();
    out.push_back(item->cPrompt.IsString() ? item->cPrompt.AsString() : std::string("-"));
  }
  return out;
}

rt::Value Submenu(const rt::Value& menu, std::size_t i) {
  return menu.As<ctl::TMenu>()->aItems.Items()[i].As<ctl::TMenuItem>()->bAction;
}

std::shared_ptr<ctl::TMenuItem> ItemAt(const rt::Value& menu, std::size_t i) {
  return menu.As<ctl::TMenu>()->aItems.Items()[i].As<ctl::TMenuItem>();
}

struct MenuFixture : ::testing::Test {
  common::test::WorkDir dir;
  void SetUp() override {
    rt::PUBLIC(dravonel::kReleaseVar, rt::Value(""));
    rt::MEMVARPUT(dravonel::kReleaseVar, rt::Value("ZQS Voskdar W\xF6rtbuch v1.41"));
    auto& e = dravonel::Editor();
    e.cDictBase = "DEUENG";
    e.cWebMenu.clear();
    e.cMailMenu.clear();
    e.lExportPending = false;
  }
};

TEST_F(MenuFixture, BarAndItemsInOrder) {
  const rt::Value menu = dravonel::BUILDMENU();
  EXPECT_EQ(Prompts(menu), (std::vector<std::string>{"&Datei", "D&atensatz", "&Gehe zu", "&Hilfe"}));
  const rt::Value file = Submenu(menu, 0);
  EXPECT_EQ(Prompts(file),
            (std::vector<std::string>{"&W\xF6rterbuch \xF6" "ffnen", "-", "&Deutsch -> Fremdsprache",
                                      "&Fremdsprache -> Deutsch", "-", "D&uplikate entfernen",
                                      "\xC4nderungen e&xportieren", "\xC4nderungen i&mportieren", "-", "&Beenden"}));
  EXPECT_EQ(Prompts(Submenu(file, 0)),
            (std::vector<std::string>{" &Englisch", " &Franz\xF6sisch", " &Italienisch", " &Spanisch",
                                      " &Portugiesisch", " &Latein"}));
  EXPECT_EQ(Prompts(Submenu(menu, 2)).size(), 4u);
  // Without web and mail items the help menu ends with a separator.
  EXPECT_EQ(Prompts(Submenu(menu, 3)),
            (std::vector<std::string>{"&Hilfe anzeigen", "Hilfe-&Index", "-", "&\xDC" "ber ZQS Voskdar W\xF6rtbuch v1.41",
                                      "-"}));
}

TEST_F(MenuFixture, ConditionsFollowTheFiles) {
  std::ofstream(".\\DEUFRA.DBF") << "x";
  const rt::Value menu = dravonel::BUILDMENU();
  const rt::Value dictionaries = Submenu(Submenu(menu, 0), 0);
  EXPECT_FALSE(ItemAt(dictionaries, 0)->bWhen.Eval().AsLogical()) << "DEUENG is missing";
  EXPECT_TRUE(ItemAt(dictionaries, 1)->bWhen.Eval().AsLogical());
  const auto import = ItemAt(Submenu(menu, 0), 7);
  EXPECT_FALSE(import->bWhen.Eval().AsLogical());
  std::ofstream("DEUENG.EXP") << "x";
  EXPECT_TRUE(import->bWhen.Eval().AsLogical());
  EXPECT_FALSE(dravonel::Editor().oItemExport.As<ctl::TMenuItem>()->lActive);
}

TEST_F(MenuFixture, WebAndMailItemsAreSafe) {
  auto& e = dravonel::Editor();
  e.cWebMenu = "&Homepage";
  e.cWebUrl = "file:///C:/windows/notepad.exe";
  e.cMailMenu = "&Email";
  e.cMailUrl = "info@zqs.example";
  EXPECT_EQ(Prompts(Submenu(dravonel::BUILDMENU(), 3)).back(), "&Email");
  const std::pair<const char*, const char*> addresses[] = {
      {"file:///C:/windows/notepad.exe", ""},
      {"javascript:alert(1)", ""},
      {"C:\\windows\\notepad.exe", ""},
      {"www.", ""},
      {"https://zqs.example/a?b=1", "https://zqs.example/a?b=1"},
      {"HTTP://zqs.example", "HTTP://zqs.example"},
      {"www.zqs-voskdar.example", "http://www.zqs-voskdar.example"},
      {"WWW.zqs.example", "http://WWW.zqs.example"},
  };
  for (const auto& [url, opened] : addresses) EXPECT_EQ(common::WebAddress(url), opened) << url;
  EXPECT_EQ(dravonel::PercentEncoded("ZQS Voskdar W\xF6rtbuch v1.41&x=1"),
            "ZQS%20Voskdar%20W%F6rtbuch%20v1.41%26x%3D1");
}

TEST_F(MenuFixture, ContextMenuGroups) {
  std::ofstream("DEUENG.DBF") << "x";
  const rt::Value menu = dravonel::ContextMenu({});
  EXPECT_TRUE(menu.As<ctl::TMenu>()->lPopup);
  EXPECT_EQ(Prompts(menu),
            (std::vector<std::string>{"&W\xF6rterbuch \xF6" "ffnen", "-", "&Deutsch -> Fremdsprache",
                                      "&Fremdsprache -> Deutsch", "-", "Begriff &anf\xFCgen", "Begriff &bearbeiten",
                                      "Begriff &l\xF6schen", "-", "&Suchen aus Zwischenablage",
                                      "&Kopieren in Zwischenablage", "-", "&Gehe zu", "-", "S&upport", "-",
                                      "W\xF6rterbuch &verlassen"}));
  EXPECT_TRUE(ItemAt(Submenu(menu, 0), 0)->bWhen.Eval().AsLogical());
  EXPECT_EQ(Prompts(Submenu(menu, 12)).size(), 4u);
  EXPECT_EQ(Prompts(Submenu(menu, 14)), (std::vector<std::string>{"&Hilfe anzeigen"}));
}

}  // namespace
