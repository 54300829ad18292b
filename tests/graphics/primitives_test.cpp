#include "graphics/primitives.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/dc.h"
#include "graphics/rect.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Every primitive draws into the box x 50..90, y 10..30. Read with its
// coordinates the other way round, the same call would land in x 10..30,
// y 50..90, so a swapped argument order leaves ink there instead.
struct PrimitiveCase {
  const char* name;
  std::function<bool(HDC)> draw;
};

class Primitive : public testing::TestWithParam<PrimitiveCase> {};

TEST_P(Primitive, DrawsWhereItsArgumentOrderSays) {
  gfxtest::Canvas canvas(120, 120);
  EXPECT_TRUE(GetParam().draw(canvas.dc()));
  EXPECT_GT(canvas.CountOther(50, 10, 91, 31, kWhite), 0);
  EXPECT_EQ(canvas.CountOther(0, 35, 120, 120, kWhite), 0);
  EXPECT_EQ(canvas.CountOther(0, 0, 45, 120, kWhite), 0);
}

rt::Value Box() { return rt::Value::Array({10, 50, 30, 90}); }

INSTANTIATE_TEST_SUITE_P(
    Table, Primitive,
    testing::Values(
        PrimitiveCase{"RECTANGLE", [](HDC dc) { return gfx::RECTANGLE(dc, 10, 50, 30, 90); }},
        PrimitiveCase{"ROUNDRECT", [](HDC dc) { return gfx::ROUNDRECT(dc, 50, 10, 90, 30, 6, 6); }},
        PrimitiveCase{"ELLIPSE", [](HDC dc) { return gfx::ELLIPSE(dc, 50, 10, 90, 30); }},
        PrimitiveCase{"ARC", [](HDC dc) { return gfx::ARC(dc, 50, 10, 90, 30, 90, 20, 90, 20); }},
        PrimitiveCase{"CHORD", [](HDC dc) { return gfx::CHORD(dc, 50, 10, 90, 30, 90, 20, 50, 20); }},
        PrimitiveCase{"PIE", [](HDC dc) { return gfx::PIE(dc, 10, 50, 30, 90, 20, 90, 30, 70); }},
        PrimitiveCase{"LINETO",
                      [](HDC dc) { return gfx::MOVETO(dc, 50, 10) && gfx::LINETO(dc, 90, 30); }},
        PrimitiveCase{"SETPIXEL", [](HDC dc) { return gfx::SETPIXEL(dc, 60, 20, 0) == 0; }},
        PrimitiveCase{"TEXTOUT", [](HDC dc) { return gfx::TEXTOUT(dc, 10, 50, "X"); }},
        PrimitiveCase{"EXTTEXTOUT", [](HDC dc) { return gfx::EXTTEXTOUT(dc, 10, 50, Box(), "X"); }},
        PrimitiveCase{"DRAWTEXT", [](HDC dc) { return gfx::DRAWTEXT(dc, "X", Box()) > 0; }},
        PrimitiveCase{"DRAWFOCUSRECT",
                      [](HDC dc) {
                        gfx::DRAWFOCUSRECT(dc, 10, 50, 30, 90);
                        return true;
                      }},
        PrimitiveCase{"INVERTRECT",
                      [](HDC dc) {
                        gfx::INVERTRECT(dc, Box());
                        return true;
                      }},
        PrimitiveCase{"FILLRECT",
                      [](HDC dc) {
                        gfx::FILLRECT(dc, Box(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                        return true;
                      }},
        PrimitiveCase{"POLYPOLYGON",
                      [](HDC dc) {
                        const rt::Value polygons[] = {
                            rt::Value::Array({rt::Value::Array({50, 10}), rt::Value::Array({90, 10}),
                                              rt::Value::Array({90, 30})}),
                            rt::Value::Array({rt::Value::Array({60, 25}), rt::Value::Array({62, 25}),
                                              rt::Value::Array({62, 28})})};
                        return gfx::POLYPOLYGON(dc, polygons);
                      }}),
    [](const testing::TestParamInfo<PrimitiveCase>& info) { return std::string(info.param.name); });

TEST(Rectangle, FramesTopLeftToBottomRightExclusive) {
  gfxtest::Canvas canvas(60, 60);
  HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
  HGDIOBJ oldBrush = SelectObject(canvas.dc(), grey);
  ASSERT_TRUE(gfx::RECTANGLE(canvas.dc(), 10, 20, 30, 40));
  EXPECT_EQ(canvas.Pixel(20, 10), kBlack);
  EXPECT_EQ(canvas.Pixel(39, 29), kBlack);
  EXPECT_EQ(canvas.Pixel(30, 20), RGB(128, 128, 128));
  EXPECT_EQ(canvas.Pixel(19, 10), kWhite);
  EXPECT_EQ(canvas.Pixel(40, 29), kWhite);
  EXPECT_EQ(canvas.Pixel(39, 30), kWhite);
  SelectObject(canvas.dc(), oldBrush);
  DeleteObject(grey);
}

TEST(Rectangle, GivenPenIsUsedForTheCallOnly) {
  gfxtest::Canvas canvas(60, 60);
  HPEN red = gfx::CREATEPEN(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ before = GetCurrentObject(canvas.dc(), OBJ_PEN);
  ASSERT_TRUE(gfx::RECTANGLE(canvas.dc(), 10, 20, 30, 40, red));
  EXPECT_EQ(canvas.Pixel(20, 10), RGB(255, 0, 0));
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), before);
  ASSERT_TRUE(gfx::MOVETO(canvas.dc(), 0, 50));
  ASSERT_TRUE(gfx::LINETO(canvas.dc(), 50, 50, red));
  EXPECT_EQ(canvas.Pixel(25, 50), RGB(255, 0, 0));
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), before);
  DeleteObject(red);
}

TEST(FloodFill, WithFillColourFillsAndRestoresTheBrush) {
  gfxtest::Canvas canvas(60, 60);
  ASSERT_TRUE(gfx::RECTANGLE(canvas.dc(), 10, 10, 40, 40));
  HGDIOBJ before = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
  ASSERT_TRUE(gfx::FLOODFILL(canvas.dc(), 20, 20, kBlack, RGB(0, 0, 255)));
  EXPECT_EQ(canvas.Pixel(20, 20), RGB(0, 0, 255));
  EXPECT_EQ(canvas.Pixel(5, 5), kWhite);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), before);
}

TEST(DrawText, NeedsTextAndMeasuresItsHeight) {
  gfxtest::Canvas canvas(60, 60);
  EXPECT_EQ(gfx::DRAWTEXT(canvas.dc(), rt::Value()), 0);
  EXPECT_EQ(canvas.CountOther(0, 0, 60, 60, kWhite), 0);
  TEXTMETRICA tm{};
  GetTextMetricsA(canvas.dc(), &tm);
  EXPECT_EQ(gfx::DRAWTEXT(canvas.dc(), "Ag"), tm.tmHeight);
  EXPECT_GT(canvas.CountOther(0, 0, 60, 20, kWhite), 0);
}

TEST(FillRect, BrushZeroDrawsNothing) {
  gfxtest::Canvas canvas(20, 20);
  gfx::FILLRECT(canvas.dc(), rt::Value::Array({0, 0, 20, 20}), nullptr);
  EXPECT_EQ(canvas.CountOther(0, 0, 20, 20, kWhite), 0);
}

}  // namespace
