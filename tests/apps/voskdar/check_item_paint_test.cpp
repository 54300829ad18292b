#include "apps/voskdar/check_item_paint.h"

#include <gtest/gtest.h>

#include "../../graphics/canvas.h"
#include "grid/dark_color.h"
#include "services/handle_registry.h"

namespace {

using gfxtest::Canvas;
using voskdar::RadioItem;

constexpr COLORREF kPane = RGB(128, 160, 192);
constexpr COLORREF kBlack = RGB(0, 0, 0);

RadioItem Item(const Canvas& canvas, int style, bool ticked) {
  RadioItem r;
  r.hDC = canvas.dc();
  r.nTop = 4;
  r.nLeft = 4;
  r.cText = "&Eng";
  r.lTicked = ticked;
  r.nClrPane = kPane;
  r.nClrText = kBlack;
  r.nStyle = style;
  return r;
}

TEST(CheckItemPaint, CheckShapeWithTickOnlyWhenTicked) {
  const COLORREF shadeA = static_cast<COLORREF>(grid::DARKCOLOR(kPane, 48));
  const COLORREF shadeB = static_cast<COLORREF>(grid::DARKCOLOR(kPane, -48));
  struct Case {
    bool ticked, disabled;
    COLORREF tick, rightEdge;
  };
  const COLORREF white = RGB(255, 255, 255);
  for (const Case& k : {Case{true, false, kBlack, shadeA}, Case{false, false, kPane, shadeA},
                        Case{false, true, white, white}, Case{true, true, GetSysColor(COLOR_BTNSHADOW), shadeA}}) {
    Canvas canvas(120, 24);
    RadioItem r = Item(canvas, voskdar::kStyleCheck, k.ticked);
    r.lDisabled = k.disabled;
    voskdar::DRAWRADIO(r);
    GdiFlush();
    SCOPED_TRACE(testing::Message() << k.ticked << k.disabled);
    EXPECT_EQ(canvas.Pixel(4 + 2, 4 + 8), k.tick);
    EXPECT_EQ(canvas.Pixel(4 + 12, 4 + 6), k.rightEdge);
    if (k.rightEdge != white) {
      EXPECT_EQ(canvas.Pixel(4, 4 + 6), shadeB);  // the lit left edge
    }
    // The text starts 16 pixels right of the shape.
    EXPECT_EQ(canvas.CountOther(4 + 14, 0, 4 + 16, 24, white), 0);
    EXPECT_GT(canvas.CountOther(4 + 16, 0, 120, 24, white), 0);
  }
}

TEST(CheckItemPaint, PointerAndDiamondShapes) {
  Canvas arrow(120, 24);
  voskdar::DRAWRADIO(Item(arrow, voskdar::kStylePointer, true));
  GdiFlush();
  EXPECT_EQ(arrow.Pixel(4, 4 + 7), kBlack);
  EXPECT_EQ(arrow.Pixel(4 + 3, 4 + 7), kPane);
  Canvas unticked(120, 24);
  voskdar::DRAWRADIO(Item(unticked, voskdar::kStylePointer, false));
  EXPECT_EQ(unticked.CountOther(0, 0, 18, 24, RGB(255, 255, 255)), 0);

  Canvas diamond(120, 24);
  voskdar::DRAWRADIO(Item(diamond, voskdar::kStyleThin, true));
  GdiFlush();
  EXPECT_EQ(diamond.Pixel(4 + 6, 4 + 6), kBlack);  // the ticked centre
  EXPECT_EQ(diamond.Pixel(4 + 6, 4 + 2), kPane);
  EXPECT_EQ(diamond.Pixel(4 + 1, 4 + 1), RGB(255, 255, 255));
}

TEST(CheckItemPaint, GlyphOfCircleStyleUnlessDisabledAndUnticked) {
  HBITMAP glyph = CreateBitmap(12, 12, 1, 32, nullptr);  // all black
  for (bool disabled : {false, true}) {
    Canvas canvas(120, 24);
    RadioItem r = Item(canvas, voskdar::kStyleCircle, false);
    r.lDisabled = disabled;
    r.hBitmap = glyph;
    r.nBmpWidth = r.nBmpHeight = 12;
    voskdar::DRAWRADIO(r);
    GdiFlush();
    EXPECT_EQ(canvas.Pixel(4 + 6, 4 + 6), disabled ? RGB(255, 255, 255) : kBlack) << disabled;
  }
  DeleteObject(glyph);
}

TEST(CheckItemPaint, RaisedTextAndTheFocusMark) {
  Canvas flat(120, 24);
  voskdar::DRAWRADIO(Item(flat, voskdar::kStyleCheck, false));
  Canvas raised(120, 24);
  RadioItem r = Item(raised, voskdar::kStyleCheck, false);
  r.l3D = true;
  r.nClrLight = RGB(255, 0, 0);
  r.nClrDark = RGB(0, 255, 0);
  voskdar::DRAWRADIO(r);
  GdiFlush();
  EXPECT_GT(raised.CountOther(0, 0, 120, 24, RGB(255, 0, 0)), 0);
  EXPECT_LT(raised.CountOther(0, 0, 120, 24, RGB(255, 0, 0)), 120 * 24);
  EXPECT_LT(raised.CountOther(0, 0, 120, 24, RGB(0, 255, 0)), 120 * 24);

  // Focused check items show the mark; lTwice takes it away again.
  const auto differs = [&](bool focused, bool twice) {
    Canvas canvas(120, 24);
    RadioItem f = Item(canvas, voskdar::kStyleCheck, false);
    f.lCheckStyle = true;
    f.lFocused = focused;
    f.lTwice = twice;
    voskdar::DRAWRADIO(f);
    GdiFlush();
    int n = 0;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 120; ++x) n += canvas.Pixel(x, y) != flat.Pixel(x, y);
    }
    return n;
  };
  EXPECT_GT(differs(true, false), 0);
  EXPECT_EQ(differs(true, true), 0);
  EXPECT_EQ(differs(false, false), 0);
}

TEST(CheckItemPaint, EverythingMadeIsDeletedAndTheDcRestored) {
  Canvas canvas(200, 60);
  HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
  const HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
  const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
  const HGDIOBJ oldFont = GetCurrentObject(canvas.dc(), OBJ_FONT);
  gfxtest::TestWindow window(0, 0, 200, 60);
  svc::SetHandleTracking(true);
  for (int i = 0; i < 2000; ++i) {
    RadioItem r = Item(canvas, 1 + i % 9, i % 2 == 0);
    r.hFont = i % 3 ? font : nullptr;
    r.lDisabled = i % 5 == 0;
    r.l3D = i % 7 == 0;
    voskdar::DRAWRADIO(r);
    voskdar::DRAWBOXES(canvas.dc(), window.hwnd(), 1 + i % 6, i % 2 ? "Suche" : "", font, i % 3);
  }
  svc::SetHandleTracking(false);
  EXPECT_TRUE(svc::TrackedHandles().empty());
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), oldFont);
  EXPECT_EQ(GetBkMode(canvas.dc()), OPAQUE);
  DeleteObject(font);
}

TEST(CheckItemPaint, BoxesFrameTheWindowBehindTheLabel) {
  EXPECT_EQ(voskdar::BoxTypeNumber("WBOX"), 1);
  EXPECT_EQ(voskdar::BoxTypeNumber("BRBOX"), 6);
  EXPECT_EQ(voskdar::BoxTypeNumber("box"), 0);
  gfxtest::TestWindow window(0, 0, 100, 50);
  Canvas canvas(100, 50);
  voskdar::DRAWBOXES(canvas.dc(), window.hwnd(), 2, "", nullptr, 0, RGB(255, 0, 0), RGB(0, 0, 255));
  GdiFlush();
  EXPECT_EQ(canvas.Pixel(0, 25), RGB(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(1, 25), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(98, 25), RGB(0, 0, 255));

  Canvas labelled(100, 50);
  voskdar::DRAWBOXES(labelled.dc(), window.hwnd(), 1, "Optionen", nullptr, 1, {}, RGB(0, 0, 255), RGB(255, 0, 0));
  GdiFlush();
  EXPECT_GT(labelled.CountOther(0, 0, 100, 20, RGB(255, 0, 0)), 0);
  EXPECT_EQ(labelled.Pixel(50, 49 - 1), RGB(0, 0, 255));
  EXPECT_EQ(voskdar::BoxTypeNumber("GBOX"), 2);
}

}  // namespace
