// Painting a window: its brush under the user's painting, drawn off screen
// and shown in one step; device contexts shared by depth; the icon of an
// iconic window.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "graphics/dc.h"
#include "graphics/primitives.h"
#include "tests/graphics/window_shot.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::OwnedWindow;

constexpr COLORREF kPane = RGB(255, 255, 224);
constexpr COLORREF kBlock = RGB(0, 64, 160);

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
  ShotIfAsked(w->hWnd, "VD_TWINDOW_SHOT");
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
