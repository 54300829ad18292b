// The grid's incremental seek with a test clock, its order change, and the
// module's diagnostic helpers.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../runtime/scratch_dir.h"
#include "browse_fixture.h"
#include "grid/grid_debug.h"
#include "grid/seek_clock.h"
#include "runtime/callstack.h"
#include "runtime/dates.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace {

using controltest::OwnerWindow;
using gridtest::Grid;
using grid::TGBrowse;

struct Word {
  const char* german;
  long number;
  const char* date;
};
constexpr Word kWords[] = {{"MAUS", 130, "20240302"},
                           {"AFFE", 10, "20240115"},
                           {"ZEBRA", 500, "20241224"},
                           {"MANN", 120, "20240301"},
                           {"HAUS", 25, "20240610"}};

std::shared_ptr<grid::TGColumn> Column(const char* heading, int field, const char* order) {
  grid::ColumnArgs c;
  c.cHeading = heading;
  c.bData = grid::FIELDSETGETBLOCK("SUCH", field);
  c.nWidth = 100;
  c.cOrder = order;
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

// A grid over five words with an order on each column, a clock the test
// sets and a beep it counts.
class SeekGrid : public testing::Test {
 protected:
  void SetUp() override {
    const std::string file = dir.In("SUCH.DBF");
    ASSERT_TRUE(rt::DBCREATE(file, rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 10, 0}),
                                                      rt::Value::Array({"NUMMER", "N", 5, 0}),
                                                      rt::Value::Array({"DATUM", "D", 8, 0})})));
    ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "SUCH", false, false));
    for (const Word& w : kWords) {
      rt::DBAPPEND();
      rt::FIELDPUT(1, w.german);
      rt::FIELDPUT(2, w.number);
      rt::FIELDPUT(3, rt::STOD(w.date));
    }
    ASSERT_TRUE(rt::ORDCREATE(dir.In("DEUENG1.NTX"), "", "DEUTSCH"));
    ASSERT_TRUE(rt::ORDCREATE(dir.In("SUCHNR.NTX"), "", "NUMMER"));
    ASSERT_TRUE(rt::ORDCREATE(dir.In("SUCHDT.NTX"), "", "DATUM"));
    rt::ORDLISTCLEAR();
    for (const char* order : {"DEUENG1", "SUCHNR", "SUCHDT"}) ASSERT_TRUE(rt::ORDLISTADD(dir.In(order)));
    rt::ORDSETFOCUS(1);
    rt::DBGOTOP();
    g = Grid(owner, 400, 200, "SUCH");
    g->AddColumn(Column("Deutsch", 1, "DEUENG1.NTX"));
    g->AddColumn(Column("Nummer", 2, "SUCHNR"));
    g->AddColumn(Column("Datum", 3, "SUCHDT"));
    gridtest::PaintFully(*g);
    grid::SetSeekClock([this] { return now; });
    grid::SetSeekBeep([this] { ++beeps; });
  }
  void TearDown() override {
    grid::SetSeekClock({});
    grid::SetSeekBeep({});
    rt::DBCLOSEALL();
  }
  // The German word of the current record.
  std::string Current() const { return rt::RTRIM(rt::FIELDGET(1).AsString()); }
  void Type(const std::string& keys, double step = 1) {
    for (char c : keys) {
      now += step;
      g->Seek(static_cast<unsigned char>(c));
    }
  }
  rt::test::ScratchDir dir;
  OwnerWindow owner{400, 500};
  std::shared_ptr<TGBrowse> g;
  double now = 1000;
  int beeps = 0;
};

TEST_F(SeekGrid, SetOrderCutsTheTagAndGoesToTheTop) {
  // The first painting made the first column's order active.
  EXPECT_EQ(g->nColOrder, 1);
  ASSERT_TRUE(g->SetOrder(2));
  g->Col(1)->cOrder = "DEUENG1.NTX";
  std::vector<std::string> heard;
  g->bSetOrder = rt::Value::Block([&heard](rt::Args a) {
    heard.push_back(a[1].AsString());
    return rt::Value();
  });
  rt::DBGOTO(3);
  EXPECT_TRUE(g->SetOrder(1));
  EXPECT_EQ(g->Col(1)->cOrder, rt::Value("DEUENG1"));
  EXPECT_EQ(rt::ORDSETFOCUS(), "DEUENG1");
  EXPECT_EQ(g->nColOrder, 1);
  EXPECT_EQ(g->cOrderType, rt::Value("C"));
  EXPECT_EQ(heard, std::vector<std::string>{"DEUENG1"});
  EXPECT_EQ(Current(), "AFFE");
  EXPECT_EQ(g->nRowPos, 1);
  // The active order again, or a column without one, changes nothing.
  EXPECT_FALSE(g->SetOrder(1));
  g->Col(3)->cOrder = "";
  EXPECT_FALSE(g->SetOrder(3));
  EXPECT_EQ(heard.size(), 1u);
}

TEST_F(SeekGrid, ADoubleClickOnAHeadingMakesItsOrderActive) {
  const LPARAM heading = MAKELPARAM(150, g->nHeightHead / 2);
  PostMessageA(g->hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, heading);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  EXPECT_EQ(g->nColOrder, 2);
  EXPECT_EQ(rt::ORDSETFOCUS(), "SUCHNR");
}

// A grid made over a table in natural order has a tag block that does
// nothing; the order comes active all the same.
TEST_F(SeekGrid, SetOrderActivatesTheTagWhereTheTagBlockDoesNothing) {
  g->bTagOrder = rt::Value::Block([](rt::Args) { return rt::Value(); });
  rt::ORDSETFOCUS(0);
  ASSERT_TRUE(g->SetOrder(2));
  EXPECT_EQ(rt::ORDSETFOCUS(), "SUCHNR");
  EXPECT_EQ(g->cOrderType, rt::Value("N"));
  EXPECT_EQ(Current(), "AFFE");
}

TEST_F(SeekGrid, KeysWithinFiveSecondsBuildOneText) {
  ASSERT_EQ(g->nColOrder, 1);
  Type("ma");
  EXPECT_EQ(g->cSeek, rt::Value("MA"));
  EXPECT_EQ(Current(), "MANN");
  Type("u");
  EXPECT_EQ(Current(), "MAUS");
  // After a pause of six seconds the text starts again.
  Type("a", 6);
  EXPECT_EQ(g->cSeek, rt::Value("A"));
  EXPECT_EQ(Current(), "AFFE");
  EXPECT_EQ(beeps, 0);
  // A clock that went back (past midnight) starts again too.
  now = 10;
  Type("h");
  EXPECT_EQ(g->cSeek, rt::Value("H"));
  EXPECT_EQ(Current(), "HAUS");
}

TEST_F(SeekGrid, AKeyThatMatchesNothingBeepsAndKeepsTextAndRecord) {
  ASSERT_EQ(g->nColOrder, 1);
  Type("MA");
  Type("X");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(g->cSeek, rt::Value("MA"));
  EXPECT_EQ(Current(), "MANN");
  // Past the last key: end of file is no match either.
  Type("Z", 10);
  Type("Z");
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(g->cSeek, rt::Value("Z"));
  EXPECT_EQ(Current(), "ZEBRA");
  // Backspace takes the last key back.
  g->Seek(8);
  EXPECT_EQ(g->cSeek, rt::Value(""));
  // More keys than the key is long are refused.
  Type("ZEBRA     ", 0.1);
  Type("X", 0.1);
  EXPECT_EQ(g->cSeek, rt::Value("ZEBRA     "));
  EXPECT_EQ(beeps, 3);
}

TEST_F(SeekGrid, ANumericOrderTakesDigitsOnly) {
  ASSERT_TRUE(g->SetOrder(2));
  EXPECT_EQ(g->cOrderType, rt::Value("N"));
  Type("A");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(g->cSeek, rt::Value(""));
  EXPECT_EQ(Current(), "AFFE");
  // "12" matches no number yet, but 120 lies ahead: the text stays.
  Type("12");
  EXPECT_EQ(g->cSeek, rt::Value("12"));
  EXPECT_EQ(Current(), "AFFE");
  Type("x");
  EXPECT_EQ(beeps, 2);
  EXPECT_EQ(g->cSeek, rt::Value("12"));
  Type("0");
  EXPECT_EQ(g->cSeek, rt::Value("120"));
  EXPECT_EQ(Current(), "MANN");
  EXPECT_EQ(beeps, 2);
  now += 10;
  Type("500");
  EXPECT_EQ(Current(), "ZEBRA");
}

TEST_F(SeekGrid, ADateOrderSeeksOnceTheDateIsComplete) {
  const rt::SetTable saved = rt::Sets();
  rt::Sets().dateFormat = "dd/mm/yyyy";
  rt::Sets().century = true;
  ASSERT_TRUE(g->SetOrder(3));
  EXPECT_EQ(g->cSeek, rt::Value("  /  /    "));
  Type("0103202");
  EXPECT_EQ(g->cSeek, rt::Value("01/03/202 "));
  EXPECT_EQ(Current(), "AFFE");
  Type("4");
  EXPECT_EQ(g->cSeek, rt::Value("01/03/2024"));
  EXPECT_EQ(Current(), "MANN");
  Type("x");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(g->cSeek, rt::Value("01/03/2024"));
  EXPECT_EQ(Current(), "MANN");
  rt::Sets() = saved;
}

TEST_F(SeekGrid, TypedKeysSeekWhenTheCellTakesNoInput) {
  ASSERT_EQ(g->nColOrder, 1);
  int changes = 0;
  g->bSeekChange = rt::Value::Block([&changes](rt::Args) {
    ++changes;
    return rt::Value();
  });
  now += 1;
  g->KeyChar('z', 1);
  EXPECT_EQ(Current(), "ZEBRA");
  EXPECT_GT(changes, 0);
  // Enter never seeks; without lSeek nothing is sought.
  g->KeyChar(VK_RETURN, 1);
  EXPECT_EQ(g->cSeek, rt::Value("Z"));
  g->lSeek = false;
  now += 10;
  g->KeyChar('a', 1);
  EXPECT_EQ(Current(), "ZEBRA");
}

TEST(GridDebug, FdebugAppendsTheCallerAndTheValue) {
  rt::test::ScratchDir dir;
  char old[MAX_PATH];
  GetCurrentDirectoryA(sizeof old, old);
  ASSERT_TRUE(SetCurrentDirectoryA(dir.In("").c_str()));
  {
    rt::CallGuard guard("WORTSUCHE", 42);
    grid::FDEBUG(rt::Value(7));
    grid::FDEBUG(rt::Value("Haus"));
  }
  std::ifstream in(grid::kDebugLog, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  SetCurrentDirectoryA(old);
  EXPECT_EQ(text.str(), "WORTSUCHE 42 7\r\nWORTSUCHE 42 Haus\r\n");
}

TEST(GridDebug, MessageExtraInfoComesFromUser32) {
  EXPECT_EQ(grid::GETMSGINFO(), GetMessageExtraInfo());
}

}  // namespace
