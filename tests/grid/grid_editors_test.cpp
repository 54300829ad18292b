// The grid's cell editors under Wine: the button editor's button and fire
// key and its text kept clear of the button, the list editor's clicks and
// the logical values of its "Ja" and "Nein", the multi-line editor's Tab,
// and the memo dialog with its layout after a resize.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "../graphics/window_pixels.h"
#include "../graphics/window_shot.h"
#include "../services/box_driver.h"
#include "controls/tmenu.h"
#include "controls/tmenuitem.h"
#include "edit_fixture.h"
#include "grid/editmemo.h"
#include "grid/tgbtnget.h"
#include "grid/tgcombo.h"
#include "grid/tgget.h"
#include "grid/tgmulti.h"
#include "runtime/strings.h"

namespace {

using gridtest::EditClosed;
using gridtest::EditGrid;
using gridtest::Key;
using gridtest::RunUntil;
using gridtest::TypeText;

void Click(HWND h, int x = 4, int y = 4) {
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ShotTo(const char* variable, HWND h, HWND popup = nullptr) {
  if (const char* file = std::getenv(variable)) SaveWindowShot(h, file, popup);
}

TEST_F(EditGrid, TheButtonEditorKeepsItsEditOpenAndItsTextClearOfTheButton) {
  auto g = ArrayGrid(2);
  int pressed = 0;
  g->Col(1)->cResName = "KNOPF";
  g->Col(1)->bAction = rt::Value::Block([&pressed](rt::Args a) {
    pressed += rt::Arg(a, 0).As<grid::TGBtnGet>() != nullptr;
    return rt::Value();
  });
  g->aArray.At(1).Items()[0] = rt::Value(std::string(40, ' '));
  g->nCell = 1;
  g->lEditCol(rt::Value(std::string(40, ' ')), 1);
  const auto editor = std::dynamic_pointer_cast<grid::TGBtnGet>(grid::OpenEditor());
  ASSERT_TRUE(editor);
  ASSERT_TRUE(editor->oBtn && IsWindow(editor->oBtn->hWnd));
  EXPECT_EQ(editor->ClassName(), "TGET");
  ASSERT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }));
  editor->SelectAll();
  TypeText(editor->hWnd, std::string(40, 'W'));
  RedrawWindow(grid::EditorPopup()->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ShotTo("VD_GRID_BTNGET_SHOT", owner.w->hWnd);

  // The focus going to its own button does not end the edit; its action
  // gives the focus back.
  SetFocus(editor->oBtn->hWnd);
  editor->oBtn->Click();
  EXPECT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }, 20));
  EXPECT_EQ(pressed, 1);
  // F2 is the grid's fire key; F5 is only that of an editor made elsewhere.
  Key(editor->hWnd, VK_F2);
  Key(editor->hWnd, VK_F5);
  EXPECT_EQ(pressed, 2);
  EXPECT_EQ(grid::OpenEditor(), editor) << "the button keeps the edit open";
  EXPECT_TRUE(g->lEditing);

  // The right margin keeps the text out of the button's place: with the
  // button hidden that strip shows no text, the strip before it does.
  EXPECT_EQ(editor->GetMargins().At(2).AsInt(), editor->ButtonMargin());
  RECT button{};
  GetWindowRect(editor->oBtn->hWnd, &button);
  MapWindowPoints(nullptr, editor->hWnd, reinterpret_cast<POINT*>(&button), 2);
  ShowWindow(editor->oBtn->hWnd, SW_HIDE);
  SendMessageA(editor->hWnd, EM_SETSEL, 0, 0);
  SendMessageA(editor->hWnd, EM_SETSEL, 40, 40);
  HideCaret(editor->hWnd);
  InvalidateRect(editor->hWnd, nullptr, TRUE);
  UpdateWindow(editor->hWnd);
  const WindowPixels px(editor->hWnd);
  auto inkIn = [&](int from, int to) {
    int ink = 0;
    for (int y = 0; y < px.height; ++y)
      for (int x = std::max(0, from); x < std::min(px.width, to); ++x) ink += GetGValue(px.At(x, y)) < 128;
    return ink;
  };
  EXPECT_EQ(inkIn(button.left, px.width), 0) << "no text under the button";
  EXPECT_GT(inkIn(button.left - 20, button.left), 0) << "text up to it";
  ShowWindow(editor->oBtn->hWnd, SW_SHOW);
  Key(editor->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());
}

TEST_F(EditGrid, AButtonEditorMadeElsewhereFiresOnF5) {
  controltest::OwnerWindow holder(100, 300);
  auto dialog = std::make_shared<core::TDialog>();
  core::DialogArgs d;
  d.nTop = 0;
  d.nLeft = 0;
  d.nBottom = 80;
  d.nRight = 260;
  d.lPixel = true;
  d.nStyle = static_cast<double>(WS_POPUP | WS_VISIBLE);
  d.oWnd = holder.value();
  dialog->New(d);
  int pressed = 0;
  controltest::Var text(rt::Value("Wert"));
  auto get = std::make_shared<grid::TGBtnGet>();
  grid::BtnGetArgs a;
  a.get.nRow = 10;
  a.get.nCol = 10;
  a.get.bSetGet = text.Block();
  a.get.oWnd = dialog->Self();
  a.get.nWidth = 120;
  a.get.nHeight = 22;
  a.get.lPixel = true;
  a.bAction = rt::Value::Block([&pressed](rt::Args) {
    ++pressed;
    return rt::Value();
  });
  get->New(a);
  core::DialogActivation act;
  act.lModal = false;
  dialog->Activate(act);
  ASSERT_TRUE(IsWindow(get->hWnd));
  ASSERT_TRUE(get->oBtn);
  // No bitmap: the small arrow button, 9 pixels less margin.
  EXPECT_EQ(get->ButtonMargin(), 16 + 4 - 9);
  Key(get->hWnd, VK_F2);
  EXPECT_EQ(pressed, 0);
  Key(get->hWnd, VK_F5);
  EXPECT_EQ(pressed, 1);
  EXPECT_TRUE(get->lReturn);
  // Its right-click menu speaks English, the plain editor's Spanish.
  std::vector<std::string> labels;
  const auto menu = get->EditMenu();
  for (const rt::Value& item : menu->aItems.Items())
    if (const auto i = item.As<ctl::TMenuItem>(); i && i->cPrompt.IsString()) labels.push_back(i->cPrompt.AsString());
  EXPECT_EQ(labels, (std::vector<std::string>{"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"}));
  DestroyWindow(dialog->hWnd);
}

TEST_F(EditGrid, ThePlainEditorsMenuAndItsStates) {
  auto g = ArrayGrid(1);
  g->nCell = 1;
  g->lEditCol(rt::Value("Haus1"), 1);
  const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(editor);
  ASSERT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }));
  struct Entry {
    std::string label;
    bool active;
  };
  auto entries = [&] {
    std::vector<Entry> out;
    const auto menu = editor->EditMenu();
    for (const rt::Value& item : menu->aItems.Items())
      if (const auto i = item.As<ctl::TMenuItem>(); i && i->cPrompt.IsString())
        out.push_back({i->cPrompt.AsString(), i->lActive});
    return out;
  };
  const char* labels[] = {"&Deshacer", "Cor&tar", "&Copiar", "&Pegar", "&Borrar", "&Seleccionar Todo"};
  editor->SetSel(0, 0);
  auto before = entries();
  ASSERT_EQ(before.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(before[i].label, labels[i]);
  EXPECT_FALSE(before[0].active) << "nothing to undo";
  EXPECT_FALSE(before[1].active) << "nothing selected to cut";
  EXPECT_TRUE(before[5].active);
  editor->SelectAll();
  TypeText(editor->hWnd, "Hof");
  editor->SelectAll();
  auto after = entries();
  EXPECT_TRUE(after[0].active);
  EXPECT_TRUE(after[1].active);
  EXPECT_TRUE(after[2].active);
  Key(editor->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());
}

TEST_F(EditGrid, TheListEditorOpensAndClosesByItsRealStateAndGivesJaOrNein) {
  auto g = ArrayGrid(1);
  g->lLogicDrop = true;
  struct Case {
    int item;  // 0-based
    bool expected;
  };
  for (const Case c : {Case{1, false}, Case{0, true}}) {
    SCOPED_TRACE(c.item);
    g->nCell = 3;
    g->lEditCol(g->aArray.At(1).At(3), 3);
    const auto combo = std::dynamic_pointer_cast<grid::TGCombo>(grid::OpenEditor());
    ASSERT_TRUE(combo);
    ASSERT_TRUE(RunUntil([&] { return GetFocus() == combo->hWnd; }));
    Click(combo->hWnd);
    ASSERT_TRUE(RunUntil([&] { return combo->State(); }));
    EXPECT_EQ(combo->nLastKey, grid::kComboOpenedByClick);
    Click(combo->hWnd);
    ASSERT_TRUE(RunUntil([&] { return !combo->State(); }));
    // A choice closes the list; the next click opens it again.
    Click(combo->hWnd);
    ASSERT_TRUE(RunUntil([&] { return combo->State(); }));
    SendMessageA(combo->hWnd, CB_SETCURSEL, static_cast<WPARAM>(c.item), 0);
    SendMessageA(combo->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    ASSERT_TRUE(RunUntil([&] { return !combo->State(); }));
    EXPECT_EQ(combo->nLastKey, 0);
    Click(combo->hWnd);
    ASSERT_TRUE(RunUntil([&] { return combo->State(); }));
    if (c.item == 1) {
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      GetComboBoxInfo(combo->hWnd, &info);
      ShotTo("VD_GRID_COMBO_SHOT", owner.w->hWnd, info.hwndList);
    }
    SendMessageA(combo->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    // Opened by a click, it takes the focus back when it loses it.
    Click(combo->hWnd);
    ASSERT_TRUE(RunUntil([&] { return combo->State(); }));
    SetFocus(owner.w->hWnd);
    EXPECT_TRUE(RunUntil([&] { return GetFocus() == combo->hWnd; }));
    EXPECT_EQ(grid::OpenEditor(), combo);
    SendMessageA(combo->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
    Key(combo->hWnd, VK_RETURN);
    ASSERT_TRUE(EditClosed());
    EXPECT_EQ(g->aArray.At(1).At(3), rt::Value(c.expected));
  }
}

TEST_F(EditGrid, TabCommitsTheMultiLineEditAndEscRestoresIt) {
  auto g = ArrayGrid(1);
  const std::string start = "Zeile 1\r\nZeile 2";
  struct Case {
    int key;
    std::string expected;
    bool changed;
  };
  for (const Case& c : {Case{VK_ESCAPE, start, false}, Case{VK_TAB, "X" + start, true}}) {
    SCOPED_TRACE(c.key);
    g->aArray.At(1).Items()[0] = rt::Value(start);
    g->nCell = 1;
    g->lEditCol(rt::Value(start), 1);
    const auto multi = std::dynamic_pointer_cast<grid::TGMulti>(grid::OpenEditor());
    ASSERT_TRUE(multi);
    ASSERT_TRUE(RunUntil([&] { return GetFocus() == multi->hWnd; }));
    TypeText(multi->hWnd, "X");
    Key(multi->hWnd, c.key);
    ASSERT_TRUE(EditClosed());
    EXPECT_EQ(g->aArray.At(1).At(1).AsString(), c.expected);
    EXPECT_EQ(g->lChanged, c.changed);
  }
}

// The spinner's arrows step a number cell with the editor's own steps;
// blocks given for them run with the editor instead.
TEST_F(EditGrid, TheSpinnersArrowsStepTheNumberOrRunTheBlocksGiven) {
  auto g = ArrayGrid(1);
  std::vector<std::string> ran;
  const auto recorder = [&ran](const char* which) {
    return rt::Value::Block([&ran, which](rt::Args a) {
      const auto editor = rt::Arg(a, 0).As<grid::TGGet>();
      ran.push_back(std::string(which) + " " + (editor ? editor->ClassName() : "?"));
      return rt::Value();
    });
  };
  struct Case {
    bool blocks;
    long result;
    std::vector<std::string> ran;
  };
  const Case cases[] = {{false, 2, {}}, {true, 1, {"up TGGET", "up TGGET", "down TGGET"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blocks);
    ran.clear();
    g->aArray.At(1).Items()[1] = rt::Value(1);
    if (c.blocks) {
      g->SetSpinner(2, true, recorder("up"), recorder("down"));
    } else {
      g->SetSpinner(2);
    }
    g->nCell = 2;
    g->lEditCol(rt::Value(1), 2);
    const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
    ASSERT_TRUE(editor);
    ASSERT_TRUE(editor->oVScroll.IsObject());
    for (WPARAM arrow : {SB_LINEUP, SB_LINEUP, SB_LINEDOWN}) SendMessageA(editor->hWnd, WM_VSCROLL, arrow, 0);
    Key(editor->hWnd, VK_RETURN);
    ASSERT_TRUE(EditClosed());
    EXPECT_EQ(g->aArray.At(1).At(2).AsInt(), c.result);
    EXPECT_EQ(ran, c.ran);
  }
}

TEST(EditMemo, TitledWithItsButtonsAndLaidOutAgainAfterAResize) {
  std::string text = "Alter Text";
  std::string caption;
  std::vector<std::string> buttons;
  RECT memo{}, accept{}, client{};
  BoxDriver driver([&](HWND box) {
    char title[128] = {};
    GetWindowTextA(box, title, sizeof title);
    caption = title;
    SetWindowPos(box, nullptr, 0, 0, 640, 420, SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(box, &client);
    HWND edit = nullptr, first = nullptr;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      char cls[32] = {}, label[64] = {};
      GetClassNameA(c, cls, sizeof cls);
      GetWindowTextA(c, label, sizeof label);
      if (std::string(cls) == "Edit") edit = c;
      if (std::string(cls) == "Button") {
        buttons.push_back(label);
        if (!first) first = c;
      }
    }
    GetWindowRect(edit, &memo);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&memo), 2);
    GetWindowRect(first, &accept);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&accept), 2);
    PostMessageA(edit, WM_CHAR, 'N', 1);
    PostMessageA(first, BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(grid::EDITMEMO(text, rt::Value("Beispiel")));
  driver.Seen();
  EXPECT_EQ(caption, "Bearbeiten Beispiel");
  EXPECT_EQ(buttons, (std::vector<std::string>{"&\xDC" "bernehmen", "A&bbrechen", "&Hilfe"}));
  EXPECT_EQ(memo.right - memo.left, client.right - 17);
  EXPECT_EQ(memo.bottom - memo.top, client.bottom - 69);
  EXPECT_EQ(accept.left, client.right - 250);
  EXPECT_EQ(accept.top, client.bottom - 57);
  EXPECT_EQ(text.front(), 'N');
  EXPECT_NE(text, "Alter Text");

  std::string kept = "Bleibt";
  BoxDriver cancel([](HWND box) { PostMessageA(box, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_FALSE(grid::EDITMEMO(kept));
  EXPECT_EQ(kept, "Bleibt");
}

}  // namespace

namespace {

TEST_F(EditGrid, AMemoFieldIsEditedInTheMemoDialog) {
  const std::string file = dir.In("NOTIZEN.DBF");
  ASSERT_TRUE(rt::DBCREATE(file, rt::Value::Array({rt::Value::Array({"TEXT", "M", 10, 0})})));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "NOTIZEN", false, false));
  rt::DBAPPEND();
  rt::FIELDPUT(1, "alt");
  auto g = gridtest::Grid(owner, 300, 120, "NOTIZEN");
  g->lCellBrw = true;
  g->AddColumn(gridtest::EditColumn(g, "Notiz", grid::FIELDSETGETBLOCK("NOTIZEN", 1), 200, 0));
  g->Col(1)->cData = "NOTIZEN->TEXT";
  g->GoTop();
  std::string caption;
  BoxDriver driver([&caption](HWND box) {
    char title[128] = {};
    GetWindowTextA(box, title, sizeof title);
    caption = title;
    HWND edit = FindWindowExA(box, nullptr, "Edit", nullptr);
    PostMessageA(edit, WM_CHAR, 'N', 1);
    PostMessageA(FindWindowExA(box, nullptr, "Button", nullptr), BM_CLICK, 0, 0);
  });
  g->nCell = 1;
  g->lEditCol(rt::FIELDGET(1), 1);
  driver.Seen();
  EXPECT_EQ(caption, "Bearbeiten Notiz");
  EXPECT_TRUE(g->lChanged);
  EXPECT_FALSE(g->lEditing);
  EXPECT_EQ(rt::FIELDGET(1).AsString().front(), 'N');
}

}  // namespace
