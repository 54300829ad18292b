// The grid's Report reaches the report engine by name: a one-row array
// prints its row once, the grid stays on its row and its bar where it was,
// and the pages reach the printer or the preview with the grid's header
// and footer words.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "core/message_loop.h"
#include "core/send_soft.h"
#include "grid/tgbrowse.h"
#include "grid/tgbscrlbar.h"
#include "print/rpreview_state.h"
#include "print/tprinter.h"
#include "tests/grid/browse_fixture.h"
#include "tests/print/file_printers.h"
#include "tests/print/preview_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::ReadFile;

using GridReport = printtest::FilePrinters;

// Runs the grid's report over rows of {word, number}; answers how often the
// report read the first column of a row.
int ReadsOfRows(int rows) {
  controltest::OwnerWindow owner(300, 400);
  auto g = gridtest::Grid(owner, 300, 200, "ARRAY");
  rt::Value data = rt::Value::Array();
  for (int i = 1; i <= rows; ++i) data.Items().push_back(rt::Value::Array({rt::Value("Wort"), rt::Value(i)}));
  g->SetArray(data);
  auto reads = std::make_shared<int>(0);
  const rt::Value column = g->aColumns.At(1);
  const rt::Value original = core::Ask(column, "bData");
  core::Ask(column, "_bData", rt::Value::Block([reads, original](rt::Args) {
              ++*reads;
              return original.Eval();
            }));
  core::Ask(rt::Value(g), "Report", rt::Value("Liste"), rt::Value(false));
  EXPECT_EQ(g->nAt, 1) << "back on its row";
  return *reads;
}

TEST_F(GridReport, AOneRowArrayPrintsItsRowOnce) {
  prn::RegisterPrintFunctions();
  const int one = ReadsOfRows(1);
  EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 1);
  DeleteFileA(kOutA);
  const int two = ReadsOfRows(2);
  const int three = ReadsOfRows(3);
  EXPECT_EQ(three - two, two - one) << "each row once";
  EXPECT_GT(two, one);
}

TEST_F(GridReport, ThePreviewShowsTheGridsWordsAndTheBarStays) {
  prn::RegisterPrintFunctions();
  controltest::OwnerWindow owner(300, 400);
  auto g = gridtest::Grid(owner, 300, 200, "ARRAY");
  rt::Value data = rt::Value::Array();
  for (int i = 1; i <= 40; ++i) data.Items().push_back(rt::Value::Array({rt::Value("Wort"), rt::Value(i)}));
  g->SetArray(data);
  for (int i = 0; i < 12; ++i) g->GoDown();
  const auto bar = g->VScrollBar().As<grid::TGBScrlBar>();
  ASSERT_TRUE(bar);
  const int barPos = bar->GetPos();
  const long at = g->nAt, rowPos = g->nRowPos;
  ASSERT_GT(barPos, 1);
  const bool running = core::SetRunningFlag(true);
  core::Ask(rt::Value(g), "Report", rt::Value("Liste"), rt::Value(true), rt::Value(), rt::Value("Woerter"));
  ASSERT_TRUE(prn::preview::IsOpen());
  char caption[128] = {};
  GetWindowTextA(prn::preview::Current().window->hWnd, caption, sizeof caption);
  EXPECT_TRUE(std::string(caption).ends_with("(Vorschau)")) << caption;
  const std::string page = ReadFile(prn::preview::PageFile(1).c_str());
  for (const char* word : {"Datum:", "Uhrzeit:", "Seite:", "Liste"})
    EXPECT_NE(page.find(word), std::string::npos) << word;
  EXPECT_TRUE(printtest::ClosePreview());
  core::SetRunningFlag(running);
  EXPECT_EQ(bar->GetPos(), barPos);
  EXPECT_EQ(g->nAt, at);
  EXPECT_EQ(g->nRowPos, rowPos);
}

}  // namespace
