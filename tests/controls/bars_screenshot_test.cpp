// A main window with its message bar, scroll bars and buttons, and a window
// of every button look with a scrolled picture: both are checked for what a
// person sees, and saved as images when VD_MSGBAR_SHOT / VD_BUTTONS_SHOT
// name .BMP files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "../graphics/bmp_fixture.h"
#include "../graphics/window_pixels.h"
#include "controls/tbar.h"
#include "controls/tbitmap.h"
#include "controls/tbtnbmp.h"
#include "controls/tbutton.h"
#include "controls/tcheckbox.h"
#include "controls/tfolder.h"
#include "controls/tgroup.h"
#include "controls/tsay.h"
#include "controls/tmenu.h"
#include "controls/tmsgbar.h"
#include "controls/tscrollbar.h"
#include "core/message_loop.h"
#include "tests/graphics/window_shot.h"

namespace {

void Settle(HWND window) {
  core::SYSREFRESH();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  core::SYSREFRESH();
}

std::shared_ptr<core::TWindow> MainWindow(const char* title, int bottom, int right, bool scrollBars) {
  auto w = std::make_shared<core::TWindow>();
  core::WindowArgs a;
  a.nTop = 20;
  a.nLeft = 20;
  a.nBottom = bottom;
  a.nRight = right;
  a.lPixel = true;
  a.cTitle = title;
  a.lVScroll = scrollBars;
  a.lHScroll = scrollBars;
  a.nClrBack = static_cast<double>(GetSysColor(COLOR_BTNFACE));
  w->New(a);
  ShowWindow(w->hWnd, SW_SHOW);
  return w;
}

// A small picture drawn with GDI and written as a .BMP file.
struct PictureFile {
  explicit PictureFile(COLORREF ground, COLORREF figure, bool circle, int width = 24, int height = 24) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH back = CreateSolidBrush(ground), fore = CreateSolidBrush(figure);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, back);
    HGDIOBJ oldBrush = SelectObject(dc, fore);
    if (circle && width > 60) {
      Ellipse(dc, width / 3, height / 4, width - 20, height - 30);
    } else if (circle) {
      Ellipse(dc, 3, 3, width - 3, height - 3);
    } else {
      const POINT arrow[] = {{4, height / 2}, {width / 2, 4}, {width - 4, height / 2}, {width / 2, height - 4}};
      Polygon(dc, arrow, 4);
    }
    for (int y = 0; y < height && width > 60; y += 12) {
      MoveToEx(dc, 0, y, nullptr);
      LineTo(dc, width, y + height / 3);
    }
    SelectObject(dc, oldBrush);
    GdiFlush();
    const DWORD size = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    std::vector<std::uint8_t> bytes(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size);
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(bytes.size()), 0, 0,
                        static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    std::memcpy(bytes.data(), &fh, sizeof fh);
    std::memcpy(bytes.data() + sizeof fh, &bi.bmiHeader, sizeof bi.bmiHeader);
    std::memcpy(bytes.data() + sizeof fh + sizeof bi.bmiHeader, bits, size);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteObject(back);
    DeleteObject(fore);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    file = std::make_unique<gfxtest::ScratchFile>(bytes);
  }
  std::string path() const { return file->path(); }
  std::unique_ptr<gfxtest::ScratchFile> file;
};

TEST(Screens, MainWindowWithMessageBarScrollBarsAndButtons) {
  auto w = MainWindow("W\xF6rterbuch Deutsch - Englisch", 320, 620, true);
  auto bar = std::make_shared<controls::TMsgBar>();
  controls::MsgBarArgs m;
  m.oWnd = rt::Value(w);
  m.cMsg = "Bereit";
  m.lClock = true;
  m.lDate = true;
  m.lKeyboard = true;
  bar->New(m);
  for (const auto& [text, width] : {std::pair{"Sprache: DEUENG", 120}, std::pair{"Begriffe: 1234", 90}}) {
    auto item = std::make_shared<controls::TMsgItem>();
    controls::MsgItemArgs a;
    a.oMsgBar = rt::Value(bar);
    a.cMsg = text;
    a.nWidth = width;
    a.nClrText = "R*/BG";
    item->New(a);
    bar->InsItem(item, rt::Value(width == 120 ? 1 : 2));
  }
  for (const auto& [caption, col] : {std::pair{"&Suchen", 2}, std::pair{"&Neu", 16}, std::pair{"&Beenden", 30}}) {
    controls::ButtonArgs b;
    b.nRow = 1;
    b.nCol = col;
    b.cCaption = caption;
    b.nWidth = 70;
    b.nHeight = 24;
    b.oWnd = rt::Value(w);
    std::make_shared<controls::TButton>()->New(b);
  }
  controls::ScrollBarArgs s;
  s.nRow = 4;
  s.nCol = 2;
  s.nMax = 100;
  s.lVertical = false;
  s.nWidth = 300;
  s.oWnd = rt::Value(w);
  std::make_shared<controls::TScrollBar>()->New(s);
  bar->SetMsg("Sucht den Begriff in der gew\xE4hlten Sprache");
  Settle(w->hWnd);
  EXPECT_EQ(bar->GetItem(), 7);
  EXPECT_EQ(bar->aItem[0]->cMsg, "Sprache: DEUENG");
  EXPECT_TRUE(w->oVScroll.IsObject() && w->oHScroll.IsObject());
  ShotIfAsked(w->hWnd, "VD_MSGBAR_SHOT");
  DestroyWindow(w->hWnd);
}

TEST(Screens, ButtonLooksAndAScrolledPicture) {
  auto w = MainWindow("Schaltfl\xE4" "chen", 300, 560, false);
  const rt::Value owner(w);
  controls::ButtonArgs ok;
  ok.nRow = 10;
  ok.nCol = 10;
  ok.cCaption = "OK";
  ok.nWidth = 80;
  ok.nHeight = 26;
  ok.lPixel = true;
  ok.lDefault = true;
  ok.oWnd = owner;
  std::make_shared<controls::TButton>()->New(ok);
  controls::ButtonArgs find = ok;
  find.nCol = 100;
  find.cCaption = "&Suchen";
  find.lDefault = false;
  auto focused = std::make_shared<controls::TButton>();
  focused->New(find);

  const PictureFile book(RGB(255, 0, 255), RGB(0, 128, 0), true), arrow(RGB(255, 0, 255), RGB(0, 0, 192), false);
  auto bitmapButton = [&](int left, const rt::Value& caption, int width) {
    controls::BtnBmpArgs a;
    a.nTop = 50;
    a.nLeft = left;
    a.nWidth = width;
    a.nHeight = 40;
    a.cBmpFile1 = book.path();
    a.cCaption = caption;
    a.cLayout = "TOP";
    a.oWnd = owner;
    auto b = std::make_shared<controls::TBtnBmp>();
    b->New(a);
    return b;
  };
  bitmapButton(10, {}, 44);
  bitmapButton(64, {}, 44)->GoDown();
  auto disabled = bitmapButton(118, {}, 44);
  disabled->Disable();
  auto menu = std::make_shared<ctl::TMenu>();
  menu->New(true, owner);
  auto dropDown = bitmapButton(172, rt::Value("Sprache"), 90);
  dropDown->oPopup = rt::Value(menu);
  dropDown->SetFile(arrow.path());

  const PictureFile landscape(RGB(200, 230, 255), RGB(30, 140, 60), true, 360, 260);
  controls::BitmapArgs v;
  v.nTop = 110;
  v.nLeft = 10;
  v.nWidth = 220;
  v.nHeight = 150;
  v.lPixel = true;
  v.lScroll = true;
  v.cBmpFile = landscape.path();
  v.oWnd = owner;
  auto view = std::make_shared<controls::TBitmap>();
  view->New(v);
  view->nVStep = 40;
  view->nHStep = 60;
  view->ScrollUp();
  view->ScrollLeft();
  SetFocus(focused->hWnd);
  Settle(w->hWnd);
  EXPECT_EQ(view->nX, -40);
  EXPECT_EQ(view->nY, -60);
  EXPECT_TRUE(GetWindowLongA(focused->hWnd, GWL_STYLE) & BS_DEFPUSHBUTTON);
  EXPECT_FALSE(IsWindowEnabled(disabled->hWnd));
  ShotIfAsked(w->hWnd, "VD_BUTTONS_SHOT");
  DestroyWindow(w->hWnd);
}

// A 3-D button bar of flat buttons in three groups, with etched lines
// between the groups and a drop-down button.
TEST(Screens, WindowWithA3DButtonBarInGroups) {
  auto w = MainWindow("Knopfleiste", 260, 520, false);
  auto bar = std::make_shared<controls::TBar>();
  controls::BarArgs b;
  b.oWnd = rt::Value(w);
  b.l3D = true;
  bar->New(b);
  const PictureFile book(RGB(192, 192, 192), RGB(0, 128, 0), true), arrow(RGB(192, 192, 192), RGB(0, 0, 192), false);
  auto menu = std::make_shared<ctl::TMenu>();
  menu->New(true, rt::Value(w));
  for (int i = 0; i < 7; ++i) {
    controls::BtnBmpBarArgs a;
    a.oBar = rt::Value(bar);
    a.cBmpFile1 = (i % 2 ? arrow : book).path();
    a.lGroup = i == 3 || i == 5;
    a.lBorder = false;
    if (i == 6) a.oPopup = rt::Value(menu);
    std::make_shared<controls::TBtnBmp>()->NewBar(a);
  }
  RECT client{};
  GetClientRect(w->hWnd, &client);
  w->ReSize(SIZE_RESTORED, client.right, client.bottom);
  Settle(w->hWnd);
  EXPECT_EQ(bar->nGroups, 2);
  EXPECT_EQ(bar->Button(0)->nLeft, 11);
  EXPECT_EQ(bar->Button(3)->nLeft, bar->Button(2)->nRight + 2 + 8);
  // The etched line before each group: shadow, then highlight.
  const WindowPixels face(bar->hWnd);
  for (const std::size_t start : {std::size_t{3}, std::size_t{5}}) {
    const int x = bar->Button(start)->nLeft;
    EXPECT_EQ(face.At(x - 5, 10), GetSysColor(COLOR_BTNSHADOW)) << start;
    EXPECT_EQ(face.At(x - 4, 10), GetSysColor(COLOR_BTNHIGHLIGHT)) << start;
  }
  ShotIfAsked(w->hWnd, "VD_BAR_SHOT");
  DestroyWindow(w->hWnd);
}

// A folder of three tabs whose first page holds a few controls.
TEST(Screens, AFolderWithItsPages) {
  auto w = MainWindow("Einstellungen", 300, 420, false);
  auto folder = std::make_shared<controls::TFolder>();
  controls::FolderArgs f;
  f.nTop = 10;
  f.nLeft = 10;
  f.lPixel = true;
  f.nWidth = 370;
  f.nHeight = 230;
  f.oWnd = rt::Value(w);
  rt::Value prompts = rt::Value::Array();
  for (const char* p : {"&Allgemein", "&Tabellen", "&Drucken"}) prompts.Items().emplace_back(p);
  f.aPrompts = prompts;
  folder->New(f);
  const rt::Value page(folder->Page(1));
  controls::GroupArgs g;
  g.nTop = 8;
  g.nLeft = 8;
  g.nBottom = 110;
  g.nRight = 340;
  g.cLabel = "Suche";
  g.lPixel = true;
  g.oWnd = page;
  std::make_shared<controls::TGroup>()->New(g);
  int row = 30;
  for (const char* caption : {"Gro\xDF- und Kleinschreibung beachten", "Akzente beachten", "Nur ganze W\xF6rter"}) {
    controls::CheckBoxArgs c;
    c.nRow = row;
    c.nCol = 20;
    c.cCaption = caption;
    c.nWidth = 280;
    c.nHeight = 20;
    c.lPixel = true;
    c.oWnd = page;
    c.bSetGet = rt::Value::Block([row](rt::Args) { return rt::Value(row != 55); });
    std::make_shared<controls::TCheckBox>()->New(c);
    row += 25;
  }
  controls::ButtonArgs ok;
  ok.nRow = 140;
  ok.nCol = 250;
  ok.cCaption = "&\xDC" "bernehmen";
  ok.nWidth = 90;
  ok.nHeight = 24;
  ok.lPixel = true;
  ok.oWnd = page;
  std::make_shared<controls::TButton>()->New(ok);
  folder->aEnable.Items()[2] = rt::Value(false);
  folder->SetPrompts();
  Settle(w->hWnd);
  EXPECT_TRUE(IsWindowVisible(folder->Page(1)->hWnd));
  EXPECT_FALSE(IsWindowVisible(folder->Page(2)->hWnd));
  ShotIfAsked(w->hWnd, "VD_FOLDER_SHOT");
  DestroyWindow(w->hWnd);
}

}  // namespace
