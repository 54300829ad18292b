// Painting a window: its brush under the user's painting, drawn off screen
// and shown in one step; device contexts shared by depth; the icon of an
// iconic window.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "graphics/dc.h"
#include "graphics/primitives.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::OwnedWindow;

constexpr COLORREF kPane = RGB(255, 255, 224);
constexpr COLORREF kBlock = RGB(0, 64, 160);

// The window as the screen shows it, frame included, as a 24-bit BMP file.
void WriteWindowBitmap(HWND hWnd, const std::string& file) {
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  const HDC windowDC = GetWindowDC(hWnd);
  const HDC memDC = CreateCompatibleDC(windowDC);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bmp = CreateDIBSection(windowDC, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memDC, bmp);
  BitBlt(memDC, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((width * 3 + 3) / 4) * 4;
  const DWORD imageSize = stride * height;
  BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + imageSize), 0, 0,
                      static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
  out.write(static_cast<const char*>(bits), imageSize);
  SelectObject(memDC, old);
  DeleteObject(bmp);
  DeleteDC(memDC);
  ReleaseDC(hWnd, windowDC);
}

std::string TempFile(const char* name) {
  char dir[MAX_PATH] = {};
  GetTempPathA(sizeof dir, dir);
  return std::string(dir) + name;
}

TEST(TWindowPaint, BrushUnderTheUsersPaintingDrawnOffScreen) {
  core::WindowArgs args = coretest::PixelArgs(100, 100, 339, 499);
  args.cTitle = "W\xF6rterbuch - Testfenster";
  args.nClrFore = 0;
  args.nClrBack = static_cast<long>(kPane);
  OwnedWindow w(args);
  DWORD paintedDC = 0;
  std::size_t psSize = 0;
  bool gotSelf = false;
  const rt::Value self = w.value();
  w->bPainted = rt::Value::Block([&](rt::Args a) {
    const HDC dc = reinterpret_cast<HDC>(svc::ToHandle(a[0]));
    paintedDC = GetObjectType(dc);
    psSize = a[1].Len();
    gotSelf = a[2] == self;
    const HBRUSH brush = CreateSolidBrush(kBlock);
    const RECT block{20, 20, 180, 80};
    FillRect(dc, &block, brush);
    DeleteObject(brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    gfx::TEXTOUT(dc, 100, 20, "Hallo, Welt! \xC4nderungen gespeichert.");
    gfx::ELLIPSE(dc, 220, 20, 360, 90);
    return rt::Value();
  });
  ShowWindow(w->hWnd, SW_SHOWNORMAL);
  UpdateWindow(w->hWnd);
  EXPECT_EQ(paintedDC, static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(psSize, sizeof(PAINTSTRUCT));
  EXPECT_TRUE(gotSelf);
  EXPECT_EQ(w->hDC, nullptr);
  EXPECT_TRUE(w->cPS().IsNil());
  const HDC screen = GetDC(w->hWnd);
  EXPECT_EQ(GetPixel(screen, 5, 5), kPane);
  EXPECT_EQ(GetPixel(screen, 100, 50), kBlock);
  EXPECT_EQ(GetPixel(screen, 380, 200), kPane);
  ReleaseDC(w->hWnd, screen);
  const std::string image = TempFile("twindow.bmp");
  WriteWindowBitmap(w->hWnd, image);
  std::printf("window image: %s\n", image.c_str());
}

TEST(TWindowPaint, DeviceContextIsSharedByDepth) {
  OwnedWindow w;
  const HDC first = w->GetDC();
  EXPECT_NE(first, nullptr);
  EXPECT_EQ(w->GetDC(), first);
  EXPECT_EQ(w->nPaintCount, 2);
  w->ReleaseDC();
  EXPECT_EQ(w->hDC, first);
  w->ReleaseDC();
  EXPECT_EQ(w->hDC, nullptr);
  EXPECT_EQ(w->nPaintCount, 0);
}

TEST(TWindowPaint, AnIconicWindowAlwaysHasAnIcon) {
  OwnedWindow w;
  // No icon of its own: the fallback (the system's application icon where
  // the old system module gives none).
  const auto fallback = reinterpret_cast<HICON>(SendMessageA(w->hWnd, WM_QUERYDRAGICON, 0, 0));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(fallback, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  const HICON own = LoadIconA(nullptr, IDI_QUESTION);
  w->oIcon = svc::HandleNumber(own);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(w->hWnd, WM_QUERYDRAGICON, 0, 0)), own);
  // Iconic, the window draws its icon in place of its painting.
  bool painted = false;
  w->bPainted = rt::Value::Block([&](rt::Args) {
    painted = true;
    return rt::Value();
  });
  ShowWindow(w->hWnd, SW_SHOWMINIMIZED);
  UpdateWindow(w->hWnd);
  EXPECT_FALSE(painted);
  w->oIcon = rt::Value();
}

}  // namespace
