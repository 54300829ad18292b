#include "graphics/tooltip.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "canvas.h"

namespace {

// The test program does not link the common controls; their classes exist
// once the library is initialised, as the programs do at start.
void InitToolTips() {
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
  ASSERT_NE(init, nullptr);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  init(&icc);
}

TEST(ToolTip, OneToolOverTheClientAreaAsItWasAtCreation) {
  InitToolTips();
  gfxtest::TestWindow window(10, 10, 200, 100);
  RECT created{};
  GetClientRect(window.hwnd(), &created);
  HWND tip = gfx::CREATETOOLTIP(window.hwnd(), "W\xF6" "rterbuch \xF6" "ffnen");
  ASSERT_NE(tip, nullptr);
  char cls[64] = {};
  GetClassNameA(tip, cls, sizeof cls);
  EXPECT_STREQ(cls, "tooltips_class32");
  EXPECT_EQ(GetWindow(tip, GW_OWNER), window.hwnd());
  EXPECT_EQ(GetWindowLongA(tip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON),
            TTS_ALWAYSTIP | TTS_NOPREFIX);
  EXPECT_TRUE(GetClassLongA(tip, GCL_STYLE) & 0x20000);  // Wine reports a version with shadows
  EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 120);

  SetWindowPos(window.hwnd(), nullptr, 0, 0, 300, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  char text[80] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.lpszText = text;
  ASSERT_TRUE(SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.hwnd, window.hwnd());
  EXPECT_EQ(tool.uFlags & TTF_SUBCLASS, static_cast<UINT>(TTF_SUBCLASS));
  EXPECT_TRUE(EqualRect(&tool.rect, &created));
  EXPECT_STREQ(text, "W\xF6" "rterbuch \xF6" "ffnen");
  DestroyWindow(tip);
}

TEST(ToolTip, BalloonStyle) {
  InitToolTips();
  gfxtest::TestWindow window(10, 10, 80, 40);
  HWND tip = gfx::CREATETOOLTIP(window.hwnd(), "Hilfe", true);
  ASSERT_NE(tip, nullptr);
  EXPECT_TRUE(GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON);
  DestroyWindow(tip);
}

TEST(ToolTip, ShadowFromVersion51On) {
  const struct {
    int major, minor;
    bool shadow;
  } cases[] = {{4, 10, false}, {5, 0, false}, {5, 1, true}, {5, 2, true}, {6, 0, true}, {6, 1, true}, {10, 0, true}};
  for (const auto& c : cases) {
    EXPECT_EQ(gfx::ToolTipShadowSupported(c.major, c.minor), c.shadow) << c.major << "." << c.minor;
  }
}

}  // namespace
