#include "graphics/dc.h"

#include <gtest/gtest.h>

#include "canvas.h"
#include "graphics/rect.h"

namespace {

TEST(DeleteObject, RefusesZeroAndASecondDelete) {
  EXPECT_FALSE(gfx::DELETEOBJECT(nullptr));
  HBRUSH brush = gfx::CREATESOLIDBRUSH(0x123456);
  ASSERT_NE(brush, nullptr);
  EXPECT_TRUE(gfx::DELETEOBJECT(brush));
  EXPECT_FALSE(gfx::DELETEOBJECT(brush));
}

TEST(DrawingState, SettersReturnThePreviousValue) {
  gfxtest::Canvas canvas(10, 10);
  HDC dc = canvas.dc();
  gfx::SETTEXTCOLOR(dc, 0x0000FF);
  EXPECT_EQ(gfx::SETTEXTCOLOR(dc, 0x00FF00), 0x0000FF);
  EXPECT_EQ(gfx::GETTEXTCOLOR(dc), 0x00FF00);
  gfx::SETBKCOLOR(dc, 0x112233);
  EXPECT_EQ(gfx::SETBKCOLOR(dc, 0x445566), 0x112233);
  EXPECT_EQ(gfx::GETBKCOLOR(dc), 0x445566);
  gfx::SETBKMODE(dc, TRANSPARENT);
  EXPECT_EQ(gfx::SETBKMODE(dc, OPAQUE), TRANSPARENT);
  gfx::SETTEXTALIGN(dc, TA_RIGHT);
  EXPECT_EQ(gfx::SETTEXTALIGN(dc, TA_LEFT), unsigned{TA_RIGHT});
  EXPECT_EQ(gfx::GETTEXTALIGN(dc), unsigned{TA_LEFT});
  EXPECT_EQ(gfx::SETMAPMODE(dc, MM_ANISOTROPIC), MM_TEXT);
  gfx::SETWINDOWEXT(dc, 200, 100);
  EXPECT_EQ(gfxtest::Numbers(gfx::SETWINDOWEXT(dc, 1, 1)), (std::vector<long>{200, 100}));
  EXPECT_EQ(gfxtest::Numbers(gfx::SETVIEWPORTEXT(dc, 300, 150)), (std::vector<long>{1, 1}));
  gfx::SETVIEWORG(dc, 5, 6);
  EXPECT_EQ(gfxtest::Numbers(gfx::SETVIEWORG(dc, 0, 0)), (std::vector<long>{5, 6}));
}

TEST(DrawingState, SavedStateComesBack) {
  gfxtest::Canvas canvas(10, 10);
  const int saved = gfx::SAVEDC(canvas.dc());
  ASSERT_GT(saved, 0);
  gfx::SETTEXTCOLOR(canvas.dc(), 0xABCDEF);
  EXPECT_TRUE(gfx::RESTOREDC(canvas.dc(), saved));
  EXPECT_EQ(gfx::GETTEXTCOLOR(canvas.dc()), 0);
}

TEST(WindowRects, WindowZeroGivesAllZero) {
  const std::vector<long> zero{0, 0, 0, 0};
  EXPECT_EQ(gfxtest::Numbers(gfx::GETCLIENTRECT(nullptr)), zero);
  EXPECT_EQ(gfxtest::Numbers(gfx::GETWNDRECT(nullptr)), zero);
  EXPECT_EQ(gfxtest::Numbers(gfx::GETCOORS(nullptr)), zero);
}

TEST(WindowRects, ComeAsTopLeftBottomRight) {
  gfxtest::TestWindow parent(100, 50, 300, 200);
  gfxtest::TestWindow child(20, 10, 40, 30, parent.hwnd());
  ASSERT_NE(child.hwnd(), nullptr);
  EXPECT_EQ(gfxtest::Numbers(gfx::GETCLIENTRECT(parent.hwnd())), (std::vector<long>{0, 0, 200, 300}));
  EXPECT_EQ(gfxtest::Numbers(gfx::GETWNDRECT(parent.hwnd())), (std::vector<long>{50, 100, 250, 400}));
  EXPECT_EQ(gfxtest::Numbers(gfx::GETCOORS(child.hwnd())), (std::vector<long>{10, 20, 40, 60}));
}

TEST(Paint, BeginPaintHandsBackThePaintBlock) {
  gfxtest::TestWindow window(0, 0, 50, 50);
  gfx::INVALIDATERECT(window.hwnd(), rt::Value::Array({0, 0, 10, 10}), false);
  EXPECT_TRUE(GetUpdateRect(window.hwnd(), nullptr, FALSE));
  rt::Value block;
  HDC dc = gfx::BEGINPAINT(window.hwnd(), block);
  EXPECT_NE(dc, nullptr);
  ASSERT_TRUE(block.IsString());
  EXPECT_EQ(block.Len(), sizeof(PAINTSTRUCT));
  gfx::ENDPAINT(window.hwnd(), block);
  EXPECT_FALSE(GetUpdateRect(window.hwnd(), nullptr, FALSE));
}

}  // namespace
