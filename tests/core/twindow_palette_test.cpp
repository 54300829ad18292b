// Palette messages of a window reach the bitmap layer's palettes: the
// foreground palette is realised, the windows of the others repaint.
#include <windows.h>

#include <gtest/gtest.h>

#include "graphics/palette_bitmap.h"
#include "test_support.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

// A bitmap with a palette of its own colour, registered for the window.
struct Picture {
  explicit Picture(HWND owner, COLORREF colour) {
    struct {
      WORD version = 0x300, count = 1;
      PALETTEENTRY entry;
    } table{};
    table.entry = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 0};
    palette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&table));
    const DWORD pixel = colour;
    bitmap = CreateBitmap(1, 1, 1, 32, &pixel);
    gfx::PALBMPNEW(owner, bitmap, palette);
  }
  ~Picture() { gfx::PALBMPFREE(bitmap, palette); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  HBITMAP bitmap;
  HPALETTE palette;
};

bool Invalid(HWND w) { return GetUpdateRect(w, nullptr, FALSE) != 0; }

TEST(TWindowPalette, PaletteMessagesReachThePicturesOfTheBitmapLayer) {
  OwnedWindow a(coretest::PixelArgs(10, 10, 59, 59, WS_POPUP | WS_VISIBLE));
  OwnedWindow b(coretest::PixelArgs(10, 70, 59, 119, WS_POPUP | WS_VISIBLE));
  coretest::ScopedWindow elsewhere(coretest::NewTestWindow());
  Picture inA(a->hWnd, RGB(200, 0, 0));
  // The newest picture with a window and a palette is the foreground one.
  Picture inB(b->hWnd, RGB(0, 0, 200));

  // Another window changed the system palette: the background picture's
  // window repaints, the foreground one keeps its colours.
  ValidateRect(a->hWnd, nullptr);
  ValidateRect(b->hWnd, nullptr);
  SendMessageA(b->hWnd, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(elsewhere.get()), 0);
  EXPECT_TRUE(Invalid(a->hWnd));
  EXPECT_FALSE(Invalid(b->hWnd));

  // An iconic window realises nothing and answers 0.
  ValidateRect(a->hWnd, nullptr);
  ShowWindow(a->hWnd, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(a->hWnd));
  ValidateRect(b->hWnd, nullptr);
  EXPECT_EQ(SendMessageA(a->hWnd, WM_QUERYNEWPALETTE, 0, 0), 0);
  EXPECT_FALSE(Invalid(b->hWnd));

  // Restored and activated, the window realises the foreground palette,
  // whose window repaints in it.
  ShowWindow(a->hWnd, SW_RESTORE);
  ValidateRect(b->hWnd, nullptr);
  SendMessageA(a->hWnd, WM_QUERYNEWPALETTE, 0, 0);
  EXPECT_TRUE(Invalid(b->hWnd));
}

}  // namespace
