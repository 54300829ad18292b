#pragma once
// Shared by the grid's editing tests: a cell-mode grid over the word table
// (its DEUTSCH and ENGLISCH orders open) or over an array, the open
// editor, typed keys and a wait for the message loop to bring about a
// condition.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "../controls/owner_window.h"
#include "../runtime/scratch_dir.h"
#include "browse_fixture.h"
#include "grid/edit_defer.h"
#include "grid/grid_edit.h"
#include "grid/tgbrowse.h"
#include "grid/tgcolumn.h"
#include "runtime/table_fns.h"

namespace gridtest {

// Runs the message loop until done() holds; false when it never does.
inline bool RunUntil(const std::function<bool()>& done, int rounds = 200) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return done();
}

// Waits until no editor is open and its pop-up is gone.
inline bool EditClosed() {
  return RunUntil([] { return !grid::EditorPopup(); }) && RunUntil([] {
           MSG msg;
           return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
         }, 20);
}

inline void TypeText(HWND h, const std::string& text) {
  for (char c : text) SendMessageA(h, WM_CHAR, static_cast<unsigned char>(c), 1);
}

inline void Key(HWND h, int vkey) { SendMessageA(h, WM_KEYDOWN, static_cast<WPARAM>(vkey), 1); }

inline std::shared_ptr<grid::TGColumn> EditColumn(const std::shared_ptr<grid::TGBrowse>& g, const char* heading,
                                                  const rt::Value& bData, long width, long editMove = 1) {
  grid::ColumnArgs c;
  c.cHeading = heading;
  c.bData = bData;
  c.nWidth = width;
  c.lEdit = true;
  c.nEditMove = editMove;
  c.oBrw = rt::Value(g);
  auto column = std::make_shared<grid::TGColumn>();
  column->New(c);
  return column;
}

// An element of the array grid's current row, read and written by nAt.
inline rt::Value ArrayCell(const std::shared_ptr<grid::TGBrowse>& g, std::size_t n) {
  std::weak_ptr<grid::TGBrowse> weak = g;
  return rt::Value::Block([weak, n](rt::Args a) {
    const auto b = weak.lock();
    if (!b || b->nAt < 1 || b->nAt > static_cast<long>(b->aArray.Len())) return rt::Value();
    rt::Value row = b->aArray.At(static_cast<std::size_t>(b->nAt));
    if (n > row.Len()) return rt::Value();
    if (!a.empty() && !a[0].IsNil()) row.Items()[n - 1] = a[0];
    return row.At(n);
  });
}

class EditGrid : public testing::Test {
 protected:
  void TearDown() override {
    if (const auto popup = grid::EditorPopup(); popup && popup->hWnd) DestroyWindow(popup->hWnd);
    grid::EditorPopup().reset();
    grid::RunPosted();
    rt::DBCLOSEALL();
  }
  // The word table with rows Wort000001.. and both orders open, the
  // DEUTSCH order current; columns Deutsch and Englisch (editable, 150
  // pixels) and Sprache (60).
  std::shared_ptr<grid::TGBrowse> TableGrid(int rows) {
    OpenWordTable(dir, rows);
    EXPECT_TRUE(rt::ORDCREATE(dir.In("WORTE_EN.NTX"), "", "ENGLISCH"));
    // Shared, as the programs open their tables.
    rt::DBCLOSEAREA();
    EXPECT_TRUE(rt::DBUSEAREA(true, "", dir.In("WORTE.DBF"), "WORTE", true, false));
    EXPECT_TRUE(rt::ORDLISTADD(dir.In("WORTE.NTX")));
    EXPECT_TRUE(rt::ORDLISTADD(dir.In("WORTE_EN.NTX")));
    rt::ORDSETFOCUS(1);
    rt::DBGOTOP();
    auto g = Grid(owner, 460, 220, "WORTE");
    g->lCellBrw = true;
    g->AddColumn(EditColumn(g, "Deutsch", grid::FIELDSETGETBLOCK("WORTE", 1), 150));
    g->AddColumn(EditColumn(g, "Englisch", grid::FIELDSETGETBLOCK("WORTE", 2), 150));
    g->AddColumn(EditColumn(g, "Sprache", grid::FIELDSETGETBLOCK("WORTE", 3), 60));
    g->Col(1)->lIndexCol = true;
    g->Col(3)->lEdit = false;
    g->GoTop();
    PaintFully(*g);
    return g;
  }
  // Rows {"Haus<i>", i, .T.}; columns Wort (150), Zahl (80), Ja (60).
  std::shared_ptr<grid::TGBrowse> ArrayGrid(int rows) {
    auto g = Grid(owner, 460, 220, "ARRAY");
    g->lCellBrw = true;
    rt::Value a = rt::Value::Array();
    for (int i = 1; i <= rows; ++i)
      a.Items().push_back(rt::Value::Array({"Haus" + std::to_string(i), i, true}));
    g->SetArray(a);
    g->AddColumn(EditColumn(g, "Wort", ArrayCell(g, 1), 150));
    g->AddColumn(EditColumn(g, "Zahl", ArrayCell(g, 2), 80));
    g->AddColumn(EditColumn(g, "Ja", ArrayCell(g, 3), 60));
    g->GoTop();
    PaintFully(*g);
    return g;
  }
  rt::test::ScratchDir dir;
  controltest::OwnerWindow owner{500, 700, RGB(255, 255, 255)};
};

}  // namespace gridtest
