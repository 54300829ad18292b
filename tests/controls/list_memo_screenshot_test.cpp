// What a person sees of the list controls and the edit fields: a dialog with
// an owner-drawn list box, an open combo box and a memo (then the memo's
// right-click menu), and a window of edit fields of every kind. Saved as
// .BMP files when VD_LISTS_SHOT, VD_MEMO_MENU_SHOT or VD_GETS_SHOT name them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "controls/tcombobox.h"
#include "controls/tget.h"
#include "controls/tlistbox.h"
#include "controls/tmultiget.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "owner_window.h"
#include "running_dialog.h"
#include "runtime/dates.h"
#include "runtime/settings.h"
#include "tests/graphics/window_shot.h"
#include "services/int32.h"

namespace {

using controltest::Var;

void Settle(HWND window) {
  core::SYSREFRESH();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  core::SYSREFRESH();
}

// A 16 x 16 picture: a coloured disc on a white ground (drawn transparent).
HBITMAP Disc(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HBRUSH fill = CreateSolidBrush(colour);
  HGDIOBJ oldBrush = SelectObject(dc, fill);
  Ellipse(dc, 2, 2, 14, 14);
  SelectObject(dc, oldBrush);
  DeleteObject(fill);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

// Taken from a timer inside the menu's own loop, then the menu is closed.
const char* shotFile = nullptr;
HWND shotWindow = nullptr;

bool listShotTaken = false;
HWND shotPopup = nullptr;

void CALLBACK ListShot(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SaveWindowShot(shotWindow, shotFile, shotPopup);
  listShotTaken = true;
}

void CALLBACK MenuShot(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SaveWindowShot(shotWindow, shotFile);
  EndMenu();
}

TEST(ListScreens, ListsComboAndMemoMenuWhenAsked) {
  const char* lists = std::getenv("VD_LISTS_SHOT");
  const char* menu = std::getenv("VD_MEMO_MENU_SHOT");
  if (!lists || !menu) GTEST_SKIP() << "no screenshot asked for";
  const HBITMAP discs[] = {Disc(RGB(200, 30, 30)), Disc(RGB(30, 150, 30)), Disc(RGB(30, 60, 200)),
                           Disc(RGB(230, 180, 0))};
  controltest::WhileDialogUp(
      [&](const std::shared_ptr<core::TDialog>& d) {
        Var choice{rt::Value("Baum")}, kind{rt::Value("Substantiv")}, note{rt::Value(
                                                                          "Haus, das; -es, H\xE4user\r\n"
                                                                          "1. Geb\xE4ude zum Wohnen\r\n"
                                                                          "2. Familie, Geschlecht")};
        controls::ListBoxArgs l;
        l.nRow = 10;
        l.nCol = 10;
        l.lPixel = true;
        l.bSetGet = choice.Block();
        l.aItems = rt::Value::Array({"Apfel", "Baum", "Haus", "Sonne"});
        l.nWidth = 150;
        l.nHeight = 110;
        l.oWnd = rt::Value(d);
        l.aBitmaps = rt::Value::Array({});
        for (HBITMAP b : discs) l.aBitmaps.Items().push_back(rt::Value(svc::HandleNumber(b)));
        std::make_shared<controls::TListBox>()->New(l);
        controls::ComboBoxArgs c;
        c.nRow = 10;
        c.nCol = 180;
        c.lPixel = true;
        c.bSetGet = kind.Block();
        c.aItems = rt::Value::Array({"Substantiv", "Verb", "Adjektiv", "Adverb", "Pr\xE4position"});
        c.nWidth = 150;
        c.nHeight = 120;
        c.oWnd = rt::Value(d);
        auto combo = std::make_shared<controls::TComboBox>();
        combo->New(c);
        controls::MultiGetArgs m;
        m.nRow = 135;
        m.nCol = 10;
        m.lPixel = true;
        m.bSetGet = note.Block();
        m.oWnd = rt::Value(d);
        m.nWidth = 250;
        m.nHeight = 70;
        auto memo = std::make_shared<controls::TMultiGet>();
        memo->New(m);
        ShowWindow(d->hWnd, SW_SHOW);
        SetFocus(combo->hWnd);
        combo->Open();
        Settle(d->hWnd);
        EXPECT_TRUE(combo->IsOpen());
        // The dropped list is a window of its own above the dialog.
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo->hWnd, &info));
        // The display shows the list window on its own time: the picture is
        // taken from a timer once the messages have run a while.
        shotFile = lists;
        shotWindow = d->hWnd;
        shotPopup = info.hwndList;
        listShotTaken = false;
        SetTimer(nullptr, 0, 400, ListShot);
        MSG msg;
        while (!listShotTaken && GetMessageA(&msg, nullptr, 0, 0)) {
          TranslateMessage(&msg);
          DispatchMessageA(&msg);
        }
        SendMessageA(combo->hWnd, CB_SHOWDROPDOWN, FALSE, 0);
        SetFocus(memo->hWnd);
        memo->SetSel(0, 4);
        Settle(d->hWnd);
        shotFile = menu;
        shotWindow = d->hWnd;
        SetTimer(nullptr, 0, 300, MenuShot);
        memo->RButtonDown(75, 60, 0);
      },
      420, 340, "W\xF6rterbuch");
  for (HBITMAP b : discs) DeleteObject(b);
}

TEST(ListScreens, EditFieldsWhenAsked) {
  const char* shot = std::getenv("VD_GETS_SHOT");
  if (!shot) GTEST_SKIP() << "no screenshot asked for";
  const rt::SetTable saved = rt::Sets();
  rt::Sets().dateFormat = "dd.mm.yyyy";
  rt::Sets().century = true;
  controltest::OwnerWindow w(190, 330, GetSysColor(COLOR_BTNFACE));
  Var text{rt::Value("W\xF6rterbuch          ")}, amount{rt::Value::Num(12345.67, 9, 2)},
      day{rt::Value(rt::MakeDate(2024, 2, 29))}, secret{rt::Value("geheim    ")}, count{rt::Value(7)};
  struct Row {
    const char* label;
    Var* var;
    const char* picture;
    bool password, spinner;
  } rows[] = {{"Text", &text, nullptr, false, false},
              {"Betrag", &amount, "@E 999,999.99", false, false},
              {"Datum", &day, nullptr, false, false},
              {"Kennwort", &secret, nullptr, true, false},
              {"Anzahl", &count, "999", false, true}};
  int top = 12;
  std::vector<std::shared_ptr<core::TControl>> keep;
  for (const Row& r : rows) {
    controls::SayArgs s;
    s.nRow = top + 3;
    s.nCol = 12;
    s.lPixel = true;
    const std::string label = r.label;
    s.bText = rt::Value::Block([label](rt::Args) { return rt::Value(label); });
    s.oWnd = w.value();
    s.nWidth = 80;
    auto say = std::make_shared<controls::TSay>();
    say->New(s);
    keep.push_back(say);
    controls::GetArgs g;
    g.nRow = top;
    g.nCol = 100;
    g.lPixel = true;
    g.bSetGet = r.var->Block();
    g.oWnd = w.value();
    g.nWidth = 140;
    g.nHeight = 22;
    if (r.picture) g.cPicture = r.picture;
    g.lPassword = r.password;
    g.lSpinner = r.spinner;
    auto get = std::make_shared<controls::TGet>();
    get->New(g);
    keep.push_back(get);
    if (r.password) {
      EXPECT_EQ(get->cText(), "******");
    }
    if (r.picture && std::string(r.picture) == "@E 999,999.99") {
      EXPECT_EQ(get->cText(), " 12.345,67");
    }
    top += 34;
  }
  Settle(w.w->hWnd);
  SaveWindowShot(w.w->hWnd, shot);
  rt::Sets() = saved;
}

}  // namespace
