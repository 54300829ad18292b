// TWindow construction: default place and style, the style built from the
// constructor's flags, class registration and a failed creation.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "core/window_defaults.h"
#include "core/window_list.h"
#include "runtime/error.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

TEST(TWindowNew, WithoutArgumentsTheDefaultPlaceSizeAndStyle) {
  OwnedWindow w;
  ASSERT_TRUE(IsWindow(w->hWnd));
  RECT rc{};
  GetWindowRect(w->hWnd, &rc);
  EXPECT_EQ(rc.left, 16);
  EXPECT_EQ(rc.top, 32);
  EXPECT_EQ(rc.right - rc.left, 545);
  EXPECT_EQ(rc.bottom - rc.top, 289);
  // The system adds sibling clipping to every top-level window.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w->hWnd, GWL_STYLE)) & ~WS_CLIPSIBLINGS, 0x02CF0000u);
  EXPECT_EQ(w->nStyle, 0x02CF0000);
  EXPECT_EQ(w->nTop, 32);
  EXPECT_EQ(w->nLeft, 16);
  EXPECT_EQ(w->nBottom, 320);
  EXPECT_EQ(w->nRight, 560);
  EXPECT_EQ(w->nClrText, 16777215);
  EXPECT_EQ(w->nClrPane, static_cast<long>(GetSysColor(COLOR_WINDOW)));
  EXPECT_TRUE(w->lVisible);
  EXPECT_TRUE(w->aControls.IsArray());
  // Linked, the default window, and with a font.
  EXPECT_EQ(core::OWNDFROMHWND(w->hWnd), w.ptr());
  EXPECT_EQ(core::GETWNDDEFAULT(), w.value());
  ASSERT_TRUE(w->oFont);
  EXPECT_NE(w->oFont->hFont, nullptr);
  EXPECT_GT(w->nChrWidth, 0);
}

TEST(TWindowNew, ClassIsTheObjectsClassNameWithItsStyleAndBrush) {
  OwnedWindow w;
  char name[64] = {};
  GetClassNameA(w->hWnd, name, sizeof name);
  EXPECT_EQ(std::string(name), w->ClassName());
  WNDCLASSA cls{};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), name, &cls));
  EXPECT_EQ(cls.style, 0x400Bu);
  LOGBRUSH lb{};
  ASSERT_EQ(GetObjectA(cls.hbrBackground, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
  EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_WINDOW));
  // The class keeps its brush when a window of it is gone.
  DestroyWindow(w->hWnd);
  EXPECT_EQ(GetObjectType(cls.hbrBackground), static_cast<DWORD>(OBJ_BRUSH));
}

TEST(TWindowNew, StyleFromTheBorderAndTheFlags) {
  struct Case {
    const char* what;
    rt::Value border, sysMenu, caption, minBox, maxBox, vScroll, hScroll;
    DWORD style;
  };
  const rt::Value f(false), t(true);
  const Case cases[] = {
      {"no border: a pop-up", "NONE", {}, {}, {}, {}, {}, {}, 0x82CB0000},
      {"no border, no caption: no menu or boxes", "NONE", {}, f, {}, {}, {}, {}, 0x82000000},
      {"no system menu", {}, f, {}, {}, {}, {}, {}, 0x02C70000},
      {"no boxes", {}, {}, {}, f, f, {}, {}, 0x02CC0000},
      {"scroll bars", {}, {}, {}, {}, {}, t, t, 0x02FF0000},
  };
  for (const Case& c : cases) {
    core::WindowArgs a;
    a.cBorder = c.border;
    a.lSysMenu = c.sysMenu;
    a.lCaption = c.caption;
    a.lMin = c.minBox;
    a.lMax = c.maxBox;
    a.lVScroll = c.vScroll;
    a.lHScroll = c.hScroll;
    OwnedWindow w(a);
    EXPECT_EQ(static_cast<DWORD>(w->nStyle), c.style) << c.what;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w->hWnd, GWL_STYLE)) & ~(WS_CLIPSIBLINGS | WS_VISIBLE), c.style)
        << c.what;
  }
  // A style given whole, its pop-up bit read as an unsigned number.
  core::WindowArgs given;
  given.nStyle = static_cast<double>(0x80CF0000u);
  OwnedWindow w(given);
  EXPECT_EQ(static_cast<DWORD>(w->nStyle), 0x80CF0000u);
  EXPECT_TRUE(GetWindowLongA(w->hWnd, GWL_STYLE) & WS_POPUP);
}

TEST(TWindowNew, PixelCoordinatesAndAChildOfAParent) {
  OwnedWindow parent(coretest::PixelArgs(10, 20, 209, 319));
  RECT rc{};
  GetWindowRect(parent->hWnd, &rc);
  EXPECT_EQ(rc.left, 20);
  EXPECT_EQ(rc.top, 10);
  EXPECT_EQ(rc.right - rc.left, 300);
  EXPECT_EQ(rc.bottom - rc.top, 200);
  OwnedWindow child(coretest::PixelArgs(5, 6, 24, 55, WS_VISIBLE, parent.value()));
  EXPECT_EQ(GetParent(child->hWnd), parent->hWnd);
  EXPECT_TRUE(GetWindowLongA(child->hWnd, GWL_STYLE) & WS_CHILD);
  // A child shares its parent's font.
  EXPECT_EQ(child->oFont, parent->oFont);
}

TEST(TWindowCreate, FailureRaisesTheLibraryErrorWithClassCaptionAndReason) {
  auto w = std::make_shared<core::TWindow>();
  w->cCaption = "Fenster";
  rt::Value caught;
  rt::ErrorBlockScope scope(rt::Value::Block([](rt::Args a) -> rt::Value { rt::BREAK(a[0]); }));
  rt::Sequence([&] { w->Create("VDNOSUCHCLASS"); }, [&](const rt::Value& e) { caught = e; });
  const auto error = caught.As<rt::Error>();
  ASSERT_TRUE(error);
  EXPECT_EQ(error->subCode, 6);
  EXPECT_EQ(error->subSystem, "Vindral");
  EXPECT_EQ(error->severity, rt::ES_CATASTROPHIC);
  EXPECT_FALSE(error->canDefault);
  EXPECT_EQ(error->description, "Cannot create window or control");
  EXPECT_EQ(error->operation.rfind("\r\nClass: VDNOSUCHCLASS\r\nCaption: Fenster\r\nSystem Error: ", 0), 0u);
  EXPECT_EQ(w->hWnd, nullptr);
}

}  // namespace

namespace {

TEST(TWindowDestroy, EndsItsDrawingObjectsAndLeavesTheListAndTheDefault) {
  OwnedWindow parent;
  OwnedWindow child(coretest::PixelArgs(5, 5, 24, 54, WS_CHILD, parent.value()));
  parent->AddControl(child.value());
  const int fontUses = parent->oFont->nCount;
  const HWND h = parent->hWnd;
  ASSERT_EQ(core::GETWNDDEFAULT(), child.value());
  DestroyWindow(child->hWnd);
  EXPECT_TRUE(core::GETWNDDEFAULT().IsNil());
  // The child gave up its share of the parent's font.
  EXPECT_EQ(parent->oFont->nCount, fontUses - 1);
  DestroyWindow(h);
  EXPECT_EQ(parent->hWnd, nullptr);
  EXPECT_EQ(parent->oBrush, nullptr);
  EXPECT_EQ(parent->oFont, nullptr);
  EXPECT_EQ(core::OWNDFROMHWND(h), nullptr);
  // The controls are let go with the window, so a child holding its parent
  // keeps nothing alive.
  EXPECT_EQ(parent->aControls.Len(), 0u);
}

}  // namespace

namespace {

TEST(TWindowPlace, BoundsSizeAndRectangleMoveTheWindowAndItsCoordinates) {
  OwnedWindow w(coretest::PixelArgs(10, 10, 109, 209));
  auto check = [&](int top, int left, int width, int height) {
    RECT rc{};
    GetWindowRect(w->hWnd, &rc);
    EXPECT_EQ(rc.top, top);
    EXPECT_EQ(rc.left, left);
    EXPECT_EQ(rc.right - rc.left, width);
    EXPECT_EQ(rc.bottom - rc.top, height);
    EXPECT_EQ(w->nTop, top);
    EXPECT_EQ(w->nLeft, left);
    EXPECT_EQ(w->nBottom, top + height - 1);
    EXPECT_EQ(w->nRight, left + width - 1);
  };
  w->SetBounds(40, 30, 250, 120);
  check(40, 30, 250, 120);
  w->SetSize(180, 90);
  check(40, 30, 180, 90);
  auto rect = std::make_shared<gfx::TRect>();
  rect->New(60, 70, 159, 369);
  rt::SendV(w.value(), "SetCoors", rt::Value(rect));
  check(60, 70, 300, 100);
  rt::SendV(w.value(), "_nTop", 15);
  check(15, 70, 300, 100);
}

}  // namespace
