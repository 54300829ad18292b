// The road from a menu to its action through the owner window: the
// messages the system sends while a bar drop-down and its submenus open,
// the commands that follow, the item under selection and what the message
// bar shows, and the lifetime of submenus hung under a bar.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "controls/tbutton.h"
#include "controls/tmenu.h"
#include "controls/tmsgbar.h"
#include "core/twindow.h"
#include "services/int32.h"
#include "tests/controls/owner_window.h"

namespace {

using ctl::TMenu;
using ctl::TMenuItem;

rt::Value Item(const char* prompt, const char* message, rt::Value action = {}) {
  rt::Value args[15];
  args[0] = rt::Value(prompt);
  args[1] = rt::Value(message);
  args[4] = std::move(action);
  return ctl::MENUADDITEM(rt::Args(args, 15));
}

rt::Value Recording(std::string& log, const std::string& name) {
  return rt::Value::Block([&log, name](rt::Args) {
    log += name + " ";
    return rt::Value();
  });
}

// A window with the bar "&Datei" > {"&Wörterbuch" > {"&Englisch"},
// "&Beenden"}, a message bar and a button.
struct BarWindow {
  BarWindow() {
    ctl::MENUBEGIN();
    Item("&Datei", "");
    ctl::MENUBEGIN();
    dictionaries = Item("&W\xF6rterbuch", "");
    ctl::MENUBEGIN();
    english = Item("&Englisch", "Englisch-W\xF6rterbuch \xF6" "ffnen", Recording(log, "Englisch"));
    ctl::MENUEND();
    quit = Item("&Beenden", "Programm verlassen", Recording(log, "Beenden"));
    ctl::MENUEND();
    bar = ctl::MENUEND();
    owner.w->SetMenu(bar);
    auto msgBar = std::make_shared<controls::TMsgBar>();
    controls::MsgBarArgs m;
    m.oWnd = owner.value();
    m.cMsg = "Bereit";
    msgBar->New(m);
    controls::ButtonArgs b;
    b.nRow = 10;
    b.nCol = 10;
    b.lPixel = true;
    b.cCaption = "&Los";
    b.oWnd = owner.value();
    b.bAction = Recording(log, "Los");
    button->New(b);
  }
  ~BarWindow() {
    owner.w->oPopup = rt::Value();
    owner.w->oMenu = rt::Value();
    TMenu* menu = bar.As<TMenu>().get();
    SetMenu(owner.w->hWnd, nullptr);
    menu->End();
  }
  HMENU File() const { return GetSubMenu(bar.As<TMenu>()->hMenu, 0); }
  HMENU Dictionaries() const { return GetSubMenu(File(), 0); }
  long Id(const rt::Value& item) const { return item.As<TMenuItem>()->nId; }
  // What the system sends while the drop-down and then its submenu open.
  void OpenFileAndItsSubmenu() const {
    SendMessageA(owner.w->hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(File()), 0);
    SendMessageA(owner.w->hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Dictionaries()), 0);
  }
  void Command(long id, HWND from = nullptr) const {
    SendMessageA(owner.w->hWnd, WM_COMMAND, MAKEWPARAM(id, 0), reinterpret_cast<LPARAM>(from));
  }
  void Select(long idOrPos, UINT flags, HMENU menu) const {
    SendMessageA(owner.w->hWnd, WM_MENUSELECT, MAKEWPARAM(idOrPos, flags), reinterpret_cast<LPARAM>(menu));
  }
  std::string Shown() const { return owner.w->MsgShown(); }

  std::string log;
  controltest::OwnerWindow owner{200, 300};
  std::shared_ptr<controls::TButton> button = std::make_shared<controls::TButton>();
  rt::Value bar, dictionaries, english, quit;
};

// Each choice after the drop-down and its submenu have opened reaches its
// action: on the parent level, in the submenu, and a button's click.
TEST(MenuRoad, ChoicesOnEveryLevelAndButtonClicksRunAfterASubmenuOpened) {
  BarWindow w;
  w.OpenFileAndItsSubmenu();
  EXPECT_TRUE(w.owner.w->oPopup.IsNil()) << "a bar drop-down is no tracked pop-up";
  w.Command(w.Id(w.quit));
  w.OpenFileAndItsSubmenu();
  w.Command(w.Id(w.english));
  w.OpenFileAndItsSubmenu();
  w.Command(w.button->nId, w.button->hWnd);
  EXPECT_EQ(w.log, "Beenden Englisch Los ");
}

// A context pop-up kept after its tracking (Activate with lEnd .F.) still
// holds oPopup: only its own ids go to it.
TEST(MenuRoad, AKeptContextMenuTakesOnlyItsOwnIds) {
  BarWindow w;
  std::string popupLog;
  auto popup = std::make_shared<TMenu>();
  popup->New(true);
  auto take = std::make_shared<TMenuItem>();
  take->New({.cPrompt = rt::Value("&Nehmen"), .bAction = Recording(popupLog, "Nehmen")});
  popup->Add(take);
  w.owner.w->oPopup = rt::Value(popup);
  w.Command(w.Id(w.quit));
  w.Command(take->nId);
  EXPECT_EQ(w.log, "Beenden ");
  // A tracked pop-up runs its choice once the tracking ends.
  EXPECT_EQ(popup->oMenuItemPopup.As<TMenuItem>(), take);
  popup->End();
}

// The item under selection, found on every level (a submenu entry by its
// position), and its message on the bar; an item without one shows the
// bar's default text, and a closed menu gives the bar back what it showed
// before the menu opened.
TEST(MenuRoad, TheSelectedItemAndItsMessage) {
  BarWindow w;
  const struct {
    long idOrPos;
    UINT flags;
    HMENU menu;
    rt::Value expected;
    std::string shown;
  } cases[] = {
      {w.Id(w.english), 0, w.Dictionaries(), w.english, "Englisch-W\xF6rterbuch \xF6" "ffnen"},
      {w.Id(w.quit), 0, w.File(), w.quit, "Programm verlassen"},
      {0, MF_POPUP, w.File(), w.dictionaries, ""},
      {w.Id(w.quit), 0, w.File(), w.quit, "Programm verlassen"},
      {0, 0xFFFF, nullptr, rt::Value(), "Bereit"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    w.Select(c.idOrPos, c.flags, c.menu);
    EXPECT_EQ(core::TWindow::oMItemSelect.AsObject(), c.expected.AsObject());
    EXPECT_EQ(w.Shown(), c.shown);
  }
}

// A submenu hung under a bar outlives an End sent to it, as a context
// menu's Activate once sent to a stale drop-down; its entry's Destroy
// takes it down.
TEST(MenuRoad, ASubmenuUnderABarIsEndedOnlyWithItsEntry) {
  BarWindow w;
  const auto dictionaries = w.dictionaries.As<TMenuItem>();
  const auto sub = dictionaries->Submenu();
  ASSERT_NE(sub, nullptr);
  const HMENU native = sub->hMenu;
  sub->End();
  EXPECT_EQ(sub->hMenu, native);
  EXPECT_TRUE(IsMenu(native));
  EXPECT_EQ(GetMenuItemCount(native), 1);
  EXPECT_EQ(sub->aItems.Len(), 1u);
  dictionaries->Destroy();
  EXPECT_EQ(sub->hMenu, nullptr);
  EXPECT_EQ(GetMenuItemCount(w.File()), 1);
}

TEST(MenuRoad, ItemsAnswerTheirDesignerMembersByName) {
  auto item = std::make_shared<TMenuItem>();
  item->New({.cPrompt = rt::Value("&Los")});
  const rt::Value v(item);
  EXPECT_EQ(rt::SendV(v, "PropCount").AsInt(), 7);
  EXPECT_EQ(rt::SendV(v, "Property", 2).AsString(), "cMsg");
  EXPECT_TRUE(rt::SendV(v, "Property", 8).IsNil());
  EXPECT_EQ(rt::SendV(v, "EveCount").AsInt(), 2);
  EXPECT_EQ(rt::SendV(v, "Event", 2).AsString(), "OnClick");
  EXPECT_TRUE(rt::SendV(v, "Inspect", "cMsg").IsNil());
  EXPECT_TRUE(rt::SendV(v, "Refresh").IsNil());
}

// ReDefine binds to an existing item by id: the given states reach the
// native entry and the item, and the object stands for that item.
TEST(MenuRoad, ReDefineBindsToTheItemOfThatId) {
  BarWindow w;
  const auto quit = w.quit.As<TMenuItem>();
  auto bound = std::make_shared<TMenuItem>();
  rt::Value args[14];
  args[0] = rt::Value("&Ende");
  args[1] = rt::Value("Schluss");
  args[2] = rt::Value(true);
  args[3] = rt::Value(false);
  args[7] = quit->oMenu;
  args[9] = rt::Value(quit->nId);
  rt::Send(rt::Value(bound), "ReDefine", rt::Args(args, 14));
  EXPECT_EQ(bound->nId, quit->nId);
  EXPECT_EQ(quit->cPrompt.AsString(), "&Ende");
  EXPECT_EQ(quit->cMsg, "Schluss");
  EXPECT_EQ(bound->cMsg, "Schluss");
  const UINT state = GetMenuState(w.File(), static_cast<UINT>(quit->nId), MF_BYCOMMAND);
  EXPECT_TRUE(state & MF_CHECKED);
  EXPECT_TRUE(state & MF_GRAYED);
  char text[32] = {};
  GetMenuStringA(w.File(), static_cast<UINT>(quit->nId), text, sizeof text, MF_BYCOMMAND);
  EXPECT_EQ(std::string(text), "&Ende");
}

}  // namespace
