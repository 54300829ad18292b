// The grid's keys, mouse and focus: key tables on a word table, posted
// mouse messages on the header and the body, and the column menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "../controls/running_dialog.h"
#include "browse_fixture.h"
#include "controls/tmenu.h"
#include "graphics/cursors.h"
#include "tests/graphics/window_shot.h"
#include "grid/tgbscrlbar.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"

namespace {

using controltest::OwnerWindow;
using gridtest::Grid;
using grid::TGBrowse;

constexpr long kColWidth = 100;

// The shift keys as GETKEYSTATE reads them, for as long as it lives.
struct HeldKeys {
  HeldKeys(bool ctrl, bool shift, bool alt = false) { Set(ctrl, shift, alt); }
  ~HeldKeys() { Set(false, false, false); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;
  static void Set(bool ctrl, bool shift, bool alt) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_CONTROL] = state[VK_LCONTROL] = ctrl ? 0x80 : 0;
    state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
    state[VK_MENU] = state[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
  }
};

// Runs the messages posted so far.
void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void Post(HWND h, UINT msg, long x, long y, WPARAM flags = 0) {
  PostMessageA(h, msg, flags, MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y))));
  Pump();
}

std::shared_ptr<grid::TGColumn> FieldColumn(const std::shared_ptr<TGBrowse>& g, const char* heading, int field) {
  grid::ColumnArgs c;
  c.cHeading = heading;
  c.bData = grid::FIELDSETGETBLOCK("WORTE", field);
  c.nWidth = kColWidth;
  c.oBrw = rt::Value(g);
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

rt::Value Recorder(std::vector<std::vector<rt::Value>>& calls, rt::Value answer = {}) {
  return rt::Value::Block([&calls, answer](rt::Args a) {
    calls.emplace_back(a.begin(), a.end());
    return answer;
  });
}

// A painted grid over 50 words with four columns of 100 pixels, on its
// first row.
class InputGrid : public testing::Test {
 protected:
  void SetUp() override {
    gridtest::OpenWordTable(dir, 50);
    g = Grid(owner, 400, 200, "WORTE");
    g->AddColumn(FieldColumn(g, "Deutsch", 1));
    g->AddColumn(FieldColumn(g, "Englisch", 2));
    g->AddColumn(FieldColumn(g, "Sprache", 3));
    g->AddColumn(FieldColumn(g, "Status", 4));
    gridtest::PaintFully(*g);
    rows = g->nRowCount();
    ASSERT_GT(rows, 3);
    headY = g->nHeightHead / 2;
    ASSERT_GT(headY, 0);
  }
  void TearDown() override {
    HeldKeys::Set(false, false, false);
    rt::DBCLOSEALL();
  }
  void Place(long rec, long rowPos) {
    rt::DBGOTO(rec);
    g->nAt = rec;
    g->nRowPos = rowPos;
    g->lHitTop = g->lHitBottom = false;
  }
  // The y of body row n's middle.
  long RowY(long n) const { return g->nHeightHead + (n - 1) * g->nHeightCell + g->nHeightCell / 2; }
  std::string Heading(long n) const { return g->Col(n)->cHeading.AsString(); }
  rt::test::ScratchDir dir;
  OwnerWindow owner{400, 500};
  std::shared_ptr<TGBrowse> g;
  long rows = 0, headY = 0;
};

TEST_F(InputGrid, NavigationKeysByShiftState) {
  struct Case {
    long key;
    bool ctrl;
    long fromRec, fromRow, rec;
  };
  const Case cases[] = {{VK_HOME, false, 20, 3, 1},      {VK_END, false, 5, 5, 50},   {VK_DOWN, false, 5, 2, 6},
                        {VK_UP, false, 5, 2, 4},         {VK_NEXT, true, 5, 2, 50},   {VK_PRIOR, true, 30, 2, 1},
                        {VK_HOME, true, 30, 2, 1},       {VK_END, true, 30, 2, 50},   {VK_NEXT, false, 1, 1, rows + 1}};
  for (const Case& k : cases) {
    Place(k.fromRec, k.fromRow);
    HeldKeys keys(k.ctrl, false);
    g->KeyDown(k.key, 1);
    EXPECT_EQ(rt::RECNO(), k.rec) << k.key << (k.ctrl ? " with Ctrl" : "");
  }
  // Ctrl+Home also pans to the first column.
  g->nColPos = g->nCell = 3;
  {
    HeldKeys keys(true, false);
    g->KeyDown(VK_HOME, 1);
  }
  EXPECT_EQ(g->nColPos, 1);
}

TEST_F(InputGrid, ShiftUpDownSelectsOnlyInSelectionMode) {
  Place(4, 4);
  {
    HeldKeys keys(false, true);
    g->KeyDown(VK_DOWN, 1);
  }
  EXPECT_EQ(g->aSelected.Len(), 0u);
  EXPECT_EQ(rt::RECNO(), 4);
  std::vector<std::vector<rt::Value>> heard;
  g->SetSelectMode(true, Recorder(heard));
  {
    HeldKeys keys(false, true);
    g->KeyDown(VK_DOWN, 1);
    ASSERT_EQ(g->aSelected.Len(), 1u);
    EXPECT_EQ(g->aSelected.At(1).AsInt(), 4);
    g->KeyDown(VK_UP, 1);
  }
  EXPECT_EQ(g->aSelected.Len(), 0u);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0][1].AsInt(), VK_DOWN);
  EXPECT_EQ(heard[0][2], rt::Value(true));
  EXPECT_EQ(heard[1][2], rt::Value(false));
}

TEST_F(InputGrid, CtrlShiftArrowsSetTheEditMove) {
  g->lCellBrw = true;
  g->nCell = 2;
  const std::pair<long, long> moves[] = {{VK_RIGHT, 1}, {VK_DOWN, 2}, {VK_UP, 4}, {VK_LEFT, 3}};
  HeldKeys keys(true, true);
  for (const auto& [key, move] : moves) {
    g->KeyDown(key, 1);
    EXPECT_EQ(g->Col(2)->nEditMove, move) << key;
  }
  EXPECT_EQ(g->nCell, 2);
}

TEST_F(InputGrid, KeyRemapDecidesByShiftStateAndUserKeysReplaceOrSwallow) {
  int ran = 0;
  // Down is the program's own key alone and with Ctrl+Shift.
  g->aKeyRemap = rt::Value::Array({rt::Value::Array(
      {VK_DOWN, true, false, false, false, true, rt::Value::Block([&ran](rt::Args) {
         ++ran;
         return rt::Value();
       })})});
  Place(5, 2);
  g->KeyDown(VK_DOWN, 1);
  EXPECT_EQ(rt::RECNO(), 5);
  EXPECT_EQ(ran, 1);
  {
    HeldKeys keys(false, true);
    EXPECT_FALSE(g->lIgnoreKey(VK_DOWN, 1));
  }
  {
    HeldKeys keys(true, true);
    EXPECT_TRUE(g->lIgnoreKey(VK_DOWN, 1));
  }
  EXPECT_EQ(ran, 2);
  g->aKeyRemap = rt::Value::Array();
  // A number below 200 replaces the key; .F. swallows it.
  g->bUserKeys = rt::Value::Block([](rt::Args a) { return a[0].AsInt() == VK_DOWN ? rt::Value(VK_UP) : rt::Value(false); });
  g->nKeyDown = 65;
  g->KeyDown(VK_DOWN, 1);
  EXPECT_EQ(rt::RECNO(), 4);
  g->KeyDown(VK_NEXT, 1);
  EXPECT_EQ(rt::RECNO(), 4);
  EXPECT_EQ(g->nKeyDown, 0);
}

TEST_F(InputGrid, EnterOnAnEditableCellHandsTheValueToTheEditor) {
  std::vector<std::vector<rt::Value>> heard;
  g->lCellBrw = true;
  g->nCell = 2;
  g->Col(2)->lEdit = true;
  g->Col(2)->bPrevEdit = Recorder(heard, rt::Value(true));
  Place(7, 3);
  g->KeyDown(VK_RETURN, 1);
  // Asked first whether to edit, then told the value.
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_TRUE(heard[0].empty());
  ASSERT_EQ(heard[1].size(), 2u);
  EXPECT_EQ(rt::RTRIM(heard[1][0].AsString()), "word7");
  // .F. from the first question cancels; a read-only column opens nothing.
  heard.clear();
  g->Col(2)->bPrevEdit = Recorder(heard, rt::Value(false));
  g->KeyDown(VK_F2, 1);
  EXPECT_EQ(heard.size(), 1u);
  g->Col(2)->lEdit = false;
  heard.clear();
  g->KeyDown(VK_RETURN, 1);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(rt::RECNO(), 7);
}

// Which typed keys open the editor of an editable cell, by the cell's
// value; the others go on to the seek.
TEST(TGBrowseKeys, TypedKeysFitTheCellsValue) {
  OwnerWindow owner(300, 400);
  auto g = Grid(owner, 380, 200, "ARRAY");
  g->SetArray(rt::Value::Array({rt::Value::Array({"Haus", 12, rt::Value(rt::Date{2460000}), true, false})}));
  std::vector<std::vector<rt::Value>> heard;
  const rt::Value values[] = {"Haus", 12, rt::Value(rt::Date{2460000}), true, false};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    grid::ColumnArgs c;
    c.cHeading = "C" + std::to_string(i + 1);
    const rt::Value v = values[i];
    c.bData = rt::Value::Block([v](rt::Args) { return v; });
    c.nWidth = 60;
    c.lEdit = true;
    c.lBitMap = i == 4;
    c.bPrevEdit = Recorder(heard, rt::Value(true));
    auto column = std::make_shared<grid::TGColumn>();
    column->New(c);
    g->AddColumn(column);
  }
  g->lCellBrw = true;
  struct Case {
    long cell, key;
    bool opens;
  };
  const Case cases[] = {{1, 'a', true},  {1, 0xE4, true}, {1, 7, false},  {2, '5', true},  {2, '-', true},
                        {2, 'a', false}, {3, '1', true},  {3, '.', true}, {3, 'x', false}, {4, 'y', true},
                        {4, 'N', true},  {4, 'S', false}, {4, ' ', false}, {5, ' ', true}, {5, 'T', false}};
  for (const Case& k : cases) {
    heard.clear();
    g->nKeyDown = 0;
    g->nCell = k.cell;
    g->KeyChar(k.key, 1);
    EXPECT_EQ(!heard.empty(), k.opens) << "column " << k.cell << " key " << k.key;
  }
  // Spanish yes widens the logical keys.
  g->aMsg = rt::Value::Array({"SI"});
  heard.clear();
  g->nCell = 4;
  g->KeyChar('S', 1);
  EXPECT_FALSE(heard.empty());
  // Nothing is typed into the append row.
  g->lAppendMode = true;
  heard.clear();
  g->nCell = 1;
  g->KeyChar('a', 1);
  EXPECT_TRUE(heard.empty());
}

TEST_F(InputGrid, TheContextKeyAloneReachesItsBlockOnce) {
  std::vector<std::vector<rt::Value>> heard;
  g->bContext = Recorder(heard);
  Place(3, 3);
  g->KeyDown(93, 0);
  g->KeyDown(93, 22872065);
  g->KeyDown(93, 0x015D0001);
  // Auto-repeats of a held key.
  g->KeyDown(93, 0x415D0001);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0][0].AsInt(), 3);
  EXPECT_EQ(heard[0][1].AsInt(), g->nColPos);
}

TEST_F(InputGrid, WheelTurnsPageOrLineWhenThePointerIsOverTheGrid) {
  RECT box{};
  GetWindowRect(g->hWnd, &box);
  const LPARAM inside = MAKELPARAM(box.left + 20, box.top + 40);
  const LPARAM outside = MAKELPARAM(box.right + 50, box.top + 40);
  struct Case {
    short delta;
    LPARAM at;
    long rec;
  };
  const long from = 40;
  const Case cases[] = {{240, inside, from - 2 * rows}, {120, inside, from - 1}, {-120, inside, from + 1},
                        {-360, inside, std::min(50L, from + 3 * rows)}, {60, inside, from - 1},
                        {-60, inside, from + 1}, {120, outside, from}, {0, inside, from}};
  for (const Case& k : cases) {
    Place(from, rows);
    g->HandleEvent(522, MAKEWPARAM(0, static_cast<WORD>(k.delta)), k.at);
    EXPECT_EQ(rt::RECNO(), k.rec) << k.delta << (k.at == outside ? " outside" : "");
  }
}

TEST_F(InputGrid, DialogCodeLetsEscGoToTheDialog) {
  EXPECT_EQ(g->GetDlgCode(VK_ESCAPE).AsInt(), 0);
  EXPECT_EQ(g->GetDlgCode(VK_DOWN).AsInt(), DLGC_WANTALLKEYS);
  EXPECT_EQ(owner.w->nLastKey, VK_DOWN);
  EXPECT_EQ(g->GetDlgCode('A').AsInt(), DLGC_WANTALLKEYS);
  EXPECT_EQ(owner.w->nLastKey, 0);
  EnableWindow(g->hWnd, FALSE);
  EXPECT_EQ(g->GetDlgCode(VK_DOWN).AsInt(), 0);
  EnableWindow(g->hWnd, TRUE);
}

TEST_F(InputGrid, AHeadingClickRunsItsAction) {
  std::vector<std::vector<rt::Value>> heard;
  g->aActions = rt::Value::Array({rt::Value(), Recorder(heard)});
  Post(g->hWnd, WM_LBUTTONDOWN, 150, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, 150, headY);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0][0].As<TGBrowse>(), g);
  EXPECT_EQ(heard[0][1].AsInt(), headY);
  EXPECT_EQ(heard[0][2].AsInt(), 150);
  // The first heading has no action; nothing moved.
  Post(g->hWnd, WM_LBUTTONDOWN, 50, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, 50, headY);
  EXPECT_EQ(heard.size(), 1u);
  EXPECT_EQ(Heading(1), "Deutsch");
}

TEST_F(InputGrid, ABodyClickMovesRowAndCell) {
  g->lCellBrw = true;
  g->nCell = 1;
  std::vector<std::vector<rt::Value>> heard;
  g->bLClicked = Recorder(heard);
  Post(g->hWnd, WM_LBUTTONDOWN, 250, RowY(3), MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, 250, RowY(3));
  EXPECT_EQ(rt::RECNO(), 3);
  EXPECT_EQ(g->nRowPos, 3);
  EXPECT_EQ(g->nCell, 3);
  EXPECT_EQ(heard.size(), 1u);
}

TEST_F(InputGrid, DraggingABorderChangesTheWidthByTheDistance) {
  Post(g->hWnd, WM_LBUTTONDOWN, kColWidth + 1, headY, MK_LBUTTON);
  EXPECT_TRUE(g->lLineDrag);
  Post(g->hWnd, WM_MOUSEMOVE, kColWidth + 20, headY, MK_LBUTTON);
  Post(g->hWnd, WM_MOUSEMOVE, kColWidth + 31, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, kColWidth + 31, headY);
  EXPECT_FALSE(g->lLineDrag);
  EXPECT_EQ(g->aColSizes.At(1).AsInt(), kColWidth + 30);
  EXPECT_EQ(g->Col(1)->nWidth, kColWidth + 30);
  EXPECT_EQ(Heading(1), "Deutsch");
  // Dragged far left of the grid, the pointer's x reads negative: the
  // column keeps a small positive width.
  const long border = 2 * kColWidth + 30;
  Post(g->hWnd, WM_LBUTTONDOWN, border, headY, MK_LBUTTON);
  Post(g->hWnd, WM_MOUSEMOVE, -300, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, -300, headY);
  const long width = g->aColSizes.At(2).AsInt();
  EXPECT_GT(width, 0);
  EXPECT_LT(width, 20);
  EXPECT_EQ(g->aColSizes.At(1).AsInt(), kColWidth + 30);
}

TEST_F(InputGrid, ThePointerShowsWhatAPressWouldDo) {
  struct Case {
    long x, y;
    HCURSOR cursor;
    const char* what;
  };
  const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  const Case cases[] = {{kColWidth + 1, headY, LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)), "on a border"},
                        {50, headY, gfx::GETCURSORHAND(), "on a heading"},
                        {50, RowY(2), arrow, "on a row"}};
  for (const Case& k : cases) {
    Post(g->hWnd, WM_MOUSEMOVE, k.x, k.y);
    EXPECT_EQ(GetCursor(), k.cursor) << k.what;
  }
  g->lMChange = false;
  Post(g->hWnd, WM_MOUSEMOVE, kColWidth + 1, headY);
  EXPECT_EQ(GetCursor(), arrow);
}

TEST_F(InputGrid, DraggingAHeadingExchangesOrMovesColumns) {
  Post(g->hWnd, WM_LBUTTONDOWN, 50, headY, MK_LBUTTON);
  EXPECT_TRUE(g->lColDrag);
  Post(g->hWnd, WM_MOUSEMOVE, 250, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, 250, headY);
  EXPECT_EQ(Heading(1), "Sprache");
  EXPECT_EQ(Heading(3), "Deutsch");
  g->lMoveCols = true;
  Post(g->hWnd, WM_LBUTTONDOWN, 50, headY, MK_LBUTTON);
  Post(g->hWnd, WM_LBUTTONUP, 350, headY);
  const std::vector<std::string> moved{Heading(1), Heading(2), Heading(3), Heading(4)};
  EXPECT_EQ(moved, (std::vector<std::string>{"Englisch", "Deutsch", "Status", "Sprache"}));
  // Dropped left of the grid, above it or on the body: nothing moves.
  const std::pair<long, long> drops[] = {{-40, headY}, {250, -30}, {250, RowY(2)}};
  for (const auto& [x, y] : drops) {
    Post(g->hWnd, WM_LBUTTONDOWN, 150, headY, MK_LBUTTON);
    Post(g->hWnd, WM_LBUTTONUP, x, y);
    EXPECT_EQ(Heading(2), "Deutsch") << x << "," << y;
  }
}

std::vector<std::string> Prompts(const ctl::TMenu& menu, std::vector<bool>* active = nullptr) {
  std::vector<std::string> out;
  for (const auto& item : menu.Items()) {
    out.push_back(item->cPrompt.IsString() ? item->cPrompt.AsString() : std::string("-"));
    if (active) active->push_back(item->lActive);
  }
  return out;
}

void Choose(const ctl::TMenu& menu, const std::string& prompt) {
  for (const auto& item : menu.Items()) {
    if (item->cPrompt.IsString() && item->cPrompt.AsString() == prompt) {
      item->bAction.Eval(rt::Value(item));
      return;
    }
  }
  ADD_FAILURE() << "no item " << prompt;
}

TEST_F(InputGrid, TheColumnMenuListsItsItemsAndHoldsTheColumn) {
  std::vector<bool> active;
  auto menu = g->ColumnMenu(headY, 150);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Prompts(*menu, &active),
            (std::vector<std::string>{"&R\xFC" "ckg\xE4ngig", "-", "Spalte &Kopieren", "Spalte A&usschneiden",
                                      "Spalte E&inf\xFCgen", "-", "Spalte &L\xF6schen"}));
  EXPECT_EQ(active, (std::vector<bool>{false, true, true, true, false, true, true}));
  // An editable column adds the cursor moves.
  g->Col(2)->lEdit = true;
  menu = g->ColumnMenu(headY, 150);
  const auto items = menu->Items();
  ASSERT_EQ(items.size(), 9u);
  EXPECT_EQ(items[8]->cPrompt, rt::Value("Cu&rsor"));
  const auto sub = items[8]->bAction.As<ctl::TMenu>();
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(Prompts(*sub), (std::vector<std::string>{"Nach &Unten", "Nach &Rechts", "Nach &Oben", "Nach &Links",
                                                     "Zum &N\xE4" "chsten"}));
  Choose(*sub, "Nach &Links");
  EXPECT_EQ(g->Col(2)->nEditMove, 3);
  // Cut, then undo puts it back; paste of a cut column goes to the clicked
  // heading.
  Choose(*g->ColumnMenu(headY, 150), "Spalte A&usschneiden");
  EXPECT_EQ(g->nColCount(), 3);
  EXPECT_TRUE(g->lUndo);
  menu = g->ColumnMenu(headY, 50);
  active.clear();
  EXPECT_EQ(Prompts(*menu, &active)[0], "&R\xFC" "ckg\xE4ngig Ausschneiden");
  EXPECT_TRUE(active[0]);
  EXPECT_TRUE(active[4]);
  Choose(*menu, "&R\xFC" "ckg\xE4ngig Ausschneiden");
  EXPECT_EQ(g->nColCount(), 4);
  EXPECT_EQ(Heading(2), "Englisch");
  EXPECT_FALSE(g->lUndo);
  // A copy is held but cannot be pasted.
  Choose(*g->ColumnMenu(headY, 50), "Spalte &Kopieren");
  active.clear();
  Prompts(*g->ColumnMenu(headY, 50), &active);
  EXPECT_FALSE(active[0]);
  EXPECT_FALSE(active[4]);
  // With super-headers nothing can be cut, pasted or deleted.
  g->aSuperHead = rt::Value::Array({rt::Value::Array({1, 2, "Oben"})});
  active.clear();
  Prompts(*g->ColumnMenu(headY, 50), &active);
  EXPECT_EQ(active, (std::vector<bool>{false, true, true, false, false, true, false}));
}

TEST_F(InputGrid, CutOrDeleteOfTheOnlyColumnChangesNothing) {
  while (g->nColCount() > 1) g->DelColumn(g->nColCount());
  for (const char* prompt : {"Spalte A&usschneiden", "Spalte &L\xF6schen"}) {
    Choose(*g->ColumnMenu(headY, 50), prompt);
    EXPECT_EQ(g->nColCount(), 1) << prompt;
    EXPECT_FALSE(g->lUndo) << prompt;
    std::vector<bool> active;
    Prompts(*g->ColumnMenu(headY, 50), &active);
    EXPECT_FALSE(active[0]) << prompt;
    EXPECT_FALSE(active[4]) << prompt;
  }
  EXPECT_EQ(Heading(1), "Deutsch");
}

TEST_F(InputGrid, IconUnderThePointer) {
  struct Case {
    long row, col, icon;
  };
  const long perLine = (400 - 32 - 10) / 50 + 1;
  const Case cases[] = {{20, 20, 1}, {20, 70, 2}, {70, 20, perLine + 1}, {5, 20, 0}, {20, 45, 0}, {-20, 20, 0}};
  for (const Case& k : cases) EXPECT_EQ(g->nAtIcon(k.row, k.col), k.icon) << k.row << "," << k.col;
}

TEST_F(InputGrid, FocusRemembersTheRecordForTheNextVisit) {
  g->lNoResetPos = false;
  g->lFirstFocus = false;
  Place(12, 3);
  g->LostFocus(0);
  EXPECT_FALSE(g->lHasFocus);
  EXPECT_EQ(g->nLastPos, 12);
  rt::DBGOTO(30);
  g->GotFocus(0);
  EXPECT_TRUE(g->lHasFocus);
  EXPECT_EQ(rt::RECNO(), 12);
  // Resized smaller, the row stays on the screen.
  g->nRowPos = 50;
  g->ReSize(0, 400, 200);
  EXPECT_EQ(g->nRowPos, rows);
}

// The picture of the column menu open on a heading, on a dialog as the
// programs show their grids.
const char* menuShotFile = nullptr;
HWND menuShotWindow = nullptr;
bool settled = false;

void CALLBACK Settled(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  settled = true;
}

void CALLBACK MenuShot(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SaveWindowShot(menuShotWindow, menuShotFile);
  EndMenu();
}

// A tree of the test, reached by the grid only by name: root items, each
// showing its sub-items (an Outline of their own) while it is open.
class OutlineItem;

class Outline : public rt::Object {
 public:
  RT_CLASS_DECL()
  std::vector<std::shared_ptr<OutlineItem>> items;
  // The items in the rows they show on, sub-items of open items included.
  std::vector<std::shared_ptr<OutlineItem>> Shown() const;
};

class OutlineItem : public rt::Object {
 public:
  RT_CLASS_DECL()
  std::string label;
  rt::Value oTree;
  bool open = false;
  std::weak_ptr<Outline> root;
  std::shared_ptr<OutlineItem> Last() {
    const auto sub = oTree.As<Outline>();
    if (!open || !sub || sub->items.empty()) return std::static_pointer_cast<OutlineItem>(shared_from_this());
    return sub->items.back()->Last();
  }
};

std::vector<std::shared_ptr<OutlineItem>> Outline::Shown() const {
  std::vector<std::shared_ptr<OutlineItem>> rows;
  for (const auto& item : items) {
    rows.push_back(item);
    if (const auto sub = item->oTree.As<Outline>(); sub && item->open) {
      const auto below = sub->Shown();
      rows.insert(rows.end(), below.begin(), below.end());
    }
  }
  return rows;
}

const rt::ClassInfo& Outline::ClassDef() {
  static const rt::ClassInfo info("TOUTLINE", &rt::Object::ClassDef(), rt::FactoryOf<Outline>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<Outline>(c)
        .Method("oFirst", [](Outline& t, rt::Args) { return rt::Value(t.items.front()); })
        .Method("oLast", [](Outline& t, rt::Args) { return rt::Value(t.items.back()); })
        .Method("nCount", [](Outline& t, rt::Args) { return rt::Value(static_cast<long>(t.Shown().size())); });
  });
  return info;
}

const rt::ClassInfo& OutlineItem::ClassDef() {
  static const rt::ClassInfo info(
      "TOUTLINEITEM", &rt::Object::ClassDef(), rt::FactoryOf<OutlineItem>(), [](rt::ClassInfo& c) {
        rt::ClassBuilder<OutlineItem>(c)
            .Data("oTree", &OutlineItem::oTree)
            .Method("GetLabel", [](OutlineItem& i, rt::Args) { return rt::Value::Array({i.label}); })
            .Method("ColSizes", [](OutlineItem&, rt::Args) { return rt::Value::Array({200}); })
            .Method("GetLast", [](OutlineItem& i, rt::Args) { return rt::Value(i.Last()); })
            .Method("Toggle",
                    [](OutlineItem& i, rt::Args) {
                      i.open = !i.open;
                      return rt::Value();
                    })
            // Skips n shown rows (n by reference: the rows skipped).
            .Method("Skip", [](OutlineItem& i, rt::Args a) {
              const auto rows = i.root.lock()->Shown();
              const long at = std::find(rows.begin(), rows.end(), i.shared_from_this()) - rows.begin();
              const long to = std::clamp(at + rt::Arg(a, 0).AsInt(), 0L, static_cast<long>(rows.size()) - 1);
              a[0] = rt::Value(to - at);
              return rt::Value(rows[static_cast<std::size_t>(to)]);
            });
      });
  return info;
}

TEST(TGBrowseTree, EnterAndADoubleClickOpenAndCloseAnItemWithSubItems) {
  OwnerWindow owner(400, 500);
  auto tree = std::make_shared<Outline>();
  const auto item = [&tree](const std::string& label) {
    auto i = std::make_shared<OutlineItem>();
    i->label = label;
    i->root = tree;
    return i;
  };
  auto animals = std::make_shared<Outline>();
  animals->items = {item("Hund"), item("Katze")};
  tree->items = {item("Tiere"), item("Pflanzen")};
  tree->items[0]->oTree = rt::Value(animals);
  auto g = Grid(owner, 300, 200);
  g->SetTree(rt::Value(tree));
  // The labels' column in place of the placeholder of a grid made without
  // a source.
  grid::ColumnArgs c;
  c.bData = grid::MAKEBLOCK(g, 1);
  c.nWidth = 200;
  c.oBrw = rt::Value(g);
  auto labels = std::make_shared<grid::TGColumn>();
  labels->New(c);
  g->AddColumn(labels);
  g->DelColumn(1);
  gridtest::PaintFully(*g);
  const auto shown = [&] {
    gridtest::PainterRecorder recorder;
    g->Refresh(false);
    gridtest::PaintFully(*g);
    // The last paint of each row counts, up to the last row painted.
    std::vector<std::string> labels;
    for (const auto& cell : recorder.Of(grid::CellKind::Body)) {
      if (cell.nWidth != 200 || cell.nRow < 1 || cell.nRow > g->nLen) continue;
      labels.resize(std::max(labels.size(), static_cast<std::size_t>(cell.nRow)));
      labels[static_cast<std::size_t>(cell.nRow - 1)] = cell.cText;
    }
    return labels;
  };
  using Labels = std::vector<std::string>;
  EXPECT_EQ(shown(), (Labels{"Tiere", "Pflanzen"}));
  SendMessageA(g->hWnd, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(g->nLen, 4);
  EXPECT_EQ(shown(), (Labels{"Tiere", "Hund", "Katze", "Pflanzen"}));
  const long rowY = g->nHeightCell / 2;
  SendMessageA(g->hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, rowY));
  EXPECT_EQ(g->nLen, 2);
  EXPECT_EQ(shown(), (Labels{"Tiere", "Pflanzen"}));
  // An item without sub-items has nothing to open.
  g->GoDown();
  SendMessageA(g->hWnd, WM_KEYDOWN, VK_RETURN, 0);
  SendMessageA(g->hWnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, rowY + g->nHeightCell));
  EXPECT_EQ(g->nLen, 2);
  EXPECT_EQ(shown(), (Labels{"Tiere", "Pflanzen"}));
}

// The operations a program sends by name besides those the keys and the
// mouse reach.
TEST_F(InputGrid, MovesAndEditStepsAnswerByName) {
  const rt::Value grid = g->Self();
  g->lCellBrw = true;
  g->nCell = g->nColPos = 1;
  // Four columns of 100 pixels on 400 (384 beside the bar): a pan right
  // shows the last three, the last one current.
  rt::Send(grid, "PanRight");
  EXPECT_EQ(g->nColPos, 2);
  EXPECT_EQ(g->nCell, 4);
  rt::Send(grid, "PanHome");
  g->Col(2)->lEdit = g->Col(3)->lEdit = true;
  rt::Send(grid, "GoNext");
  EXPECT_EQ(g->nCell, 2);
  rt::Send(grid, "GoNext");
  EXPECT_EQ(g->nCell, 3);
  // With a pixel x the mouse's form, else the column itself.
  std::vector<rt::Value> mouse = {0, 150};
  EXPECT_EQ(rt::Send(grid, "HiliteCell", rt::Args(mouse.data(), mouse.size())), rt::Value(true));
  EXPECT_EQ(g->nCell, 2);
  std::vector<rt::Value> column = {4};
  EXPECT_EQ(rt::Send(grid, "HiliteCell", rt::Args(column.data(), column.size())), rt::Value(true));
  EXPECT_EQ(g->nCell, 4);

  // The write-back of a value into column 2 of the current record.
  rt::DBGOTO(5);
  std::vector<rt::Value> edit = {"edited", 2};
  rt::Send(grid, "PostEdit", rt::Args(edit.data(), edit.size()));
  EXPECT_EQ(rt::RTRIM(rt::FIELDGET(2).AsString()), "edited");
  // A key after the edit ended: the grid takes it as Esc.
  g->lEditing = true;
  std::vector<rt::Value> exit = {VK_RETURN, rt::Value(), "old"};
  EXPECT_EQ(rt::Send(grid, "EditExit", rt::Args(exit.data(), exit.size())), rt::Value(true));
  EXPECT_FALSE(g->lEditing);
  EXPECT_EQ(owner.w->nLastKey, VK_ESCAPE);

  // Init binds a grid to its dialog item and prepares its columns.
  const HWND item = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 250, 200, 100, owner.w->hWnd,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(310)), GetModuleHandleA(nullptr), nullptr);
  auto bound = std::make_shared<TGBrowse>();
  grid::BrowseRedefineArgs r;
  r.nId = 310;
  r.oWnd = owner.value();
  bound->ReDefine(r);
  std::vector<rt::Value> dialog = {static_cast<double>(reinterpret_cast<std::intptr_t>(owner.w->hWnd))};
  rt::Send(bound->Self(), "Init", rt::Args(dialog.data(), dialog.size()));
  EXPECT_EQ(bound->hWnd, item);
  EXPECT_EQ(bound->nColCount(), 1) << "the placeholder column of a grid without a source";
}

TEST_F(InputGrid, ColumnMenuPictureWhenAsked) {
  menuShotFile = std::getenv("VD_GRID_MENU_SHOT");
  if (!menuShotFile) GTEST_SKIP() << "no screenshot asked for";
  // The fixture's own window would stand in front of the dialog.
  ShowWindow(owner.w->hWnd, SW_HIDE);
  controltest::WhileDialogUp(
      [&](const std::shared_ptr<core::TDialog>& d) {
        auto shown = std::make_shared<TGBrowse>();
        grid::BrowseArgs a;
        a.nWidth = 400;
        a.nHeight = 200;
        a.oWnd = rt::Value(d);
        a.lPixel = true;
        a.cAlias = "WORTE";
        shown->New(a);
        ShowWindow(d->hWnd, SW_SHOW);
        gridtest::PaintFully(*shown);
        gridtest::Settle(d->hWnd);
        menuShotWindow = d->hWnd;
        // The display takes the dialog's place and paint first.
        settled = false;
        SetTimer(nullptr, 0, 300, Settled);
        MSG msg;
        while (!settled && GetMessageA(&msg, nullptr, 0, 0)) {
          TranslateMessage(&msg);
          DispatchMessageA(&msg);
        }
        SetTimer(nullptr, 0, 300, MenuShot);
        shown->RButtonDown(shown->nHeightHead / 2, 150, 0);
        EXPECT_EQ(shown->nColCount(), 4);
      },
      420, 260, "Spalten");
}

}  // namespace
