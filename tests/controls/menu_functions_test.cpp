// The menu wrappers and the painter of owner-drawn menu items, probed on a
// memory canvas.
#include "controls/menu_functions.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "../graphics/canvas.h"
#include "controls/menu_draw_item.h"
#include "services/int32.h"

namespace {

using gfxtest::Canvas;

constexpr int kWidth = 200, kHeight = 20;

DRAWITEMSTRUCT Request(const Canvas& c, UINT action, UINT state) {
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_MENU;
  d.itemID = 20001;
  d.itemAction = action;
  d.itemState = state;
  d.hDC = c.dc();
  d.rcItem = RECT{0, 0, kWidth, kHeight};
  return d;
}

rt::Value Draw(const Canvas& c, UINT state, const std::string& prompt, HBITMAP bitmap = nullptr,
               UINT action = ODA_DRAWENTIRE) {
  DRAWITEMSTRUCT d = Request(c, action, state);
  return ctl::MENUDRAWITEM(reinterpret_cast<LPARAM>(&d), prompt, false, bitmap);
}

// A 14-pixel green square with a white corner pixel, which the painter
// leaves transparent.
HBITMAP GreenSquare(HDC like) {
  HBITMAP bitmap = CreateCompatibleBitmap(like, 14, 14);
  HDC dc = CreateCompatibleDC(like);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
  RECT r{0, 0, 14, 14};
  FillRect(dc, &r, green);
  DeleteObject(green);
  SetPixel(dc, 0, 0, RGB(255, 255, 255));
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

COLORREF Sys(int index) { return GetSysColor(index); }

int Inked(const Canvas& c, int x0, int x1) { return c.CountOther(x0, 0, x1, kHeight, Sys(COLOR_MENU)); }

TEST(MenuDrawItem, LabelLeftWithUnderlineAndKeyFlushRight) {
  Canvas plain(kWidth, kHeight), marked(kWidth, kHeight);
  EXPECT_EQ(Draw(plain, 0, "Copy\tCtrl+C"), rt::Value(true));
  EXPECT_EQ(Draw(marked, 0, "&Copy\tCtrl+C"), rt::Value(true));
  // The label starts in the text column, the key name ends 21 pixels short
  // of the right edge, and nothing lies between them.
  EXPECT_EQ(Inked(marked, 0, 21), 0);
  EXPECT_GT(Inked(marked, 21, 60), 0);
  EXPECT_EQ(Inked(marked, 70, 120), 0);
  EXPECT_GT(Inked(marked, 150, kWidth - 21), 0);
  EXPECT_EQ(Inked(marked, kWidth - 20, kWidth), 0);
  // The mnemonic adds its underline under the label only.
  EXPECT_GT(Inked(marked, 21, 60), Inked(plain, 21, 60));
  EXPECT_EQ(Inked(marked, 150, kWidth), Inked(plain, 150, kWidth));
}

TEST(MenuDrawItem, CheckedItemShowsItsMarkInASunkenBoxSelectedOrNot) {
  for (UINT state : {UINT(ODS_CHECKED), UINT(ODS_CHECKED | ODS_SELECTED)}) {
    SCOPED_TRACE(state);
    Canvas c(kWidth, kHeight);
    Draw(c, state, "Option");
    EXPECT_EQ(c.Pixel(8, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.Pixel(0, 8), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(c.Pixel(8, kHeight - 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.Pixel(17, 8), Sys(COLOR_BTNHIGHLIGHT));
    // The check mark itself, in black, inside the box.
    int black = 0;
    for (int y = 1; y < kHeight - 2; ++y)
      for (int x = 1; x < 17; ++x) black += c.Pixel(x, y) == RGB(0, 0, 0);
    EXPECT_GT(black, 5);
  }
}

TEST(MenuDrawItem, SelectedItemGetsTheBarAndAPlainOneTheRaisedImageFrame) {
  Canvas noBitmap(kWidth, kHeight);
  Draw(noBitmap, ODS_SELECTED, "Open");
  EXPECT_EQ(noBitmap.Pixel(100, 10), Sys(COLOR_HIGHLIGHT));
  EXPECT_EQ(noBitmap.Pixel(5, 5), Sys(COLOR_HIGHLIGHT));

  Canvas withBitmap(kWidth, kHeight);
  HBITMAP picture = GreenSquare(withBitmap.dc());
  Draw(withBitmap, ODS_SELECTED, "Open", picture);
  DeleteObject(picture);
  EXPECT_EQ(withBitmap.Pixel(8, 8), RGB(0, 128, 0));
  EXPECT_EQ(withBitmap.Pixel(8, 0), Sys(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(withBitmap.Pixel(8, kHeight - 1), Sys(COLOR_BTNSHADOW));
  EXPECT_EQ(withBitmap.Pixel(100, 10), Sys(COLOR_HIGHLIGHT));
}

TEST(MenuDrawItem, GrayedSelectedItemHasNoBarAndEmbossedText) {
  Canvas c(kWidth, kHeight);
  Draw(c, ODS_SELECTED | ODS_GRAYED, "Paste\tCtrl+V");
  int highlight = 0, shadow = 0, echo = 0, text = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF p = c.Pixel(x, y);
      highlight += p == Sys(COLOR_HIGHLIGHT);
      shadow += p == Sys(COLOR_BTNSHADOW);
      echo += p == Sys(COLOR_BTNHIGHLIGHT);
      text += p == Sys(COLOR_MENUTEXT);
    }
  EXPECT_EQ(highlight, 0);
  EXPECT_GT(shadow, 10);
  EXPECT_GT(echo, 10);
  EXPECT_EQ(text, 0);
}

TEST(MenuDrawItem, FocusRequestGivesFalseAndOthersNil) {
  Canvas c(kWidth, kHeight);
  EXPECT_EQ(Draw(c, 0, "x", nullptr, ODA_FOCUS), rt::Value(false));
  EXPECT_TRUE(Draw(c, 0, "x", nullptr, 8).IsNil());
  EXPECT_EQ(c.CountOther(0, 0, kWidth, kHeight, RGB(255, 255, 255)), 0);
}

TEST(MenuFunctions, TextIdsSubmenusAndSizeRequests) {
  HMENU menu = ctl::CREATEMENU();
  HMENU popup = ctl::CREATEPOPUPMENU();
  const std::string longText(250, 'm');
  ASSERT_TRUE(ctl::APPENDMENU(menu, MF_STRING, 20001, rt::Value(longText)));
  ASSERT_TRUE(ctl::APPENDMENU(menu, MF_POPUP, svc::HandleNumber(popup), rt::Value("&Datei")));
  ASSERT_TRUE(ctl::INSERTMENU(menu, 0, MF_BYPOSITION | MF_STRING, 20002, "Erster"));
  EXPECT_EQ(ctl::GETMITEMCOUNT(menu), 3);
  EXPECT_EQ(ctl::GETMENUSTRING(menu, 20001, MF_BYCOMMAND), longText.substr(0, 199));
  EXPECT_EQ(ctl::GETMITEMID(menu, 0), 20002);
  EXPECT_EQ(ctl::GETMITEMID(menu, 2), -1);
  EXPECT_EQ(ctl::GETSUBMENU(menu, 2), popup);
  EXPECT_EQ(ctl::GETSUBMENU(menu, 0), nullptr);
  ctl::CHECKMENUITEM(menu, 20002, MF_CHECKED);
  EXPECT_EQ(ctl::GETMENUSTATE(menu, 20002, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
  ctl::MODIFYMENU(menu, 20002, MF_BYCOMMAND | MF_STRING, 20002, rt::Value("Zweiter"));
  EXPECT_EQ(ctl::GETMENUSTRING(menu, 0, MF_BYPOSITION), "Zweiter");
  EXPECT_TRUE(ctl::REMOVEMENU(menu, 20002, MF_BYCOMMAND));
  EXPECT_EQ(ctl::GETMITEMCOUNT(menu), 2);
  EXPECT_TRUE(ctl::ISMENU(menu));
  EXPECT_TRUE(ctl::DESTROYMENU(menu));
  EXPECT_FALSE(ctl::ISMENU(menu));
  EXPECT_FALSE(ctl::ISMENU(popup));
  EXPECT_EQ(ctl::LOADMENU(GetModuleHandleA(nullptr), rt::Value("NOSUCHMENU")), nullptr);

  MEASUREITEMSTRUCT m{};
  m.CtlType = ODT_MENU;
  m.itemID = 20005;
  ctl::MENUMEASUREITEM(reinterpret_cast<LPARAM>(&m), 77);
  EXPECT_EQ(m.itemWidth, 77u);
  EXPECT_EQ(static_cast<int>(m.itemHeight), GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(ctl::GETMEAITEM(reinterpret_cast<LPARAM>(&m)), 20005);
  Canvas c(4, 4);
  DRAWITEMSTRUCT d = Request(c, ODA_DRAWENTIRE, 0);
  d.hwndItem = reinterpret_cast<HWND>(popup);
  EXPECT_EQ(ctl::GETDRAWITEM(reinterpret_cast<LPARAM>(&d)), 20001);
  EXPECT_EQ(ctl::GETDRAWMENU(reinterpret_cast<LPARAM>(&d)), popup);
}

}  // namespace
