// The grid's painting: the cell painter's arguments per band, colours per
// row, frozen and scrolled columns, the column operations and the paint's
// effects on the current record, the change hook and drawing objects.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "../graphics/window_pixels.h"
#include "browse_fixture.h"
#include "tests/graphics/window_shot.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "grid/tgbscrlbar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/handle_registry.h"

namespace {

using controltest::OwnerWindow;
using gridtest::Grid;
using gridtest::PainterRecorder;
using grid::CellKind;
using grid::TGBrowse;

std::shared_ptr<grid::TGColumn> FieldColumn(const std::shared_ptr<TGBrowse>& g, const char* heading, int field,
                                            long width) {
  grid::ColumnArgs c;
  c.cHeading = heading;
  c.bData = grid::FIELDSETGETBLOCK("WORTE", field);
  c.nWidth = width;
  c.oBrw = rt::Value(g);
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

class PaintGrid : public testing::Test {
 protected:
  void TearDown() override {
    grid::SetCellPainter({});
    rt::DBCLOSEALL();
  }
  // A grid over the word table with the columns Deutsch, Englisch, Sprache
  // and Status of 120 pixels each.
  std::shared_ptr<TGBrowse> WordGrid(int rows, int width = 400, int height = 240) {
    gridtest::OpenWordTable(dir, rows);
    auto g = Grid(owner, width, height, "WORTE");
    g->AddColumn(FieldColumn(g, "Deutsch", 1, 120));
    g->AddColumn(FieldColumn(g, "Englisch", 2, 120));
    g->AddColumn(FieldColumn(g, "Sprache", 3, 120));
    g->AddColumn(FieldColumn(g, "Status", 4, 120));
    return g;
  }
  rt::test::ScratchDir dir;
  OwnerWindow owner{500, 600, RGB(255, 255, 255)};
};

std::vector<std::string> Texts(const std::vector<grid::CellRequest>& cells, int row) {
  std::vector<std::string> out;
  for (const auto& c : cells)
    if (c.nRow == row && c.nWidth > 0) out.push_back(rt::RTRIM(c.cText));
  return out;
}

TEST_F(PaintGrid, OnePaintCallsThePainterWithTheArgumentsOfEachBand) {
  auto g = WordGrid(20, 700);
  auto foot = g->Col(4);
  foot->cFooting = "Summe";
  g->lDrawFooters = rt::Value();
  g->AddColumn(FieldColumn(g, "Vertikal", 4, 40));
  g->Col(5)->nHAlign = 3;
  g->lFooting = true;
  g->lDrawFooters = true;
  g->nHeightFoot = 18;
  rt::Value super[] = {rt::Value(1), rt::Value(2), rt::Value("W\xF6rter")};
  g->AddSuperHead(rt::Args(super, 3));
  g->FreezeCol(true);
  gridtest::PaintFully(*g);
  PainterRecorder rec;
  g->lFocused = true;
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  ASSERT_FALSE(rec.cells.empty());

  const auto body = rec.Of(CellKind::Body);
  const long rows = g->nRowCount();
  // Row 1 is the highlighted current row, the others plain.
  const auto row1 = Texts(body, 1);
  ASSERT_GE(row1.size(), 4u);
  EXPECT_EQ(row1[0], "Wort000001");
  EXPECT_EQ(row1[1], "word1");
  for (const auto& c : body) {
    EXPECT_EQ(c.hWnd, g->hWnd);
    EXPECT_NE(c.hDC, nullptr);
    EXPECT_EQ(c.nHeightCell, g->nHeightCell);
    EXPECT_EQ(c.nLineStyle, 1);
    EXPECT_EQ(c.nHeightHead, g->nHeightHead);
    EXPECT_EQ(c.nHeightFoot, 18);
    EXPECT_EQ(c.nHeightSuper, g->nHeightSuper);
    EXPECT_EQ(c.nVertAlign, 1);
    EXPECT_LE(c.nRow, rows);
    if (c.nRow == 1 && c.nWidth > 0) {
      EXPECT_EQ(c.nClrBack, static_cast<COLORREF>(g->nClrFocuBack.AsInt()));
      EXPECT_EQ(c.nClrFore, static_cast<COLORREF>(g->nClrFocuFore.AsInt()));
      EXPECT_TRUE(c.lAdjBmp);
    } else if (c.nWidth > 0) {
      EXPECT_EQ(c.nClrBack, static_cast<COLORREF>(g->Col(1)->nClrBack.AsInt()));
      EXPECT_FALSE(c.lAdjBmp);
    }
  }
  // Each body row ends with the filler.
  int fillers = 0;
  for (const auto& c : body) fillers += c.nWidth == -1;
  EXPECT_EQ(fillers, rows);

  const auto head = rec.Of(CellKind::Header);
  ASSERT_GE(head.size(), 6u);
  EXPECT_EQ(head[0].cText, "Deutsch");
  EXPECT_EQ(head[0].nRow, 0);
  EXPECT_EQ(head[0].nLeft, 0);
  EXPECT_EQ(head[0].nLineStyle, 1);
  EXPECT_EQ(head[0].nHeightCell, g->nHeightHead);
  EXPECT_EQ(head[0].nClrBack, static_cast<COLORREF>(g->nClrHeadBack.AsInt()));
  const auto vertical = std::find_if(head.begin(), head.end(), [](const auto& c) { return c.cText == "Vertikal"; });
  ASSERT_NE(vertical, head.end());
  EXPECT_EQ(vertical->nMode, 1);
  EXPECT_EQ(vertical->nVertAlign, 2);
  EXPECT_EQ(vertical->nAlign, 1);
  EXPECT_NE(vertical->hFont, g->oFont->hFont);
  EXPECT_EQ(head.back().nWidth, -1);

  const auto footer = rec.Of(CellKind::Footer);
  ASSERT_FALSE(footer.empty());
  const auto summe = std::find_if(footer.begin(), footer.end(), [](const auto& c) { return c.cText == "Summe"; });
  ASSERT_NE(summe, footer.end());
  EXPECT_EQ(summe->nRow, rows);
  EXPECT_EQ(summe->nHeightCell, 18);
  EXPECT_EQ(summe->nVertAlign, 1);

  const auto sup = rec.Of(CellKind::SuperHeader);
  ASSERT_GE(sup.size(), 2u);
  EXPECT_EQ(sup[0].cText, "W\xF6rter");
  EXPECT_EQ(sup[0].nWidth, 240);
  EXPECT_EQ(sup[0].nRow, 0);
  EXPECT_EQ(sup[0].nHeightCell, g->nHeightHead);
  EXPECT_EQ(sup[0].nLineStyle, 1);
  EXPECT_EQ(sup[0].nAlign, 1);
  EXPECT_EQ(sup.back().nWidth, -1);
  EXPECT_GT(g->nHeightSuper, 0);
}

TEST_F(PaintGrid, FrozenColumnThenTheScrolledOnesAndTheOrderHeading) {
  auto g = WordGrid(10, 300);
  g->Col(1)->cOrder = "WORTE";
  g->nColOrder = 1;
  g->SetColor(rt::Value::Array({14}), rt::Value::Array({static_cast<long>(RGB(1, 2, 3))}));
  g->FreezeCol(true);
  g->nColPos = 3;
  gridtest::PaintFully(*g);
  PainterRecorder rec;
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  const auto head = rec.Of(CellKind::Header);
  ASSERT_GE(head.size(), 3u);
  EXPECT_EQ(head[0].cText, "Deutsch");
  EXPECT_EQ(head[0].nClrBack, RGB(1, 2, 3));
  EXPECT_EQ(head[1].cText, "Sprache");
  EXPECT_EQ(head[1].nLeft, 120);
  EXPECT_EQ(head[2].cText, "Status");
  EXPECT_EQ(head[2].nLeft, 240);
  EXPECT_NE(head[1].nClrBack, RGB(1, 2, 3));
  EXPECT_EQ(Texts(rec.Of(CellKind::Body), 2), (std::vector<std::string>{"Wort000002", "EN", "2"}));
}

TEST_F(PaintGrid, EditorColoursRowsGradientHeadingAndGreyLines) {
  auto g = WordGrid(10, 480, 300);
  rt::DBGOTO(3);
  rt::DBDELETE();
  rt::DBGOTOP();
  g->nLineStyle = 1;
  const rt::Value rowBlock = rt::Value::Block([](rt::Args a) {
    const bool deleted = rt::AliasEval("WORTE", [] { return rt::Value(rt::DELETED()); }).AsLogical();
    if (deleted) return rt::Value(static_cast<long>(RGB(255, 193, 193)));
    return rt::Value(static_cast<long>(rt::Arg(a, 0).AsInt() % 2 == 0 ? RGB(227, 245, 241) : RGB(255, 255, 255)));
  });
  g->SetColor(rt::Value::Array({2, 3, 4, 5, 6, 11, 12, 15}),
              rt::Value::Array({rowBlock, 0, rt::Value::Array({0xFFFFFF, 0x808000}), 0,
                                rt::Value::Array({0xFFFFFF, 0x808080}), 0, rt::Value::Array({0xFFFFFF, 0x808080}),
                                0x808080}));
  gridtest::PaintFully(*g);
  const WindowPixels px(g->hWnd);
  const int top = static_cast<int>(g->nHeightHead + g->nHeightSuper);
  const int cell = static_cast<int>(g->nHeightCell);
  auto rowPixel = [&](int row) { return px.At(110, top + (row - 1) * cell + cell / 2); };
  EXPECT_EQ(rowPixel(2), RGB(227, 245, 241));
  EXPECT_EQ(rowPixel(3), RGB(255, 193, 193));
  EXPECT_EQ(rowPixel(4), RGB(227, 245, 241));
  EXPECT_EQ(rowPixel(5), RGB(255, 255, 255));
  // The heading runs from white at its top towards 0x808000 (BGR) below.
  const COLORREF headTop = px.At(110, 0), headLow = px.At(110, top - 3);
  EXPECT_GE(GetRValue(headTop), 0xD0);
  EXPECT_GE(GetGValue(headTop), 0xE0);
  EXPECT_GE(GetBValue(headTop), 0xE0);
  EXPECT_LT(GetRValue(headLow), 0x50);
  EXPECT_GT(GetBValue(headLow), 0x80);
  EXPECT_GT(GetGValue(headLow), 0x80);
  // Lines between the columns in the line colour.
  int grey = 0;
  for (int y = top; y < top + 4 * cell; ++y) grey += px.At(119, y) == RGB(128, 128, 128) || px.At(120, y) == RGB(128, 128, 128);
  EXPECT_GT(grey, 3 * cell);
}

TEST_F(PaintGrid, APlainWindowsGridShowsItsRows) {
  auto g = WordGrid(5);
  gridtest::PaintFully(*g);
  const WindowPixels px(g->hWnd);
  const int top = static_cast<int>(g->nHeightHead + g->nHeightSuper);
  int dark = 0;
  for (int y = top + g->nHeightCell; y < top + 3 * g->nHeightCell; ++y)
    for (int x = 0; x < 110; ++x) dark += GetRValue(px.At(x, y)) < 100;
  EXPECT_GT(dark, 20);
  EXPECT_TRUE(g->lPainted);
}

TEST_F(PaintGrid, EmptyTableDrawsHeadersOnlyAndTheFocusedGridGoesDown) {
  auto g = WordGrid(0);
  gridtest::PaintFully(*g);
  PainterRecorder rec;
  g->lFocused = true;
  g->lCanAppend = true;
  g->lHitBottom = false;
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  EXPECT_TRUE(rec.Of(CellKind::Body).empty());
  EXPECT_FALSE(rec.Of(CellKind::Header).empty());
  EXPECT_EQ(g->nRowPos, 1);
  EXPECT_TRUE(g->lHitBottom);
}

TEST_F(PaintGrid, ShortSkipAtTheTopKeepsTheCurrentRecord) {
  auto g = WordGrid(20);
  gridtest::PaintFully(*g);
  rt::DBGOTO(2);
  g->nRowPos = 5;
  PainterRecorder rec;
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  EXPECT_EQ(rt::RECNO(), 2);
  EXPECT_EQ(g->nRowPos, 2);
  const auto body = rec.Of(CellKind::Body);
  const auto lit = std::find_if(body.begin(), body.end(), [&](const auto& c) {
    return c.nClrBack == static_cast<COLORREF>(g->nClrSeleBack.AsInt()) && c.nWidth > 0;
  });
  ASSERT_NE(lit, body.end());
  EXPECT_EQ(lit->nRow, 2);
  EXPECT_EQ(rt::RTRIM(lit->cText), "Wort000002");
}

// Pixels of colour c (or, with same false, of any other colour) in the
// rectangle, as far as it lies in the client area.
int CountIn(const WindowPixels& px, int left, int top, int right, int bottom, COLORREF c, bool same = true) {
  int n = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, px.height); ++y)
    for (int x = std::max(left, 0); x < std::min(right, px.width); ++x) n += (px.At(x, y) == c) == same;
  return n;
}

bool Inside(const WindowPixels& px, int right, int bottom) { return right <= px.width && bottom <= px.height; }

TEST_F(PaintGrid, IconViewShowsOneIconPerRowFromTheCurrentOne) {
  // 300 x 200 pixels: six icons a line (the next would start past the width
  // less 32), four lines.
  auto g = WordGrid(30, 300, 200);
  gridtest::PaintFully(*g);
  std::vector<long> labelled;
  g->bIconText = rt::Value::Block([&labelled](rt::Args) {
    labelled.push_back(rt::RECNO());
    return rt::Value(rt::RECNO());
  });
  g->lIconView = true;
  const COLORREF pane = static_cast<COLORREF>(g->nClrPaneValue.AsInt());
  struct Case {
    long start;
    long first, last;
  };
  for (const Case& k : {Case{3, 3, 26}, Case{27, 27, 30}}) {
    labelled.clear();
    rt::DBGOTO(k.start);
    PainterRecorder rec;
    InvalidateRect(g->hWnd, nullptr, TRUE);
    UpdateWindow(g->hWnd);
    EXPECT_TRUE(rec.cells.empty());
    ASSERT_EQ(labelled.size(), static_cast<std::size_t>(k.last - k.first + 1)) << k.start;
    EXPECT_EQ(labelled.front(), k.first);
    EXPECT_EQ(labelled.back(), k.last);
    EXPECT_EQ(rt::RECNO(), k.start);
    const WindowPixels px(g->hWnd);
    const long shown = k.last - k.first + 1;
    for (long i = 0; i < 24; ++i) {
      const int x = static_cast<int>(10 + (i % 6) * 50), y = static_cast<int>(10 + (i / 6) * 50);
      const int icon = CountIn(px, x, y, x + 32, y + 32, pane, false);
      const int label = CountIn(px, x - 8, y + 33, x + 40, y + 49, RGB(0, 0, 128));
      if (i < shown) {
        // Icons and labels the client area cuts off are not probed.
        if (Inside(px, x + 32, y + 32)) {
          EXPECT_GT(icon, 50) << k.start << " icon " << i + 1;
        }
        if (Inside(px, x + 40, y + 49)) {
          EXPECT_GT(label, 10) << k.start << " icon " << i + 1;
        }
      } else {
        EXPECT_EQ(icon, 0) << k.start << " icon " << i + 1;
        EXPECT_EQ(label, 0) << k.start << " icon " << i + 1;
      }
    }
  }
  rt::DBGOTO(1);
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  ShotIfAsked(g->hWnd, "VD_GRID_ICONS_SHOT");
  rt::DBGOTO(27);
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  // Icon 2 in the focused look, then plain again as it was.
  const WindowPixels before(g->hWnd);
  g->DrawIcon(2, true);
  const WindowPixels focused(g->hWnd);
  EXPECT_GT(focused.Differences(before), 50);
  int outside = 0;
  for (int y = 0; y < before.height; ++y)
    for (int x = 0; x < before.width; ++x)
      outside += (x < 60 || x >= 92 || y < 10 || y >= 42) && focused.At(x, y) != before.At(x, y);
  EXPECT_EQ(outside, 0);
  g->DrawIcon(2, false);
  EXPECT_EQ(WindowPixels(g->hWnd).Differences(before), 0);
  EXPECT_EQ(rt::RECNO(), 27);
}

TEST_F(PaintGrid, ColumnTestsAndHorizontalMoves) {
  // Four columns of 120 pixels on 400 (384 beside the vertical bar): three
  // show fully, the fourth in part.
  auto g = WordGrid(10, 400, 200);
  gridtest::PaintFully(*g);
  ASSERT_TRUE(g->oVScroll.IsObject());
  EXPECT_TRUE(g->IsColVisible(3));
  EXPECT_FALSE(g->IsColVisible(4));
  EXPECT_TRUE(g->IsColVis2(4));
  struct Hit {
    long x;
    bool fromFirst;
    long col;
  };
  for (const Hit& h : {Hit{100, false, 1}, Hit{130, false, 2}, Hit{370, false, 4}, Hit{130, true, 2}})
    EXPECT_EQ(g->nAtCol(h.x, h.fromFirst), h.col) << h.x;
  g->nFreeze = 1;
  g->nColPos = 3;
  EXPECT_FALSE(g->IsColVis2(2));
  EXPECT_TRUE(g->IsColVisible(4));
  EXPECT_EQ(g->nAtCol(130), 3);
  EXPECT_EQ(g->nAtCol(130, true), 2);
  g->nFreeze = 0;
  g->nColPos = 1;

  // Cell mode: each move names the current cell and the first shown column.
  g->lCellBrw = true;
  g->nCell = 1;
  struct Step {
    const char* move;
    long cell, colPos;
  };
  const Step steps[] = {{"GoRight", 2, 1}, {"GoRight", 3, 1}, {"GoRight", 4, 2}, {"GoRight", 4, 2},
                        {"GoLeft", 3, 2},  {"GoLeft", 2, 2},  {"GoLeft", 1, 1},  {"GoEnd", 3, 1},
                        {"GoHome", 1, 1},  {"PanEnd", 4, 2},  {"PanHome", 1, 1}};
  for (const Step& st : steps) {
    const std::string m = st.move;
    if (m == "GoRight") g->GoRight();
    if (m == "GoLeft") g->GoLeft();
    if (m == "GoEnd") g->GoEnd();
    if (m == "GoHome") g->GoHome();
    if (m == "PanEnd") g->PanEnd();
    if (m == "PanHome") g->PanHome();
    EXPECT_EQ(g->nCell, st.cell) << m;
    EXPECT_EQ(g->nColPos, st.colPos) << m;
    EXPECT_FALSE(g->Col(g->nCell)->lNoLite) << m;
  }
  // Row mode: right turns a page, here the last one, which ends with the
  // last column shown completely; left goes back to the first.
  g->lCellBrw = false;
  g->GoRight();
  EXPECT_EQ(g->nColPos, 2);
  EXPECT_EQ(g->nCell, 4);
  g->GoLeft();
  EXPECT_EQ(g->nColPos, 1);
  EXPECT_EQ(g->nCell, 1);
  // The horizontal bar's messages.
  struct Bar {
    LPARAM code, pos;
    long cell, colPos;
  };
  const Bar bars[] = {{SB_PAGERIGHT, 0, 4, 2},      {SB_PAGELEFT, 0, 1, 1}, {SB_THUMBPOSITION, 3, 3, 1},
                      {SB_THUMBPOSITION, 4, 4, 2},  {SB_LEFT, 0, 1, 1},     {SB_RIGHT, 0, 4, 2},
                      {MAKEWPARAM(SB_THUMBPOSITION, 2), 0, 2, 1}, {SB_LINERIGHT, 0, 4, 2}};
  for (const Bar& b : bars) {
    g->HScroll(b.code, b.pos);
    EXPECT_EQ(g->nCell, b.cell) << b.code << " " << b.pos;
    EXPECT_EQ(g->nColPos, b.colPos) << b.code << " " << b.pos;
  }
}

// Four columns of 120 pixels on 300 (284 beside the vertical bar): two
// show fully, the third in part.
TEST_F(PaintGrid, PanRightTheMouseHighlightAndTheEditMove) {
  auto g = WordGrid(10, 300, 200);
  gridtest::PaintFully(*g);
  struct Pan {
    long freeze, cell, colPos;
  };
  // From the first page, twice; with a frozen first column the last one
  // counts once it shows in part.
  for (const Pan& p : {Pan{0, 2, 2}, Pan{0, 4, 3}, Pan{1, 4, 3}}) {
    if (p.freeze != g->nFreeze || p.cell == 2) {
      g->nFreeze = p.freeze;
      g->nColPos = g->nCell = 1;
    }
    g->PanRight();
    EXPECT_EQ(g->nCell, p.cell) << p.freeze;
    EXPECT_EQ(g->nColPos, p.colPos) << p.freeze;
  }
  g->nFreeze = 0;
  g->nColPos = g->nCell = 1;

  // The mouse walks the cell to the column under it and scrolls a column
  // on when the cell does not show fully.
  g->lCellBrw = true;
  struct Click {
    long freeze, x;
    bool moved;
    long cell, colPos;
  };
  const Click clicks[] = {{0, 130, true, 2, 1}, {0, 250, true, 3, 2}, {0, 10, true, 2, 2},
                          {0, 10, false, 2, 2}, {1, 50, true, 1, 2}};
  for (const Click& c : clicks) {
    g->nFreeze = c.freeze;
    EXPECT_EQ(g->HiliteCell(0, c.x), c.moved) << c.x;
    EXPECT_EQ(g->nCell, c.cell) << c.x;
    EXPECT_EQ(g->nColPos, c.colPos) << c.x;
    EXPECT_FALSE(g->Col(g->nCell)->lNoLite) << c.x;
  }
  g->nFreeze = 0;

  // Cell moves pass columns that may not be highlighted.
  g->nColPos = g->nCell = 1;
  g->Col(2)->lNoHiLite = true;
  g->GoRight();
  EXPECT_EQ(g->nCell, 3);
  g->GoLeft();
  EXPECT_EQ(g->nCell, 1);
  g->Col(2)->lNoHiLite = false;

  // The edit move: the editable columns 2 and 4 of the row, then the first
  // of the next row; a column its condition refuses is passed.
  g->Col(2)->lEdit = true;
  g->Col(4)->lEdit = true;
  g->GoNext();
  EXPECT_EQ(g->nCell, 2);
  g->GoNext();
  EXPECT_EQ(g->nCell, 4);
  EXPECT_EQ(g->nColPos, 3);
  EXPECT_EQ(rt::RECNO(), 1);
  g->GoNext();
  EXPECT_EQ(g->nCell, 2);
  EXPECT_EQ(g->nColPos, 1);
  EXPECT_EQ(rt::RECNO(), 2);
  g->Col(4)->bWhen = rt::Value::Block([](rt::Args) { return rt::Value(false); });
  g->GoNext();
  EXPECT_EQ(g->nCell, 2);
  EXPECT_EQ(rt::RECNO(), 3);
}

// A text source scrolls sideways by characters: the first one shown moves
// by 5, 10 and 20, to either end or to the thumb, never past the longest
// line less what fits.
TEST_F(PaintGrid, TextSourceMovesSidewaysByCharacters) {
  std::string line;
  for (int i = 0; i < 200; ++i) line += static_cast<char>('a' + i % 26);
  const std::string name = dir.In("BREIT.TXT");
  std::ofstream(name, std::ios::binary) << line << "\r\nkurz\r\n";
  auto g = Grid(owner, 300, 200);
  ASSERT_FALSE(g->SetTxtFile(name).IsNil());
  gridtest::PaintFully(*g);
  g->GoEnd();
  const long last = g->nOffset;
  EXPECT_GT(last, 150);
  EXPECT_LT(last, 200);
  // The horizontal bar spans the first characters that can be shown, so
  // that its thumb follows them.
  const auto bar = g->oHScroll.As<grid::TGBScrlBar>();
  ASSERT_TRUE(bar);
  gridtest::PaintFully(*g);
  EXPECT_EQ(bar->GetRange().At(1).AsInt(), 1);
  EXPECT_EQ(bar->GetRange().At(2).AsInt(), last);
  EXPECT_EQ(GetScrollPos(g->hWnd, SB_HORZ), last);
  struct Move {
    const char* move;
    long offset;
  };
  const Move moves[] = {{"GoHome", 1},     {"GoRight", 6},   {"GoRight", 11},   {"GoLeft", 6},
                        {"PanRight", 26},  {"PanLeft", 16},  {"PanLeft", 6},    {"GoLeft", 1},
                        {"GoLeft", 1},     {"PanEnd", last}, {"PanRight", last}, {"PanHome", 1},
                        {"Thumb", 40},     {"Thumb", 999},   {"PageRight", last}};
  for (const Move& m : moves) {
    const std::string move = m.move;
    if (move == "GoHome") g->GoHome();
    if (move == "GoRight") g->GoRight();
    if (move == "GoLeft") g->GoLeft();
    if (move == "PanRight") g->PanRight();
    if (move == "PanLeft") g->PanLeft();
    if (move == "PanEnd") g->PanEnd();
    if (move == "PanHome") g->PanHome();
    if (move == "Thumb") g->HThumbDrag(m.offset);
    if (move == "PageRight") g->HScroll(SB_PAGERIGHT, 0);
    EXPECT_EQ(g->nOffset, m.offset == 999 ? last : m.offset) << move;
  }
  // The rows show the text from the first character shown.
  g->HThumbDrag(40);
  PainterRecorder recorder;
  g->Refresh(false);
  gridtest::PaintFully(*g);
  const auto texts = Texts(recorder.Of(CellKind::Body), 1);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts[0].substr(0, 10), line.substr(39, 10));
}

// Without a highlight bar a text scrolls by a line at each Down or Up; a
// text whose lines all fit does not move.
TEST_F(PaintGrid, TextWithoutHighlightBarScrollsByALine) {
  for (int lines : {3, 40}) {
    SCOPED_TRACE(lines);
    const std::string name = dir.In("ZEILEN" + std::to_string(lines) + ".TXT");
    {
      std::ofstream out(name, std::ios::binary);
      for (int i = 1; i <= lines; ++i) out << "Zeile " << i << "\r\n";
    }
    auto g = Grid(owner, 300, 200);
    ASSERT_FALSE(g->SetTxtFile(name).IsNil());
    g->lNoLiteBar = true;
    gridtest::PaintFully(*g);
    const long rows = g->nRowCount();
    const bool fits = lines < rows;
    const auto firstShown = [&] {
      PainterRecorder recorder;
      g->Refresh(false);
      gridtest::PaintFully(*g);
      const auto texts = Texts(recorder.Of(CellKind::Body), 1);
      return texts.empty() ? std::string() : texts[0];
    };
    g->GoDown();
    EXPECT_EQ(g->nRowPos, fits ? 1 : rows);
    EXPECT_EQ(g->nAt, fits ? 1 : rows + 1);
    EXPECT_EQ(firstShown(), fits ? "Zeile 1" : "Zeile 2");
    g->GoDown();
    EXPECT_EQ(firstShown(), fits ? "Zeile 1" : "Zeile 3");
    g->GoUp();
    EXPECT_EQ(g->nRowPos, 1);
    EXPECT_EQ(g->nAt, fits ? 1 : 2);
    EXPECT_EQ(firstShown(), fits ? "Zeile 1" : "Zeile 2");
  }
}

TEST_F(PaintGrid, ChangeHookRunsAfterTheFirstPaintAndAfterARecordChangeOnly) {
  auto g = WordGrid(20);
  int calls = 0;
  g->bChange = rt::Value::Block([&calls](rt::Args) {
    ++calls;
    return rt::Value();
  });
  gridtest::PaintFully(*g);
  EXPECT_EQ(calls, 1);
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  EXPECT_EQ(calls, 1);
  rt::DBGOTO(4);
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  EXPECT_EQ(calls, 2);
}

TEST_F(PaintGrid, ColumnOperations) {
  auto g = WordGrid(5);
  // The only column cannot go; no frozen column to thaw.
  auto single = Grid(owner, 200, 100, "WORTE");
  ASSERT_EQ(single->nColCount(), 1);
  EXPECT_EQ(single->DelColumn(1), nullptr);
  EXPECT_EQ(single->nColCount(), 1);
  single->FreezeCol(false);
  EXPECT_EQ(single->nFreeze, 0);
  // Freezing stops one short of every column.
  for (int i = 0; i < 6; ++i) g->FreezeCol(true);
  EXPECT_EQ(g->nFreeze, 3);
  g->Look3D(true, 0, 0, false);
  EXPECT_EQ(g->nPhantom, -2);
  EXPECT_TRUE(g->Col(2)->l3DLookHead);
  g->Look3D(true);
  EXPECT_EQ(g->nPhantom, -1);
  auto big = std::make_shared<gfx::TFont>()->New("Arial", 0, -24);
  const long line = grid::GETFONTHEIGHT(nullptr, big->hFont);
  g->ChangeFont(big, 0, 1);
  EXPECT_EQ(g->nHeightCell, line + 1);
  g->ChangeFont(big, 2, 2);
  EXPECT_EQ(g->nHeightHead, line + 1);
  EXPECT_EQ(g->Col(2)->oFontHead.As<gfx::TFont>(), big);
  EXPECT_NE(g->Col(1)->oFontHead.As<gfx::TFont>(), big);
  g->SwitchCols(3, 4);
  EXPECT_EQ(g->Col(4)->cHeading, rt::Value("Status"));
  EXPECT_EQ(g->nFreeze, 3);
  big->End();
}

TEST_F(PaintGrid, LoadFieldsOfAWordTable) {
  gridtest::OpenWordTable(dir, 3);
  auto g = std::make_shared<TGBrowse>();
  grid::BrowseArgs a;
  a.nWidth = 700;
  a.nHeight = 200;
  a.oWnd = owner.value();
  a.lPixel = true;
  a.cAlias = "WORTE";
  a.aHeaders = rt::Value::Array({"Deutsch", "Englisch"});
  a.aColSizes = rt::Value::Array({307, 307});
  g->New(a);
  g->LoadFields(false);
  ASSERT_EQ(g->nColCount(), 4);
  const char* headings[] = {"Deutsch", "Englisch", "Sprache", "Status"};
  const long aligns[] = {0, 0, 0, 2};
  for (long i = 1; i <= 4; ++i) {
    EXPECT_EQ(g->Col(i)->cHeading, rt::Value(headings[i - 1]));
    EXPECT_EQ(g->Col(i)->nAlign.AsInt(), aligns[i - 1]);
    EXPECT_FALSE(g->Col(i)->lEdit);
    EXPECT_EQ(g->Col(i)->nEditMove, 1);
  }
  EXPECT_EQ(g->Col(1)->nWidth, 307);
  EXPECT_EQ(g->Col(2)->nWidth, 307);
  EXPECT_EQ(g->Col(1)->cData, rt::Value("WORTE->DEUTSCH"));
  EXPECT_EQ(g->aColSizes.Len(), 4u);
  EXPECT_EQ(rt::RTRIM(g->Col(1)->bData.Eval().AsString()), "Wort000001");
}

TEST_F(PaintGrid, AThousandPaintsLeaveNoDrawingObject) {
  auto g = WordGrid(30);
  g->Col(4)->nHAlign = 3;
  gridtest::PaintFully(*g);
  svc::SetHandleTracking(true);
  const std::size_t before = svc::TrackedHandles().size();
  for (int i = 0; i < 1000; ++i) {
    InvalidateRect(g->hWnd, nullptr, TRUE);
    UpdateWindow(g->hWnd);
  }
  EXPECT_EQ(svc::TrackedHandles().size(), before);
  svc::SetHandleTracking(false);
}

TEST_F(PaintGrid, BadValuesAndNumbersOutsideTheBitmapsStillPaint) {
  auto g = WordGrid(5);
  g->Col(1)->bData = rt::Value::Block([](rt::Args) { return rt::Value::Array({1, 2}); });
  g->Col(2)->nClrBack = "kein Wert";
  g->Col(3)->lBitMap = true;
  g->Col(3)->bData = rt::Value::Block([](rt::Args) { return rt::Value(7); });
  g->aBitmaps = rt::Value::Array({rt::Value(0)});
  g->Col(4)->cHeading = rt::Value::Block([](rt::Args) { return rt::Value(); });
  gridtest::PaintFully(*g);
  PainterRecorder rec;
  InvalidateRect(g->hWnd, nullptr, TRUE);
  UpdateWindow(g->hWnd);
  std::vector<grid::CellRequest> body;
  for (const auto& c : rec.Of(CellKind::Body))
    if (c.nRow == 2) body.push_back(c);
  ASSERT_GE(body.size(), 3u);
  EXPECT_EQ(body[0].cText, "{ ... }");
  EXPECT_EQ(body[1].nClrBack, 0u);
  EXPECT_EQ(body[2].hBitmap, nullptr);
  EXPECT_EQ(body[2].nBitmapKind, 0);
}

}  // namespace

namespace {

TEST_F(PaintGrid, EditorLookWithEveryBand) {
  gridtest::OpenWordTable(dir, 14);
  rt::DBGOTO(5);
  rt::DBDELETE();
  rt::DBGOTOP();
  auto g = Grid(owner, 560, 330, "WORTE");
  g->AddColumn(FieldColumn(g, "Deutsch", 1, 170));
  g->AddColumn(FieldColumn(g, "Englisch", 2, 170));
  auto sprache = FieldColumn(g, "Sprache", 3, 40);
  sprache->nHAlign = 3;
  sprache->nAlign = 1;
  g->AddColumn(sprache);
  grid::ColumnArgs ok;
  ok.cHeading = "Gepr\xFC" "ft";
  ok.bData = rt::Value::Block([](rt::Args) {
    return rt::Value(rt::AliasEval("WORTE", [] { return rt::FIELDGET(4); }).AsInt() == 1);
  });
  ok.lBitMap = true;
  ok.nWidth = 70;
  ok.aAlign = rt::Value::Array({"CENTER"});
  ok.oBrw = rt::Value(g);
  auto check = std::make_shared<grid::TGColumn>();
  check->New(ok);
  g->AddColumn(check);
  g->Col(1)->cFooting = "14 W\xF6rter";
  g->lDrawFooters = true;
  g->lFooting = true;
  g->nHeightFoot = g->nHeightCell + 2;
  rt::Value super[] = {rt::Value(1), rt::Value(2), rt::Value("W\xF6rterbuch Deutsch - Englisch")};
  g->AddSuperHead(rt::Args(super, 3));
  const rt::Value rowBlock = rt::Value::Block([](rt::Args a) {
    const bool deleted = rt::AliasEval("WORTE", [] { return rt::Value(rt::DELETED()); }).AsLogical();
    if (deleted) return rt::Value(static_cast<long>(RGB(255, 193, 193)));
    return rt::Value(static_cast<long>(rt::Arg(a, 0).AsInt() % 2 == 0 ? RGB(227, 245, 241) : RGB(255, 255, 255)));
  });
  g->SetColor(rt::Value::Array({2, 3, 4, 5, 6, 11, 12, 15}),
              rt::Value::Array({rowBlock, 0, rt::Value::Array({0xFFFFFF, 0x808000}), 0,
                                rt::Value::Array({0xFFFFFF, 0x808080}), 0, rt::Value::Array({0xFFFFFF, 0x808080}),
                                0x808080}));
  SETHEIGHTS(*g);
  rt::DBGOTO(3);
  g->nRowPos = 3;
  ::SetFocus(g->hWnd);
  g->lFocused = true;
  gridtest::PaintFully(*g);
  EXPECT_GT(g->nHeightSuper, 0);
  EXPECT_GT(g->nHeightHead, g->nHeightCell);
  EXPECT_EQ(rt::RECNO(), 3);
  // The check boxes of the logical column: dark strokes in its cells.
  const WindowPixels px(g->hWnd);
  const int top = static_cast<int>(g->nHeightHead + g->nHeightSuper);
  int strokes = 0;
  for (int y = top; y < top + 6 * g->nHeightCell; ++y)
    for (int x = 380; x < 450; ++x) strokes += GetRValue(px.At(x, y)) < 60 && GetGValue(px.At(x, y)) < 60;
  EXPECT_GT(strokes, 10);
  ShotIfAsked(owner.w->hWnd, "VD_GRID_SHOT");
}

}  // namespace
