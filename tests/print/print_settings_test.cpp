// The print settings against the test prefix's PostScript file printers:
// "VD Test A" prints into C:\out.ps and is the default, "VD Test B" into
// C:\out2.ps.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "print/print_settings.h"
#include "tests/print/file_printers.h"
#include "tests/print/ghostscript_page.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::kOutB;
using printtest::ReadFile;

using PrintSettings = printtest::FilePrinters;

// One document of `pages` pages with a line on each, on a DC of the record.
void PrintPages(const char* title, int pages) {
  HDC dc = prn::GETPRINTDEFAULT();
  ASSERT_TRUE(dc);
  ASSERT_GT(prn::PRNSTARTDOC(dc, rt::Value(title)), 0);
  for (int i = 0; i < pages; ++i) {
    prn::STARTPAGE(dc);
    MoveToEx(dc, 100, 100, nullptr);
    LineTo(dc, 1000, 1000);
    prn::ENDPAGE(dc);
  }
  prn::PRNENDDOC(dc);
  DeleteDC(dc);
}

TEST_F(PrintSettings, DefaultPrinterNamesAndDocument) {
  EXPECT_EQ(prn::PRNGETNAME(), "VD Test A");
  EXPECT_EQ(prn::PRNGETPORT(), kOutA);
  EXPECT_FALSE(prn::PRNGETDRIVE().empty());
  PrintPages((std::string(31, 'N') + std::string(9, 'X')).c_str(), 2);
  const std::string ps = ReadFile(kOutA);
  EXPECT_NE(ps.find("%%Title: " + std::string(31, 'N') + "\n"), std::string::npos) << ps.substr(0, 400);
  EXPECT_EQ(Count(ps, "%%Page: "), 2);
}

TEST_F(PrintSettings, DeviceModeSetters) {
  rt::Value withDc[] = {rt::Value(0), rt::Value(3)}, alone[] = {rt::Value(2)};
  prn::PRNSETCOPIES(withDc);
  EXPECT_EQ(prn::PRNGETCOPIES(), 3);
  prn::PRNSETCOPIES(alone);
  EXPECT_EQ(prn::PRNGETCOPIES(), 2);
  EXPECT_TRUE(prn::PRNLANDSCAPE());
  EXPECT_EQ(prn::PRNGETORIENTATION(), DMORIENT_LANDSCAPE);
  HDC landscape = prn::GETPRINTDEFAULT();
  const int wideW = GetDeviceCaps(landscape, HORZRES), wideH = GetDeviceCaps(landscape, VERTRES);
  DeleteDC(landscape);
  EXPECT_TRUE(prn::PRNPORTRAIT());
  HDC portrait = prn::GETPRINTDEFAULT();
  EXPECT_EQ(GetDeviceCaps(portrait, HORZRES), wideH);
  EXPECT_EQ(GetDeviceCaps(portrait, VERTRES), wideW);
  const rt::Value size = prn::PRNGETSIZE(portrait), offset = prn::PRNOFFSET(portrait);
  EXPECT_GE(size.At(1).AsInt(), GetDeviceCaps(portrait, HORZRES));
  EXPECT_GE(offset.At(1).AsInt(), 0);
  EXPECT_TRUE(prn::RESETDC(portrait));
  DeleteDC(portrait);
  prn::PRNDRAFTMODE(true);
  EXPECT_EQ(prn::PRNGETQUALITY(), DMRES_DRAFT);
  prn::PRNSETPAGE(DMPAPER_A4);
  EXPECT_EQ(prn::PRNGETPAGE(), DMPAPER_A4);
  prn::PRNSETSIZE(1000, 2000);
  EXPECT_EQ(prn::PRNGETPAGE(), DMPAPER_USER);
  const int before = prn::PRNBINSOURCE();
  EXPECT_EQ(prn::PRNBINSOURCE(rt::Value(7)), before);
  EXPECT_EQ(prn::PRNBINSOURCE(), 7);
}

TEST_F(PrintSettings, PrinterInitFollowsTheSystemDefault) {
  ASSERT_TRUE(SetDefaultPrinterA("VD Test B"));
  EXPECT_EQ(prn::PRNGETNAME(), "VD Test A") << "read once, until PRINTERINIT";
  prn::PRINTERINIT();
  EXPECT_EQ(prn::PRNGETNAME(), "VD Test B");
  PrintPages("second", 1);
  EXPECT_EQ(Count(ReadFile(kOutB), "%%Page: "), 1);
  EXPECT_TRUE(ReadFile(kOutA).empty());
}

TEST_F(PrintSettings, SelectedPrinterLeavesTheSystemDefaultAlone) {
  ASSERT_TRUE(prn::SelectPrinter("VD Test B"));
  EXPECT_FALSE(prn::SelectPrinter("no such printer"));
  EXPECT_EQ(prn::PRNGETNAME(), "VD Test B");
  PrintPages("model", 1);
  EXPECT_EQ(Count(ReadFile(kOutB), "%%Page: "), 1);
  char name[256] = {};
  DWORD size = sizeof name;
  ASSERT_TRUE(GetDefaultPrinterA(name, &size));
  EXPECT_STREQ(name, "VD Test A");
}

TEST_F(PrintSettings, RawFileGoesThroughToThePage) {
  HDC dc = prn::GETPRINTDEFAULT();
  ASSERT_TRUE(dc);
  const std::string eps = "C:\\box.eps";
  std::ofstream(eps, std::ios::binary) << "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n"
                                          "newpath 10 10 moveto 90 10 lineto 90 90 lineto closepath fill\n"
                                          "% vd raw box\n";
  prn::PRNSTARTDOC(dc, rt::Value("raw"));
  prn::STARTPAGE(dc);
  EXPECT_TRUE(prn::IMPORTRAWFILE(dc, eps));
  EXPECT_FALSE(prn::IMPORTRAWFILE(dc, "C:\\no such.eps"));
  prn::ENDPAGE(dc);
  prn::PRNENDDOC(dc);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  DeleteDC(dc);
  EXPECT_NE(ReadFile(kOutA).find("% vd raw box"), std::string::npos);
  DeleteFileA(eps.c_str());
  if (!printtest::HaveGhostscript()) return;
  // The page holds nothing but the box: any ink is the box.
  const std::string bmp = "C:\\raw.bmp";
  ASSERT_TRUE(printtest::RenderFirstPage(kOutA, bmp, "bmp16m", 72));
  const printtest::PagePixels page(bmp);
  DeleteFileA(bmp.c_str());
  const RECT ink = page.Find(RECT{0, 0, page.Width(), page.Height()}, printtest::Dark);
  EXPECT_GE(ink.left, 0);
  // The driver hands raw data device units: 80 of them at 72 per inch.
  EXPECT_NEAR(ink.right - ink.left, 80.0 * 72 / dpi, 2) << "the box's width";
}

}  // namespace
