#include "graphics/palette_bitmap.h"

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "canvas.h"
#include "graphics/dib.h"
#include "services/global_memory.h"
#include "services/int32.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

template <class Handle>
Handle HandleAt(const rt::Value& pair, std::size_t i) {
  return reinterpret_cast<Handle>(svc::ToHandle(pair.At(i)));
}

long Number(HANDLE h) { return static_cast<long>(svc::HandleNumber(h)); }

TEST(PalBmpRead, PaletteOnlyForMoreThanSixteenColours) {
  gfxtest::ScratchFile trueColour(gfxtest::MakeBmp(4, 4, 24, 0));
  const rt::Value a = gfx::PALBMPREAD(nullptr, trueColour.path());
  EXPECT_NE(HandleAt<HBITMAP>(a, 1), nullptr);
  EXPECT_EQ(HandleAt<HPALETTE>(a, 2), nullptr);

  gfxtest::ScratchFile sixteen(gfxtest::MakeBmp(4, 4, 4, 16));
  const rt::Value b = gfx::PALBMPREAD(nullptr, sixteen.path());
  EXPECT_NE(HandleAt<HBITMAP>(b, 1), nullptr);
  EXPECT_EQ(HandleAt<HPALETTE>(b, 2), nullptr);

  gfxtest::ScratchFile full(gfxtest::MakeBmp(4, 4, 8, 256, 200));
  const rt::Value c = gfx::PALBMPREAD(nullptr, full.path());
  ASSERT_NE(HandleAt<HBITMAP>(c, 1), nullptr);
  HPALETTE palette = HandleAt<HPALETTE>(c, 2);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
  PALETTEENTRY entry{};
  GetPaletteEntries(palette, 200, 1, &entry);
  EXPECT_EQ(entry.peRed, 200);
  EXPECT_EQ(gfxtest::BitmapPixel(HandleAt<HBITMAP>(c, 1), 0, 0), RGB(200, 200, 200));
  for (const rt::Value* v : {&a, &b, &c}) {
    DeleteObject(HandleAt<HBITMAP>(*v, 1));
    DeleteObject(HandleAt<HPALETTE>(*v, 2));
  }
}

TEST(PalBmpRead, UnreadableFileGivesZeroPair) {
  std::vector<std::uint8_t> bmp = gfxtest::MakeBmp(4, 4, 8, 256);
  bmp.resize(60);
  gfxtest::ScratchFile truncated(bmp);
  for (const rt::Value& pair : {gfx::PALBMPREAD(nullptr, truncated.path()), gfx::PALBMPREAD(nullptr, "Z:\\none.bmp"),
                                gfx::PALBMPLOAD("NOSUCHBITMAP"), gfx::PALBMPLOAD(4711)}) {
    ASSERT_EQ(pair.Len(), 2u);
    EXPECT_EQ(pair.At(1).AsInt(), 0);
    EXPECT_EQ(pair.At(2).AsInt(), 0);
  }
}

TEST(PalBmpLoad, ResourceOfTheResourceModule) {
  const rt::Value pair = gfx::PALBMPLOAD("GREY256");
  HBITMAP bitmap = HandleAt<HBITMAP>(pair, 1);
  HPALETTE palette = HandleAt<HPALETTE>(pair, 2);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
  EXPECT_EQ(gfxtest::BitmapPixel(bitmap, 3, 3), RGB(200, 200, 200));
  DeleteObject(bitmap);
  DeleteObject(palette);
}

TEST(PalBmpDraw, TransparentRepaintsTheBackgroundOnce) {
  HBITMAP bitmap = gfxtest::MakeBitmap(3, 1, {kRed, kBlue, kRed});
  gfxtest::Canvas canvas(10, 10);
  gfx::PALBMPDRAW(canvas.dc(), 2, 1, bitmap, nullptr, 0, 0, 0, true, kGreen);
  EXPECT_EQ(canvas.Pixel(1, 2), kGreen);
  EXPECT_EQ(canvas.Pixel(2, 2), kBlue);
  EXPECT_EQ(canvas.Pixel(3, 2), kGreen);
  EXPECT_EQ(gfxtest::BitmapPixel(bitmap, 0, 0), kGreen);

  // The top-left pixel now has the pane colour: nothing more changes.
  gfx::PALBMPDRAW(canvas.dc(), 5, 1, bitmap, nullptr, 0, 0, 0, true, kGreen);
  EXPECT_EQ(canvas.Pixel(2, 5), kBlue);
  EXPECT_EQ(gfxtest::BitmapPixel(bitmap, 1, 0), kBlue);

  gfx::PALBMPDRAW(canvas.dc(), 7, 0, bitmap, nullptr, 9, 3);
  EXPECT_EQ(canvas.Pixel(4, 8), kBlue);
  EXPECT_EQ(canvas.Pixel(8, 9), kGreen);
  DeleteObject(bitmap);
}

TEST(PaletteTable, ForegroundEntryBookkeeping) {
  gfxtest::TestWindow first(0, 0, 40, 40);
  gfxtest::TestWindow second(50, 0, 40, 40);
  const std::vector<std::uint8_t> bmp = gfxtest::MakeBmp(2, 2, 8, 256);
  gfxtest::ScratchFile file(bmp);
  const rt::Value a = gfx::PALBMPREAD(nullptr, file.path());
  const rt::Value b = gfx::PALBMPREAD(nullptr, file.path());
  HBITMAP bitmapA = HandleAt<HBITMAP>(a, 1);
  HPALETTE paletteA = HandleAt<HPALETTE>(a, 2);
  HBITMAP bitmapB = HandleAt<HBITMAP>(b, 1);
  HPALETTE paletteB = HandleAt<HPALETTE>(b, 2);

  // With window and palette the new entry becomes the foreground entry.
  gfx::PALBMPNEW(first.hwnd(), bitmapA, paletteA);
  gfx::PALBMPNEW(second.hwnd(), bitmapB, paletteB);
  EXPECT_EQ(gfxtest::Numbers(gfx::SETFOREBMP(bitmapB, paletteB)), (std::vector<long>{Number(bitmapB), Number(paletteB)}));

  // Once palette events run, a new foreground entry repaints its window.
  gfx::QRYNEWPALEVENT(first.hwnd());
  ValidateRect(first.hwnd(), nullptr);
  EXPECT_EQ(gfxtest::Numbers(gfx::SETFOREBMP(bitmapA, paletteA)), (std::vector<long>{Number(bitmapB), Number(paletteB)}));
  EXPECT_TRUE(GetUpdateRect(first.hwnd(), nullptr, FALSE));

  // The palette changed elsewhere: the background entry repaints.
  ValidateRect(second.hwnd(), nullptr);
  gfx::PALCHGEVENT(first.hwnd());
  EXPECT_TRUE(GetUpdateRect(second.hwnd(), nullptr, FALSE));

  EXPECT_TRUE(gfx::PALBMPFREE(bitmapA, paletteA));
  EXPECT_EQ(GetObjectType(bitmapA), 0u);
  EXPECT_EQ(GetObjectType(paletteA), 0u);
  EXPECT_FALSE(gfx::PALBMPFREE(bitmapA, paletteA));
  // The freed entry was the foreground one: there is none now.
  EXPECT_EQ(gfx::QRYNEWPALEVENT(first.hwnd()), 0);
  EXPECT_TRUE(gfx::SETFOREBMP(bitmapB, paletteB).IsNil());

  // The free entry is reused.
  HBITMAP plain = gfxtest::MakeBitmap(1, 1, {kRed});
  gfx::PALBMPNEW(nullptr, plain, nullptr);
  EXPECT_TRUE(gfx::PALBMPFREE(plain, nullptr));
  EXPECT_TRUE(gfx::PALBMPFREE(bitmapB, paletteB));
}

TEST(Dib, FromBitmapAndBack) {
  HBITMAP bitmap = gfxtest::MakeBitmap(3, 2, {kRed, kGreen, kBlue, kBlue, kRed, kGreen});
  HGLOBAL dib = gfx::DIBFROMBITMAP(bitmap, nullptr);
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(gfx::DIBPALETTE(dib), nullptr);
  gfxtest::Canvas canvas(20, 20);
  EXPECT_TRUE(gfx::DIBDRAW(canvas.dc(), dib, nullptr, 4, 5));
  EXPECT_EQ(canvas.Pixel(5, 4), kRed);
  EXPECT_EQ(canvas.Pixel(7, 4), kBlue);
  EXPECT_EQ(canvas.Pixel(6, 5), kRed);
  EXPECT_TRUE(gfx::DIBDRAW(canvas.dc(), dib, nullptr, 10, 0, 6, 4));
  EXPECT_EQ(canvas.Pixel(5, 11), kBlue);
  EXPECT_EQ(canvas.Pixel(0, 13), kBlue);
  EXPECT_TRUE(gfx::DIBDRAW(nullptr, dib, nullptr, 0, 0));
  EXPECT_TRUE(gfx::DIBDRAW(canvas.dc(), nullptr, nullptr, 0, 0));
  svc::GLOBALFREE(svc::HandleNumber(dib));
  DeleteObject(bitmap);
  EXPECT_EQ(gfx::DIBFROMBITMAP(nullptr, nullptr), nullptr);
}

TEST(Dib, BlockWithoutASoundDibIsLeftAlone) {
  // A header that claims 256 colours and 64 x 64 pixels in a 48-byte block.
  std::vector<std::uint8_t> bytes = gfxtest::MakeBmp(64, 64, 8, 256);
  bytes.erase(bytes.begin(), bytes.begin() + 14);
  bytes.resize(48);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  gfxtest::Canvas canvas(70, 70);
  EXPECT_EQ(gfx::DIBPALETTE(block), nullptr);
  EXPECT_TRUE(gfx::DIBDRAW(canvas.dc(), block, nullptr, 0, 0));
  EXPECT_EQ(canvas.CountOther(0, 0, 70, 70, RGB(255, 255, 255)), 0);
  GlobalFree(block);
}

TEST(Dib, ReadFileAndPalette) {
  gfxtest::ScratchFile file(gfxtest::MakeBmp(4, 4, 8, 256));
  HGLOBAL dib = gfx::DIBREAD(file.path());
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(GlobalSize(dib), 40u + 1024u + 16u);
  const auto number = svc::HandleNumber(dib);
  const auto inUse = svc::GlobalBlocksInUse();
  EXPECT_NE(std::find(inUse.begin(), inUse.end(), number), inUse.end());
  HPALETTE palette = gfx::DIBPALETTE(dib);
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(GetPaletteEntries(palette, 0, 0, nullptr), 256u);
  DeleteObject(palette);
  EXPECT_TRUE(svc::GLOBALFREE(number));

  std::vector<std::uint8_t> bmp = gfxtest::MakeBmp(4, 4, 8, 256);
  gfxtest::Put32At(bmp, 46, 1000000);
  gfxtest::ScratchFile hostile(bmp);
  EXPECT_EQ(gfx::DIBREAD(hostile.path()), nullptr);
}

}  // namespace
