// Labels, group boxes, icons and meters, and a template dialog holding all
// four (saved as an image when VD_DIALOG_SHOT names a BMP file).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "controls/tgroup.h"
#include "controls/ticon.h"
#include "controls/tmeter.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "core/tdialog.h"
#include "graphics/tfont.h"
#include "tests/graphics/window_shot.h"

namespace {

std::shared_ptr<core::TDialog> Dialog() {
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = 100;
  a.nLeft = 100;
  // Controls land at twice their numbers in a template dialog: the dialog
  // is made large enough to hold them.
  a.nWidth = 600;
  a.nHeight = 400;
  a.cCaption = "W\xF6rter";
  d->New(a);
  return d;
}

controls::SayArgs Say(int row, int col, rt::Value value, const rt::Value& owner) {
  controls::SayArgs s;
  s.nRow = row;
  s.nCol = col;
  s.bText = rt::Value::Block([value](rt::Args) { return value; });
  s.oWnd = owner;
  return s;
}

TEST(TSay, PlaceStyleTextAndGeneratedSource) {
  auto d = Dialog();
  auto say = std::make_shared<controls::TSay>();
  say->New(Say(2, 3, rt::Value(42), rt::Value(d)));
  EXPECT_EQ(say->nTop, 2 * 15 + 2);
  EXPECT_EQ(say->nLeft, 18);
  EXPECT_EQ(say->cCaption, "42");
  EXPECT_EQ(say->nStyle & (WS_BORDER | SS_CENTER | SS_RIGHT), 0);
  EXPECT_EQ(say->nRight - say->nLeft + 1, 6 * 2 - 4);
  EXPECT_EQ(say->cGenPrg(), "\r\n   @  32,  18 SAY \"42\" SIZE   7,  14 PIXEL OF oWnd\r\n");
  auto empty = std::make_shared<controls::TSay>();
  auto args = Say(0, 0, rt::Value(""), rt::Value(d));
  args.lCentered = true;
  args.lBorder = true;
  empty->New(args);
  EXPECT_EQ(empty->nRight - empty->nLeft + 1, 0);
  EXPECT_EQ(empty->nStyle & (WS_BORDER | SS_CENTER), WS_BORDER | SS_CENTER);
}

TEST(TMeter, PercentClampAndDefaults) {
  auto d = Dialog();
  rt::Value var(5);
  controls::MeterArgs a;
  a.oWnd = rt::Value(d);
  a.bSetGet = rt::Value::Block([&var](rt::Args x) {
    if (!x.empty()) var = x[0];
    return var;
  });
  auto m = std::make_shared<controls::TMeter>();
  m->New(a);
  EXPECT_EQ(m->nRight - m->nLeft, 300);
  EXPECT_EQ(m->nBottom - m->nTop, 20);
  EXPECT_EQ(m->nClrBar, 16711680);
  EXPECT_EQ(m->nClrBText, 16777215);
  EXPECT_EQ(m->Percent(), 50);
  m->Set(rt::Value(25));
  EXPECT_EQ(var.AsNumber(), 10);
  EXPECT_EQ(m->Percent(), 100);
  m->Set(rt::Value(-3));
  EXPECT_EQ(var.AsNumber(), 0);
  m->SetTotal(0);
  m->Set(rt::Value(4));
  EXPECT_EQ(var.AsNumber(), 0);
  EXPECT_EQ(m->Percent(), 0);
  var = rt::Value("text");
  EXPECT_EQ(m->Percent(), 0);
}

TEST(TMeter, ReDefineBindsToTheDialogsControl) {
  auto d = Dialog();
  rt::Value var;
  controls::MeterRedefineArgs a;
  a.nId = 410;
  a.oWnd = rt::Value(d);
  a.lUpdate = true;
  a.nClrBar = 255;
  a.bSetGet = rt::Value::Block([&var](rt::Args x) {
    if (!x.empty()) var = x[0];
    return var;
  });
  auto m = std::make_shared<controls::TMeter>();
  m->ReDefine(a);
  EXPECT_EQ(m->nId, 410);
  EXPECT_TRUE(m->lUpdate);
  EXPECT_EQ(m->nTotal, 10);
  EXPECT_EQ(m->nClrBar, 255);
  EXPECT_EQ(m->nClrBText, controls::kMeterBarText);
  ASSERT_EQ(d->aControls.Len(), 1u);
  EXPECT_EQ(d->aControls.Items()[0].AsObject().get(), m.get());

  core::DialogActivation act;
  HWND bound = nullptr;
  act.bInit = rt::Value::Block([&](rt::Args) {
    bound = m->hWnd;
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
  EXPECT_NE(bound, nullptr);
  // Initiate gives a variable that held nothing the value 0.
  EXPECT_TRUE(var.IsNumber());
  EXPECT_EQ(var.AsNumber(), 0);
}

// A program that knows the controls only by name binds them to the
// dialog's items the same way.
TEST(SmallControls, ReDefineByName) {
  auto d = Dialog();
  const rt::Value owner(d);
  const rt::Value text = rt::Value::Block([](rt::Args) { return rt::Value("Stichwort"); });
  struct Case {
    const char* cls;
    std::vector<rt::Value> args;
  } cases[] = {
      {"TSAY", {rt::Value(420), text, owner}},
      {"TGROUP", {rt::Value(421), rt::Value("Sprachen"), owner}},
      {"TICON", {rt::Value(422), rt::Value(""), rt::Value(""), rt::Value(), rt::Value(false), owner}},
      {"TMETER", {rt::Value(423), rt::Value(), rt::Value(10), owner}},
  };
  std::vector<rt::Value> made;
  for (Case& c : cases) {
    const rt::Value object = rt::CreateObject(c.cls);
    ASSERT_TRUE(object.IsObject()) << c.cls;
    const rt::Value back = rt::Send(object, "ReDefine", rt::Args(c.args.data(), c.args.size()));
    EXPECT_EQ(back.AsObject().get(), object.AsObject().get()) << c.cls;
    made.push_back(object);
  }
  ASSERT_EQ(d->aControls.Len(), std::size(cases));

  core::DialogActivation act;
  std::vector<HWND> bound;
  act.bInit = rt::Value::Block([&](rt::Args) {
    for (const rt::Value& o : made) bound.push_back(o.As<core::TControl>()->hWnd);
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
  ASSERT_EQ(bound.size(), made.size());
  for (std::size_t i = 0; i < bound.size(); ++i) EXPECT_NE(bound[i], nullptr) << cases[i].cls;
  EXPECT_EQ(made[0].As<controls::TSay>()->cCaption, "Stichwort");
}

TEST(TIcon, WindowlessHolderFreedByEnd) {
  controls::IconArgs a;
  a.cIcoFile = "shell32.dll";
  auto icon = std::make_shared<controls::TIcon>();
  icon->New(a);
  EXPECT_EQ(icon->hWnd, nullptr);
  EXPECT_EQ(icon->nRight - icon->nLeft, 32);
  icon->End();
  EXPECT_EQ(icon->hIcon, nullptr);
  controls::IconArgs none;
  none.cIcoFile = "no-such-file.ico";
  auto missing = std::make_shared<controls::TIcon>();
  missing->New(none);
  EXPECT_EQ(missing->hIcon, nullptr);
}

TEST(TemplateDialog, AllFourControlsBoundAndShown) {
  auto d = Dialog();
  const rt::Value owner(d);
  auto label = std::make_shared<controls::TSay>();
  label->New(Say(0, 1, rt::Value("Suchbegriff:"), owner));
  controls::GroupArgs g;
  g.nTop = 1;
  g.nLeft = 1;
  g.nBottom = 5;
  g.nRight = 20;
  g.cLabel = "Gruppe";
  g.oWnd = owner;
  auto group = std::make_shared<controls::TGroup>();
  group->New(g);
  auto one = std::make_shared<controls::TSay>();
  one->New(Say(2, 3, rt::Value("Eins"), owner));
  auto two = std::make_shared<controls::TSay>();
  two->New(Say(3, 3, rt::Value(2), owner));
  controls::IconArgs i;
  i.nRow = 1;
  i.nCol = 24;
  i.cIcoFile = "shell32.dll";
  i.oWnd = owner;
  auto icon = std::make_shared<controls::TIcon>();
  icon->New(i);
  rt::Value var(5);
  controls::MeterArgs m;
  m.nRow = 6;
  m.nCol = 1;
  m.nWidth = 180;
  m.nHeight = 14;
  m.cText = "Index";
  m.oWnd = owner;
  m.bSetGet = rt::Value::Block([&var](rt::Args x) {
    if (!x.empty()) var = x[0];
    return var;
  });
  auto meter = std::make_shared<controls::TMeter>();
  meter->New(m);
  EXPECT_EQ(d->aControls.Len(), 6u);

  core::DialogActivation act;
  bool bound = false;
  act.bInit = rt::Value::Block([&](rt::Args) {
    bound = label->hWnd && group->hWnd && icon->hWnd && meter->hWnd;
    EXPECT_EQ(GetWindowLongA(group->hWnd, GWL_STYLE) & 0xF, BS_GROUPBOX);
    char text[32] = {};
    GetWindowTextA(two->hWnd, text, sizeof text);
    EXPECT_STREQ(text, "2");
    // VarPut keeps the value without painting it; Refresh shows it.
    one->VarPut(rt::Value("Drei"));
    GetWindowTextA(one->hWnd, text, sizeof text);
    EXPECT_STREQ(text, "Eins");
    one->Refresh();
    GetWindowTextA(one->hWnd, text, sizeof text);
    EXPECT_STREQ(text, "Drei");
    d->bStart = rt::Value::Block([&](rt::Args) {
      // The children paint after the dialog's own first paint.
      core::SYSREFRESH();
      UpdateWindow(d->hWnd);
      for (HWND child = GetWindow(d->hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) UpdateWindow(child);
      ShotIfAsked(d->hWnd, "VD_DIALOG_SHOT");
      d->End(1);
      return rt::Value();
    });
    return rt::Value();
  });
  d->Activate(act);
  EXPECT_TRUE(bound);
  EXPECT_EQ(d->nResult.AsNumber(), 1);
}

// A font handed to a dialog is shared by the dialog and its controls; each
// holder takes a use, so ending one label leaves the font alive for the rest,
// and the dialog itself shows it.
TEST(TemplateDialog, AGivenFontLivesUntilItsLastHolderEnds) {
  auto font = std::make_shared<gfx::TFont>()->New("Courier New", 0, -15);
  ASSERT_NE(font->hFont, nullptr);
  const HFONT handle = font->hFont;
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = 100;
  a.nLeft = 100;
  a.nWidth = 300;
  a.nHeight = 200;
  a.oFont = rt::Value(font);
  d->New(a);
  const rt::Value owner(d);
  auto inherits = std::make_shared<controls::TSay>();
  inherits->New(Say(0, 1, rt::Value("Eins"), owner));
  auto given = Say(2, 1, rt::Value("Zwei"), owner);
  given.oFont = rt::Value(font);
  auto holds = std::make_shared<controls::TSay>();
  holds->New(given);
  auto stays = std::make_shared<controls::TSay>();
  stays->New(Say(4, 1, rt::Value("Drei"), owner));
  core::DialogActivation act;
  act.bInit = rt::Value::Block([&](rt::Args) {
    EXPECT_EQ(d->oFont, font);
    for (const auto& say : {inherits, holds, stays}) {
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(say->hWnd, WM_GETFONT, 0, 0)), handle);
    }
    inherits->Destroy();
    holds->Destroy();
    LOGFONTA alive{};
    EXPECT_NE(GetObjectA(handle, sizeof alive, &alive), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(stays->hWnd, WM_GETFONT, 0, 0)), handle);
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
  LOGFONTA alive{};
  EXPECT_NE(GetObjectA(handle, sizeof alive, &alive), 0);
  font->End();
}

}  // namespace
