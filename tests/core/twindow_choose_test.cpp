// The colour and font dialogs of a window, answered by a driver thread that
// the dialog's activation wakes.
#include <windows.h>

#include <dlgs.h>

#include <cstdlib>
#include <functional>

#include <gtest/gtest.h>

#include "../services/box_driver.h"
#include "core/twindow.h"
#include "graphics/tfont.h"
#include "runtime/object.h"
#include "twindow_support.h"

namespace {

using coretest::OwnedWindow;

constexpr int kRedEdit = 706;
constexpr long kText = RGB(0, 0, 0);
constexpr long kPane = RGB(255, 255, 255);

std::function<void(HWND)> TypeColour(int red, int green, int blue) {
  return [=](HWND box) {
    SetDlgItemInt(box, kRedEdit, red, FALSE);
    SetDlgItemInt(box, kRedEdit + 1, green, FALSE);
    SetDlgItemInt(box, kRedEdit + 2, blue, FALSE);
    BoxDriver::Click(box, IDOK);
  };
}

COLORREF PaneProbe(HWND w) {
  UpdateWindow(w);
  HDC dc = GetDC(w);
  const COLORREF seen = GetPixel(dc, 10, 10);
  ReleaseDC(w, dc);
  return seen;
}

struct ColourCase {
  const char* name;
  bool lFore;
  bool confirm;
  long answer, text, pane;
};

TEST(TWindowSelColor, TheChosenColourBecomesTheTextOrThePane) {
  const ColourCase cases[] = {
      {"text confirmed", true, true, RGB(10, 20, 30), RGB(10, 20, 30), kPane},
      {"pane confirmed", false, true, RGB(200, 40, 0), kText, RGB(200, 40, 0)},
      {"text cancelled", true, false, kText, kText, kPane},
      {"pane cancelled", false, false, kPane, kText, kPane},
  };
  for (const ColourCase& c : cases) {
    SCOPED_TRACE(c.name);
    core::WindowArgs args = coretest::PixelArgs(10, 10, 109, 209, WS_POPUP | WS_VISIBLE);
    args.nClrFore = rt::Value(kText);
    args.nClrBack = rt::Value(kPane);
    OwnedWindow w(args);
    const auto brushBefore = w->oBrush;
    BoxDriver driver(c.confirm ? TypeColour(GetRValue(c.answer), GetGValue(c.answer), GetBValue(c.answer))
                               : std::function<void(HWND)>([](HWND box) { BoxDriver::Click(box, IDCANCEL); }));
    EXPECT_EQ(w->SelColor(c.lFore), c.answer);
    ASSERT_TRUE(driver.Seen().appeared);
    EXPECT_EQ(w->nClrText, c.text);
    EXPECT_EQ(w->nClrPane, c.pane);
    ASSERT_TRUE(w->oBrush);
    EXPECT_EQ(w->oBrush->nRGBColor.AsInt(), c.pane);
    // Only a new pane colour replaces the brush; the old one is ended.
    EXPECT_EQ(w->oBrush == brushBefore, c.pane == kPane);
    EXPECT_EQ(PaneProbe(w->hWnd), static_cast<COLORREF>(c.pane));
  }
}

TEST(TWindowSelColor, ByNameTheTextColourIsTheDefault) {
  OwnedWindow w(coretest::PixelArgs(10, 10, 109, 209, WS_POPUP | WS_VISIBLE));
  const long pane = w->nClrPane;
  BoxDriver driver(TypeColour(1, 2, 3));
  EXPECT_EQ(rt::Send(w.value(), "SelColor").AsInt(), long{RGB(1, 2, 3)});
  EXPECT_EQ(w->nClrText, long{RGB(1, 2, 3)});
  EXPECT_EQ(w->nClrPane, pane);
}

// Picks the list entry with that text in a combo box of the font dialog, as
// the user's selection does, so that the dialog takes it up.
void Pick(HWND box, int combo, const char* text) {
  HWND list = GetDlgItem(box, combo);
  SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
  SendMessageA(box, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

core::WindowArgs FontWindow() {
  core::WindowArgs args = coretest::PixelArgs(10, 10, 109, 209, WS_POPUP | WS_VISIBLE);
  args.nClrFore = rt::Value(kText);
  return args;
}

TEST(TWindowSelFont, AConfirmedSizeGivesTheWindowANewFont) {
  OwnedWindow w(FontWindow());
  w->SetFont(std::make_shared<gfx::TFont>()->New("Arial", 0, -12));
  const auto before = w->oFont;
  const int usesBefore = before->nCount;
  BoxDriver driver([](HWND box) {
    Pick(box, cmb3, "20");
    BoxDriver::Click(box, IDOK);
  });
  const auto after = w->SelFont();
  ASSERT_TRUE(driver.Seen().appeared);
  ASSERT_TRUE(after);
  EXPECT_EQ(after, w->oFont);
  EXPECT_NE(after, before);
  EXPECT_EQ(after->cFaceName, "Arial");
  EXPECT_NE(after->nInpHeight, before->nInpHeight);
  // The window holds a use of the new font and gave up its use of the old.
  EXPECT_GE(after->nCount, 1);
  EXPECT_EQ(before->nCount, usesBefore - 1);
  EXPECT_EQ(w->nChrHeight, std::abs(static_cast<long>(after->nInpHeight)));
  EXPECT_EQ(w->nClrText, kText);
}

TEST(TWindowSelFont, ACancelKeepsFontAndColour) {
  OwnedWindow w(FontWindow());
  const auto before = w->oFont;
  const int uses = before->nCount;
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDCANCEL); });
  EXPECT_EQ(w->SelFont(), before);
  ASSERT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(w->oFont, before);
  EXPECT_EQ(before->nCount, uses);
  EXPECT_EQ(w->nClrText, kText);
}

TEST(TWindowSelFont, TheDialogsColourBecomesTheTextColour) {
  OwnedWindow w(FontWindow());
  w->SetFont(std::make_shared<gfx::TFont>()->New("Arial", 0, -12));
  const auto before = w->oFont;
  COLORREF offered = CLR_INVALID;
  BoxDriver driver([&offered](HWND box) {
    HWND colours = GetDlgItem(box, cmb4);
    const LRESULT count = SendMessageA(colours, CB_GETCOUNT, 0, 0);
    // The last entry: a colour far from the black the dialog starts from.
    SendMessageA(colours, CB_SETCURSEL, count - 1, 0);
    offered = static_cast<COLORREF>(SendMessageA(colours, CB_GETITEMDATA, count - 1, 0));
    SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE), reinterpret_cast<LPARAM>(colours));
    BoxDriver::Click(box, IDOK);
  });
  const auto after = w->SelFont();
  ASSERT_TRUE(driver.Seen().appeared);
  // The dialog completes the logical font, so the window may get a font
  // object of its own, but face and size stay.
  EXPECT_EQ(after->cFaceName, before->cFaceName);
  EXPECT_EQ(after->nInpHeight, before->nInpHeight);
  ASSERT_NE(offered, static_cast<COLORREF>(kText));
  EXPECT_EQ(w->nClrText, static_cast<long>(offered));
}

}  // namespace
