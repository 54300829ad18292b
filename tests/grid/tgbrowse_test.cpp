// The grid's construction and data sources over small tables and arrays.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <thread>

#include "../services/box_driver.h"
#include "apps/common/word_tables.h"
#include "browse_fixture.h"
#include "tests/graphics/window_shot.h"
#include "core/tdialog.h"
#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/tgbscrlbar.h"
#include "runtime/macro.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/handle_registry.h"
#include "tools/word_tables/sources.h"
#include "tools/word_tables/table_writer.h"

namespace {

using controltest::ClassOf;
using controltest::OwnerWindow;
using gridtest::Grid;
using grid::TGBrowse;

TEST(TGBrowse, NewOnAWindow) {
  OwnerWindow owner(400, 500);
  auto g = std::make_shared<TGBrowse>();
  grid::BrowseArgs a;
  a.nRow = 2;
  a.nCol = 3;
  a.nWidth = 300;
  a.nHeight = 200;
  a.oWnd = owner.value();
  g->New(a);
  ASSERT_TRUE(IsWindow(g->hWnd));
  EXPECT_EQ(g->nTop, 28);
  EXPECT_EQ(g->nLeft, 24);
  EXPECT_EQ(g->nRight - g->nLeft + 1, 300);
  EXPECT_EQ(GetWindowLongA(g->hWnd, GWL_STYLE) & 0xFFFF0000, 0x50810000);
  EXPECT_EQ(ClassOf(g->hWnd), "TGBrowse");
  EXPECT_EQ(GetClassLongA(g->hWnd, GCL_STYLE) & 0xF, 11);
  ASSERT_NE(g->oFont, nullptr);
  EXPECT_EQ(g->oFont->cFaceName, "Arial");
  EXPECT_EQ(g->oFont->nInpHeight, -12);
  EXPECT_TRUE(g->lMyFont);
  const int height = grid::SBGETHEIGHT(g->hWnd, g->oFont->hFont, 0);
  EXPECT_EQ(g->nHeightCell, height);
  EXPECT_EQ(g->nHeightHead, height);
  EXPECT_EQ(g->aMsg.Len(), 55u);
  EXPECT_EQ(g->nClrFocuFore.AsInt(), gfx::GETSYSCOLOR(9));
  EXPECT_EQ(g->nClrFocuBack.AsInt(), gfx::GETSYSCOLOR(2));
  EXPECT_EQ(g->nClrLine.AsInt(), gfx::GETSYSCOLOR(16));
  EXPECT_EQ(g->nClrSeleBack.AsInt(), 0x808080);
  ASSERT_EQ(g->nColCount(), 1);
  EXPECT_EQ(g->Col(1)->cHeading, rt::Value("_Dummy"));
  EXPECT_FALSE(g->bLine.IsBlock());
}

TEST(TGBrowse, ReDefineTakesTheSelectionColoursAndOneMorePixel) {
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs da;
  da.nWidth = 400;
  da.nHeight = 300;
  d->New(da);
  auto g = std::make_shared<TGBrowse>();
  grid::BrowseRedefineArgs a;
  a.nId = 110;
  a.oWnd = rt::Value(d);
  g->ReDefine(a);
  EXPECT_EQ(g->nClrFocuFore.AsInt(), gfx::GETSYSCOLOR(14));
  EXPECT_EQ(g->nClrFocuBack.AsInt(), gfx::GETSYSCOLOR(13));
  EXPECT_EQ(g->nHeightCell, grid::SBGETHEIGHT(nullptr, g->oFont->hFont, 0) + 1);
  EXPECT_FALSE(g->lVisible);
  EXPECT_EQ(g->nId, 110);
}

TEST(TGBrowse, TwoLineHeadingRaisesTheHeaderAndAddColumnReplacesThePlaceholder) {
  OwnerWindow owner(400, 500);
  auto g = Grid(owner, 300, 200);
  ASSERT_EQ(g->Col(1)->cHeading, rt::Value("_Dummy"));
  grid::ColumnArgs c;
  c.cHeading = "Deutsch\r\nWort";
  c.nWidth = 120;
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  g->AddColumn(column);
  ASSERT_EQ(g->nColCount(), 1);
  EXPECT_EQ(g->Col(1), column);
  EXPECT_EQ(g->aColSizes.Len(), 1u);
  const long line = grid::GETFONTHEIGHT(nullptr, g->oFont->hFont);
  EXPECT_EQ(g->nHeightHead, line * 2 + 1);
}

TEST(TGBrowse, DestroyGivesBackEveryDrawingObject) {
  OwnerWindow owner(400, 500);
  svc::SetHandleTracking(true);
  const std::size_t before = svc::TrackedHandles().size();
  {
    auto g = Grid(owner, 300, 200);
    gridtest::PaintFully(*g);
    DestroyWindow(g->hWnd);
  }
  EXPECT_EQ(svc::TrackedHandles().size(), before);
  svc::SetHandleTracking(false);
}

TEST(TGBrowse, InADialogItLandsWhereTheDialogsControlsOfItsCoordinatesLand) {
  // The editor's layout: a child dialog over the main window's client area,
  // the grid at (17, 0), half the width wide and 170 high, in pixels.
  OwnerWindow owner(500, 800);
  RECT client{};
  GetClientRect(owner.w->hWnd, &client);
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs da;
  da.nTop = 3;
  da.nLeft = 0;
  da.nBottom = client.bottom - 24;
  da.nRight = client.right;
  da.lPixel = true;
  da.nStyle = static_cast<double>(WS_CHILD | WS_VISIBLE);
  da.oWnd = owner.value();
  d->New(da);
  auto g = std::make_shared<TGBrowse>();
  grid::BrowseArgs a;
  a.nRow = 17;
  a.nCol = 0;
  a.nWidth = client.right / 2;
  a.nHeight = 170;
  a.oWnd = rt::Value(d);
  a.lPixel = true;
  a.aHeaders = rt::Value::Array({"Deutsch", "Englisch"});
  a.bLine = rt::Value::Block([](rt::Args) { return rt::Value::Array({"Haus", "house"}); });
  g->New(a);
  EXPECT_FALSE(g->hWnd);
  auto twin = std::make_shared<core::TControl>();
  twin->Register();
  twin->nTop = 17;
  twin->nLeft = 0;
  twin->nBottom = 17 + 170 - 1;
  twin->nRight = client.right / 2 - 1;
  twin->nStyle = WS_CHILD | WS_VISIBLE;
  d->DefControl(rt::Value(twin));
  core::DialogActivation act;
  act.lModal = false;
  d->Activate(act);
  ASSERT_TRUE(IsWindow(g->hWnd));
  auto placed = [&](HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, d->hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const RECT r = placed(g->hWnd);
  const RECT t = placed(twin->hWnd);
  EXPECT_EQ(r.top, 34);
  EXPECT_EQ(r.bottom, 374);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, client.right / 2 * 2);
  EXPECT_TRUE(EqualRect(&r, &t));
  // The object knows the place it has.
  EXPECT_EQ(g->nTop, 34);
  EXPECT_EQ(g->nBottom, 373);
  EXPECT_EQ(g->nWidth(), client.right / 2 * 2);
  EXPECT_EQ(g->nColCount(), 2);
  DestroyWindow(d->hWnd);
}

class TableGrid : public testing::Test {
 protected:
  void Open(int rows, bool indexed = true) { gridtest::OpenWordTable(dir, rows, indexed); }
  void TearDown() override { rt::DBCLOSEALL(); }
  std::shared_ptr<TGBrowse> OnTable(int width = 400, int height = 200) {
    auto g = Grid(owner, width, height, "WORTE");
    return g;
  }
  rt::test::ScratchDir dir;
  OwnerWindow owner{400, 500};
};

TEST_F(TableGrid, DbSkipperStopsAtTheEndAndCountsTheAppendRow) {
  Open(10);
  auto g = OnTable();
  rt::DBGOTO(7);
  EXPECT_EQ(g->DbSkipper(5), 3);
  EXPECT_EQ(rt::RECNO(), 10);
  rt::DBGOTO(7);
  g->lAppendMode = true;
  EXPECT_EQ(g->DbSkipper(5), 4);
  EXPECT_TRUE(rt::DbEof());
  g->lAppendMode = false;
  rt::DBGOTO(3);
  EXPECT_EQ(g->DbSkipper(0), 0);
  EXPECT_EQ(g->DbSkipper(-5), -2);
  EXPECT_EQ(rt::RECNO(), 1);
  EXPECT_EQ(g->cDriver, rt::Value("NTX"));
}

TEST_F(TableGrid, AnEmptyTableSkipsNothing) {
  Open(0);
  auto g = OnTable();
  EXPECT_EQ(g->DbSkipper(3), 0);
  EXPECT_EQ(g->DbSkipper(-3), 0);
}

TEST_F(TableGrid, AClosedAliasIsAnEmptySource) {
  Open(5);
  auto g = OnTable();
  rt::DBCLOSEALL();
  EXPECT_EQ(g->DbSkipper(2), 0);
  g->ResetBarPos(true);
  EXPECT_EQ(g->nLen, 0);
  gridtest::PaintFully(*g);
}

TEST(TGBrowseArray, AppendModeCountsTheNewRowAndDefaultsAreBlank) {
  OwnerWindow owner(400, 500);
  auto g = Grid(owner, 300, 200, "ARRAY");
  rt::Value rows = rt::Value::Array();
  for (int i = 1; i <= 10; ++i) {
    rows.Items().push_back(rt::Value::Array({"Haus", i, rt::Value(rt::Date{2460000}), true, rt::Value::Array()}));
  }
  g->SetArray(rows);
  EXPECT_EQ(g->cAlias, rt::Value("ARRAY"));
  EXPECT_EQ(g->nLen, 10);
  g->lAppendMode = true;
  EXPECT_EQ(g->bLogicLen.Eval().AsInt(), 11);
  ASSERT_EQ(g->aDefValue.Len(), 5u);
  EXPECT_EQ(g->aDefValue.At(1), rt::Value("    "));
  EXPECT_EQ(g->aDefValue.At(2).AsNumber(), 0);
  EXPECT_EQ(g->aDefValue.At(3).AsJulian(), 0);
  EXPECT_EQ(g->aDefValue.At(4), rt::Value(false));
  EXPECT_EQ(g->aDefValue.At(5), rt::Value("???"));
  g->lAppendMode = false;
  EXPECT_EQ(g->Skip(20), 9);
  EXPECT_EQ(g->nAt, 10);
  EXPECT_EQ(g->Skip(-100), -9);
  // An empty array and ragged rows.
  g->SetArray(rt::Value::Array());
  EXPECT_EQ(g->nLen, 0);
  EXPECT_EQ(g->Skip(1), 0);
  g->SetArray(rt::Value::Array({rt::Value::Array({"a"}), rt::Value::Array()}));
  EXPECT_EQ(g->aDefValue.Len(), 1u);
}

TEST_F(TableGrid, RangeFilterStaysInsideItsRange) {
  gridtest::OpenWordTable(dir, 0);
  for (const char* w : {"Kaffee", "l'eau", "l'eau de vie", "lac", "Zebra", "l'avion"}) {
    rt::DBAPPEND();
    rt::FIELDPUT(1, w);
  }
  rt::DBGOTOP();
  auto g = OnTable();
  g->SetFilter("DEUTSCH", "l'eau", "l'eau~");
  ASSERT_TRUE(g->lFilterMode);
  EXPECT_FALSE(g->lDescend);
  g->GoTop();
  std::vector<std::string> seen;
  do {
    seen.push_back(rt::RTRIM(rt::FIELDGET(1).AsString()));
  } while (g->Skip(1) == 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"l'eau", "l'eau de vie"}));
  EXPECT_EQ(g->nLen, 2);
  // A range given the other way round runs downwards from its start and
  // still never leaves it.
  g->SetFilter("DEUTSCH", "lac", "l'eau");
  EXPECT_TRUE(g->lDescend);
  g->GoTop();
  EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "lac");
  EXPECT_EQ(g->Skip(5), 0);
  EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "lac");
  EXPECT_EQ(g->Skip(-5), -2);
  EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "l'eau");
  g->SetFilter();
  EXPECT_FALSE(g->lFilterMode);
  EXPECT_EQ(g->nLen, 6);
}

TEST_F(TableGrid, RangeOfTheWrongTypeIsRefusedWithMessage27) {
  Open(5);
  auto g = OnTable();
  BoxDriver driver(BoxDriver::PressEnter);
  g->SetFilter("DEUTSCH", rt::Value(rt::Date{2460000}), rt::Value(rt::Date{2460010}));
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Fehler");
  EXPECT_NE(seen.Joined().find("TGBrowse SetFilter() Typ passt nicht zum aktuellen Index"), std::string::npos);
  EXPECT_FALSE(g->lFilterMode);
}

TEST_F(TableGrid, BarPositionsScaleBothWays) {
  Open(3);
  auto g = OnTable();
  g->nLen = 100000;
  EXPECT_EQ(g->GetRealPos(16384), 50001);
  for (long p : {1L, 2L, 16384L, 32766L, 32767L}) EXPECT_EQ(g->BarPosOf(g->GetRealPos(p)), p) << p;
  // A row's bar position reads back as a row at most one bar step away.
  for (long r : {1L, 3L, 50001L, 99999L, 100000L}) {
    EXPECT_LE(std::labs(g->GetRealPos(g->BarPosOf(r)) - r), 100000L / 32767 + 1) << r;
    EXPECT_LE(g->BarPosOf(r), 32767);
  }
  g->nLen = 500;
  EXPECT_EQ(g->GetRealPos(321), 321);
  EXPECT_EQ(g->BarPosOf(321), 321);
}

TEST_F(TableGrid, ResetBarPosPutsTheBarAtTheScaledKeyNumber) {
  Open(34000);
  auto g = OnTable();
  gridtest::PaintFully(*g);
  ASSERT_TRUE(rt::DBSEEK("Wort030000"));
  g->ResetBarPos();
  EXPECT_EQ(rt::ORDKEYNO(), 30000);
  EXPECT_EQ(g->nLogicPos(), 30000);
  auto bar = g->oVScroll.As<grid::TGBScrlBar>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetPos(), g->BarPosOf(30000));
  EXPECT_EQ(bar->GetPos(), (30000L * 32767 + 33999) / 34000);
  EXPECT_EQ(g->GetRealPos(bar->GetPos()), 30000);
  // The thumb's go-to-position block lands on the key number.
  g->bGoToPos.Eval(12345);
  EXPECT_EQ(rt::ORDKEYNO(), 12345);
}

TEST_F(TableGrid, UpStableKeepsTheRecordOnScreenAfterAnOrderChange) {
  Open(60, false);
  rt::DBGOTOP();
  auto g = OnTable(400, 200);
  gridtest::PaintFully(*g);
  rt::DBGOTO(57);
  ASSERT_TRUE(rt::ORDCREATE(dir.In("ENGL.NTX"), "", "ENGLISCH"));
  rt::DBGOTO(57);
  g->nRowPos = 3;
  g->UpStable();
  const long rows = g->nRowCount();
  EXPECT_EQ(rt::RECNO(), 57);
  EXPECT_GE(g->nRowPos, 1);
  EXPECT_LE(g->nRowPos, rows);
  // The rows above the current one on screen are the ones before it in
  // the new order.
  const long above = g->Skip(1 - g->nRowPos);
  EXPECT_EQ(above, 1 - g->nRowPos);
  g->Skip(g->nRowPos - 1);
  EXPECT_EQ(rt::RECNO(), 57);
}

// A record whose new key puts it on the last page is shown on its row of
// that page: the rows around it are the order's last rows, none left over
// from before.
TEST_F(TableGrid, UpStableOnTheLastPageShowsTheOrdersLastRows) {
  for (const char* key : {"Zz", "Wort000028a"}) {
    SCOPED_TRACE(key);
    Open(30);
    auto g = OnTable(400, 200);
    grid::ColumnArgs c;
    c.cHeading = "Deutsch";
    c.bData = grid::FIELDSETGETBLOCK("WORTE", 1);
    c.nWidth = 200;
    c.oBrw = rt::Value(g);
    auto column = std::make_shared<grid::TGColumn>();
    column->New(c);
    g->AddColumn(column);
    gridtest::PaintFully(*g);
    const long rows = g->nRowCount();
    ASSERT_LT(rows, 20);
    // Record 3 on row 3 of the first page gets its new key.
    rt::DBGOTO(3);
    g->nRowPos = 3;
    rt::FIELDPUT(1, key);
    rt::DBCOMMIT();
    // The order's last rows, in order.
    std::vector<std::string> last;
    rt::DBGOBOTTOM();
    rt::DBSKIP(1 - rows);
    for (long i = 0; i < rows && !rt::DbEof(); ++i, rt::DBSKIP(1)) last.push_back(rt::RTRIM(rt::FIELDGET(1).AsString()));
    rt::DBGOTO(3);

    gridtest::PainterRecorder recorder;
    g->UpStable();
    gridtest::PaintFully(*g);
    EXPECT_EQ(rt::RECNO(), 3);
    const auto at = std::find(last.begin(), last.end(), key);
    ASSERT_NE(at, last.end());
    EXPECT_EQ(g->nRowPos, at - last.begin() + 1);
    std::vector<std::string> painted(static_cast<std::size_t>(rows));
    for (const auto& cell : recorder.Of(grid::CellKind::Body)) {
      if (cell.nRow >= 1 && cell.nRow <= rows && cell.nWidth == 200) {
        painted[static_cast<std::size_t>(cell.nRow - 1)] = rt::RTRIM(cell.cText);
      }
    }
    EXPECT_EQ(painted, last);
    rt::DBCLOSEALL();
  }
}

TEST_F(TableGrid, MissingTextFileIsReportedAndNothingIsBound) {
  Open(3);
  auto g = OnTable();
  const rt::Value alias = g->cAlias;
  BoxDriver driver(BoxDriver::PressEnter);
  const std::string name = dir.In("FEHLT.TXT");
  EXPECT_TRUE(g->SetTxtFile(name).IsNil());
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Fehler");
  EXPECT_NE(seen.Joined().find("Die Datei " + name + " existiert nicht"), std::string::npos);
  EXPECT_EQ(g->cAlias, alias);
}

TEST(TGBrowse, ShowSizesListsTheColumnsAndTheVisibleWidth) {
  OwnerWindow owner(400, 500);
  auto g = Grid(owner, 400, 200);
  for (const char* heading : {"Deutsch", "Englisch"}) {
    grid::ColumnArgs c;
    c.cHeading = heading;
    c.nWidth = 307;
    auto column = std::make_shared<grid::TGColumn>();
    column->New(c);
    g->AddColumn(column);
  }
  BoxDriver driver([&](HWND box) {
    ShotIfAsked(box, "VD_GRID_SIZES_SHOT");
    BoxDriver::PressEnter(box);
  });
  g->ShowSizes();
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Spaltenbreite");
  EXPECT_NE(seen.Joined().find("Deutsch: 307 Pixels\r\nEnglisch: 307 Pixels\r\n\r\nTotal  614 Pixels\r\n"
                               "Sichtbarer Bereich  400 Pixels\r\n"),
            std::string::npos)
      << seen.Joined();
}

}  // namespace

namespace {

using gridtest::OpenWordTable;

// A grid over 50 indexed rows, painted, on its first row.
class NavGrid : public testing::Test {
 protected:
  void SetUp() override {
    OpenWordTable(dir, 50);
    g = Grid(owner, 400, 200, "WORTE");
    gridtest::PaintFully(*g);
    rows = g->nRowCount();
    ASSERT_GT(rows, 3);
    ASSERT_LT(rows, 20);
  }
  void TearDown() override { rt::DBCLOSEALL(); }
  // The record, the screen row and the bar as a move left them.
  void At(long rec, long rowPos, const char* what) {
    EXPECT_EQ(rt::RECNO(), rec) << what;
    EXPECT_EQ(g->nRowPos, rowPos) << what;
    if (auto bar = g->oVScroll.As<grid::TGBScrlBar>()) {
      EXPECT_EQ(bar->GetPos(), std::min(rt::ORDKEYNO(), BarEnd(*bar))) << what;
    }
  }
  // The last position the bar takes: its maximum less the page, as the
  // system keeps the thumb's page inside the range.
  static long BarEnd(const grid::TGBScrlBar& bar) { return bar.GetRange().At(2).AsInt() - bar.nPgStep + 1; }
  void Place(long rec, long rowPos) {
    rt::DBGOTO(rec);
    g->nAt = rec;
    g->nRowPos = rowPos;
    g->lHitTop = g->lHitBottom = false;
  }
  rt::test::ScratchDir dir;
  OwnerWindow owner{400, 500};
  std::shared_ptr<TGBrowse> g;
  long rows = 0;
};

TEST_F(NavGrid, RowMovesScrollAtTheEdgesAndStopAtTheEnds) {
  Place(3, 3);
  g->GoDown();
  At(4, 4, "down inside the page");
  Place(rows, rows);
  g->GoDown();
  At(rows + 1, rows, "down on the last row scrolls");
  EXPECT_FALSE(g->lRePaint);
  gridtest::PaintFully(*g);
  Place(50, rows);
  g->GoDown();
  EXPECT_TRUE(g->lHitBottom);
  At(50, rows, "down at the bottom");
  Place(2, 1);
  g->GoUp();
  At(1, 1, "up on the first row scrolls");
  g->GoUp();
  EXPECT_TRUE(g->lHitTop);
  At(1, 1, "up at the top");
  // Only GoUp and PageUp set lHitTop: GoTop moves each time.
  Place(20, 4);
  g->GoTop();
  At(1, 1, "top");
  rt::DBGOTO(9);
  g->GoTop();
  At(1, 1, "top again");
}

// The grid's owner seeks and only refreshes: a flag set on another record
// no longer holds, one on the same record still does.
TEST_F(NavGrid, HitFlagsHoldOnlyForTheRecordTheyWereSetOn) {
  Place(10, 2);
  g->GoBottom();
  ASSERT_TRUE(g->lHitBottom);
  rt::DBGOTO(20);
  g->nRowPos = 1;
  g->Refresh(false);
  g->GoDown();
  At(21, 2, "down after a seek made from the bottom");
  Place(1, 1);
  g->GoUp();
  ASSERT_TRUE(g->lHitTop);
  rt::DBGOTO(30);
  g->nRowPos = 1;
  g->Refresh(false);
  g->GoUp();
  At(29, 1, "up after a seek made from the top");
  Place(50, rows);
  g->GoDown();
  ASSERT_TRUE(g->lHitBottom);
  g->Refresh(false);
  g->GoDown();
  EXPECT_TRUE(g->lHitBottom);
  At(50, rows, "still at the bottom");
}

TEST_F(NavGrid, PagesMoveByAScreenAndEndOnTheLastOrFirstRow) {
  Place(1, 1);
  g->PageDown();
  At(rows + 1, 1, "a page down");
  // Near the end the page stops on the last row, lower on the screen.
  Place(45, 1);
  g->PageDown();
  At(50, 6, "the last page");
  g->PageDown();
  EXPECT_TRUE(g->lHitBottom);
  auto bar = g->oVScroll.As<grid::TGBScrlBar>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetPos(), BarEnd(*bar));
  Place(30, 1);
  g->PageUp();
  At(30 - rows, 1, "a page up");
  Place(5, 5);
  g->PageUp();
  At(1, 1, "a short page up");
  g->PageUp();
  EXPECT_TRUE(g->lHitTop);
  Place(10, 2);
  g->GoBottom();
  EXPECT_TRUE(g->lHitBottom);
  EXPECT_EQ(rt::RECNO(), 50);
  EXPECT_EQ(g->nRowPos, rows);
  EXPECT_EQ(bar->GetPos(), BarEnd(*bar));
}

TEST_F(NavGrid, ScrollBarMessagesMoveTheRows) {
  struct Case {
    long code, pos, rec;
  };
  const Case cases[] = {{SB_BOTTOM, 0, 50}, {SB_TOP, 0, 1}, {SB_LINEDOWN, 0, 2}, {SB_LINEUP, 0, 1},
                        {SB_THUMBPOSITION, 20, 20}, {SB_THUMBPOSITION, 1, 1}, {SB_THUMBPOSITION, 49, 50}};
  for (const Case& k : cases) {
    g->VScroll(k.code, k.pos);
    EXPECT_EQ(rt::RECNO(), k.rec) << k.code << " " << k.pos;
  }
  // GoPos walks to a screen row; the hook hears once.
  Place(1, 1);
  int heard = 0;
  g->bChange = rt::Value::Block([&heard](rt::Args) {
    ++heard;
    return rt::Value();
  });
  g->GoPos(4, 1);
  At(4, 4, "GoPos");
  EXPECT_EQ(heard, 1);
  g->GoPos(4, 1);
  EXPECT_EQ(heard, 1);
  g->GoPos("4", 1);
  At(4, 4, "GoPos with a text row");
  g->bChange = {};
  // The window's own bar sends the thumb's position in the high word.
  g->VScroll(MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
  EXPECT_EQ(rt::RECNO(), 30);
  // The same message as the system sends it, through the window.
  SendMessageA(g->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 12), 0);
  EXPECT_EQ(rt::RECNO(), 12);
  SendMessageA(g->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1), 0);
  EXPECT_EQ(rt::RECNO(), 1);
}

}  // namespace

namespace {

// The window's own bar as the system keeps it.
SCROLLINFO VerticalBar(HWND hwnd) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(hwnd, SB_VERT, &info);
  return info;
}

// The full German-English dictionary as the sample tables tool writes it,
// in the editor's German order: far more rows than the bar's 32767 steps,
// so every thumb position is scaled.
TEST(NavGridFullTable, TheThumbSitsAtTopMiddleAndBottom) {
  WordPairs pairs;
  ASSERT_TRUE(ReadTransDeEn("Z:/usr/share/trans/de-en", static_cast<std::size_t>(-1), pairs))
      << "Debian's trans-de-en is needed";
  rt::test::ScratchDir dir;
  // Closed before the folder goes, on a failed assertion too.
  struct CloseTables {
    ~CloseTables() { rt::DBCLOSEALL(); }
  } closeTables;
  const common::WordTable& table = *common::FindWordTable(common::kDefaultDictionary);
  const std::string file = dir.In(std::string(table.base) + ".DBF");
  ASSERT_TRUE(WriteWordTable(file, "EN", pairs));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "DBUCH", false, false));
  ASSERT_TRUE(rt::ORDCREATE(dir.In(common::IndexName(table, 1)), "",
                            common::OrderKey(table, 1, common::KeyStyle::Editor)));
  const long count = rt::LASTREC();
  ASSERT_GT(count, 2 * 32767);
  OwnerWindow owner(800, 600);
  auto g = Grid(owner, 800, 600, "DBUCH");
  gridtest::PaintFully(*g);
  const SCROLLINFO bar = VerticalBar(g->hWnd);
  ASSERT_EQ(bar.nMin, 1);
  ASSERT_EQ(bar.nMax, 32767);
  const int end = bar.nMax - static_cast<int>(std::max(bar.nPage, 1u)) + 1;
  const int middle = (bar.nMin + bar.nMax) / 2;
  const int tolerance = (bar.nMax - bar.nMin) / 50;
  auto thumb = [&] {
    gridtest::PaintFully(*g);
    return VerticalBar(g->hWnd).nPos;
  };

  g->GoBottom();
  EXPECT_EQ(rt::ORDKEYNO(), count);
  EXPECT_EQ(thumb(), end) << "GoBottom";
  g->GoTop();
  EXPECT_EQ(rt::ORDKEYNO(), 1);
  EXPECT_EQ(thumb(), bar.nMin) << "GoTop";
  // The key half-way down the order, sought as the editor seeks: the found
  // row at the top, the bar re-read, the rows refreshed.
  ASSERT_TRUE(rt::ORDKEYGOTO(count / 2));
  const rt::Value key = rt::MacroEval(rt::ORDKEY());
  rt::DBGOTOP();
  ASSERT_TRUE(rt::DBSEEK(key, false));
  EXPECT_NEAR(rt::ORDKEYNO(), count / 2, count / 100);
  g->nRowPos = 1;
  g->ResetBarPos();
  g->Refresh(false);
  EXPECT_NEAR(thumb(), middle, tolerance) << "a seek half-way";
  g->GoBottom();
  EXPECT_EQ(thumb(), end) << "GoBottom after the seek";
  // The thumb dropped in the middle scales back to the middle row.
  SendMessageA(g->hWnd, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, middle), 0);
  EXPECT_NEAR(rt::ORDKEYNO(), count / 2, count / 50);
  EXPECT_NEAR(thumb(), middle, 1) << "the thumb dropped in the middle";
}

}  // namespace
