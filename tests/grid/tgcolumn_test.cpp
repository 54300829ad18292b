// The grid column: defaults with and without a grid, alignment and 3-D
// words, the design record and its damaged forms.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

#include "graphics/colour.h"
#include "graphics/tfont.h"
#include "grid/grid_geometry.h"
#include "core/design_record.h"
#include "grid/tgcolumn.h"
#include "runtime/error.h"
#include "runtime/numbers.h"

namespace {

using grid::ColumnArgs;
using grid::TGColumn;

long ScreenWidth(const std::string& text) {
  const HDC dc = GetDC(nullptr);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

// What a grid offers a new column: its colours and its font.
class StandInGrid : public rt::Object {
 public:
  RT_CLASS_DECL()
  long nClrText = 1, nClrPane = 2, nClrHeadFore = 3, nClrHeadBack = 4, nClrFocuFore = 5, nClrFocuBack = 6,
       nClrEditFore = 7, nClrEditBack = 8, nClrFootFore = 9, nClrFootBack = 10, nClrSeleFore = 11, nClrSeleBack = 12,
       nClrOrdeFore = 13, nClrOrdeBack = 14;
  rt::Value oFont;
};

const rt::ClassInfo& StandInGrid::ClassDef() {
  static const rt::ClassInfo info("STANDINGRID", nullptr, rt::FactoryOf<StandInGrid>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<StandInGrid>(c)
        .Data("nClrText", &StandInGrid::nClrText)
        .Data("nClrPane", &StandInGrid::nClrPane)
        .Data("nClrHeadFore", &StandInGrid::nClrHeadFore)
        .Data("nClrHeadBack", &StandInGrid::nClrHeadBack)
        .Data("nClrFocuFore", &StandInGrid::nClrFocuFore)
        .Data("nClrFocuBack", &StandInGrid::nClrFocuBack)
        .Data("nClrEditFore", &StandInGrid::nClrEditFore)
        .Data("nClrEditBack", &StandInGrid::nClrEditBack)
        .Data("nClrFootFore", &StandInGrid::nClrFootFore)
        .Data("nClrFootBack", &StandInGrid::nClrFootBack)
        .Data("nClrSeleFore", &StandInGrid::nClrSeleFore)
        .Data("nClrSeleBack", &StandInGrid::nClrSeleBack)
        .Data("nClrOrdeFore", &StandInGrid::nClrOrdeFore)
        .Data("nClrOrdeBack", &StandInGrid::nClrOrdeBack)
        .Data("oFont", &StandInGrid::oFont);
  });
  return info;
}

std::shared_ptr<TGColumn> Column(const ColumnArgs& a = {}) {
  auto c = std::make_shared<TGColumn>();
  c->New(a);
  return c;
}

std::vector<rt::Value> Colours(const TGColumn& c) {
  return {c.nClrFore,     c.nClrBack,     c.nClrHeadFore, c.nClrHeadBack, c.nClrFocuFore,
          c.nClrFocuBack, c.nClrEditFore, c.nClrEditBack, c.nClrFootFore, c.nClrFootBack,
          c.nClrSeleFore, c.nClrSeleBack, c.nClrOrdeFore, c.nClrOrdeBack};
}

TEST(TGColumn, DefaultsWithoutAGrid) {
  const auto c = Column();
  EXPECT_EQ(c->cHeading, rt::Value(""));
  EXPECT_EQ(c->cMsg, rt::Value("Para cancelar la edici\xF3n, presiona [Esc]"));
  const int system[] = {8, 5, 18, 15, 14, 13, 8, 5, 18, 15, -1, -1, 18, 15};
  const long fixed[] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0C0C0, 0x808080, 0, 0};
  const auto colours = Colours(*c);
  for (std::size_t i = 0; i < colours.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(colours[i].AsInt(), system[i] >= 0 ? gfx::GETSYSCOLOR(system[i]) : fixed[i]);
  }
  EXPECT_EQ(c->nClr3DLCell.AsInt(), gfx::GETSYSCOLOR(20));
  EXPECT_EQ(c->nClr3DSFoot.AsInt(), gfx::GETSYSCOLOR(16));
  EXPECT_EQ(c->nEditMove, 1);
  EXPECT_TRUE(c->lAppend);
  EXPECT_FALSE(c->lAdjBmp);
  EXPECT_TRUE(c->bValid.Eval().AsLogical());
  // NIL counts as its three letters, plus one.
  EXPECT_EQ(c->nWidth, static_cast<long>(0.67 * ScreenWidth("BBBB")));
  ColumnArgs bitmap;
  bitmap.lBitMap = true;
  EXPECT_EQ(Column(bitmap)->nWidth, 16);
}

TEST(TGColumn, MissingColoursAndFontComeFromTheGrid) {
  auto stand = std::make_shared<StandInGrid>();
  auto font = std::make_shared<gfx::TFont>()->New("Arial", 0, -12);
  stand->oFont = rt::Value(font);
  ColumnArgs a;
  a.oBrw = rt::Value(stand);
  a.cHeading = "Deutsch";
  a.aColors = rt::Value::Array({100, rt::Value(), 300});
  const auto c = Column(a);
  const auto colours = Colours(*c);
  EXPECT_EQ(colours[0].AsInt(), 100);
  EXPECT_EQ(colours[1].AsInt(), 2);
  EXPECT_EQ(colours[2].AsInt(), 300);
  for (std::size_t i = 3; i < colours.size(); ++i) EXPECT_EQ(colours[i].AsInt(), static_cast<long>(i + 1));
  EXPECT_EQ(c->oFont.As<gfx::TFont>(), font);
  EXPECT_EQ(c->oFontHead.As<gfx::TFont>(), font);
  const int w = grid::SBGETHEIGHT(nullptr, font->hFont, 1);
  EXPECT_EQ(c->nWidth, std::lround(w * 7 * 1.3));
  font->End();
}

TEST(TGColumn, AlignmentAnd3DWords) {
  struct Case {
    rt::Value aAlign;
    long cell, head, foot;
  };
  const Case aligns[] = {
      {rt::Value::Array({"right"}), 2, 2, 2},
      {rt::Value::Array({"Vert", 1}), 3, 1, 3},
      {rt::Value::Array({"xyz"}), 0, 0, 0},
      {rt::Value::Array({"CENTER", rt::Value(), "left"}), 1, 1, 0},
      {rt::Value(7), 0, 0, 0},
  };
  for (const Case& k : aligns) {
    ColumnArgs a;
    a.aAlign = k.aAlign;
    const auto c = Column(a);
    EXPECT_EQ(c->nAlign.AsInt(), k.cell);
    EXPECT_EQ(c->nHAlign.AsInt(), k.head);
    EXPECT_EQ(c->nFAlign.AsInt(), k.foot);
  }
  struct Look {
    rt::Value a3D;
    bool cell, head, foot;
  };
  const Look looks[] = {
      {rt::Value::Array({"si"}), true, true, true},
      {rt::Value::Array({".t.", "NO"}), true, false, true},
      {rt::Value::Array({"yes", rt::Value(), true}), true, true, true},
      {rt::Value::Array({5}), false, false, false},
  };
  for (const Look& k : looks) {
    ColumnArgs a;
    a.a3DLook = k.a3D;
    const auto c = Column(a);
    EXPECT_EQ(c->l3DLook, k.cell);
    EXPECT_EQ(c->l3DLookHead, k.head);
    EXPECT_EQ(c->l3DLookFoot, k.foot);
  }
}

TEST(TGColumn, DataBlockYieldingAListAndWrongTypes) {
  ColumnArgs a;
  const rt::Value inner = rt::Value::Block([](rt::Args) { return rt::Value("Haus"); });
  const rt::Value list = rt::Value::Array({"Haus", "Hof"});
  a.bData = rt::Value::Block([inner, list](rt::Args) { return rt::Value::Array({inner, list}); });
  a.cHeading = 42;
  a.aColors = "red";
  const auto c = Column(a);
  EXPECT_EQ(c->bData, inner);
  EXPECT_EQ(c->aList, list);
  EXPECT_EQ(c->cHeading.AsInt(), 42);
  EXPECT_EQ(c->nClrFore.AsInt(), gfx::GETSYSCOLOR(8));
  // The longer of heading "42" and value "Haus", plus one.
  EXPECT_EQ(c->nWidth, static_cast<long>(0.67 * ScreenWidth("BBBBB")));
}

TEST(TGColumn, SaveWritesOnlyWhatDiffersAndLoadRestoresIt) {
  ColumnArgs a;
  a.cHeading = "Wort";
  a.nWidth = 40;
  const auto c = Column(a);
  const std::string expected = "O" + rt::I2BIN(42) + rt::I2BIN(8) + "TGColumn" + rt::I2BIN(2) + rt::I2BIN(8) +
                               "cHeading" + "C" + rt::I2BIN(4) + "Wort" + rt::I2BIN(6) + "nWidth" + "N" +
                               rt::I2BIN(2) + "40";
  const std::string record = c->Save();
  EXPECT_EQ(record, expected);
  const auto copy = Column();
  EXPECT_TRUE(copy->Load(record.substr(1 + 2 + 2 + 8)));
  EXPECT_EQ(copy->cHeading, rt::Value("Wort"));
  EXPECT_EQ(copy->nWidth, 40);
  EXPECT_EQ(Column()->Save(), "O" + rt::I2BIN(12) + rt::I2BIN(8) + "TGColumn" + rt::I2BIN(0));
  copy->OnEdit = "Pruefen()";
  const std::string withEvent = copy->Save();
  EXPECT_NE(withEvent.find(rt::I2BIN(6) + "OnEdit" + "C" + rt::I2BIN(9) + "Pruefen()"), std::string::npos);
}

TEST(TGColumn, DamagedRecordsRaiseAnErrorAndChangeNothing) {
  const std::string good = rt::I2BIN(2) + rt::I2BIN(8) + "cHeading" + "C" + rt::I2BIN(4) + "Wort" + rt::I2BIN(6) +
                           "nWidth" + "N" + rt::I2BIN(2) + "40";
  const std::string cases[] = {
      good.substr(0, 1),                                                          // count cut
      good.substr(0, 7),                                                          // name cut
      good.substr(0, good.size() - 1),                                            // value cut
      rt::I2BIN(1) + rt::I2BIN(5) + "bData" + "C" + rt::I2BIN(1) + "x",           // a block member
      rt::I2BIN(1) + rt::I2BIN(8) + "cHeading" + "C" + rt::I2BIN(200) + "Wort",   // length past the end
      rt::I2BIN(1) + rt::I2BIN(-3) + "cHeading",                                  // negative length
      rt::I2BIN(3) + good.substr(2),                                              // more items than there are
      rt::I2BIN(1) + rt::I2BIN(8) + "cHeading" + "A" + rt::I2BIN(2) + rt::I2BIN(5),  // array cut inside
  };
  int errors = 0;
  rt::ErrorBlockScope scope(rt::Value::Block([&](rt::Args e) {
    ++errors;
    EXPECT_EQ(e[0].As<rt::Error>()->genCode, rt::EG_CORRUPTION);
    return rt::Value(false);
  }));
  for (const std::string& data : cases) {
    SCOPED_TRACE(testing::PrintToString(data));
    const auto c = Column();
    const long width = c->nWidth;
    const int before = errors;
    EXPECT_FALSE(c->Load(data));
    EXPECT_EQ(errors, before + 1);
    EXPECT_EQ(c->cHeading, rt::Value(""));
    EXPECT_EQ(c->nWidth, width);
    EXPECT_TRUE(c->bData.IsBlock());
  }
  // An unknown type letter is skipped, the rest is taken.
  const auto c = Column();
  EXPECT_TRUE(c->Load(rt::I2BIN(2) + rt::I2BIN(8) + "cPicture" + "X" + rt::I2BIN(3) + "abc" + rt::I2BIN(8) +
                      "cHeading" + "C" + rt::I2BIN(2) + "Ok"));
  EXPECT_EQ(c->cHeading, rt::Value("Ok"));
  EXPECT_TRUE(c->cPicture.IsNil());
}

TEST(TGColumn, OREADMakesAColumnFromItsRecord) {
  ColumnArgs a;
  a.cHeading = "Wort";
  a.nWidth = 40;
  const std::string record = Column(a)->Save();
  core::RecordReader r(record);
  const auto made = r.Value();
  ASSERT_TRUE(made.has_value());
  const auto column = made->As<TGColumn>();
  ASSERT_NE(column, nullptr);
  EXPECT_EQ(column->cHeading, rt::Value("Wort"));
  EXPECT_EQ(column->nWidth, 40);
}

TEST(TGColumn, SaveRefusesValuesPastTheRecordLimit) {
  ColumnArgs a;
  a.cHeading = std::string(40000, 'x');
  const auto c = Column(a);
  int errors = 0;
  rt::ErrorBlockScope scope(rt::Value::Block([&](rt::Args e) {
    ++errors;
    EXPECT_EQ(e[0].As<rt::Error>()->genCode, rt::EG_LIMIT);
    return rt::Value(false);
  }));
  EXPECT_EQ(c->Save(), "");
  EXPECT_EQ(errors, 1);
}

}  // namespace
