// The memo's Print reaches the printer through the function registry: 60
// lines fill one page, 61 need two; without a printer the user is told.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "controls/tmultiget.h"
#include "core/tdialog.h"
#include "graphics/function_names.h"
#include "print/tprinter.h"
#include "runtime/macro.h"
#include "tests/controls/owner_window.h"
#include "tests/print/file_printers.h"
#include "tests/services/box_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::ReadFile;

std::shared_ptr<controls::TMultiGet> Memo(const controltest::OwnerWindow& owner, const controltest::Var& v) {
  controls::MultiGetArgs a;
  a.nRow = 0;
  a.nCol = 0;
  a.bSetGet = v.Block();
  a.oWnd = owner.value();
  a.nWidth = 300;
  a.nHeight = 200;
  a.lPixel = true;
  auto m = std::make_shared<controls::TMultiGet>();
  m->New(a);
  return m;
}

std::string Lines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += (i > 1 ? "\r\n" : "") + ("Zeile " + std::to_string(i));
  return text;
}

using MemoPrint = printtest::FilePrinters;

TEST_F(MemoPrint, SixtyLinesToAPage) {
  prn::RegisterPrintFunctions();
  controltest::OwnerWindow owner(300, 400);
  struct Case {
    int lines, pages;
  } cases[] = {{60, 1}, {61, 2}, {1, 1}};
  for (const Case& c : cases) {
    DeleteFileA(kOutA);
    controltest::Var text(rt::Value(Lines(c.lines)));
    const auto memo = Memo(owner, text);
    ASSERT_EQ(memo->GetLineCount(), c.lines);
    EXPECT_TRUE(rt::Send(rt::Value(memo), "Print").AsLogical());
    const std::string ps = ReadFile(kOutA);
    EXPECT_EQ(Count(ps, "%%Page: "), c.pages) << c.lines << " lines";
    EXPECT_NE(ps.find("%%Title: Notes"), std::string::npos);
    EXPECT_FALSE(prn::CurrentPrinter()) << "the job ended";
    memo->End();
  }
}

TEST_F(MemoPrint, WithoutAPrinterTheUserIsTold) {
  // A printer object whose device could not be made.
  rt::RegisterFunction(vdfn::kPrintBegin, [](rt::Args) {
    auto p = std::make_shared<prn::TPrinter>();
    return rt::Value(p);
  });
  controltest::OwnerWindow owner(300, 400);
  controltest::Var text(rt::Value(Lines(3)));
  const auto memo = Memo(owner, text);
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); });
  EXPECT_FALSE(memo->Print());
  EXPECT_TRUE(driver.Seen().appeared);
  EXPECT_NE(driver.Seen().Joined().find("Printer not ready!"), std::string::npos) << driver.Seen().Joined();
  EXPECT_TRUE(ReadFile(kOutA).empty()) << "nothing printed";
  prn::RegisterPrintFunctions();
  memo->End();
}

}  // namespace
