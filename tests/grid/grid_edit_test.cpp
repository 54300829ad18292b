// In-cell editing of the grid under Wine: the editor each cell gets and
// where its pop-up goes, the write-back into the table (both orders find
// the new key) and the array, cancelling, moving on, the logical bitmap
// toggle, append rows, automatic editing and deleting rows.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "../graphics/window_shot.h"
#include "../services/box_driver.h"
#include "edit_fixture.h"
#include "grid/grid_geometry.h"
#include "grid/tgbtnget.h"
#include "grid/tgcombo.h"
#include "grid/tgget.h"
#include "grid/tgmulti.h"
#include "runtime/settings.h"
#include "runtime/strings.h"

namespace {

using gridtest::EditClosed;
using gridtest::EditGrid;
using gridtest::Key;
using gridtest::RunUntil;
using gridtest::TypeText;

RECT ScreenRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}

TEST_F(EditGrid, EachKindOfCellGetsItsEditorOverTheCell) {
  auto g = ArrayGrid(3);
  g->nLineStyle = 0;
  struct Case {
    const char* what;
    rt::Value value;
    bool logicDrop;
    bool list;
    const char* resName;
    const char* className;
  };
  const Case cases[] = {
      {"logical with the drop-down", true, true, false, "", "TGCOMBO"},
      {"a value list", "Haus", false, true, "", "TGCOMBO"},
      {"text with a carriage return", "Zeile 1\r\nZeile 2", false, false, "", "TGMULTI"},
      {"a button resource", "Haus", false, false, "BTNDOWN", "TGET"},
      {"plain text", "Haus", false, false, "", "TGGET"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    g->lLogicDrop = c.logicDrop;
    auto column = g->Col(2);
    column->aList = c.list ? rt::Value::Array({"Haus", "Hof", "Hund"}) : rt::Value();
    column->cResName = c.resName;
    column->bAction = rt::Value::Block([](rt::Args) { return rt::Value(); });
    g->nCell = 2;
    g->lEditCol(c.value, 2);
    const auto editor = grid::OpenEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->ClassName(), c.className);
    EXPECT_TRUE(g->lEditing);
    const auto popup = grid::EditorPopup();
    // The cell's screen rectangle, its x from the 150 pixels of column 1.
    const rt::Value cell = grid::ATGBRWPOSRECT(g->hWnd, static_cast<int>(g->nRowPos), 150, 80, nullptr,
                                               static_cast<int>(g->nHeightCell), static_cast<int>(g->nHeightHead),
                                               static_cast<int>(g->nHeightSuper));
    const RECT p = ScreenRect(popup->hWnd);
    const bool plain = std::string(c.className) == "TGGET" || std::string(c.className) == "TGMULTI";
    // Plain editors sit 1 lower and 2 further in (line style 0), all one
    // pixel right of the rectangle's left edge.
    EXPECT_EQ(p.left, cell.At(2).AsInt() + (plain ? 2 : 0) + 1);
    EXPECT_EQ(p.top, cell.At(1).AsInt() + (plain ? 1 : 0));
    EXPECT_EQ(p.right - p.left, cell.At(4).AsInt() - cell.At(2).AsInt() - (plain ? 2 : 0));
    if (plain) {
      EXPECT_EQ(p.bottom - p.top, cell.At(3).AsInt() - cell.At(1).AsInt() - 1);
    }
    if (c.logicDrop) {
      const auto combo = std::dynamic_pointer_cast<grid::TGCombo>(editor);
      ASSERT_TRUE(combo);
      EXPECT_EQ(combo->GetItem(1), "Ja");
      EXPECT_EQ(combo->GetItem(2), "Nein");
    }
    if (std::string(c.resName) == "BTNDOWN") {
      EXPECT_TRUE(std::dynamic_pointer_cast<grid::TGBtnGet>(editor));
    }
    // Only one editor at a time.
    g->lEditCol(rt::Value("Zweiter"), 1);
    EXPECT_EQ(grid::OpenEditor(), editor);
    Key(editor->hWnd, VK_ESCAPE);
    EXPECT_TRUE(EditClosed());
    EXPECT_FALSE(IsWindow(popup->hWnd));
    EXPECT_FALSE(g->lEditing);
    EXPECT_EQ(g->aArray.At(1).At(2).AsInt(), 1) << "cancelled";
  }
}

TEST_F(EditGrid, ATypedWordAndEnterWriteTheFieldAndBothOrdersFindIt) {
  struct Case {
    long editMove;
    long cell, recnoAfter;
  };
  // Edit move 1 goes right, 2 down, 0 stays.
  for (const Case c : {Case{1, 2, 0}, Case{2, 1, 3}, Case{0, 1, 0}}) {
    SCOPED_TRACE(c.editMove);
    auto g = TableGrid(5);
    rt::DBGOTO(2);
    g->nRowPos = 2;
    g->nCell = 1;
    int posted = 0;
    g->Col(1)->nEditMove = c.editMove;
    g->Col(1)->bPostEdit = rt::Value::Block([&posted](rt::Args a) {
      posted += rt::Arg(a, 0).IsString();
      return rt::Value();
    });
    const long rec = rt::RECNO();
    g->lEditCol(rt::FIELDGET(1), 1);
    const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
    ASSERT_TRUE(editor);
    editor->SelectAll();
    // A key that keeps the record's place in the DEUTSCH order.
    TypeText(editor->hWnd, "Wort000002b");
    Key(editor->hWnd, VK_RETURN);
    ASSERT_TRUE(EditClosed());
    EXPECT_EQ(posted, 1);
    EXPECT_TRUE(g->lChanged);
    EXPECT_FALSE(g->lEditing);
    EXPECT_EQ(g->nCell, c.cell);
    if (c.recnoAfter) {
      EXPECT_EQ(rt::RECNO(), c.recnoAfter);
    }
    rt::DBGOTO(rec);
    EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "Wort000002b");
    rt::ORDSETFOCUS(1);
    EXPECT_TRUE(rt::DBSEEK("Wort000002b"));
    EXPECT_EQ(rt::RECNO(), rec);
    rt::ORDSETFOCUS(2);
    EXPECT_TRUE(rt::DBSEEK("word2"));
    EXPECT_EQ(rt::RECNO(), rec);
    rt::DBCLOSEALL();
  }
}

TEST_F(EditGrid, EscOrTheFocusGoingElsewhereLeaveTheRecordUnchanged) {
  auto g = TableGrid(3);
  HWND other = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 300, 100, 20, owner.w->hWnd, nullptr, nullptr,
                             nullptr);
  for (bool byEsc : {true, false}) {
    SCOPED_TRACE(byEsc ? "Esc" : "focus elsewhere");
    rt::DBGOTOP();
    g->lEditCol(rt::FIELDGET(1), 1);
    const auto editor = grid::OpenEditor();
    ASSERT_TRUE(editor);
    ASSERT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }));
    TypeText(editor->hWnd, "XYZ");
    if (byEsc) {
      Key(editor->hWnd, VK_ESCAPE);
    } else {
      SetFocus(other);
    }
    ASSERT_TRUE(EditClosed());
    EXPECT_FALSE(g->lChanged);
    EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "Wort000001");
    EXPECT_EQ(owner.w->nLastKey, VK_ESCAPE);
  }
  // After a click elsewhere that control keeps the focus.
  EXPECT_EQ(GetFocus(), other);
}

// Four columns of 150 pixels on 480 (464 beside the bar), the first
// frozen, scrolled to the last: a click on the frozen column's cell makes
// that column current and Enter edits its value, in an editor over it.
TEST_F(EditGrid, AClickOnTheFrozenColumnOfAScrolledGridEditsThatColumn) {
  auto g = gridtest::Grid(owner, 480, 220, "ARRAY");
  g->lCellBrw = true;
  rt::Value rows = rt::Value::Array();
  for (int i = 1; i <= 4; ++i) {
    const std::string n = std::to_string(i);
    rows.Items().push_back(rt::Value::Array({"Haus" + n, "Baum" + n, "Stein" + n, "Weg" + n}));
  }
  g->SetArray(rows);
  const char* headings[] = {"Wort", "Holz", "Fels", "Pfad"};
  for (std::size_t n = 1; n <= 4; ++n) g->AddColumn(gridtest::EditColumn(g, headings[n - 1], gridtest::ArrayCell(g, n), 150));
  g->nFreeze = 1;
  g->GoTop();
  gridtest::PaintFully(*g);
  while (g->nCell < 4) g->GoRight();
  ASSERT_EQ(g->nColPos, 3) << "column 2 scrolled out of sight";

  const long rowY = g->nHeightHead + g->nHeightCell + g->nHeightCell / 2;
  struct Click {
    long x, cell;
  };
  // The first scrolled column, then the frozen one.
  for (const Click c : {Click{190, 3}, Click{40, 1}}) {
    SendMessageA(g->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, rowY));
    SendMessageA(g->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(c.x, rowY));
    EXPECT_EQ(g->nCell, c.cell) << c.x;
    EXPECT_EQ(g->nColPos, 3) << c.x;
  }
  EXPECT_EQ(g->nRowPos, 2);
  ASSERT_TRUE(RunUntil([&] { return GetFocus() == g->hWnd; }));
  Key(g->hWnd, VK_RETURN);
  const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(editor);
  ASSERT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }));
  EXPECT_EQ(rt::RTRIM(editor->VarGet().AsString()), "Haus2");
  POINT at{0, 0};
  ClientToScreen(g->hWnd, &at);
  const RECT p = ScreenRect(grid::EditorPopup()->hWnd);
  EXPECT_LT(p.left - at.x, 10) << "the editor stands over the frozen column";
  EXPECT_LE(p.right - at.x, 152);
  editor->SelectAll();
  TypeText(editor->hWnd, "Hof");
  RedrawWindow(owner.w->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RedrawWindow(grid::EditorPopup()->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (const char* file = std::getenv("VD_GRID_FROZEN_SHOT")) SaveWindowShot(owner.w->hWnd, file);
  Key(editor->hWnd, VK_RETURN);
  ASSERT_TRUE(EditClosed());
  EXPECT_EQ(rt::RTRIM(g->aArray.At(2).At(1).AsString()), "Hof");
  EXPECT_EQ(g->aArray.At(2).At(2), rt::Value("Baum2")) << "the hidden column keeps its value";
}

// The horizontal bar ends an open editor as Esc does, before it moves.
TEST_F(EditGrid, TheHorizontalBarEndsAnOpenEditorUnwritten) {
  auto g = ArrayGrid(2);
  g->nCell = 1;
  g->lEditCol(rt::Value("Haus1"), 1);
  const auto editor = grid::OpenEditor();
  ASSERT_TRUE(editor);
  TypeText(editor->hWnd, "XYZ");
  g->HScroll(SB_LINERIGHT, 0);
  EXPECT_FALSE(grid::EditorPopup());
  EXPECT_FALSE(g->lEditing);
  EXPECT_EQ(owner.w->nLastKey, VK_ESCAPE);
  EXPECT_EQ(g->nCell, 2);
  ASSERT_TRUE(EditClosed());
  EXPECT_EQ(g->aArray.At(1).At(1), rt::Value("Haus1"));
  // Without an editor the owner's last key is cleared.
  g->HScroll(SB_LINELEFT, 0);
  EXPECT_EQ(owner.w->nLastKey, 0);
  EXPECT_EQ(g->nCell, 1);
}

TEST_F(EditGrid, LeftAndRightMoveTheCaretUnlessTheyExit) {
  auto g = ArrayGrid(2);
  for (bool exits : {false, true}) {
    SCOPED_TRACE(exits);
    g->nCell = 1;
    g->lEditCol(rt::Value("Haus1"), 1);
    const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
    ASSERT_TRUE(editor);
    editor->lRightLeftExit = exits;
    ASSERT_TRUE(RunUntil([&] { return GetFocus() == editor->hWnd; }));
    editor->SetPos(1);
    Key(editor->hWnd, VK_RIGHT);
    Key(editor->hWnd, VK_RIGHT);
    if (exits) {
      ASSERT_TRUE(EditClosed());
      EXPECT_EQ(g->nCell, 2) << "moved right with the key";
    } else {
      EXPECT_EQ(grid::OpenEditor(), editor);
      long start = 0, end = 0;
      editor->GetSelPos(start, end);
      EXPECT_EQ(end, 2);
      Key(editor->hWnd, VK_ESCAPE);
      ASSERT_TRUE(EditClosed());
    }
  }
}

TEST_F(EditGrid, TheLogicalBitmapCellTogglesWithoutAnEditor) {
  auto g = ArrayGrid(1);
  g->Col(3)->lBitMap = true;
  struct Case {
    long key;
    bool start, result, changed;
  };
  const Case cases[] = {{' ', true, false, true}, {' ', false, true, true}, {VK_RETURN, true, true, false},
                        {'J', false, true, true}, {'n', true, false, true}, {'T', false, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    g->aArray.At(1).Items()[2] = rt::Value(c.start);
    owner.w->nLastKey = c.key;
    g->nCell = 3;
    g->lEditCol(rt::Value(c.start), 3);
    EXPECT_FALSE(grid::EditorPopup());
    EXPECT_EQ(g->aArray.At(1).At(3), rt::Value(c.result));
    EXPECT_EQ(g->lChanged, c.changed);
    EXPECT_FALSE(g->lEditing);
  }
}

TEST_F(EditGrid, EscInAnAppendRowLeavesAppendModeOnTheLastRow) {
  auto g = ArrayGrid(3);
  g->lCanAppend = true;
  g->GoBottom();
  g->GoDown();
  ASSERT_TRUE(g->lAppendMode);
  // The append row posts the Enter that opens its editor.
  ASSERT_TRUE(RunUntil([] { return grid::OpenEditor() != nullptr; }));
  const auto editor = grid::OpenEditor();
  Key(editor->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());
  EXPECT_FALSE(g->lAppendMode);
  EXPECT_EQ(g->aArray.Len(), 3u);
  EXPECT_EQ(g->nAt, 3);
}

TEST_F(EditGrid, AnAppendedArrayRowTakesTheDefaultsAndTheTypedValue) {
  auto g = ArrayGrid(2);
  g->lCanAppend = true;
  g->aDefValue = rt::Value::Array({"", "neu", 0, false});  // a leading placeholder
  g->GoBottom();
  g->GoDown();
  ASSERT_TRUE(RunUntil([] { return grid::OpenEditor() != nullptr; }));
  const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(editor);
  TypeText(editor->hWnd, "Dach");
  Key(editor->hWnd, VK_RETURN);
  ASSERT_TRUE(EditClosed());
  ASSERT_EQ(g->aArray.Len(), 3u);
  const rt::Value row = g->aArray.At(3);
  ASSERT_EQ(row.Len(), 3u) << "as long as the other rows";
  EXPECT_EQ(rt::RTRIM(row.At(1).AsString()), "Dach");
  EXPECT_EQ(row.At(2).AsInt(), 0);
  EXPECT_EQ(row.At(3), rt::Value(false));
  EXPECT_FALSE(g->lAppendMode);
}

TEST_F(EditGrid, AutoEditWithEditMoveFiveWalksTheEditableCellsIntoTheNextRow) {
  auto g = ArrayGrid(3);
  g->lAutoEdit = true;
  g->Col(2)->lEdit = false;
  g->Col(1)->nEditMove = g->Col(3)->nEditMove = 5;
  auto enterPosted = [&] {
    MSG msg;
    bool found = false;
    while (PeekMessageA(&msg, g->hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) found |= msg.wParam == VK_RETURN;
    return found;
  };
  struct Step {
    long cell;
    rt::Value value;
    long nextCell, nextAt;
  };
  for (const Step& s : {Step{1, rt::Value("Haus1"), 3, 1}, Step{3, rt::Value(true), 1, 2}}) {
    g->nCell = s.cell;
    g->lEditCol(s.value, s.cell);
    const auto editor = grid::OpenEditor();
    ASSERT_TRUE(editor);
    Key(editor->hWnd, VK_RETURN);
    EXPECT_TRUE(enterPosted()) << "the next cell's editor is asked for";
    ASSERT_TRUE(RunUntil([] { return !grid::EditorPopup(); }));
    EXPECT_EQ(g->nCell, s.nextCell);
    EXPECT_EQ(g->nAt, s.nextAt);
    EXPECT_TRUE(g->lEditing);
    grid::RunPosted();
  }
}

// Without a cell cursor a move sideways never changes the cell: edit move
// five then stays on the cell instead of stepping toward the next editable
// one for ever.
TEST_F(EditGrid, EditMoveFiveWithoutACellCursorStaysOnTheCell) {
  auto g = ArrayGrid(3);
  g->lCellBrw = false;
  g->Col(1)->nEditMove = 5;
  g->nCell = 1;
  g->lEditCol(rt::Value("Haus1"), 1);
  const auto editor = grid::OpenEditor();
  ASSERT_TRUE(editor);
  Key(editor->hWnd, VK_RETURN);
  ASSERT_TRUE(RunUntil([] { return !grid::EditorPopup(); }));
  EXPECT_EQ(g->nCell, 1);
  EXPECT_EQ(g->nAt, 1);
}

TEST_F(EditGrid, DeletingTheOnlyRowOfAnAppendableArrayLeavesAFullDefaultRow) {
  struct Case {
    rt::Value defaults;
    rt::Value expected;
  };
  const Case cases[] = {
      {rt::Value::Array({"", "neu", 7, true}), rt::Value::Array({"neu", 7, true})},
      {rt::Value::Array({"", 0, false}), rt::Value::Array({"", 0, false})},
  };
  for (const Case& c : cases) {
    auto g = ArrayGrid(1);
    g->lCanAppend = true;
    g->SetDeleteMode(true, false);
    g->aDefValue = c.defaults;
    int after = 0;
    g->bPostDel = rt::Value::Block([&after](rt::Args) {
      ++after;
      return rt::Value();
    });
    g->DeleteRow();
    ASSERT_EQ(g->aArray.Len(), 1u);
    EXPECT_EQ(g->aArray.At(1).Len(), 3u);
    for (std::size_t i = 1; i <= 3; ++i) EXPECT_EQ(g->aArray.At(1).At(i), c.expected.At(i));
    EXPECT_EQ(after, 1);
    EXPECT_EQ(g->nAt, 1);
  }
}

TEST_F(EditGrid, DeletingAsksFirstAndAVetoKeepsTheRow) {
  auto g = ArrayGrid(3);
  g->SetDeleteMode(true, true);
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDNO); });
    g->DeleteRow();
    const SeenBox& seen = driver.Seen();
    EXPECT_EQ(seen.caption, "Bitte best\xE4tigen");
    EXPECT_NE(seen.Joined().find("Soll die Zeile gel\xF6scht werden ?"), std::string::npos);
  }
  EXPECT_EQ(g->aArray.Len(), 3u);
  g->lConfirm = false;
  g->bDelete = rt::Value::Block([](rt::Args a) { return rt::Value(rt::Arg(a, 0).AsInt() != 2); });
  g->nAt = 2;
  g->DeleteRow();
  EXPECT_EQ(g->aArray.Len(), 3u) << "vetoed";
  g->nAt = 3;
  g->nRowPos = 3;
  g->DeleteRow();
  EXPECT_EQ(g->aArray.Len(), 2u);
  EXPECT_EQ(g->nAt, 2) << "not past the end";
}

TEST_F(EditGrid, ARecordHeldElsewhereKeepsTheTypedValueAndIsNotDeleted) {
  auto g = TableGrid(3);
  // A second handle on the table locks record 1, as another program would.
  const int area = rt::SELECT("WORTE");
  ASSERT_TRUE(rt::DBUSEAREA(true, "", dir.In("WORTE.DBF"), "ANDERER", true, false));
  ASSERT_TRUE(rt::DBRLOCK(1));
  rt::DBSELECTAREA(area);
  rt::DBGOTOP();
  ASSERT_FALSE(rt::DBRLOCK(1)) << "held by the other handle";
  {
    g->lEditCol(rt::FIELDGET(1), 1);
    const auto editor = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
    ASSERT_TRUE(editor);
    editor->SelectAll();
    TypeText(editor->hWnd, "Zwerg");
    // Made once the editor's pop-up is up: it answers the next window activated.
    BoxDriver driver([](HWND box) { BoxDriver::PressEnter(box); });
    Key(editor->hWnd, VK_RETURN);
    const SeenBox& seen = driver.Seen();
    EXPECT_EQ(seen.caption, "Bitte noch einmal versuchen");
    EXPECT_NE(seen.Joined().find("Der Satz ist gesperrt"), std::string::npos);
  }
  // The editor comes back with the typed value.
  ASSERT_TRUE(RunUntil([] { return grid::OpenEditor() != nullptr; }));
  const auto again = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(again);
  EXPECT_EQ(rt::RTRIM(again->VarGet().AsString()), "Zwerg");
  EXPECT_EQ(rt::RTRIM(rt::FIELDGET(1).AsString()), "Wort000001") << "not written";
  Key(again->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());

  g->SetDeleteMode(true, false);
  {
    BoxDriver driver([](HWND box) { BoxDriver::PressEnter(box); });
    g->DeleteRow();
    const SeenBox& seen = driver.Seen();
    EXPECT_EQ(seen.caption, "Fehler");
    EXPECT_NE(seen.Joined().find("Der Satz wird verwendet und kann nicht gesperrt werden"), std::string::npos);
  }
  rt::DBGOTO(1);
  EXPECT_FALSE(rt::DELETED());
  // Asked first for a table's record.
  g->lConfirm = true;
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDNO); });
    g->DeleteRow();
    EXPECT_NE(driver.Seen().Joined().find("Soll der Satz gel\xF6scht werden ?"), std::string::npos);
  }
  // Free again, it is deleted.
  rt::DBSELECTAREA(rt::SELECT("ANDERER"));
  rt::DBUNLOCK();
  rt::DBSELECTAREA(area);
  g->lConfirm = false;
  rt::DBGOTO(1);
  g->DeleteRow();
  rt::DBGOTO(1);
  EXPECT_TRUE(rt::DELETED());
}

TEST_F(EditGrid, APendingKeyIsTypedIntoTheEditorOrChoosesTheListItem) {
  auto g = ArrayGrid(1);
  g->nCell = 1;
  g->nKeyDown = 'M';
  g->lEditCol(rt::Value("Haus1"), 1);
  EXPECT_EQ(g->nKeyDown, 0);
  const auto get = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(get);
  EXPECT_TRUE(get->lRightLeftExit);
  ASSERT_TRUE(RunUntil([&] { return get->GetText().rfind("Maus1", 0) == 0; }));
  Key(get->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());

  g->lLogicDrop = true;
  struct Case {
    long key;
    long item;
  };
  for (const Case c : {Case{'N', 2}, Case{'j', 1}, Case{'F', 2}, Case{'T', 1}}) {
    SCOPED_TRACE(c.key);
    g->nKeyDown = c.key;
    g->nCell = 3;
    g->lEditCol(rt::Value(true), 3);
    const auto combo = std::dynamic_pointer_cast<grid::TGCombo>(grid::OpenEditor());
    ASSERT_TRUE(combo);
    EXPECT_EQ(SendMessageA(combo->hWnd, CB_GETCURSEL, 0, 0) + 1, c.item);
    Key(combo->hWnd, VK_ESCAPE);
    ASSERT_TRUE(EditClosed());
  }
}

TEST_F(EditGrid, AnInvalidDateIsRefusedAndTheEditStaysOpen) {
  auto g = ArrayGrid(1);
  g->aArray.At(1).Items()[1] = rt::Value(rt::Date{});
  g->nCell = 2;
  g->lEditCol(rt::Value(rt::Date{}), 2);
  const auto get = std::dynamic_pointer_cast<grid::TGGet>(grid::OpenEditor());
  ASSERT_TRUE(get);
  ASSERT_TRUE(RunUntil([&] { return GetFocus() == get->hWnd; }));
  TypeText(get->hWnd, "99999999");
  Key(get->hWnd, VK_RETURN);
  EXPECT_EQ(grid::OpenEditor(), get) << "refused";
  EXPECT_TRUE(g->lEditing);
  Key(get->hWnd, VK_ESCAPE);
  ASSERT_TRUE(EditClosed());
  EXPECT_EQ(g->aArray.At(1).At(2), rt::Value(rt::Date{}));
}

}  // namespace
