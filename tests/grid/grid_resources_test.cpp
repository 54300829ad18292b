// Every pen, brush and bitmap the cell painter makes is gone when it
// returns, whatever it was asked to draw; and the helpers answer by name.

#include <gtest/gtest.h>

#include "cell_fixture.h"
#include "runtime/macro.h"
#include "services/handle_registry.h"

namespace {

using gridtest::CellFixture;

TEST(GridResources, TenThousandCellsLeaveNoDrawingObject) {
  CellFixture f;
  HBITMAP bitmap = CreateCompatibleBitmap(f.canvas.dc(), 8, 8);
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  svc::SetHandleTracking(true);
  const HGDIOBJ fontBefore = GetCurrentObject(f.canvas.dc(), OBJ_FONT);
  for (int i = 0; i < 10000; ++i) {
    grid::CellRequest c = f.Body(1 + i % 6, (i * 7) % 150, i % 5 == 0 ? -1 : 40);
    c.nLineStyle = i % 6;
    c.l3DLook = i % 2 == 0;
    c.cText = "Zelle";
    c.hFont = i % 3 == 0 ? font : nullptr;
    switch (i % 4) {
      case 0: c.lGradient = true; c.nClrGradEnd = RGB(0, 0, 90); break;
      case 1: c.nBitmapKind = 1; c.hBitmap = bitmap; break;
      case 2: c.nMode = 3 + i % 2; break;
      default: c.l3DTextCell = i % 8 == 3; break;
    }
    if (i % 500 == 0) c.hDC = nullptr;  // a DC of the window, released again
    grid::DrawCell(c);
  }
  svc::SetHandleTracking(false);
  EXPECT_TRUE(svc::TrackedHandles().empty());
  EXPECT_EQ(GetCurrentObject(f.canvas.dc(), OBJ_FONT), fontBefore);
  DeleteObject(font);
  DeleteObject(bitmap);
}

// Registered at the program's start: this test program registers nothing.
TEST(GridResources, HelpersAnswerByName) {
  const char* names[] = {"TGDRAWCELL", "TGBRWSCROLL", "NTGBROW", "NSBROWS", "ATGBRWPOSRECT",
                         "SBGETHEIGHT", "SBMPHEIGHT", "DARKCOLOR", "GETFONTHEIGHT"};
  for (const char* name : names) {
    const rt::PublicFn* fn = rt::FindFunction(name);
    ASSERT_NE(fn, nullptr) << name;
    EXPECT_NO_FATAL_FAILURE((*fn)(rt::Args{})) << name;
  }
  std::vector<rt::Value> args = {16711680, 40};
  EXPECT_EQ((*rt::FindFunction("darkcolor"))(args).AsInt(), 14090240);
  gfxtest::TestWindow w(0, 0, 200, 120);
  std::vector<rt::Value> row = {static_cast<double>(reinterpret_cast<std::intptr_t>(w.hwnd())), 0, 150, "font",
                                16, 20, 18};
  EXPECT_EQ((*rt::FindFunction("NTGBROW"))(row).AsInt(), 65535);
  std::vector<rt::Value> bad = {"no window", ".T.", 1};
  EXPECT_EQ((*rt::FindFunction("NSBROWS"))(bad).AsInt(), 0);
}

}  // namespace
