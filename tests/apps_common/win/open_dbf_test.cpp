#include <gtest/gtest.h>

#include <string>

#include "apps/common/index_check.h"
#include "apps/common/transchr.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/open_dbf.h"
#include "controls/tmsgbar.h"
#include "controls/tmsgitem.h"
#include "core/twindow.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/word_table_fixture.h"
#include "tests/apps_common/work_dir.h"

namespace {

using common::test::MakeWordTable;

class OpenDbf : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    dravonel::Editor() = {};
    ASSERT_TRUE(MakeWordTable("DEUFRA.DBF", {{"Zug", "train"}, {"Apfel", "pomme"}, {"Haus", "maison"}}));
    ASSERT_TRUE(MakeWordTable("DEUENG.DBF", {{"Baum", "tree"}, {"Auto", "car"}}));
    common::CheckDataHooks hooks;
    hooks.notify = [](std::string_view, std::string_view) {};
    hooks.build = [](std::string_view, std::string_view key, std::string_view file) {
      common::BuildIndexFile(key, file, [](long) { return true; });
    };
    common::CheckData(hooks);
  }
  void TearDown() override { rt::DBCLOSEALL(); }
  common::test::WorkDir dir_;
};

TEST_F(OpenDbf, BothOrdersOpenFirstRowOfTheGermanSide) {
  dravonel::OPENDBF("DEUFRA");
  EXPECT_EQ(rt::ALIAS(), "DBUCH");
  EXPECT_EQ(rt::INDEXORD(), 1);
  EXPECT_EQ(rt::INDEXKEY(1), "upper(DEUTSCH)+upper(FREMD)");
  EXPECT_EQ(rt::INDEXKEY(2), "upper(TransChr(FREMD))");
  EXPECT_EQ(rt::RECNO(), 2);
  EXPECT_EQ(dravonel::Editor().cSeekDe.substr(0, 5), "Apfel");
  EXPECT_EQ(dravonel::Editor().cSeekFr.substr(0, 5), "pomme");
}

// The main window's two message-bar panels name the open table and its
// number of entries.
TEST_F(OpenDbf, MessageBarPanelsNameTheTableAndItsEntries) {
  auto window = std::make_shared<core::TWindow>();
  core::WindowArgs wa;
  wa.nBottom = 200;
  wa.nRight = 400;
  wa.lPixel = true;
  window->New(wa);
  auto bar = std::make_shared<controls::TMsgBar>();
  controls::MsgBarArgs ba;
  ba.oWnd = rt::Value(window);
  ba.lCentered = true;
  bar->New(ba);
  auto panel = [&](long width) {
    auto item = std::make_shared<controls::TMsgItem>();
    controls::MsgItemArgs ia;
    ia.oMsgBar = rt::Value(bar);
    ia.nWidth = width;
    ia.nClrText = rt::Value("R*/BG");
    ia.lAdd = true;
    item->New(ia);
    return item;
  };
  auto lang = panel(120), count = panel(90);
  dravonel::Editor().oItemLang = rt::Value(lang);
  dravonel::Editor().oItemCount = rt::Value(count);

  dravonel::OPENDBF("DEUFRA");
  EXPECT_EQ(lang->cMsg, "Sprache: DEUFRA");
  EXPECT_EQ(count->cMsg, "Begriffe: 3");
  dravonel::OPENDBF("DEUENG");
  EXPECT_EQ(lang->cMsg, "Sprache: DEUENG");
  EXPECT_EQ(count->cMsg, "Begriffe: 2");
  dravonel::Editor() = {};
  window->End();
  DestroyWindow(window->hWnd);
}

TEST_F(OpenDbf, PendingDeletionsPackTheOldTableFirst) {
  dravonel::OPENDBF("DEUFRA");
  rt::DBGOTO(1);
  rt::DBDELETE();
  dravonel::Editor().nDelPending = 1;
  dravonel::OPENDBF("DEUENG");
  EXPECT_EQ(dravonel::Editor().nDelPending, 0);
  EXPECT_EQ(rt::ALIAS(), "DBUCH");
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "DEUFRA", "CHECK", true, true));
  EXPECT_EQ(rt::RECCOUNT(), 2);
}

TEST_F(OpenDbf, TableHeldElsewhereGivesAnErrorNamingItAndNoHalfOpenArea) {
  long held = rt::FOPEN("DEUFRA.DBF", rt::FO_READWRITE | rt::FO_EXCLUSIVE);
  ASSERT_GE(held, 0);
  std::vector<std::string> files;
  bool areaOpenDuringError = true;
  rt::ErrorBlockScope block(rt::Value::Block([&](rt::Args a) {
    const auto e = a[0].As<rt::Error>();
    files.push_back(e->filename);
    EXPECT_FALSE(e->canDefault);
    areaOpenDuringError = rt::SELECT("DBUCH") != 0;
    rt::FCLOSE(held);  // the other process lets go; the retry succeeds
    return rt::Value(true);
  }));
  dravonel::OPENDBF("DEUFRA");
  EXPECT_EQ(files, std::vector<std::string>{"DEUFRA.DBF"});
  EXPECT_FALSE(areaOpenDuringError);
  EXPECT_EQ(rt::INDEXORD(), 1);
}

}  // namespace
