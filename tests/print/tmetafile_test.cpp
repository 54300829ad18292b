// The metafile control: a recorded page scaled into it with its shadow,
// zoom, a missing file told once. VD_METAFILE_SHOT names a BMP file that
// receives the window with the page as shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "print/print_settings.h"
#include "print/tmetafile.h"
#include "print/tprinter.h"
#include "tests/controls/owner_window.h"
#include "tests/services/box_driver.h"
#include "tests/graphics/window_shot.h"

namespace {

void PaintNow(HWND w) { RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN); }

COLORREF ScreenPixel(HWND w, int x, int y) {
  HDC dc = GetDC(w);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(w, dc);
  return c;
}

TEST(TMetaFile, ZoomTwiceIsZoomOnce) {
  controltest::OwnerWindow owner(200, 200);
  auto m = std::make_shared<prn::TMetaFile>();
  m->New(10, 10, 100, 100, "", owner.value(), {}, {}, 800, 1200);
  m->ZoomIn();
  m->ZoomIn();
  EXPECT_EQ(m->nWidth, 400);
  EXPECT_EQ(m->nHeight, 300);
  m->SetOrg(rt::Value(50), rt::Value());
  EXPECT_EQ(m->nXorig, 50);
  m->SetZoomFactor(4, 4);
  EXPECT_EQ(m->nWidth, 200);
  EXPECT_EQ(m->nHeight, 300);
  m->ZoomOut();
  m->ZoomOut();
  EXPECT_EQ(m->nWidth, 800);
  EXPECT_EQ(m->nHeight, 1200);
  EXPECT_EQ(m->nXorig, 0);
  m->End();
}

TEST(TMetaFile, MissingFileIsToldOnceAndSetFileTellsNothing) {
  controltest::OwnerWindow owner(200, 200);
  auto alerts = std::make_shared<int>(0);
  {
    BoxDriver driver([alerts](HWND box) {
      ++*alerts;
      PostMessageA(box, WM_CLOSE, 0, 0);
    });
    auto m = std::make_shared<prn::TMetaFile>();
    m->New(10, 10, 100, 100, "C:\\no such page.wmf", owner.value());
    PaintNow(owner.w->hWnd);
    EXPECT_TRUE(driver.Seen().appeared);
    PaintNow(owner.w->hWnd);
    m->End();
  }
  EXPECT_EQ(*alerts, 1);
  {
    auto seen = std::make_shared<bool>(false);
    auto driver = std::make_unique<BoxDriver>([seen](HWND box) {
      *seen = true;
      PostMessageA(box, WM_CLOSE, 0, 0);
    });
    auto m = std::make_shared<prn::TMetaFile>();
    m->New(10, 10, 100, 100, "", owner.value());
    m->SetFile("C:\\no such page.wmf");
    EXPECT_EQ(m->cCaption, "");
    PaintNow(owner.w->hWnd);
    driver.reset();
    EXPECT_FALSE(*seen);
    m->End();
  }
}

TEST(TMetaFile, ShowsARecordedPageWithItsShadow) {
  prn::PRINTERINIT();
  auto printer = std::make_shared<prn::TPrinter>();
  printer->New(rt::Value("page"), false, true);
  if (!printer->hDC) GTEST_SKIP() << "the prefix has no test printers";
  const int w = printer->nHorzRes(), h = printer->nVertRes();
  printer->StartPage();
  printer->FillRect(rt::Value::Array({0, 0, h / 2, w / 2}), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  printer->Box(h * 6 / 10, w / 10, h * 9 / 10, w * 9 / 10);
  printer->Say(h * 6 / 10 + 100, w / 10 + 100, "Seite 1");
  printer->EndPage();

  controltest::OwnerWindow owner(400, 300, RGB(192, 192, 192));
  auto m = std::make_shared<prn::TMetaFile>();
  m->New(20, 20, 200, 280, printer->aMeta.At(1).AsString(), owner.value(), {}, rt::Value(0xFFFFFF), w, h);
  PaintNow(owner.w->hWnd);
  // The upper-left quarter of the page is black, the rest of the top white;
  // the shadow lies below and right of the control.
  EXPECT_EQ(ScreenPixel(m->hWnd, 40, 40), RGB(0, 0, 0));
  EXPECT_EQ(ScreenPixel(m->hWnd, 150, 40), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(owner.w->hWnd, 120, 20 + 280 + 2), RGB(0, 0, 0));
  EXPECT_EQ(ScreenPixel(owner.w->hWnd, 20 + 200 + 2, 150), RGB(0, 0, 0));
  ShotIfAsked(owner.w->hWnd, "VD_METAFILE_SHOT");
  m->End();
  printer->End();
}

}  // namespace
