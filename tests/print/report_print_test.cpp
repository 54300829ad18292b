// Reports on the test printer: a word table with a group on the first
// letter and a numeric total prints through the progress dialog of the
// preview's resource library; without that library nothing prints. A
// recording report opens the preview, which leaves no page files behind.
// VD_REPORT_PAGE_SHOT names a PNG file that receives the printed page.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/message_loop.h"
#include "print/rpreview_state.h"
#include "print/tprinter.h"
#include "print/treport.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/resources.h"
#include "tests/print/file_printers.h"
#include "tests/print/ghostscript_page.h"
#include "tests/print/preview_driver.h"
#include "tests/runtime/scratch_dir.h"
#include "tests/services/box_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::ReadFile;

class ReportPrint : public printtest::FilePrinters {
 protected:
  void SetUp() override {
    FilePrinters::SetUp();
    prn::RegisterPrintFunctions();
    const std::string table = (scratch_.Dir() / "words.dbf").string();
    ASSERT_TRUE(rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"WORT", "C", 12, 0}),
                                                      rt::Value::Array({"ZAHL", "N", 3, 0})})));
    ASSERT_TRUE(rt::DBUSEAREA(true, "", table, "W", false, false));
    const std::pair<const char*, int> rows[] = {{"Apfel", 3}, {"Ameise", 2}, {"Birne", 5}, {"Brot", 1}, {"Chor", 4}};
    for (const auto& [word, n] : rows) {
      rt::DBAPPEND();
      rt::FIELDPUT("WORT", rt::Value(word));
      rt::FIELDPUT("ZAHL", rt::Value(n));
    }
    rt::DBGOTOP();
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    svc::FREERESOURCES();
    FilePrinters::TearDown();
  }

  // The words report: printer or recording.
  prn::TReportPtr Declare(bool screen) {
    prn::ReportArgs args;
    args.aTitle = rt::Value::Array({rt::Value("Wortliste")});
    args.aHead = rt::Value::Array({rt::Value("Kopfzeile")});
    args.aFoot = rt::Value::Array({rt::Value("Fu\xDFzeile")});
    args.lPrinter = rt::Value(!screen);
    args.lScreen = rt::Value(screen);
    args.cName = rt::Value("Wortbericht");
    const auto report = prn::RPTBEGIN(args);
    rt::Value word[] = {rt::Value::Array({rt::Value("Wort")}), rt::Value(0), rt::Value::Block([](rt::Args) {
                          return rt::Value(rt::TRIM(rt::FIELDGET("WORT").AsString()));
                        })};
    prn::RPTADDCOLUMN(word);
    rt::Value count[] = {rt::Value::Array({rt::Value("Zahl")}), rt::Value(0),
                         rt::Value::Block([](rt::Args) { return rt::FIELDGET("ZAHL"); }), rt::Value(6),
                         rt::Value(), rt::Value(), rt::Value(true), rt::Value(), rt::Value(), rt::Value(),
                         rt::Value(true)};
    prn::RPTADDCOLUMN(count);
    rt::Value group[] = {
        rt::Value::Block([](rt::Args) { return rt::Value(rt::FIELDGET("WORT").AsString().substr(0, 1)); }),
        rt::Value::Block([](rt::Args) { return rt::Value("Buchstabe " + rt::FIELDGET("WORT").AsString().substr(0, 1)); }),
        rt::Value("Summe")};
    prn::RPTADDGROUP(group);
    prn::RPTEND();
    report->cGrandTotal = "Gesamt";
    return report;
  }

 private:
  rt::test::ScratchDir scratch_;
};

TEST_F(ReportPrint, WordsReachThePrinter) {
  const auto report = Declare(false);
  ASSERT_TRUE(report->lCreated);
  report->Activate();
  EXPECT_EQ(report->nPage, 1);
  EXPECT_FALSE(report->lBreak);
  const std::string ps = ReadFile(kOutA);
  EXPECT_EQ(Count(ps, "%%Page: "), 1);
  EXPECT_NE(ps.find("%%Title: Wortbericht"), std::string::npos);
  if (!printtest::HaveGhostscript()) return;
  const std::string bmp = "C:\\report.bmp";
  ASSERT_TRUE(printtest::RenderFirstPage(kOutA, bmp, "bmp16m", 100));
  const printtest::PagePixels page(bmp);
  DeleteFileA(bmp.c_str());
  ASSERT_TRUE(page.Loaded());
  // Ink in the top inch (header, title, column titles) and none in the
  // lowest half inch but the footer's line.
  EXPECT_GE(page.Find(RECT{0, 0, page.Width(), 150}, printtest::Dark).left, 0);
  if (const char* shot = std::getenv("VD_REPORT_PAGE_SHOT")) printtest::RenderFirstPage(kOutA, shot, "png16m", 60);
}

TEST_F(ReportPrint, WithoutTheResourceLibraryNothingPrints) {
  auto aside = std::make_unique<printtest::LibraryAside>();
  ASSERT_TRUE(aside->Moved());
  const auto report = Declare(false);
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); });
  report->Activate();
  aside.reset();
  EXPECT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(driver.Seen().caption, "Error");
  EXPECT_NE(driver.Seen().Joined().find("Prev32.dll not found"), std::string::npos);
  EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 0);
}

TEST_F(ReportPrint, ARecordingReportOpensThePreviewWhichLeavesNoPages) {
  const bool running = core::SetRunningFlag(true);
  const auto report = Declare(true);
  const auto printer = report->oDevice->AsValue().As<prn::TPrinter>();
  ASSERT_TRUE(printer);
  const std::string dir = printer->cDir;
  report->Activate();
  EXPECT_EQ(report->nPage, 1);
  const auto window = prn::preview::Current().window;
  ASSERT_TRUE(window);
  EXPECT_EQ(prn::preview::Current().device, printer);
  EXPECT_TRUE(printtest::ClosePreview());
  core::SetRunningFlag(running);
  EXPECT_FALSE(printer->hDC) << "ended with the preview";
  EXPECT_EQ(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
