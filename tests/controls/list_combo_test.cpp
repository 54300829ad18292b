// List and combo boxes in a running dialog: the bound variable, the
// entries kept in step with the native list, owner drawing, selection and
// the combo box's edit field and close-up.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "controls/tcombobox.h"
#include "controls/tget.h"
#include "controls/tlistbox.h"
#include "core/message_loop.h"
#include "owner_window.h"
#include "running_dialog.h"
#include "runtime/value_fns.h"
#include "runtime/value_text.h"
#include "services/int32.h"

namespace {

using controltest::Var;

std::string Shown(const rt::Value& v) { return rt::VALTYPE(v) + ":" + rt::CVALTOCHAR(v); }
using controltest::WhileDialogUp;

rt::Value Items(std::initializer_list<rt::Value> items) { return rt::Value::Array(items); }

std::shared_ptr<controls::TListBox> List(const std::shared_ptr<core::TDialog>& d, const Var& v, rt::Value items,
                                          bool multi = false) {
  controls::ListBoxArgs a;
  a.nRow = 1;
  a.nCol = 1;
  a.bSetGet = v.Block();
  a.aItems = std::move(items);
  a.nWidth = 120;
  a.nHeight = 90;
  a.oWnd = rt::Value(d);
  a.lMulti = multi;
  auto l = std::make_shared<controls::TListBox>();
  l->New(a);
  return l;
}

std::shared_ptr<controls::TComboBox> Combo(const std::shared_ptr<core::TDialog>& d, const Var& v, rt::Value items,
                                            long style, rt::Value bChange = {}, rt::Value bValid = {}) {
  controls::ComboBoxArgs a;
  a.nRow = 1;
  a.nCol = 20;
  a.bSetGet = v.Block();
  a.aItems = std::move(items);
  a.nWidth = 120;
  a.nHeight = 100;
  a.oWnd = rt::Value(d);
  a.nStyle = style;
  a.bChange = std::move(bChange);
  a.bValid = std::move(bValid);
  auto c = std::make_shared<controls::TComboBox>();
  c->New(a);
  return c;
}

// The native list and aItems hold the same texts in the same order.
void ExpectInStep(const controls::TListBox& l) {
  ASSERT_EQ(static_cast<std::size_t>(l.Len()), l.aItems.Len());
  for (long i = 1; i <= l.Len(); ++i) EXPECT_EQ(l.GetItem(i), l.aItems.At(static_cast<std::size_t>(i)).AsString());
}

// A 16 x 16 bitmap made here, which the caller owns.
HBITMAP OwnBitmap() {
  HDC screen = GetDC(nullptr);
  HBITMAP b = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  return b;
}

TEST(TListBox, StyleAndOwnerDrawingKeepsTheTexts) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("Baum")};
    auto plain = List(d, v, Items({"Haus", "Baum"}));
    EXPECT_EQ(plain->nStyle, 0x50A10081);
    EXPECT_FALSE(plain->lOwnerDraw);
    EXPECT_EQ(plain->GetPos(), 2);

    HBITMAP mine = OwnBitmap();
    controls::ListBoxArgs a;
    a.bSetGet = v.Block();
    a.aItems = Items({"Haus", "Baum", "Tisch"});
    a.oWnd = rt::Value(d);
    a.aBitmaps = Items({rt::Value(svc::HandleNumber(mine)), "KEINE_DATEI.BMP", rt::Value()});
    auto drawn = std::make_shared<controls::TListBox>();
    drawn->New(a);
    EXPECT_TRUE(drawn->lOwnerDraw);
    EXPECT_EQ(drawn->nStyle & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS), LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    EXPECT_EQ(drawn->GetItem(2), "Baum");
    EXPECT_EQ(drawn->nBmpWidth(), 16);
    // A name that is neither a file nor a resource gives that entry none.
    EXPECT_EQ(drawn->aBitmaps().At(2).AsInt(), 0);
    ExpectInStep(*drawn);
    drawn->SetBitmaps(Items({}));
    drawn->End();
    BITMAP info{};
    EXPECT_NE(GetObjectA(mine, sizeof info, &info), 0) << "the caller's bitmap is still its own";
    DeleteObject(mine);
  });
}

TEST(TListBox, StartsOnTheVariable) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    struct Case {
      rt::Value start;
      long pos;
    } cases[] = {{rt::Value(3), 3}, {rt::Value(" haus "), 2}, {rt::Value("fehlt"), 1}, {rt::Value(), 1}};
    for (const Case& c : cases) {
      Var v{c.start};
      auto l = List(d, v, Items({"Baum", "Haus", "Tisch"}));
      EXPECT_EQ(l->GetPos(), c.pos);
      l->Change();
      if (c.start.IsNumber()) EXPECT_EQ(v.v->AsInt(), c.pos);
      else EXPECT_EQ(*v.v, l->aItems.At(static_cast<std::size_t>(c.pos)));
      l->End();
    }
    // NIL and non-text entries show as text.
    Var v{rt::Value(1)};
    auto l = List(d, v, Items({rt::Value(), rt::Value(true), rt::Value(12)}));
    EXPECT_EQ(l->GetItem(1), "");
    EXPECT_EQ(l->GetItem(2), ".T.");
    EXPECT_EQ(l->GetItem(3), "12");
  });
}

TEST(TListBox, EditingKeepsTheListInStep) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("")};
    int changes = 0;
    auto l = List(d, v, Items({"a", "b", "c"}));
    l->bChange = rt::Value::Block([&changes](rt::Args) {
      ++changes;
      return rt::Value();
    });
    l->Add("d");
    EXPECT_EQ(l->GetPos(), 4);
    EXPECT_EQ(Shown(*v.v), Shown(rt::Value("d")));
    l->Add("x", 1);  // after entry 1
    EXPECT_EQ(l->GetItem(2), "x");
    EXPECT_EQ(l->GetPos(), 2);
    l->Insert("y", 1);
    EXPECT_EQ(l->GetItem(1), "y");
    EXPECT_EQ(l->GetPos(), 3) << "Insert leaves the choice on its entry";
    l->Modify("X");
    EXPECT_EQ(l->GetItem(3), "X");
    ExpectInStep(*l);
    // Positions outside the list do nothing.
    for (long bad : {-1L, 99L}) {
      l->Select(bad);
      l->Insert("q", bad);
      l->Modify("q", bad);
      l->Del(bad);
      l->SetSel(bad);
    }
    l->SetSelItems(Items({0, -3, 99}));
    EXPECT_EQ(l->Len(), 6);
    ExpectInStep(*l);
    // Deleting the last entry chooses the new last.
    l->Select(6);
    l->Del();
    EXPECT_EQ(l->GetPos(), 5);
    EXPECT_EQ(l->GetSelText(), "c");
    // SwapUp on the first does nothing; SwapDown moves the entry along.
    l->GoTop();
    const std::string first = l->GetItem(1);
    l->SwapUp();
    EXPECT_EQ(l->GetItem(1), first);
    l->SwapDown();
    EXPECT_EQ(l->GetItem(2), first);
    EXPECT_EQ(l->GetPos(), 2);
    ExpectInStep(*l);
    l->GoBottom();
    l->SwapDown();
    EXPECT_EQ(l->GetPos(), 5);
    EXPECT_GT(changes, 0);
    l->Reset();
    EXPECT_EQ(l->Len(), 0);
    EXPECT_EQ(Shown(*v.v), Shown(rt::Value("")));
    l->Del();
    l->SwapUp();
    EXPECT_EQ(l->GetPos(), 0);
  });
}

TEST(TListBox, SelectionsInSingleAndMultipleMode) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("b")};
    auto single = List(d, v, Items({"a", "b", "c"}));
    ASSERT_EQ(single->aSelections().Len(), 1u);
    EXPECT_EQ(single->aSelections().At(1), rt::Value("b"));
    EXPECT_EQ(single->GetSelCount(), 0);
    EXPECT_EQ(single->GetSelItems(), rt::Value(0));

    Var m{rt::Value(1)};
    auto multi = List(d, m, Items({"a", "b", "c", "d"}), true);
    EXPECT_TRUE(multi->IsMultipleSel());
    multi->SetSelItems(Items({3, 4}));
    EXPECT_EQ(multi->GetSelCount(), 3);
    const rt::Value texts = multi->aSelections();
    ASSERT_EQ(texts.Len(), 3u);
    EXPECT_EQ(texts.At(1), rt::Value("a"));
    EXPECT_EQ(texts.At(3), rt::Value("d"));
    multi->SetSel(1, false);
    EXPECT_EQ(multi->GetSelItems().Len(), 2u);
    multi->SetItems(Items({}));
    EXPECT_EQ(multi->aSelections().Len(), 0u);
  });
}

TEST(TListBox, SourceTextAndFileNames) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("")};
    controls::ListBoxArgs a;
    a.nRow = 10;
    a.nCol = 24;
    a.lPixel = true;
    a.bSetGet = v.Block();
    a.aItems = Items({"Haus", "Baum"});
    a.nWidth = 120;
    a.nHeight = 90;
    a.oWnd = rt::Value(d);
    auto l = std::make_shared<controls::TListBox>();
    l->New(a);
    EXPECT_EQ(l->cGenPrg(),
              "\r\n   @  10,  24 LISTBOX oLbx ITEMS { \"Haus\", \"Baum\" } ;\r\n      SIZE 120,  90 PIXEL OF oWnd\r\n");

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vd_lbx_mask";
    std::filesystem::create_directories(dir);
    for (const char* name : {"Zeta.TXT", "alpha.txt", "beta.dbf"}) std::ofstream(dir / name) << "x";
    std::filesystem::create_directories(dir / "sub.txt");
    auto shown = List(d, v, Items({}));
    shown->cFileSpec = (dir / "*.txt").string();
    shown->Default();
    ASSERT_EQ(shown->Len(), 2);
    EXPECT_EQ(shown->GetItem(1), "alpha.txt");
    EXPECT_EQ(shown->GetItem(2), "zeta.txt");
    shown->cFileSpec = (dir / "*.nix").string();
    shown->SetItems(Items({}));
    EXPECT_EQ(shown->Len(), 0);
    std::filesystem::remove_all(dir);
  });
}

// Controls made before their dialog: they come from its template and are
// filled when the dialog binds them.
TEST(TListBox, FromTheDialogTemplate) {
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs da;
  da.nWidth = 300;
  da.nHeight = 200;
  da.cCaption = "Vorlage";
  d->New(da);
  Var v{rt::Value(2)}, k{rt::Value()};
  controls::ListBoxArgs a;
  a.bSetGet = v.Block();
  a.aItems = Items({"eins", "zwei", "drei"});
  a.oWnd = rt::Value(d);
  a.lSort = true;
  auto l = std::make_shared<controls::TListBox>();
  l->New(a);
  controls::ComboBoxArgs c;
  c.nRow = 1;
  c.nCol = 20;
  c.bSetGet = k.Block();
  c.aItems = Items({"Haus", "Baum"});
  c.oWnd = rt::Value(d);
  c.nStyle = 2;
  c.nHeight = 80;
  auto combo = std::make_shared<controls::TComboBox>();
  combo->New(c);
  EXPECT_EQ(l->hWnd, nullptr);
  core::DialogActivation act;
  act.bInit = rt::Value::Block([&](rt::Args) {
    EXPECT_NE(l->hWnd, nullptr);
    EXPECT_EQ(l->GetItem(1), "drei") << "sorted by the native list";
    ExpectInStep(*l);
    EXPECT_EQ(l->GetPos(), 2);
    EXPECT_EQ(Shown(*k.v), Shown(rt::Value("Haus")));
    EXPECT_NE(combo->oGet->hWnd, nullptr);
    EXPECT_EQ(combo->EditText(), "Haus");
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
}

TEST(TComboBox, VariableAtStartAndChange) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    for (long style : {2L, 3L}) {
      Var nil;
      auto c = Combo(d, nil, Items({"Haus", "Baum"}), style);
      EXPECT_EQ(Shown(*nil.v), Shown(rt::Value("Haus"))) << "style " << style;
      EXPECT_EQ(c->nAt, 1);
      EXPECT_EQ(c->EditText(), "Haus");
      c->End();
    }
    int changes = 0;
    Var v{rt::Value("Baum")};
    auto c = Combo(d, v, Items({"Haus", "Baum", "Tisch"}), 3, rt::Value::Block([&changes](rt::Args) {
                     ++changes;
                     return rt::Value();
                   }));
    EXPECT_EQ(c->nAt, 2);
    c->Change();
    EXPECT_EQ(changes, 0) << "an unchanged choice with a value runs no bChange";
    SendMessageA(c->hWnd, CB_SETCURSEL, 2, 0);
    c->Change();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Shown(*v.v), Shown(rt::Value("Tisch")));
    EXPECT_EQ(c->FindString("Ba"), 2);
    EXPECT_EQ(c->FindString("Ti"), 3);
    EXPECT_EQ(c->FindString("Zz"), 0);
    EXPECT_TRUE(c->Find("h"));
    for (long bad : {-1L, 9L}) {
      c->Insert("q", bad);
      c->Modify("q", bad);
      c->Del(bad);
    }
    EXPECT_EQ(c->Len(), 3);
    c->Add("Stuhl", 1);
    EXPECT_EQ(c->GetItem(1), "Stuhl");
    EXPECT_EQ(c->aItems.At(1), rt::Value("Stuhl"));
    Var n{rt::Value(2)};
    auto numeric = Combo(d, n, Items({"a", "b", "c"}), 3);
    SendMessageA(numeric->hWnd, CB_SETCURSEL, 2, 0);
    numeric->Change();
    EXPECT_EQ(Shown(*n.v), Shown(rt::Value(3)));
  });
}

TEST(TComboBox, TypedTextStaysAndRefusedValidationTakesTheFocusBack) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("Haus ")};
    bool allow = true;
    auto c = Combo(d, v, Items({"Haus ", "Baum "}), 2, {}, rt::Value::Block([&allow](rt::Args) {
                     return rt::Value(allow);
                   }));
    ASSERT_TRUE(c->oGet);
    ASSERT_NE(c->oGet->hWnd, nullptr);
    Var other{rt::Value("x")};
    controls::ListBoxArgs a;
    a.nRow = 5;
    a.bSetGet = other.Block();
    a.aItems = Items({"x"});
    a.oWnd = rt::Value(d);
    auto next = std::make_shared<controls::TListBox>();
    next->New(a);

    SetFocus(c->oGet->hWnd);
    for (char ch : std::string("Maus")) SendMessageA(c->oGet->hWnd, WM_CHAR, static_cast<WPARAM>(ch), 0);
    SetFocus(next->hWnd);
    core::SYSREFRESH();
    EXPECT_EQ(Shown(*v.v), Shown(rt::Value("Maus "))) << "a text not in the list is kept";
    EXPECT_EQ(GetFocus(), next->hWnd);

    allow = false;
    SetFocus(c->oGet->hWnd);
    SetFocus(next->hWnd);
    core::SYSREFRESH();
    EXPECT_TRUE(GetFocus() == c->hWnd || GetFocus() == c->oGet->hWnd) << "the focus is back on the combo box";
    allow = true;
  });
}

TEST(TComboBox, CloseUpRunsWhenTheListCloses) {
  WhileDialogUp([](const std::shared_ptr<core::TDialog>& d) {
    Var v{rt::Value("a")};
    auto c = Combo(d, v, Items({"a", "b"}), 3);
    int closed = 0;
    c->bCloseUp = rt::Value::Block([&closed](rt::Args) {
      ++closed;
      return rt::Value();
    });
    c->Open();
    EXPECT_TRUE(c->IsOpen());
    SendMessageA(c->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    core::SYSREFRESH();
    EXPECT_TRUE(c->IsClosed());
    EXPECT_EQ(closed, 1);
  });
  // The same in a plain window.
  controltest::OwnerWindow w(200, 300);
  Var v{rt::Value("a")};
  controls::ComboBoxArgs a;
  a.bSetGet = v.Block();
  a.aItems = Items({"a", "b"});
  a.oWnd = w.value();
  a.nHeight = 80;
  auto c = std::make_shared<controls::TComboBox>();
  c->New(a);
  int closed = 0;
  c->bCloseUp = rt::Value::Block([&closed](rt::Args) {
    ++closed;
    return rt::Value();
  });
  c->Open();
  SendMessageA(c->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
  core::SYSREFRESH();
  EXPECT_EQ(closed, 1);
}

}  // namespace
