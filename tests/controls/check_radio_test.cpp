// Check boxes and radio groups on a real window.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/tcheckbox.h"
#include "controls/tradio.h"
#include "core/twindow.h"
#include "tests/controls/owner_window.h"

namespace {

// The owner window of every test, of this size.
struct Owner : controltest::OwnerWindow {
  Owner() : OwnerWindow(200, 300) {}
};
using controltest::Var;

unsigned long Style(HWND h) { return static_cast<unsigned long>(GetWindowLongA(h, GWL_STYLE)); }

TEST(TCheckBox, BindsALogicalAndRunsItsChangeBlockOnClick) {
  Owner owner;
  Var var;  // NIL
  std::vector<std::string> calls;
  auto box = std::make_shared<controls::TCheckBox>();
  controls::CheckBoxArgs a;
  a.nRow = 10;
  a.nCol = 20;
  a.cCaption = "Alles";
  a.bSetGet = var.Block();
  a.oWnd = owner.value();
  a.nWidth = 80;
  a.lPixel = true;
  a.bChange = rt::Value::Block([&](rt::Args args) {
    calls.push_back(std::string(args[0].AsLogical() ? ".T." : ".F.") +
                    (args.size() > 1 && args[1].As<controls::TCheckBox>() == box ? " box" : " other"));
    return rt::Value();
  });
  box->New(a);
  ASSERT_TRUE(box->hWnd);
  EXPECT_EQ(Style(box->hWnd), 0x50010003ul);
  EXPECT_EQ(*var.v, rt::Value(false));
  EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(box->nHelpId, rt::Value(100));

  box->Click();
  EXPECT_EQ(*var.v, rt::Value(true));
  EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(calls, std::vector<std::string>{".T. box"});

  box->Reset();
  EXPECT_EQ(*var.v, rt::Value(false));
  EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  box->SetCheck(true);
  EXPECT_EQ(*var.v, rt::Value(true));

  RECT r{};
  GetWindowRect(box->hWnd, &r);
  const std::string expected = "\r\n   @ 10, 20 CHECKBOX lVar PROMPT \"Alles\" SIZE " + std::to_string(r.right - r.left) +
                               ", " + std::to_string(r.bottom - r.top) + " PIXEL OF oWnd \r\n";
  EXPECT_EQ(box->cGenPrg(), expected);
}

TEST(TCheckBox, CharacterCoordinatesAndShortCaptions) {
  Owner owner;
  Var var(rt::Value(7));
  auto box = std::make_shared<controls::TCheckBox>();
  controls::CheckBoxArgs a;
  a.nRow = 2;
  a.nCol = 3;
  a.cCaption = "A";
  a.bSetGet = var.Block();
  a.oWnd = owner.value();
  box->New(a);
  EXPECT_EQ(*var.v, rt::Value(false));  // a number is no logical
  EXPECT_EQ(box->nTop, 26);
  EXPECT_EQ(box->nLeft, 21);
  EXPECT_EQ(box->nBottom, 26 + 19);
  EXPECT_GE(box->nRight, box->nLeft);
}

struct Group {
  explicit Group(Owner& owner, rt::Value start, rt::Value helpIds = {}) : var(std::move(start)) {
    controls::RadMenuArgs a;
    a.nRow = 10;
    a.nCol = 10;
    a.acItems = rt::Value::Array({"Eins", "Zwei", "Drei"});
    a.bSetGet = var.Block();
    a.oWnd = owner.value();
    a.aHelpIds = std::move(helpIds);
    a.nHeight = 20;
    a.nWidth = 60;
    a.lPixel = true;
    a.bChange = rt::Value::Block([this](rt::Args) {
      ++changes;
      return rt::Value();
    });
    menu->New(a);
  }
  std::shared_ptr<controls::TRadio> Radio(long n) const { return menu->Radio(n); }
  Var var;
  int changes = 0;
  std::shared_ptr<controls::TRadMenu> menu = std::make_shared<controls::TRadMenu>();
};

TEST(TRadMenu, OneRadioPerPromptTheFirstStartsTheGroup) {
  Owner owner;
  Group g(owner, rt::Value(2));
  ASSERT_EQ(g.menu->Count(), 3);
  EXPECT_EQ(Style(g.Radio(1)->hWnd), 0x50020009ul);
  // The system gives the checked radio of a group the tab stop.
  EXPECT_EQ(Style(g.Radio(2)->hWnd) & ~static_cast<unsigned long>(WS_TABSTOP), 0x50000009ul);
  EXPECT_EQ(Style(g.Radio(3)->hWnd), 0x50000009ul);
  EXPECT_FALSE(g.Radio(1)->lIsChecked());
  EXPECT_TRUE(g.Radio(2)->lIsChecked());
  EXPECT_EQ(g.Radio(3)->nTop, 50);  // rows 20 pixels apart
  for (long i = 1; i <= 3; ++i) EXPECT_EQ(g.Radio(i)->nHelpId, rt::Value(99 + i));
  EXPECT_EQ(g.Radio(1)->oRadMenu.As<controls::TRadMenu>(), g.menu);
  g.menu->End();
}

TEST(TRadMenu, HelpIdListsArePaddedWithTheirFirstId) {
  Owner owner;
  Group one(owner, rt::Value(1), rt::Value::Array({7}));
  for (long i = 1; i <= 3; ++i) EXPECT_EQ(one.Radio(i)->nHelpId, rt::Value(7));
  Group two(owner, rt::Value(1), rt::Value::Array({7, 8}));
  EXPECT_EQ(two.Radio(3)->nHelpId, rt::Value(7));
  EXPECT_EQ(two.Radio(2)->nHelpId, rt::Value(8));
  one.menu->End();
  two.menu->End();
}

TEST(TRadMenu, AVariableOutsideTheOptionsNamesTheFirst) {
  Owner owner;
  for (const rt::Value& start : {rt::Value(0), rt::Value(9), rt::Value("x"), rt::Value()}) {
    Group g(owner, start);
    EXPECT_EQ(*g.var.v, rt::Value(1));
    EXPECT_TRUE(g.Radio(1)->lIsChecked());
    g.Radio(1)->KeyDown(VK_DOWN, 0);
    EXPECT_EQ(*g.var.v, rt::Value(2));
    g.menu->End();
  }
}

TEST(TRadMenu, SetOptionIgnoresZeroTheCurrentAndTooHigh) {
  Owner owner;
  Group g(owner, rt::Value(2));
  for (long n : {0L, 2L, 4L, -1L}) {
    g.menu->SetOption(n);
    EXPECT_EQ(*g.var.v, rt::Value(2)) << n;
    EXPECT_EQ(g.changes, 0) << n;
  }
  g.menu->SetOption(3);
  EXPECT_EQ(*g.var.v, rt::Value(3));
  EXPECT_EQ(g.changes, 1);
  EXPECT_FALSE(g.Radio(2)->lIsChecked());
  EXPECT_TRUE(g.Radio(3)->lIsChecked());
  g.menu->End();
}

TEST(TRadMenu, ArrowKeysWrapAndCarryTheFocus) {
  Owner owner;
  Group g(owner, rt::Value(3));
  EXPECT_EQ(g.Radio(3)->KeyDown(VK_DOWN, 0), rt::Value(0));
  EXPECT_EQ(*g.var.v, rt::Value(1));
  EXPECT_TRUE(g.Radio(1)->lIsChecked());
  EXPECT_FALSE(g.Radio(3)->lIsChecked());
  EXPECT_EQ(GetFocus(), g.Radio(1)->hWnd);
  g.Radio(1)->KeyDown(VK_UP, 0);
  EXPECT_EQ(*g.var.v, rt::Value(3));
  EXPECT_EQ(GetFocus(), g.Radio(3)->hWnd);
  g.Radio(3)->KeyDown(VK_LEFT, 0);
  EXPECT_EQ(*g.var.v, rt::Value(2));
  g.menu->End();
}

TEST(TRadMenu, ClickSelectsTheRadioAndRefreshFollowsTheVariable) {
  Owner owner;
  Group g(owner, rt::Value(1));
  g.Radio(2)->Click();
  EXPECT_EQ(*g.var.v, rt::Value(2));
  EXPECT_TRUE(g.Radio(2)->lIsChecked());
  *g.var.v = rt::Value(3);
  g.menu->Refresh();
  EXPECT_TRUE(g.Radio(3)->lIsChecked());
  EXPECT_FALSE(g.Radio(2)->lIsChecked());
  g.menu->GoNext();
  EXPECT_EQ(*g.var.v, rt::Value(1));
  g.menu->GoPrev();
  EXPECT_EQ(*g.var.v, rt::Value(3));
  g.menu->End();
}

}  // namespace
