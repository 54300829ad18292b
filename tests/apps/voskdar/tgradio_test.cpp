#include "apps/voskdar/tgradio.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "apps/voskdar/glyph_hex.h"
#include "core/twindow.h"
#include "services/int32.h"
#include "tests/controls/owner_window.h"

namespace {

// The owner window of every test, of this size.
struct Owner : controltest::OwnerWindow {
  Owner() : OwnerWindow(300, 400, RGB(255, 255, 255)) {}
};
using controltest::Var;

std::shared_ptr<voskdar::TGRadio> Make(Owner& owner, const rt::Value& items, const Var& var, int row,
                                       const char* style = "CHECK") {
  auto g = std::make_shared<voskdar::TGRadio>();
  voskdar::GRadioArgs a;
  a.nRow = row;
  a.nCol = 10;
  a.aItems = items;
  a.bSetGet = var.Block();
  a.oWnd = rt::Value(owner.w);
  a.nWidth = 120;
  a.nHeight = 20;
  a.lPixel = true;
  a.cBoxStyle = style;
  g->New(a);
  return g;
}

TEST(TGRadio, AnOwnerDrawnListBoxBoundToItsVariable) {
  Owner owner;
  Var flag(rt::Value(5));
  auto check = Make(owner, rt::Value::Array({" Eng"}), flag, 10);
  ASSERT_TRUE(check->hWnd);
  char cls[32] = {};
  GetClassNameA(check->hWnd, cls, sizeof cls);
  EXPECT_STREQ(cls, "ListBox");
  EXPECT_EQ(static_cast<unsigned long>(GetWindowLongA(check->hWnd, GWL_STYLE)), 0x50010010ul);
  EXPECT_EQ(GetWindowLongA(check->hWnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
  EXPECT_EQ(*flag.v, rt::Value(false));  // a single item binds a logical
  EXPECT_TRUE(check->IsCheckItem());

  Var option(rt::Value(9));
  auto group = Make(owner, rt::Value::Array({"&Eins", "&Zwei", "&Drei"}), option, 60, "CIRCLE");
  EXPECT_EQ(*option.v, rt::Value(1));  // no item 9: the first
  EXPECT_FALSE(group->IsCheckItem());
  EXPECT_EQ(group->aPos.size(), 3u);
  EXPECT_EQ(group->aHelp.At(3), rt::Value(102));
  UpdateWindow(group->hWnd);
}

TEST(TGRadio, SpaceTogglesAtOnceEnterMovesOn) {
  Owner owner;
  Var a(rt::Value(false)), b(rt::Value(true));
  auto first = Make(owner, rt::Value::Array({" Eng"}), a, 10);
  auto second = Make(owner, rt::Value::Array({" Fra"}), b, 40);
  int changes = 0;
  first->bChange = rt::Value::Block([&](rt::Args) {
    ++changes;
    return rt::Value();
  });
  first->SetFocus();
  first->KeyDown(VK_SPACE, 0);
  EXPECT_EQ(*a.v, rt::Value(true));
  EXPECT_EQ(changes, 1);
  first->KeyDown(VK_SPACE, 0);
  EXPECT_EQ(*a.v, rt::Value(false));
  first->KeyDown(VK_RETURN, 0);
  EXPECT_EQ(*a.v, rt::Value(false));
  EXPECT_EQ(GetFocus(), second->hWnd);
  EXPECT_EQ(*b.v, rt::Value(true));
}

TEST(TGRadio, GroupsWrapWithTheArrowsAndFollowHotKeys) {
  Owner owner;
  Var option(rt::Value(3));
  auto group = Make(owner, rt::Value::Array({"&Eins", "&Zwei", "&Drei"}), option, 10, "CIRCLE");
  group->KeyDown(VK_DOWN, 0);
  EXPECT_EQ(*option.v, rt::Value(1));
  group->KeyDown(VK_UP, 0);
  EXPECT_EQ(*option.v, rt::Value(3));
  group->KeyDown(VK_LEFT, 0);
  EXPECT_EQ(*option.v, rt::Value(2));
  group->KeyChar('e', 0);
  EXPECT_EQ(*option.v, rt::Value(1));
}

TEST(TGRadio, ForcedValuesIgnoreKeysAndClicks) {
  Owner owner;
  Var flag(rt::Value(false));
  auto check = Make(owner, rt::Value::Array({" Exakte Suche einschalten"}), flag, 10);
  check->Force(rt::Value(true));
  EXPECT_EQ(*flag.v, rt::Value(true));
  check->KeyDown(VK_SPACE, 0);
  const voskdar::ItemPos p = check->aPos.at(0);
  check->LButtonDown(p.top + 2, p.left + 2, MK_LBUTTON);
  check->LButtonUp(p.top + 2, p.left + 2, 0);
  EXPECT_EQ(*flag.v, rt::Value(true));
  check->Force(rt::Value());
  check->LButtonDown(p.top + 2, p.left + 2, MK_LBUTTON);
  check->LButtonUp(p.top + 2, p.left + 2, 0);
  EXPECT_EQ(*flag.v, rt::Value(false));
  EXPECT_EQ(owner.w->nLastKey, 1002);

  Var option(rt::Value(1));
  auto group = Make(owner, rt::Value::Array({"A", "B"}), option, 60, "CIRCLE");
  group->Force(rt::Value(2));
  group->KeyDown(VK_DOWN, 0);
  EXPECT_EQ(*option.v, rt::Value(2));
}

TEST(TGRadio, SharedGlyphsLiveAsLongAsTheirLastControl) {
  Owner owner;
  const int before = voskdar::DefaultGlyphs::Users();
  Var a(rt::Value(false)), b(rt::Value(false));
  auto first = Make(owner, rt::Value::Array({"A"}), a, 10);
  auto second = Make(owner, rt::Value::Array({"B"}), b, 40);
  EXPECT_EQ(voskdar::DefaultGlyphs::Users(), before + 2);
  first->Destroy();
  EXPECT_EQ(voskdar::DefaultGlyphs::Users(), before + 1);
  BITMAP info{};
  EXPECT_NE(GetObjectA(voskdar::TGRadio::aRadBmp()[1], sizeof info, &info), 0);
  second->Destroy();
  EXPECT_EQ(voskdar::DefaultGlyphs::Users(), before);
  if (before == 0) {
    EXPECT_EQ(voskdar::TGRadio::aRadBmp()[0], nullptr);
  }
  Var c(rt::Value(false));
  auto third = Make(owner, rt::Value::Array({"C"}), c, 70);
  EXPECT_NE(GetObjectA(voskdar::TGRadio::aRadBmp()[1], sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 12);
}

TEST(TGRadio, DisabledNeighboursDoNotPassTheFocusBackAndForth) {
  Owner owner;
  Var a(rt::Value(false)), b(rt::Value(false));
  auto first = Make(owner, rt::Value::Array({"A"}), a, 10);
  auto second = Make(owner, rt::Value::Array({"B"}), b, 40);
  first->lActive = false;
  second->lActive = false;
  ::SetFocus(first->hWnd);
  MSG msg;
  int pumped = 0;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && pumped < 1000) {
    DispatchMessageA(&msg);
    ++pumped;
  }
  EXPECT_LT(pumped, 1000);
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == first->hWnd || focus == second->hWnd);
}


// Bound to an item a dialog resource made: the item keeps its place and
// size, the value is bound as by New, and the layout is done at once.
TEST(TGRadio, RedefinedOnADialogItemKeepsItsPlace) {
  Owner owner;
  const HWND item = CreateWindowA("LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 40, 50, 150, 60,
                                  owner.w->hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(700)), nullptr, nullptr);
  Var option(rt::Value("kein Wert"));
  auto g = std::make_shared<voskdar::TGRadio>();
  voskdar::GRadioArgs a;
  a.aItems = rt::Value::Array({"&Eins", "&Zwei"});
  a.bSetGet = option.Block();
  a.oWnd = owner.value();
  g->Redefine(700, a);
  EXPECT_EQ(*option.v, rt::Value(1));
  EXPECT_EQ(g->hWnd, nullptr);

  g->Initiate(owner.w->hWnd);
  ASSERT_EQ(g->hWnd, item);
  RECT r{};
  GetWindowRect(item, &r);
  MapWindowPoints(nullptr, owner.w->hWnd, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_GE(r.right - r.left, 150);
  EXPECT_TRUE(g->lDefault);
  ASSERT_EQ(g->aPos.size(), 2u);
  EXPECT_GT(g->aPos[1].top, g->aPos[0].top);
  EXPECT_EQ(GetWindowLongA(item, GWL_EXSTYLE) & WS_EX_TRANSPARENT, WS_EX_TRANSPARENT);
  g->KeyDown(VK_DOWN, 0);
  EXPECT_EQ(*option.v, rt::Value(2));
}

// User glyphs are measured through the glyph blocks, so a program can
// change how a glyph's size is read.
TEST(TGRadio, UserGlyphsAreMeasuredThroughTheGlyphBlocks) {
  Owner owner;
  HDC screen = GetDC(nullptr);
  HBITMAP glyph = CreateCompatibleBitmap(screen, 24, 26);
  ReleaseDC(nullptr, screen);
  const rt::Value handle(svc::HandleNumber(glyph));

  auto make = [&](const Var& var) {
    auto g = std::make_shared<voskdar::TGRadio>();
    voskdar::GRadioArgs a;
    a.nRow = 10;
    a.nCol = 10;
    a.aItems = rt::Value::Array({"Eins", "Zwei"});
    a.bSetGet = var.Block();
    a.oWnd = owner.value();
    a.nWidth = 120;
    a.nHeight = 20;
    a.lPixel = true;
    a.aBitmaps = rt::Value::Array({handle, handle});
    g->New(a);
    return g;
  };
  Var first(rt::Value(1)), second(rt::Value(1));
  auto plain = make(first);
  plain->Default();
  EXPECT_TRUE(plain->bBitMapH.IsBlock());
  EXPECT_EQ(plain->bBmpHeight.Eval(handle), rt::Value(26));
  EXPECT_EQ(plain->nIHeight, 26);

  auto told = make(second);
  told->bBitMapH = rt::Value::Block([&](rt::Args) { return handle; });
  told->bBmpWidth = rt::Value::Block([](rt::Args) { return rt::Value(24); });
  told->bBmpHeight = rt::Value::Block([](rt::Args) { return rt::Value(40); });
  told->Default();
  EXPECT_EQ(told->nIHeight, 40);
  UpdateWindow(told->hWnd);
  DeleteObject(glyph);
}

}  // namespace
