#include "graphics/bitmap.h"

#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "canvas.h"
#include "graphics/builtin_images.h"
#include "graphics/dc.h"
#include "services/handle_registry.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(ReadBitmap, ReadsASoundFile) {
  gfxtest::ScratchFile file(gfxtest::MakeBmp(5, 3, 24, 0, 0xFF));
  HBITMAP bitmap = gfx::READBITMAP(nullptr, file.path());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(gfx::NBMPWIDTH(bitmap), 5);
  EXPECT_EQ(gfx::NBMPHEIGHT(bitmap), 3);
  EXPECT_EQ(gfxtest::BitmapPixel(bitmap, 4, 2), kWhite);
  EXPECT_TRUE(gfx::DELETEOBJECT(bitmap));
}

TEST(ReadBitmap, TruncatedOrMissingFileGivesZero) {
  std::vector<std::uint8_t> bmp = gfx::BuiltinImageBmp();
  bmp.resize(bmp.size() - 1);
  gfxtest::ScratchFile truncated(bmp);
  EXPECT_EQ(gfx::READBITMAP(nullptr, truncated.path()), nullptr);
  EXPECT_EQ(gfx::READBITMAP(nullptr, "Z:\\nowhere\\missing.bmp"), nullptr);
  EXPECT_EQ(gfx::NBMPWIDTH(nullptr), 0);
  EXPECT_EQ(gfx::NBMPHEIGHT(nullptr), 0);
}

TEST(LoadBitmap, ByNameAndSystemBitmapById) {
  HBITMAP own = gfx::LOADBITMAP(GetModuleHandleA(nullptr), "GREY256");
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(gfx::NBMPWIDTH(own), 4);
  EXPECT_EQ(gfxtest::BitmapPixel(own, 0, 0), RGB(200, 200, 200));
  EXPECT_TRUE(gfx::DELETEOBJECT(own));
  constexpr int kCheckMark = 32760;
  HBITMAP check = gfx::LOADBITMAP(nullptr, kCheckMark);
  ASSERT_NE(check, nullptr);
  EXPECT_GT(gfx::NBMPWIDTH(check), 0);
  EXPECT_TRUE(gfx::DELETEOBJECT(check));
  EXPECT_EQ(gfx::LOADBITMAP(GetModuleHandleA(nullptr), "NOSUCHBITMAP"), nullptr);
}

TEST(BuiltinImages, PatternsOneToFourOnly) {
  EXPECT_EQ(gfx::VDBRUSHES(0), nullptr);
  EXPECT_EQ(gfx::VDBRUSHES(5), nullptr);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(gfx::BrushPatternBmp(i).size(), 150u);
    HBITMAP pattern = gfx::VDBRUSHES(i);
    ASSERT_NE(pattern, nullptr) << i;
    EXPECT_EQ(gfx::NBMPWIDTH(pattern), 8);
    EXPECT_EQ(gfx::NBMPHEIGHT(pattern), 8);
    EXPECT_TRUE(gfx::DELETEOBJECT(pattern));
  }
}

TEST(BuiltinImages, WarningSignIsRegisteredAndDrawn) {
  svc::SetHandleTracking(true);
  HBITMAP image = gfx::VDBITMAP();
  bool tracked = false;
  for (const auto& e : svc::TrackedHandles()) tracked |= e.handle == image && e.tag == "BMP";
  EXPECT_TRUE(tracked);
  svc::SetHandleTracking(false);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(gfx::NBMPWIDTH(image), 32);
  EXPECT_EQ(gfxtest::BitmapPixel(image, 0, 0), RGB(192, 192, 192));
  EXPECT_EQ(gfxtest::BitmapPixel(image, 12, 26), RGB(255, 255, 0));
  EXPECT_EQ(gfxtest::BitmapPixel(image, 15, 15), RGB(0, 0, 0));
  EXPECT_TRUE(gfx::DELETEOBJECT(image));
}

TEST(DrawBitmap, NaturalAndStretched) {
  HBITMAP bitmap = gfxtest::MakeBitmap(2, 2, {kRed, kGreen, kBlue, kWhite});
  gfxtest::Canvas canvas(40, 40, RGB(0, 0, 0));
  gfx::DRAWBITMAP(canvas.dc(), bitmap, 1, 3);
  EXPECT_EQ(canvas.Pixel(3, 1), kRed);
  EXPECT_EQ(canvas.Pixel(4, 2), kWhite);
  EXPECT_EQ(canvas.Pixel(5, 1), RGB(0, 0, 0));
  gfx::DRAWBITMAP(canvas.dc(), bitmap, 20, 10, 20, 10);
  EXPECT_EQ(canvas.Pixel(10, 20), kRed);
  EXPECT_EQ(canvas.Pixel(19, 24), kRed);
  EXPECT_EQ(canvas.Pixel(20, 20), kGreen);
  EXPECT_EQ(canvas.Pixel(10, 25), kBlue);
  EXPECT_EQ(canvas.Pixel(29, 29), kWhite);
  EXPECT_EQ(canvas.Pixel(30, 29), RGB(0, 0, 0));
  DeleteObject(bitmap);
}

TEST(DrawBitmap, StretchedRasterMeetsTheTargetOnce) {
  HBITMAP white = gfxtest::MakeBitmap(2, 2, {kWhite, kWhite, kWhite, kWhite});
  gfxtest::Canvas canvas(20, 20, kBlue);
  gfx::DRAWBITMAP(canvas.dc(), white, 0, 0, 10, 10, SRCAND);
  EXPECT_EQ(canvas.Pixel(5, 5), kBlue);
  DeleteObject(white);
}

TEST(DrawMasked, TopLeftColourLeavesTheBackground) {
  HBITMAP bitmap = gfxtest::MakeBitmap(3, 3, {kRed, kRed, kRed, kRed, kBlue, kRed, kRed, kWhite, kRed});
  gfxtest::Canvas canvas(10, 10, kGreen);
  SetTextColor(canvas.dc(), kBlue);
  SetBkColor(canvas.dc(), kRed);
  gfx::DRAWMASKED(canvas.dc(), bitmap, 2, 4);
  EXPECT_EQ(canvas.Pixel(4, 2), kGreen);
  EXPECT_EQ(canvas.Pixel(6, 4), kGreen);
  EXPECT_EQ(canvas.Pixel(5, 3), kBlue);
  EXPECT_EQ(canvas.Pixel(5, 4), kWhite);
  EXPECT_EQ(GetTextColor(canvas.dc()), kBlue);
  EXPECT_EQ(GetBkColor(canvas.dc()), kRed);
  DeleteObject(bitmap);
}

TEST(DrawMasked, DitheredLookShowsTheCheckeredGround) {
  HBITMAP bitmap = gfxtest::MakeBitmap(4, 4, std::vector<COLORREF>(16, kRed));
  gfxtest::Canvas canvas(10, 10, kGreen);
  gfx::DrawMaskedDithered(canvas.dc(), bitmap, 0, 0);
  EXPECT_EQ(canvas.Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(canvas.Pixel(1, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(canvas.Pixel(5, 5), kGreen);
  DeleteObject(bitmap);
}

TEST(CopyBitmap, CopyIsIndependent) {
  HBITMAP bitmap = gfxtest::MakeBitmap(2, 1, {kRed, kBlue});
  HBITMAP copy = gfx::CopyBitmapForScreen(bitmap);
  ASSERT_NE(copy, nullptr);
  DeleteObject(bitmap);
  EXPECT_EQ(gfxtest::BitmapPixel(copy, 1, 0), kBlue);
  EXPECT_EQ(gfx::CopyBitmapForScreen(nullptr), nullptr);
  DeleteObject(copy);
}

}  // namespace
