#include "grid/cell_painter.h"

#include <gtest/gtest.h>

#include <vector>

#include "cell_fixture.h"
#include "grid/cell_parts.h"

namespace {

using gridtest::CellFixture;
using gridtest::kBlack;
using gridtest::kBlue;
using gridtest::kGreen;
using gridtest::kRed;
using gridtest::kWhite;
using gridtest::kYellow;

class CellPainter : public ::testing::Test, protected CellFixture {};

// Topmost row holding the colour, -1 when there is none.
int TopRow(const CellFixture& f, COLORREF colour) {
  for (int y = 0; y < gridtest::kHeight; ++y) {
    if (f.canvas.CountOther(0, y, gridtest::kWidth, y + 1, colour) < gridtest::kWidth) return y;
  }
  return -1;
}

TEST_F(CellPainter, BodyRowsStartBelowTheHeadersOnePixelUp) {
  struct Case {
    int super, head, row;
  };
  for (const Case& k : {Case{0, 20, 1}, Case{0, 20, 3}, Case{10, 20, 2}, Case{5, 0, 1}}) {
    CellFixture f;
    grid::CellRequest c = f.Body(k.row, 20, 40);
    c.nHeightSuper = k.super;
    c.nHeightHead = k.head;
    grid::DrawCell(c);
    const int top = CellFixture::RowTop(c);
    SCOPED_TRACE(top);
    EXPECT_EQ(f.At(30, top), kRed);
    EXPECT_EQ(f.At(30, top - 1), kWhite);
    // Line style 0 lets the background run one pixel past the row.
    EXPECT_EQ(f.At(30, top + 16), kRed);
    EXPECT_EQ(f.At(30, top + 17), kWhite);
  }
}

TEST_F(CellPainter, FooterStandsAtTheBottomWhateverRowItComesWith) {
  for (int row : {0, 5}) {
    CellFixture f;
    grid::CellRequest c = f.Body(row, 20, 40);
    c.nKind = grid::CellKind::Footer;
    c.nHeightCell = c.nHeightFoot;
    grid::DrawCell(c);
    EXPECT_EQ(f.At(30, gridtest::kHeight - 18), kRed) << row;
    EXPECT_EQ(f.At(30, gridtest::kHeight - 19), kWhite) << row;
  }
}

TEST_F(CellPainter, CellsPastTheClientAreaAreNotDrawn) {
  struct Case {
    int row, left;
    bool drawn;
  };
  // Row 6 ends at 115, row 7 would end at 131 in a 120-pixel window.
  for (const Case& k : {Case{6, 20, true}, Case{7, 20, false}, Case{1, 201, false}}) {
    CellFixture f;
    grid::DrawCell(f.Body(k.row, k.left, 40));
    EXPECT_EQ(f.Count(kWhite) < gridtest::kWidth * gridtest::kHeight, k.drawn) << k.row << " " << k.left;
  }
}

TEST_F(CellPainter, WidthMinusOneRunsToTheRightEdgeWithLinesMinusTwoWithout) {
  for (int width : {-1, -2}) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 50, width);
    c.nLineStyle = 1;
    grid::DrawCell(c);
    const COLORREF edge = width == -1 ? kBlue : kRed;
    EXPECT_EQ(f.At(gridtest::kWidth - 1, 26), edge) << width;
    EXPECT_EQ(f.At(49, 26), width == -1 ? kBlue : kWhite) << width;
    EXPECT_EQ(f.At(120, 26), kRed);
  }
}

TEST_F(CellPainter, LineStylesPickTheEdgesOutsideTitleCells) {
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  struct Case {
    const char* what;
    int style;
    grid::CellKind kind;
    bool look3D;
    RECT frame;
    COLORREF left, top, right, bottom;  // 0 for "not the line colour"
  };
  const Case cases[] = {
      {"body, all", 1, grid::CellKind::Body, false, {19, 18, 59, 34}, kBlue, kBlue, kBlue, kBlue},
      {"body, vertical", 2, grid::CellKind::Body, false, {19, 18, 59, 35}, kBlue, 0, kBlue, 0},
      {"body, horizontal", 3, grid::CellKind::Body, false, {19, 18, 59, 34}, 0, kBlue, 0, kBlue},
      {"header, vertical", 2, grid::CellKind::Header, false, {19, 8, 59, 28}, kBlue, kBlue, kBlue, kBlue},
      {"3-D body, all", 1, grid::CellKind::Body, true, {20, 19, 59, 34}, light, light, kBlue, kBlue},
  };
  for (const Case& k : cases) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 20, 40);
    c.nLineStyle = k.style;
    c.l3DLook = k.look3D;
    if (k.kind == grid::CellKind::Header) {
      c.nRow = 0;
      c.nKind = k.kind;
      c.nHeightSuper = 10;
      c.nHeightCell = c.nHeightHead;
    }
    grid::DrawCell(c);
    SCOPED_TRACE(k.what);
    const int midX = (k.frame.left + k.frame.right) / 2;
    const int midY = (k.frame.top + k.frame.bottom) / 2;
    const auto expect = [&](int x, int y, COLORREF wanted) {
      if (wanted) {
        EXPECT_EQ(f.At(x, y), wanted) << x << "," << y;
      } else {
        EXPECT_NE(f.At(x, y), kBlue) << x << "," << y;
      }
    };
    expect(k.frame.left, midY, k.left);
    expect(midX, k.frame.top, k.top);
    expect(k.frame.right, midY, k.right);
    expect(midX, k.frame.bottom, k.bottom);
  }
}

TEST_F(CellPainter, DottedLinesVanishWhenDrawnAgain) {
  SetBkColor(canvas.dc(), kWhite);
  const RECT frame{20, 20, 80, 40};
  const HPEN pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  grid::DrawCellLines(canvas.dc(), frame, pen, pen, 5, false);
  EXPECT_GT(canvas.CountOther(0, 0, gridtest::kWidth, gridtest::kHeight, kWhite), 0);
  grid::DrawCellLines(canvas.dc(), frame, pen, pen, 5, false);
  EXPECT_EQ(canvas.CountOther(0, 0, gridtest::kWidth, gridtest::kHeight, kWhite), 0);

  // In a cell the dotted frame lies inside the background.
  grid::CellRequest c = Body(1, 20, 40);
  c.nLineStyle = 5;
  grid::DrawCell(c);
  EXPECT_GT(canvas.CountOther(20, 19, 60, 36, kRed), 0);
}

TEST_F(CellPainter, RaisedAndSunkenTextIsDrawnThreeTimes) {
  struct Case {
    std::optional<bool> raised;
  };
  for (const Case& k : {Case{std::nullopt}, Case{true}, Case{false}}) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 20, 100);
    c.nClrBack = kWhite;
    c.cText = "WMW";
    c.l3DTextCell = k.raised;
    c.nClr3DLCell = kRed;
    c.nClr3DSCell = kGreen;
    grid::DrawCell(c);
    EXPECT_GT(f.Count(kBlack), 0);
    if (!k.raised) {
      EXPECT_EQ(f.Count(kRed), 0);
      EXPECT_EQ(f.Count(kGreen), 0);
      continue;
    }
    ASSERT_GT(f.Count(kRed), 0);
    ASSERT_GT(f.Count(kGreen), 0);
    // Raised: light up-left, shadow down-right; sunken the other way.
    const int redTop = TopRow(f, kRed);
    const int greenTop = TopRow(f, kGreen);
    EXPECT_EQ(redTop < greenTop, *k.raised) << redTop << " " << greenTop;
  }
}

TEST_F(CellPainter, GradientRunsFromTheStartColourToTheLastRowAboveTheBottom) {
  struct Case {
    int from, to, step;
  };
  // Line style 1 keeps the background to the row's 16 pixels: 16 bands.
  for (const Case& k : {Case{200, 40, -10}, Case{10, 170, 10}, Case{0, 5, 0}}) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 20, -2);
    c.nLineStyle = 1;
    c.lGradient = true;
    c.nClrBack = RGB(k.from, 0, 255 - k.from);
    c.nClrGradEnd = RGB(k.to, 0, 255 - k.to);
    grid::DrawCell(c);
    const int top = CellFixture::RowTop(c);
    for (int band = 0; band < 16; ++band) {
      const int red = k.from + band * k.step;
      const int blue = 255 - k.from - band * k.step;
      EXPECT_EQ(f.At(100, top + band), RGB(red, 0, blue)) << k.from << " band " << band;
    }
    EXPECT_EQ(f.At(100, top + 16), kWhite);
  }
}

TEST_F(CellPainter, CheckBoxShowsThreeStrokesWhenChecked) {
  for (int mode : {3, 4}) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 20, 40);
    c.nAlign = 1;
    c.nMode = mode;
    c.cText = "ignored";
    grid::DrawCell(c);
    // Box at (32, 20); its inner frame gives t 23, r 44, b 33.
    EXPECT_EQ(f.At(31, 28), kBlack);
    EXPECT_EQ(f.At(48, 28), kBlack);
    EXPECT_EQ(f.At(32, 28), RGB(128, 128, 128));
    const COLORREF stroke = mode == 3 ? kBlack : kWhite;
    for (int k = 0; k < 3; ++k) {
      EXPECT_EQ(f.At(44, 23 + k), stroke) << mode << " stroke " << k;
      EXPECT_EQ(f.At(40, 30 + k), stroke) << mode << " stroke " << k;
    }
    EXPECT_EQ(f.At(41, 25), kWhite);
  }
}

class BitmapCell : public CellPainter {
 protected:
  // An 8 x 6 bitmap in one colour, the pixel at (4, 3) in another.
  BitmapCell() : bitmap_(CreateCompatibleBitmap(canvas.dc(), 8, 6)) {
    HDC mem = CreateCompatibleDC(canvas.dc());
    HGDIOBJ old = SelectObject(mem, bitmap_);
    HBRUSH brush = CreateSolidBrush(kFill);
    const RECT all{0, 0, 8, 6};
    FillRect(mem, &all, brush);
    DeleteObject(brush);
    SetPixel(mem, 4, 3, kMark);
    SelectObject(mem, old);
    DeleteDC(mem);
  }
  ~BitmapCell() override { DeleteObject(bitmap_); }

  grid::CellRequest Cell(CellFixture& f) {
    grid::CellRequest c = f.Body(1, 20, 40);
    c.nBitmapKind = 2;
    c.hBitmap = bitmap_;
    c.nClrBack = kYellow;
    return c;
  }

  static constexpr COLORREF kFill = RGB(255, 0, 255);
  static constexpr COLORREF kMark = RGB(255, 0, 0);
  HBITMAP bitmap_;
};

TEST_F(BitmapCell, AnchorsFollowAlignmentAndStretching) {
  struct Case {
    const char* what;
    int align;
    bool adjust, look3D;
    RECT expected;  // covered pixels, right and bottom exclusive
  };
  // Content rectangle of row 1: left 22, top 19, right 58, bottom 36.
  const Case cases[] = {
      {"left", 0, false, false, {22, 24, 30, 30}},
      {"centre", 1, false, false, {35, 24, 43, 30}},
      {"right", 2, false, false, {49, 24, 57, 30}},
      {"stretched flat", 0, true, false, {20, 19, 59, 35}},
      {"stretched 3-D", 0, true, true, {21, 20, 58, 36}},
  };
  for (const Case& k : cases) {
    CellFixture f;
    grid::CellRequest c = Cell(f);
    c.nAlign = k.align;
    c.lAdjBmp = k.adjust;
    c.l3DLook = k.look3D;
    grid::DrawCell(c);
    SCOPED_TRACE(k.what);
    const RECT& e = k.expected;
    EXPECT_EQ(f.At(e.left, e.top), kFill);
    EXPECT_EQ(f.At(e.right - 1, e.bottom - 1), kFill);
    // Only the marked pixel differs (stretched, it grows).
    if (!k.adjust) {
      EXPECT_EQ(f.canvas.CountOther(e.left, e.top, e.right, e.bottom, kFill), 1);
    }
    EXPECT_NE(f.At(e.left - 1, e.top + 1), kFill);
    EXPECT_NE(f.At(e.left + 1, e.top - 1), kFill);
    EXPECT_NE(f.At(e.right, e.bottom - 2), kFill);
    EXPECT_NE(f.At(e.right - 2, e.bottom), kFill);
  }
}

TEST_F(BitmapCell, KindOneMakesTheCornerColourTheBackground) {
  grid::CellRequest c = Cell(*this);
  c.nBitmapKind = 1;
  grid::DrawCell(c);
  EXPECT_EQ(Count(kFill), 0);
  EXPECT_EQ(At(22 + 4, 24 + 3), kMark);
  EXPECT_EQ(At(22, 24), kYellow);
}

TEST_F(BitmapCell, KindOneKeepsACornerInTheEntryBackground) {
  SetBkColor(canvas.dc(), kFill);
  grid::CellRequest c = Cell(*this);
  c.nBitmapKind = 1;
  grid::DrawCell(c);
  EXPECT_EQ(Count(kFill), 8 * 6 - 1);
  EXPECT_EQ(GetBkColor(canvas.dc()), kFill);
}

TEST_F(CellPainter, BadBitmapsAndFontsDrawBackgroundAndLinesOnly) {
  HBITMAP stale = CreateBitmap(4, 4, 1, 32, nullptr);
  DeleteObject(stale);
  for (HBITMAP bitmap : {HBITMAP{}, stale}) {
    CellFixture f;
    grid::CellRequest c = f.Body(1, 20, 40);
    c.nBitmapKind = 1;
    c.hBitmap = bitmap;
    c.nLineStyle = 1;
    c.hFont = reinterpret_cast<HFONT>(bitmap);
    grid::DrawCell(c);
    EXPECT_EQ(f.At(40, 26), kRed);
    EXPECT_EQ(f.At(19, 26), kBlue);
  }
}

TEST_F(CellPainter, PositionalParametersReadLeniently) {
  const auto number = [](auto h) { return rt::Value(static_cast<double>(reinterpret_cast<std::intptr_t>(h))); };
  // Row 1 at 20, width 40, text "x", red background, 16-pixel rows under a
  // 20-pixel header; the font is given as text and counts as 0.
  std::vector<rt::Value> args = {number(window.hwnd()), number(canvas.dc()), 1, 20, 40, "x", 0, 0,
                                 static_cast<double>(kRed), "font", 0, 16, rt::Value(), 0, 0, 0, 20};
  grid::TGDRAWCELL(args);
  EXPECT_EQ(At(50, 19), kRed);
  EXPECT_EQ(At(50, 18), kWhite);

  std::vector<rt::Value> none;
  grid::TGDRAWCELL(none);
  const grid::CellRequest c = grid::CellRequestOf(args);
  EXPECT_EQ(c.hFont, nullptr);
  EXPECT_FALSE(c.l3DTextCell.has_value());
  args.resize(29);
  args[26] = false;
  EXPECT_EQ(grid::CellRequestOf(args).l3DTextCell, std::optional<bool>(false));
}

}  // namespace
