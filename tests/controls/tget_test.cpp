// The edit field under Wine: its window, keys through the Get buffer, the
// spinner steps and the read-only and redefined cases.
#include <gtest/gtest.h>
#include <windows.h>

#include "controls/tget.h"
#include "runtime/dates.h"
#include "runtime/settings.h"

namespace {

struct Field {
  rt::Value value;
  rt::Value Block() {
    return rt::Value::Block([this](rt::Args a) {
      if (!a.empty()) value = a[0];
      return value;
    });
  }
};

class TGetTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = rt::Sets();
    rt::Sets().dateFormat = "dd.mm.yyyy";
    rt::Sets().century = true;
    owner_ = std::make_shared<core::TWindow>();
    core::WindowArgs w;
    w.nTop = 10;
    w.nLeft = 10;
    w.nBottom = 300;
    w.nRight = 500;
    w.lPixel = true;
    owner_->New(w);
  }
  void TearDown() override {
    owner_->Destroy();
    rt::Sets() = saved_;
  }

  std::shared_ptr<controls::TGet> Make(Field& f, const char* picture, bool spinner = false, bool readOnly = false) {
    controls::GetArgs a;
    a.nRow = 2;
    a.nCol = 3;
    a.bSetGet = f.Block();
    a.oWnd = rt::Value(owner_);
    a.nWidth = 100;
    if (picture) a.cPicture = picture;
    a.lSpinner = spinner;
    a.lReadOnly = readOnly;
    auto g = std::make_shared<controls::TGet>();
    g->New(a);
    return g;
  }

  std::shared_ptr<core::TWindow> owner_;

 private:
  rt::SetTable saved_;
};

TEST_F(TGetTest, WindowStyleAndPlace) {
  Field f{rt::Value("haus")};
  auto g = Make(f, nullptr);
  ASSERT_NE(g->hWnd, nullptr);
  EXPECT_EQ(g->nStyle, 0x50810080);
  EXPECT_EQ(GetWindowLongA(g->hWnd, GWL_STYLE) & ~WS_BORDER, 0x50010080);
  EXPECT_EQ(g->nTop, 2 * 13);
  EXPECT_EQ(g->nLeft, 3 * 8);
  EXPECT_EQ(g->nBottom - g->nTop + 1, 12);
  EXPECT_EQ(g->cText(), "haus");
  Field n{rt::Value(5)};
  auto spin = Make(n, "999", true);
  EXPECT_GE(spin->nBottom - spin->nTop + 1, 15);
  EXPECT_EQ(spin->nRight - spin->nLeft + 1, 120);
  EXPECT_TRUE(spin->nStyle & WS_VSCROLL);
  EXPECT_EQ(g->cGenPrg(), "\r\n   @  26,  24 GET oGet SIZE  99,  11 PIXEL OF oWnd \r\n");
}

TEST_F(TGetTest, CommaJumpsToTheDecimals) {
  Field f{rt::Value(12.5)};
  auto g = Make(f, "999.999");
  g->GotFocus(0);
  g->GoHome();
  g->KeyChar('5', 0);
  g->KeyChar(',', 0);
  EXPECT_EQ(g->oGet->Pos(), 5);
  g->KeyChar('2', 0);
  g->KeyChar('5', 0);
  EXPECT_EQ(g->cText(), "  5.250");
  g->LostFocus(0);
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 5.25);
}

TEST_F(TGetTest, RightSkipsLiteralsAndLettersAreRefused) {
  Field f{rt::Value("1234")};
  auto g = Make(f, "@R 99/99");
  g->GotFocus(0);
  g->KeyDown(VK_RIGHT, 0);
  g->KeyDown(VK_RIGHT, 0);
  EXPECT_EQ(g->nPos, 4);
  long start = 0, end = 0;
  g->GetSelPos(start, end);
  EXPECT_EQ(end, 3);
  g->KeyChar('x', 0);
  EXPECT_EQ(g->cText(), "12/34");
  g->KeyChar('7', 0);
  EXPECT_EQ(g->cText(), "12/74");
  g->LostFocus(0);
  EXPECT_EQ(f.value, rt::Value("1274"));
}

TEST_F(TGetTest, DateStepsKeepTheMonthsLastDay) {
  Field f{rt::Value(rt::MakeDate(2024, 1, 31))};
  auto g = Make(f, nullptr, true);
  g->nPos = 4;
  g->Increment();
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2024, 2, 29)));
  g->nPos = 7;
  g->Increment();
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2025, 2, 28)));
}

TEST_F(TGetTest, NumberStepsStopAtTheBound) {
  Field f{rt::Value::Num(9.8, 5, 1)};
  auto g = Make(f, "99.9", true);
  g->bMax = rt::Value::Block([](rt::Args) { return rt::Value(10); });
  g->nPos = 4;
  g->Increment();
  g->nPos = 4;
  g->Increment();
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 10.0) << "0.1 steps add up without drift";
  g->nPos = 4;
  g->Increment();
  EXPECT_DOUBLE_EQ(f.value.AsNumber(), 10.0) << "past bMax the value stays";
}

TEST_F(TGetTest, ReadOnlyAndRedefinedOverNil) {
  Field f{rt::Value("fest")};
  auto g = Make(f, nullptr, false, true);
  g->GotFocus(0);
  g->KeyChar('x', 0);
  g->KeyDown(VK_BACK, 0);
  EXPECT_EQ(g->cText(), "fest");
  EXPECT_FALSE(g->nStyle & WS_TABSTOP);

  Field nil;
  auto r = std::make_shared<controls::TGet>();
  controls::GetRedefineArgs a;
  a.nId = 200;
  a.bSetGet = nil.Block();
  a.oWnd = rt::Value(owner_);
  r->ReDefine(a);
  EXPECT_EQ(nil.value, rt::Value(std::string(30, ' ')));
}

TEST_F(TGetTest, BadDateIsRefusedAndTheVariableKept) {
  Field f{rt::Value(rt::MakeDate(2024, 1, 31))};
  auto g = Make(f, nullptr);
  g->GotFocus(0);
  for (char c : std::string("3102")) g->KeyChar(c, 0);
  EXPECT_FALSE(g->lValid());
  g->LostFocus(0);
  EXPECT_EQ(f.value, rt::Value(rt::MakeDate(2024, 1, 31)));
}

}  // namespace
