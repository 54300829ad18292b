// Reports on the test printer: a word table with a group on the first
// letter and a numeric total prints through the progress dialog of the
// preview's resource library, with a box, a line and pictures from its
// hooks; without that library nothing of it acts. A recording report opens
// the preview, which leaves no page files behind.
// VD_REPORT_PAGE_SHOT names a PNG file that receives the printed page,
// VD_REPORT_PREVIEW_SHOT a BMP file that receives the preview.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/message_loop.h"
#include "print/rpreview_state.h"
#include "print/trfile.h"
#include "tests/print/ghostscript_page.h"
#include "tests/print/preview_driver.h"
#include "tests/print/report_fixture.h"
#include "tests/services/box_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::ReadFile;

using ReportPrint = printtest::ReportPrinting;

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
  // Ink in the top inch (header, title, column titles).
  EXPECT_GE(page.Find(RECT{0, 0, page.Width(), 150}, printtest::Dark).left, 0);
  if (const char* shot = std::getenv("VD_REPORT_PAGE_SHOT")) printtest::RenderFirstPage(kOutA, shot, "png16m", 60);
}

// Nothing of the report acts before Prev32.dll is known to be there: no
// hook runs (with groups the record filter used to), the printer keeps
// its orientation, and no DC, page file or font is left.
TEST_F(ReportPrint, WithoutTheResourceLibraryNothingActsOrStays) {
  for (const bool screen : {false, true}) {
    SCOPED_TRACE(screen ? "preview" : "printer");
    // A library still loaded would be found without its file.
    svc::FREERESOURCES();
    ASSERT_FALSE(GetModuleHandleA(prn::preview::kLibrary));
    auto aside = std::make_unique<printtest::LibraryAside>();
    ASSERT_TRUE(aside->Moved());
    const auto report = Declare(screen);
    const auto printer = report->oDevice->AsValue().As<prn::TPrinter>();
    auto runs = std::make_shared<int>(0);
    const rt::Value counting = rt::Value::Block([runs](rt::Args) {
      ++*runs;
      return rt::Value(true);
    });
    prn::ReportHooks hooks;
    hooks.bFor = hooks.bWhile = hooks.bInit = hooks.bEnd = hooks.bStartPage = hooks.bEndPage = counting;
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); });
    report->Activate(hooks);
    aside.reset();
    EXPECT_EQ(driver.Seen().caption, "Error");
    EXPECT_NE(driver.Seen().Joined().find("Prev32.dll not found"), std::string::npos);
    EXPECT_EQ(*runs, 0) << "no hook ran";
    EXPECT_TRUE(report->bFor.IsNil()) << "no hook was even set";
    EXPECT_FALSE(printer->hDC);
    EXPECT_FALSE(prn::preview::Current().window);
    EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
    EXPECT_EQ(NewHandles(), printtest::Tags{});
    EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 0);
  }
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
  EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
}

// The words report with a box and a line on every page and two pictures
// (one a resource of the report's resource library, one a 256-colour .BMP
// file) from its hooks, all by name, as a program's hooks send them.
void DrawFromHooks(const prn::TReportPtr& report) {
  prn::TReport* r = report.get();
  const std::string picture = std::string(VD_SOURCE_DIR) + "/tests/graphics/fixtures/grey256.bmp";
  report->bStartPage = rt::Value::Block([r, picture](rt::Args) {
    const rt::Value self = r->Self();
    rt::SendV(self, "Box", 0.05, 0.1, 0.55, 6.6, 1, 1);
    rt::SendV(self, "Line", 10.5, 0.2, 10.5, 7.4);
    rt::SendV(self, "SayBitmap", 0.1, 6.8, "Printer", 0.4, 0.4);
    rt::SendV(self, "SayBitmap", 1.0, 18, picture, 1, 1, 2);
    return rt::Value();
  });
}

TEST_F(ReportPrint, BoxLineAndPicturesFromHooksReachPrinterFileAndPreview) {
  // On the printer: one page with the words, the totals and the drawings.
  const auto printed = Declare(false);
  DrawFromHooks(printed);
  printed->Activate();
  EXPECT_EQ(NewHandles(), printtest::Tags{}) << "fonts, pens, brush and pictures all gone";
  EXPECT_EQ(NewBlocks(), 0u) << "the pictures' memory freed";
  EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 1);
  if (printtest::HaveGhostscript()) {
    const std::string text = "C:\\report.txt";
    ASSERT_TRUE(printtest::RenderFirstPage(kOutA, text, "txtwrite", 72));
    const std::string page = ReadFile(text.c_str());
    DeleteFileA(text.c_str());
    // The page as text (a blank may come out as a no-break space).
    for (const char* expected : {"Kopfzeile", "Wortliste", "Buchstabe", "Ameise", "Summe", "Gesamt", "15.00"})
      EXPECT_NE(page.find(expected), std::string::npos) << expected << " in\n" << page;
  }

  // Into a text file the drawings are nothing and the text is the same,
  // in a word column as wide as the first word.
  rt::DBGOTOP();
  const std::string file = Scratch("words.txt");
  const auto written = Declare(false, file);
  DrawFromHooks(written);
  written->Activate();
  const std::string text = ReadFile(file.c_str());
  for (const char* expected : {"Kopfzeile", "Wortliste", "Buchstabe A", "Apfel", "Summe", "Gesamt", "15.00"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;

  // Recorded for the preview: the page file holds the texts and the box,
  // the line and both pictures.
  rt::DBGOTOP();
  const bool running = core::SetRunningFlag(true);
  const auto shown = Declare(true);
  DrawFromHooks(shown);
  shown->Activate();
  ASSERT_TRUE(prn::preview::IsOpen());
  const std::string meta = ReadFile(prn::preview::PageFile(1).c_str());
  for (const char* expected : {"Kopfzeile", "Wortliste", "Buchstabe B", "Gesamt"})
    EXPECT_NE(meta.find(expected), std::string::npos) << expected;
  const auto functions = printtest::MetaRecords(meta);
  EXPECT_EQ(std::count(functions.begin(), functions.end(), META_RECTANGLE), 1);
  EXPECT_EQ(std::count(functions.begin(), functions.end(), META_STRETCHDIB), 2);
  if (const char* shot = std::getenv("VD_REPORT_PREVIEW_SHOT")) printtest::SavePreviewShot(shot);
  EXPECT_TRUE(printtest::ClosePreview());
  core::SetRunningFlag(running);
  EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
  EXPECT_EQ(NewHandles(), printtest::Tags{});
  EXPECT_EQ(NewBlocks(), 0u);
}

}  // namespace
