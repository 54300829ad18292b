#include "graphics/disp.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "window_pixels.h"
#include "services/int32.h"

namespace {

using gfxtest::Canvas;
using gfxtest::TestWindow;

template <class H>
H Handle(const rt::Value& disp, std::size_t i) {
  return svc::HandleOf<H>(svc::ToHandle(disp.At(i)));
}

// A canvas with a recognisable picture: left half red, right half blue.
void PaintHalves(const Canvas& canvas, int width, int height) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  RECT left{0, 0, width / 2, height};
  RECT right{width / 2, 0, width, height};
  FillRect(canvas.dc(), &left, red);
  FillRect(canvas.dc(), &right, blue);
  DeleteObject(red);
  DeleteObject(blue);
}

TEST(DoubleBuffer, PaintingNothingLeavesTheTargetUnchangedAndFreesEverything) {
  TestWindow window(0, 0, 60, 40);
  RECT client{};
  GetClientRect(window.hwnd(), &client);
  Canvas target(client.right, client.bottom);
  PaintHalves(target, client.right, client.bottom);

  const rt::Value disp = gfx::VDDISPBEGIN(window.hwnd(), target.dc());
  ASSERT_EQ(disp.Len(), 5u);
  EXPECT_EQ(Handle<HWND>(disp, 1), window.hwnd());
  EXPECT_EQ(Handle<HDC>(disp, 2), target.dc());
  HDC memDC = Handle<HDC>(disp, 3);
  HBITMAP bitmap = Handle<HBITMAP>(disp, 4);
  EXPECT_EQ(GetObjectType(memDC), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(GetCurrentObject(memDC, OBJ_BITMAP), bitmap);
  // The copy-in already holds the screen's pixels.
  EXPECT_EQ(GetPixel(memDC, 1, 1), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(memDC, client.right - 2, 1), RGB(0, 0, 255));

  EXPECT_EQ(gfx::VDDISPEND(disp), target.dc());
  const int half = client.right / 2;
  EXPECT_EQ(target.CountOther(0, 0, half, client.bottom, RGB(255, 0, 0)), 0);
  EXPECT_EQ(target.CountOther(half, 0, client.right, client.bottom, RGB(0, 0, 255)), 0);
  EXPECT_EQ(GetObjectType(memDC), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST(DoubleBuffer, ScreenOfAWindowStaysPixelIdentical) {
  TestWindow window(30, 30, 80, 50);
  HDC screen = GetDC(window.hwnd());
  HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
  RECT part{5, 5, 40, 30};
  FillRect(screen, &part, green);
  DeleteObject(green);
  const WindowPixels before(window.hwnd());
  EXPECT_EQ(gfx::VDDISPEND(gfx::VDDISPBEGIN(window.hwnd(), screen)), screen);
  EXPECT_EQ(WindowPixels(window.hwnd()).Differences(before), 0);
  ReleaseDC(window.hwnd(), screen);
}

TEST(DoubleBuffer, PartialDrawingReachesTheTargetOnlyAtTheEnd) {
  TestWindow window(0, 0, 50, 30);
  RECT client{};
  GetClientRect(window.hwnd(), &client);
  Canvas target(client.right, client.bottom);
  PaintHalves(target, client.right, client.bottom);

  const rt::Value disp = gfx::VDDISPBEGIN(window.hwnd(), target.dc());
  HDC memDC = Handle<HDC>(disp, 3);
  RECT corner{0, 0, 10, 10};
  FillRect(memDC, &corner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(target.Pixel(2, 2), RGB(255, 0, 0));
  gfx::VDDISPEND(disp);
  EXPECT_EQ(target.CountOther(0, 0, 10, 10, RGB(0, 0, 0)), 0);
  EXPECT_EQ(target.CountOther(10, 0, client.right / 2, client.bottom, RGB(255, 0, 0)), 0);
  EXPECT_EQ(target.CountOther(client.right / 2, 0, client.right, client.bottom, RGB(0, 0, 255)), 0);
}

TEST(DoubleBuffer, EmptyClientAreaStillFreesTheHandles) {
  TestWindow window(0, 0, 0, 0);
  Canvas target(4, 4);
  const rt::Value disp = gfx::VDDISPBEGIN(window.hwnd(), target.dc());
  HDC memDC = Handle<HDC>(disp, 3);
  HBITMAP bitmap = Handle<HBITMAP>(disp, 4);
  EXPECT_EQ(gfx::VDDISPEND(disp), target.dc());
  EXPECT_EQ(GetObjectType(memDC), 0u);
  // A bitmap of no size is the shared 1 x 1 stock bitmap, which outlives
  // every delete.
  EXPECT_TRUE(GetObjectType(bitmap) == 0 || bitmap == CreateCompatibleBitmap(target.dc(), 0, 0));
  EXPECT_EQ(target.CountOther(0, 0, 4, 4, RGB(255, 255, 255)), 0);
}

}  // namespace
