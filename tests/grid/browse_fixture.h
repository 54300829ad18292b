#pragma once
// Shared by the grid's tests: a word table in a scratch folder, a grid on a
// plain window over it, and a recorder that takes the cell painter's place.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../controls/owner_window.h"
#include "../runtime/scratch_dir.h"
#include "grid/tgbrowse.h"
#include "runtime/table_fns.h"

namespace gridtest {

// A word table with DEUTSCH, ENGLISCH (C 40), SPRACHE (C 2) and STATUS (N 1),
// rows "Wort<i>" / "word<i>" in order; an index on DEUTSCH when asked.
// Leaves the table open under the alias WORTE.
inline void OpenWordTable(const rt::test::ScratchDir& dir, int rows, bool indexed = true,
                          const std::string& alias = "WORTE") {
  const std::string file = dir.In(alias + ".DBF");
  rt::Value structure = rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 40, 0}),
                                          rt::Value::Array({"ENGLISCH", "C", 40, 0}),
                                          rt::Value::Array({"SPRACHE", "C", 2, 0}),
                                          rt::Value::Array({"STATUS", "N", 1, 0})});
  ASSERT_TRUE(rt::DBCREATE(file, structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, alias, false, false));
  char german[32], english[32];
  for (int i = 1; i <= rows; ++i) {
    std::snprintf(german, sizeof german, "Wort%06d", i);
    std::snprintf(english, sizeof english, "word%d", i);
    rt::DBAPPEND();
    rt::FIELDPUT(1, german);
    rt::FIELDPUT(2, english);
    rt::FIELDPUT(3, "EN");
    rt::FIELDPUT(4, i % 3);
  }
  if (indexed) {
    ASSERT_TRUE(rt::ORDCREATE(dir.In(alias + ".NTX"), "", "DEUTSCH"));
  }
  rt::DBGOTOP();
}

// Records the cell painter's requests while it lives.
struct PainterRecorder {
  PainterRecorder() {
    grid::SetCellPainter([this](const grid::CellRequest& c) { cells.push_back(c); });
  }
  ~PainterRecorder() { grid::SetCellPainter({}); }
  PainterRecorder(const PainterRecorder&) = delete;
  PainterRecorder& operator=(const PainterRecorder&) = delete;
  std::vector<grid::CellRequest> Of(grid::CellKind kind) const {
    std::vector<grid::CellRequest> out;
    for (const auto& c : cells)
      if (c.nKind == kind) out.push_back(c);
    return out;
  }
  std::vector<grid::CellRequest> cells;
};

// A grid of the given pixel size at (0, 0) of the window.
inline std::shared_ptr<grid::TGBrowse> Grid(const controltest::OwnerWindow& owner, int width, int height,
                                            const rt::Value& alias = {}) {
  auto g = std::make_shared<grid::TGBrowse>();
  grid::BrowseArgs a;
  a.nWidth = width;
  a.nHeight = height;
  a.oWnd = owner.value();
  a.lPixel = true;
  a.cAlias = alias;
  g->New(a);
  return g;
}

// Paints the window and its children now.
inline void Settle(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace gridtest

namespace gridtest {

// Runs the grid's paint messages until nothing of it is left invalid (its
// first paints only prepare).
inline void PaintFully(const grid::TGBrowse& g) {
  for (int i = 0; i < 6 && GetUpdateRect(g.hWnd, nullptr, FALSE); ++i) UpdateWindow(g.hWnd);
}

}  // namespace gridtest
