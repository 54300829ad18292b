// The printer object on the test prefix's PostScript file printers, and
// its recorded pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "core/message_loop.h"
#include "print/print_settings.h"
#include "print/rpreview_state.h"
#include "tests/print/file_printers.h"
#include "tests/print/preview_driver.h"
#include "print/tprinter.h"
#include "runtime/macro.h"
#include "tests/services/box_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::kOutB;
using printtest::ReadFile;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

using Printer = printtest::FilePrinters;

TEST_F(Printer, DirectPagesReachTheFile) {
  const auto p = prn::PRINTBEGIN(rt::Value("Probe document"));
  ASSERT_TRUE(p->hDC);
  EXPECT_EQ(p->cModel.rfind("VD Test A,", 0), 0u) << p->cModel;
  for (int page = 0; page < 2; ++page) {
    prn::PAGEBEGIN();
    p->Say(100, 100, "links");
    p->Say(200, 100, "rechts", nullptr, 0, {}, TRANSPARENT, rt::Value(1));
    p->Say(300, 100, "mitte abgeschnitten", nullptr, 50, {}, TRANSPARENT, rt::Value(2));
    p->Line(400, 100, 400, 1000);
    p->Box(500, 100, 700, 400);
    p->CmSay(2, 2, "2 cm");
    prn::PAGEEND();
  }
  prn::PRINTEND();
  EXPECT_FALSE(prn::CurrentPrinter());
  EXPECT_FALSE(p->hDC) << "ended";
  const std::string ps = ReadFile(kOutA);
  EXPECT_EQ(Count(ps, "%%Page: "), 2);
  EXPECT_NE(ps.find("%%Title: Probe document"), std::string::npos);
}

TEST_F(Printer, UnitsNeverFallBelowZero) {
  prn::TPrinter p;
  p.New();
  ASSERT_TRUE(p.hDC);
  double row = 0.01, col = 0.01;
  p.Cmtr2Pix(row, col);
  EXPECT_EQ(row, 0);
  EXPECT_EQ(col, 0);
  row = 2;
  col = 2;
  p.Cmtr2Pix(row, col);
  EXPECT_NEAR(row, 2 * 10.0 * p.nVertRes() / p.nVertSize() - p.nYOffset, 0.001);
  EXPECT_NEAR(col, 2 * 10.0 * p.nHorzRes() / p.nHorzSize() - p.nXOffset, 0.001);
  // Rows go with the vertical resolution, columns with the horizontal one.
  const rt::Value mm = p.Pix2Inch(p.nLogPixelY(), 2 * p.nLogPixelX());
  EXPECT_DOUBLE_EQ(mm.At(1).AsNumber(), 1.0);
  EXPECT_DOUBLE_EQ(mm.At(2).AsNumber(), 2.0);
  p.End();
}

// A font the printer is handed stays its caller's: ending the printer ends
// only the printer's own use of it.
TEST_F(Printer, AHandedFontOutlivesThePrinter) {
  auto font = std::make_shared<gfx::TFont>()->New("Times New Roman", 0, -17);
  const HFONT handle = font->hFont;
  ASSERT_NE(handle, nullptr);
  prn::TPrinter p;
  p.New();
  EXPECT_GT(p.GetTextWidth("Wort", font), 0);
  EXPECT_EQ(p.SetFont(), font);
  p.End();
  LOGFONTA alive{};
  EXPECT_NE(GetObjectA(handle, sizeof alive, &alive), 0);
  font->End();
  EXPECT_EQ(GetObjectA(handle, sizeof alive, &alive), 0);
}

TEST_F(Printer, PixelsAreSetAndRead) {
  prn::TPrinter p;
  p.New();
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, 20, 20);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bmp);
  HDC printerOut = std::exchange(p.hDCOut, mem);
  p.SetPixel(3, 7, RGB(255, 0, 0));
  EXPECT_EQ(p.GetPixel(3, 7), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(mem, 7, 3), RGB(255, 0, 0)) << "x is the column";
  p.hDCOut = printerOut;
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  p.End();
}

TEST_F(Printer, RecordedPagesLiveInADirectoryOfTheirOwn) {
  const auto first = std::make_shared<prn::TPrinter>();
  first->New(rt::Value("first"), false, true);
  const auto second = std::make_shared<prn::TPrinter>();
  second->New(rt::Value("second"), false, true);
  ASSERT_TRUE(first->hDC);
  EXPECT_NE(first->cDir, second->cDir);
  for (int i = 0; i < 3; ++i) {
    first->StartPage();
    first->Box(10, 10, 100, 100);
    first->EndPage();
  }
  second->StartPage();
  second->EndPage();
  ASSERT_EQ(first->aMeta.Len(), 3u);
  EXPECT_EQ(first->aMeta.At(3).AsString(), first->cDir + "\\tmp0003.wmf");
  EXPECT_EQ(second->aMeta.At(1).AsString(), second->cDir + "\\tmp0001.wmf");
  EXPECT_TRUE(Exists(first->aMeta.At(3).AsString()));
  const std::string dir = first->cDir, page = first->aMeta.At(1).AsString();
  first->End();
  EXPECT_FALSE(Exists(page));
  EXPECT_FALSE(Exists(dir));
  EXPECT_TRUE(Exists(second->aMeta.At(1).AsString())) << "the other printer's pages stay";
  second->End();
}

TEST_F(Printer, TempDirectoryRules) {
  char saved[MAX_PATH] = {};
  GetEnvironmentVariableA("TEMP", saved, sizeof saved);
  CreateDirectoryA("C:\\vdtemp", nullptr);
  struct Case {
    const char* temp;
    const char* base;
  } cases[] = {{"C:\\vdtemp\\", "C:\\vdtemp\\vdprn"}, {"C:\\no such dir", "C:\\windows\\vdprn"}};
  for (const Case& c : cases) {
    _putenv_s("TEMP", c.temp);
    prn::TPrinter p;
    p.New(rt::Value("t"), false, true);
    EXPECT_EQ(p.cDir.rfind(c.base, 0), 0u) << c.temp << " gave " << p.cDir;
    p.End();
  }
  _putenv_s("TEMP", saved);
  RemoveDirectoryA("C:\\vdtemp");
}

TEST_F(Printer, PrintEndHandsARecordingToThePreview) {
  // As inside a program's loop, the preview opens and PRINTEND returns.
  const bool running = core::SetRunningFlag(true);
  const auto p = prn::PRINTBEGIN(rt::Value("rec"), false, true);
  prn::PAGEBEGIN();
  prn::PAGEEND();
  const std::string page = p->aMeta.At(1).AsString();
  prn::PRINTEND();
  const auto window = prn::preview::Current().window;
  ASSERT_TRUE(window);
  EXPECT_EQ(prn::preview::Current().device, p);
  EXPECT_TRUE(Exists(page)) << "the preview ends it";
  const HWND h = window->hWnd;
  EXPECT_TRUE(printtest::ClosePreview());
  core::SetRunningFlag(running);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(p->hDC);
  EXPECT_FALSE(Exists(page));
}

TEST_F(Printer, ModelPrintsOnItsPrinterAndLeavesTheDefault) {
  auto p = prn::PRINTBEGIN(rt::Value("model"), false, false, rt::Value("test b"));
  ASSERT_TRUE(p->hDC);
  EXPECT_EQ(p->GetModel(), "VD Test B");
  p->StartPage();
  p->Say(100, 100, "B");
  p->EndPage();
  p->End();
  EXPECT_EQ(Count(ReadFile(kOutB), "%%Page: "), 1);
  char name[256] = {};
  DWORD size = sizeof name;
  ASSERT_TRUE(GetDefaultPrinterA(name, &size));
  EXPECT_STREQ(name, "VD Test A");
  const rt::Value names = prn::AGETPRINTERS();
  EXPECT_GE(names.Len(), 2u);
}

TEST_F(Printer, UnknownModelOpensThePrintDialog) {
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDCANCEL); });
  auto p = prn::PRINTBEGIN(rt::Value("x"), false, false, rt::Value("no such"));
  EXPECT_TRUE(driver.Seen().appeared);
  EXPECT_FALSE(p->hDC) << "cancelled";
  p->Say(1, 1, "nothing happens");
  p->End();
}

TEST_F(Printer, DamagedMetafileDrawsNothing) {
  prn::TPrinter p;
  p.New();
  p.StartPage();
  const std::string bad = "C:\\bad.wmf";
  std::ofstream(bad, std::ios::binary) << std::string(60, '\x7F');
  p.ImportWMF(bad);
  EXPECT_EQ(GetMapMode(p.hDCOut), MM_TEXT) << "DC state restored";
  p.EndPage();
  p.End();
  DeleteFileA(bad.c_str());
}

}  // namespace
