// The test page on the PostScript file printer, turned into pixels by
// Ghostscript: each drawing lands where its units put it, the printable
// offset added back. VD_PRINT_PAGE_SHOT names a PNG file that receives the
// page at 60 dots per inch.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "print/tprinter.h"
#include "services/int32.h"
#include "tests/print/file_printers.h"
#include "tests/print/ghostscript_page.h"

namespace {

using printtest::Dark;
using printtest::kOutA;
using printtest::PagePixels;

// A 16 x 16 24-bit BMP file of one colour.
void WriteBmp(const std::string& file, COLORREF colour) {
  constexpr int side = 16, stride = side * 3;
  BITMAPFILEHEADER head{};
  BITMAPINFOHEADER info{};
  head.bfType = 0x4D42;
  head.bfOffBits = sizeof head + sizeof info;
  head.bfSize = head.bfOffBits + stride * side;
  info.biSize = sizeof info;
  info.biWidth = side;
  info.biHeight = side;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&head), sizeof head);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  const char pixel[3] = {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                         static_cast<char>(GetRValue(colour))};
  for (int i = 0; i < side * side; ++i) out.write(pixel, 3);
}

HBITMAP SolidBitmap(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(mem, bitmap);
  const RECT all{0, 0, 8, 8};
  HBRUSH brush = CreateSolidBrush(colour);
  ::FillRect(mem, &all, brush);
  DeleteObject(brush);
  SelectObject(mem, old);
  DeleteDC(mem);
  return bitmap;
}

bool Red(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60; }
bool Blue(COLORREF c) { return GetBValue(c) > 200 && GetRValue(c) < 60 && GetGValue(c) < 60; }

using TestPage = printtest::FilePrinters;

TEST_F(TestPage, EachDrawingLandsWhereItsUnitsPutIt) {
  if (!printtest::HaveGhostscript()) GTEST_SKIP() << "no Ghostscript on the host";
  const std::string redFile = "C:\\red.bmp", pageFile = "C:\\page.bmp";
  WriteBmp(redFile, RGB(255, 0, 0));
  HBITMAP blue = SolidBitmap(RGB(0, 0, 255));

  const auto p = prn::PRINTBEGIN(rt::Value("Testseite"));
  ASSERT_TRUE(p->hDC);
  const int dpi = p->nLogPixelX();
  ASSERT_EQ(dpi, p->nLogPixelY());
  auto at = [dpi](double inch) { return static_cast<int>(inch * dpi); };
  prn::PAGEBEGIN();
  p->Say(at(1), at(1), "Links", nullptr, 0, {}, TRANSPARENT, rt::Value(0));
  p->Say(at(1.5), at(5), "Rechts", nullptr, 0, {}, TRANSPARENT, rt::Value(1));
  p->Say(at(2), at(3), "Mitte", nullptr, 0, {}, TRANSPARENT, rt::Value(2));
  p->Say(at(2.5), at(1), "abgeschnitten nach einem Zoll", nullptr, at(1), {}, TRANSPARENT, rt::Value(0));
  p->Line(at(3), at(1), at(3), at(5));
  p->Box(at(3.5), at(1), at(4.5), at(3));
  p->CmSay(16, 2, "16 cm / 2 cm");
  p->SayBitmap(at(5), at(1), rt::Value(redFile));
  p->SayImage(at(5), at(3), rt::Value::Array({rt::Value(svc::HandleNumber(blue)), rt::Value(0)}), at(1), at(1));
  const int textHeight = p->GetTextHeight("X");
  const int offRow = p->nYOffset, offCol = p->nXOffset;
  prn::PAGEEND();
  prn::PRINTEND();
  DeleteObject(blue);
  DeleteFileA(redFile.c_str());

  ASSERT_TRUE(printtest::RenderFirstPage(kOutA, pageFile, "bmp16m", dpi));
  const PagePixels page(pageFile);
  DeleteFileA(pageFile.c_str());
  ASSERT_TRUE(page.Loaded());
  if (const char* shot = std::getenv("VD_PRINT_PAGE_SHOT")) printtest::RenderFirstPage(kOutA, shot, "png16m", 60);

  // Page pixels of a device position; glyphs start a few pixels off their
  // cell, so text is checked against a tolerance.
  const int tol = std::max(4, dpi / 30);
  auto area = [&](int top, int left, int bottom, int right) {
    return RECT{left + offCol, top + offRow, right + offCol, bottom + offRow};
  };
  struct Text {
    const char* what;
    RECT band;          // where to look: the line's height, a wide stretch
    int left, right;    // expected ink edges, -1 when not checked
  } texts[] = {
      {"left at its column", area(at(1), at(0.5), at(1) + textHeight, at(7)), at(1), -1},
      {"right ending at its column", area(at(1.5), at(0.5), at(1.5) + textHeight, at(7)), -1, at(5)},
      {"clipped to one inch", area(at(2.5), at(0.5), at(2.5) + textHeight, at(7)), at(1), at(2)},
  };
  for (const Text& t : texts) {
    const RECT ink = page.Find(t.band, Dark);
    ASSERT_GE(ink.left, 0) << t.what;
    if (t.left >= 0) {
      EXPECT_NEAR(ink.left, t.left + offCol, tol) << t.what;
    }
    if (t.right >= 0) {
      EXPECT_NEAR(ink.right, t.right + offCol, tol) << t.what;
    }
  }
  const RECT centred = page.Find(area(at(2), at(0.5), at(2) + textHeight, at(7)), Dark);
  EXPECT_NEAR((centred.left + centred.right) / 2, at(3) + offCol, tol) << "centred on its column";
  EXPECT_LE(page.Find(area(at(2.5), at(2) + 1, at(2.5) + textHeight, at(7)), Dark).left, -1) << "nothing past the clip";

  const RECT line = page.Find(area(at(3) - tol, at(0.5), at(3) + tol, at(7)), Dark);
  EXPECT_NEAR(line.left, at(1) + offCol, 2);
  EXPECT_NEAR(line.right, at(5) + offCol, 2);
  EXPECT_NEAR(line.top, at(3) + offRow, 2);
  const RECT box = page.Find(area(at(3.5) - tol, at(0.5), at(4.5) + tol, at(4)), Dark);
  EXPECT_NEAR(box.top, at(3.5) + offRow, 2);
  EXPECT_NEAR(box.bottom, at(4.5) + offRow, 2);
  EXPECT_NEAR(box.left, at(1) + offCol, 2);
  EXPECT_NEAR(box.right, at(3) + offCol, 2);
  EXPECT_FALSE(Dark(page.At(at(4) + offRow, at(2) + offCol))) << "a box is an outline";

  // Centimetres are measured from the paper's edge: the offset is gone.
  const int cm16 = static_cast<int>(16 * dpi / 2.54), cm2 = static_cast<int>(2 * dpi / 2.54);
  const RECT cm = page.Find(RECT{0, cm16 - tol, at(7), cm16 + textHeight + tol}, Dark);
  EXPECT_NEAR(cm.left, cm2, tol);
  EXPECT_GE(cm.top, cm16 - 2);

  const RECT red = page.Find(area(at(5) - tol, at(0.5), at(6), at(2.5)), Red);
  EXPECT_NEAR(red.left, at(1) + offCol, 2);
  EXPECT_NEAR(red.top, at(5) + offRow, 2);
  const RECT image = page.Find(area(at(5) - tol, at(2.5), at(6.5), at(4.5)), Blue);
  EXPECT_NEAR(image.left, at(3) + offCol, 2);
  EXPECT_NEAR(image.right - image.left + 1, at(1), 3) << "scaled to one inch";
  EXPECT_NEAR(image.bottom - image.top + 1, at(1), 3);
}

}  // namespace
