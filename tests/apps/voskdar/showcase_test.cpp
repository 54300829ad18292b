// One window with grid cells in every line style, a check box, a radio
// group and the quick-search items, painted as the programs paint them.
// With VD_SHOT set to a directory the window is saved there as
// "check_items.bmp" (the picture in docs/).

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "apps/voskdar/tgradio.h"
#include "controls/tcheckbox.h"
#include "controls/tradio.h"
#include "core/twindow.h"
#include "grid/cell_painter.h"
#include "tests/graphics/window_shot.h"

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 300;

int CountColour(HDC dc, int x0, int y0, int x1, int y1, COLORREF colour) {
  int n = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) n += GetPixel(dc, x, y) == colour;
  }
  return n;
}

void PaintCells(HWND hWnd, HDC dc) {
  const char* titles[] = {"Wort", "Stil", "Marke"};
  for (int col = 0; col < 3; ++col) {
    grid::CellRequest c;
    c.hWnd = hWnd;
    c.hDC = dc;
    c.nLeft = col * 90;
    c.nWidth = 90;
    c.cText = titles[col];
    c.nClrFore = RGB(0, 0, 0);
    c.nClrBack = GetSysColor(COLOR_BTNFACE);
    c.nKind = grid::CellKind::Header;
    c.nHeightHead = 20;
    c.nHeightCell = 20;
    c.l3DLook = true;
    c.nLineStyle = 1;
    c.nClrLine = RGB(128, 128, 128);
    c.nAlign = 1;
    grid::DrawCell(c);
  }
  for (int row = 1; row <= 5; ++row) {
    for (int col = 0; col < 3; ++col) {
      grid::CellRequest c;
      c.hWnd = hWnd;
      c.hDC = dc;
      c.nRow = row;
      c.nLeft = col * 90;
      c.nWidth = 90;
      c.nClrFore = RGB(0, 0, 0);
      c.nClrBack = RGB(255, 255, 255);
      c.nHeightHead = 20;
      c.nHeightCell = 20;
      c.nLineStyle = row;
      c.nClrLine = RGB(0, 0, 160);
      if (col == 0) {
        c.cText = "Stil " + std::to_string(row);
        c.l3DTextCell = row % 2 == 1;
        c.nClr3DLCell = RGB(255, 255, 255);
        c.nClr3DSCell = RGB(128, 128, 128);
        c.nClrBack = RGB(210, 210, 230);
      } else if (col == 1) {
        c.cText = "Verlauf";
        c.lGradient = true;
        c.nClrBack = RGB(255, 255, 200);
        c.nClrGradEnd = RGB(200, 120, 40);
      } else {
        c.nMode = row % 2 ? 3 : 4;
        c.nAlign = 1;
      }
      grid::DrawCell(c);
    }
  }
}

struct Item {
  const char* text;
  int top, left, width;
  bool ticked, enabled;
};

// The quick-search options as check items.
std::vector<std::shared_ptr<voskdar::TGRadio>> MakeItems(const std::shared_ptr<core::TWindow>& owner) {
  const Item items[] = {{" Eng", 10, 290, 60, true, true},
                        {" Fra", 10, 355, 60, false, true},
                        {" Ita", 10, 420, 60, true, true},
                        {" Spa", 32, 290, 60, false, true},
                        {" Por", 32, 355, 60, false, true},
                        {" Lat", 32, 420, 60, true, false},
                        {" Deutsch --> Fremdspr.", 62, 290, 200, true, true},
                        {" Fremdspr. --> Deutsch", 84, 290, 200, false, true},
                        {" Exakte Suche einschalten", 106, 290, 200, true, true}};
  std::vector<std::shared_ptr<voskdar::TGRadio>> out;
  for (const Item& item : items) {
    auto value = std::make_shared<rt::Value>(item.ticked);
    auto g = std::make_shared<voskdar::TGRadio>();
    voskdar::GRadioArgs a;
    a.nRow = item.top;
    a.nCol = item.left;
    a.aItems = rt::Value::Array({item.text});
    a.bSetGet = rt::Value::Block([value](rt::Args x) {
      if (!x.empty()) *value = x[0];
      return *value;
    });
    a.oWnd = rt::Value(owner);
    a.nWidth = item.width;
    a.nHeight = 18;
    a.lPixel = true;
    a.cBoxStyle = "CHECK";
    g->New(a);
    if (!item.enabled) g->Disable();
    out.push_back(g);
  }
  return out;
}

TEST(Showcase, CellsControlsAndQuickSearchItems) {
  auto owner = std::make_shared<core::TWindow>();
  core::WindowArgs a;
  a.nTop = 0;
  a.nLeft = 0;
  a.nBottom = kHeight - 1;
  a.nRight = kWidth - 1;
  a.lPixel = true;
  a.nStyle = static_cast<double>(WS_POPUP | WS_VISIBLE);
  a.nClrFore = 0;
  a.nClrBack = static_cast<double>(RGB(255, 255, 255));
  owner->New(a);
  ASSERT_TRUE(owner->hWnd);
  SetWindowPos(owner->hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);

  auto checked = std::make_shared<rt::Value>(true);
  auto box = std::make_shared<controls::TCheckBox>();
  controls::CheckBoxArgs cb;
  cb.nRow = 150;
  cb.nCol = 10;
  cb.cCaption = "Alles markieren";
  cb.bSetGet = rt::Value::Block([checked](rt::Args x) {
    if (!x.empty()) *checked = x[0];
    return *checked;
  });
  cb.oWnd = rt::Value(owner);
  cb.nWidth = 140;
  cb.lPixel = true;
  box->New(cb);

  auto option = std::make_shared<rt::Value>(2);
  auto menu = std::make_shared<controls::TRadMenu>();
  controls::RadMenuArgs rm;
  rm.nRow = 180;
  rm.nCol = 10;
  rm.acItems = rt::Value::Array({"Wortanfang", "Teilwort", "Ganzes Wort"});
  rm.bSetGet = rt::Value::Block([option](rt::Args x) {
    if (!x.empty()) *option = x[0];
    return *option;
  });
  rm.oWnd = rt::Value(owner);
  rm.nHeight = 22;
  rm.nWidth = 120;
  rm.lPixel = true;
  menu->New(rm);

  const auto items = MakeItems(owner);
  items[6]->SetFocus();

  // Painted into a picture of the window: the controls' own pixels are
  // copied to their places, then the cells and items are drawn over the rest.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  RedrawWindow(owner->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC windowDc = GetDC(owner->hWnd);
  HDC dc = CreateCompatibleDC(windowDc);
  HBITMAP picture = CreateCompatibleBitmap(windowDc, kWidth, kHeight);
  HGDIOBJ oldPicture = SelectObject(dc, picture);
  ReleaseDC(owner->hWnd, windowDc);
  const RECT all{0, 0, kWidth, kHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  std::vector<HWND> children = {box->hWnd};
  for (long i = 1; i <= menu->Count(); ++i) children.push_back(menu->Radio(i)->hWnd);
  for (const auto& item : items) children.push_back(item->hWnd);
  for (HWND child : children) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, owner->hWnd, reinterpret_cast<POINT*>(&r), 2);
    HDC childDc = GetDC(child);
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, childDc, 0, 0, SRCCOPY);
    ReleaseDC(child, childDc);
  }
  PaintCells(owner->hWnd, dc);
  GdiFlush();
  EXPECT_EQ(SendMessageA(box->hWnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(menu->Radio(2)->lIsChecked());
  EXPECT_EQ(GetFocus(), items[6]->hWnd);
  EXPECT_EQ(GetPixel(dc, 45, 30), RGB(210, 210, 230));  // row 1, first column
  // The check box printed its text at its place.
  EXPECT_LT(CountColour(dc, 10, 150, 150, 170, RGB(255, 255, 255)), 140 * 20);
  if (const char* dir = std::getenv("VD_SHOT"))
    SaveDcShot(dc, RECT{0, 0, kWidth, kHeight}, std::string(dir) + "\\check_items.bmp");
  SelectObject(dc, oldPicture);
  DeleteObject(picture);
  DeleteDC(dc);
  menu->End();
  DestroyWindow(owner->hWnd);
}

}  // namespace
