#include "graphics/list_item.h"

#include <gtest/gtest.h>

#include "bmp_fixture.h"
#include "canvas.h"
#include "services/int32.h"

namespace {

using gfxtest::Canvas;
using gfxtest::TestWindow;

constexpr COLORREF kGround = RGB(0, 128, 128);

struct Item {
  Item(Canvas& canvas, UINT id, UINT action, UINT state, UINT type = ODT_LISTBOX, HWND item = nullptr) {
    dis.CtlType = type;
    dis.itemID = id;
    dis.itemAction = action;
    dis.itemState = state;
    dis.hwndItem = item;
    dis.hDC = canvas.dc();
    dis.rcItem = {0, 0, 100, 16};
  }
  LPARAM Address() { return reinterpret_cast<LPARAM>(&dis); }
  DRAWITEMSTRUCT dis{};
};

TEST(ListItem, MeasureSetsTheHeight) {
  MEASUREITEMSTRUCT mis{};
  EXPECT_TRUE(gfx::LBXMEASURE(reinterpret_cast<LPARAM>(&mis), 18));
  EXPECT_EQ(mis.itemHeight, 18u);
}

TEST(ListItem, EmptyListDrawsOnlyTheFocusRectangle) {
  Canvas canvas(100, 16, kGround);
  Item item(canvas, static_cast<UINT>(-1), ODA_DRAWENTIRE, ODS_FOCUS);
  EXPECT_TRUE(gfx::LBXDRAWITEM(item.Address(), rt::Value::Array(), rt::Value::Array({"Haus"}), 0));
  EXPECT_EQ(canvas.CountOther(1, 1, 99, 15, kGround), 0);
  EXPECT_GT(canvas.CountOther(0, 0, 100, 1, kGround), 0);
}

TEST(ListItem, SelectedItemInHighlightColoursWithTextAfterTheBitmapColumn) {
  Canvas canvas(100, 16, kGround);
  Item item(canvas, 0, ODA_DRAWENTIRE, ODS_SELECTED);
  gfx::LBXDRAWITEM(item.Address(), rt::Value::Array(), rt::Value::Array({"Haus"}), 16);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(canvas.CountOther(0, 0, 19, 16, highlight), 0);
  EXPECT_GT(canvas.CountOther(19, 0, 100, 16, highlight), 0);
  EXPECT_EQ(GetTextColor(canvas.dc()), RGB(0, 0, 0));  // colours restored
}

TEST(ListItem, MissingEntriesDrawAsEmptyTextAndNoBitmap) {
  Canvas canvas(100, 16, kGround);
  SetBkColor(canvas.dc(), RGB(255, 255, 0));
  Item item(canvas, 5, ODA_DRAWENTIRE, 0);
  const rt::Value toFar = rt::Value::Block([](rt::Args) { return rt::Value(99); });
  EXPECT_TRUE(gfx::LBXDRAWITEM(item.Address(), rt::Value::Array({1}), rt::Value::Array({"a", "b"}), 0, toFar));
  EXPECT_EQ(canvas.CountOther(0, 0, 100, 16, RGB(255, 255, 0)), 0);
  EXPECT_TRUE(gfx::LBXDRAWITEM(item.Address(), rt::Value(), rt::Value(), 0));
}

TEST(ListItem, BitmapChosenByTheBlockWithItsCornerColourTransparent) {
  // An 8 x 8 red picture whose magenta corner pixel is the transparent colour.
  HBITMAP bitmap = gfxtest::KeyedPicture(8, 8, RGB(255, 0, 0));
  Canvas canvas(100, 16, kGround);
  SetBkColor(canvas.dc(), kGround);
  Item item(canvas, 1, ODA_DRAWENTIRE, 0);
  int asked = 0;
  const rt::Value pick = rt::Value::Block([&asked](rt::Args a) {
    asked = static_cast<int>(a[0].AsInt());
    return rt::Value(1);
  });
  gfx::LBXDRAWITEM(item.Address(), rt::Value::Array({svc::HandleNumber(bitmap)}), rt::Value::Array({"a", "b"}), 10,
                   pick);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(canvas.Pixel(4, 4), RGB(255, 0, 0));
  EXPECT_EQ(canvas.Pixel(0, 0), kGround);
  DeleteObject(bitmap);
}

TEST(ListItem, FocusChangeSkipsListBoxesOfStandardDialogs) {
  HWND dialog = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  TestWindow plain(0, 0, 50, 50);
  HWND inDialog = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 40, 40, dialog, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
  HWND inPlain = CreateWindowExA(0, "LISTBOX", "", WS_CHILD, 0, 0, 40, 40, plain.hwnd(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  const struct {
    HWND control;
    UINT type;
    bool focusDrawn;
  } cases[] = {{inDialog, ODT_LISTBOX, false}, {inPlain, ODT_LISTBOX, true}, {inDialog, ODT_COMBOBOX, true}};
  for (const auto& c : cases) {
    Canvas canvas(100, 16, kGround);
    Item item(canvas, 0, ODA_FOCUS, ODS_FOCUS, c.type, c.control);
    gfx::LBXDRAWITEM(item.Address(), rt::Value::Array(), rt::Value::Array({"a"}), 0);
    EXPECT_EQ(canvas.CountOther(0, 0, 100, 16, kGround) > 0, c.focusDrawn) << c.type;
  }
  DestroyWindow(dialog);
}

}  // namespace
