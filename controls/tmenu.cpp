#include "controls/tmenu.h"

#include <algorithm>

#include "controls/menu_draw_item.h"
#include "controls/menu_functions.h"
#include "controls/tacctable.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/twindow.h"
#include "runtime/callstack.h"
#include "services/help.h"
#include "services/int32.h"
#include "services/resources.h"

namespace ctl {
namespace {

// Right-button tracking of context pop-ups.
constexpr UINT kTrackRightButton = TPM_RIGHTBUTTON;
// What an owner-drawn item adds to its prompt's width: room for the image
// column, and as much again for a command.
constexpr int kMeasureExtra = 20;

std::vector<std::weak_ptr<TMenu>>& OpenPopups() {
  static std::vector<std::weak_ptr<TMenu>> popups;
  return popups;
}

void AddOpenPopup(const std::shared_ptr<TMenu>& menu) {
  auto& list = OpenPopups();
  std::erase_if(list, [](const auto& w) { return w.expired(); });
  for (const auto& w : list)
    if (w.lock() == menu) return;
  list.push_back(menu);
}

rt::Value& LastItemSlot() {
  static rt::Value oLastItem;
  return oLastItem;
}

bool& OwnerDrawAll() {
  static bool on = false;
  return on;
}

bool IsNT() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

HWND WindowOf(const rt::Value& window) {
  const auto w = window.IsObject() ? window.As<core::TWindow>() : nullptr;
  return w ? w->hWnd : nullptr;
}

std::shared_ptr<TMenuItem> ItemOf(const rt::Value& v) { return v.IsObject() ? v.As<TMenuItem>() : nullptr; }
std::shared_ptr<TMenu> ItemsMenu(const rt::Value& v) { return v.IsObject() ? v.As<TMenu>() : nullptr; }

std::string WithoutAmpersands(std::string text) {
  std::erase(text, '&');
  return text;
}

int MenuTextWidth(const std::string& text) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size.cx;
}

}  // namespace

void SetMenuOwnerDrawAll(bool on) { OwnerDrawAll() = on; }

// A menu that was never ended takes its native menu along; a submenu goes
// with the menu it hangs under, and destroying it here could hit a handle
// the system has given out again.
TMenu::~TMenu() {
  if (hMenu && !lSysMenu && !attached_) DestroyMenu(hMenu);
}

TMenu& TMenu::New(bool popup, const rt::Value& window) {
  lPopup = popup;
  hMenu = popup ? CREATEPOPUPMENU() : CREATEMENU();
  aItems = rt::Value::Array();
  lSysMenu = false;
  if (popup) AddOpenPopup(std::static_pointer_cast<TMenu>(shared_from_this()));
  if (window.IsObject()) rt::SendV(window, "SetMenu", Self());
  return *this;
}

TMenu& TMenu::NewSys(const rt::Value& window) {
  oWnd = window;
  hMenu = GETSYSTEMMENU(WindowOf(window), false);
  lSysMenu = true;
  lPopup = false;
  return *this;
}

UINT TMenu::FlagsFor(const TMenuItem& item, bool lRoot, bool inserting) const {
  const bool hasPrompt = item.cPrompt.IsString();
  const bool hasBitmap = item.hBitmap != nullptr;
  UINT extra = (item.lHelp ? MF_HELP : 0) | (item.lBreak ? MF_MENUBREAK : 0);
  if (item.Submenu()) {
    if (inserting) return MF_POPUP | extra | (!hasPrompt && hasBitmap ? MF_BITMAP : 0);
    extra |= (item.lChecked ? MF_CHECKED : 0) | (item.lActive ? 0 : MF_GRAYED);
    if (!hasPrompt) return MF_POPUP | MF_BITMAP | extra;
    const bool ownerDraw = hasBitmap || (IsNT() && !lRoot && !lSysMenu);
    return MF_POPUP | extra | (ownerDraw ? MF_OWNERDRAW : 0);
  }
  if (hasPrompt) {
    bool ownerDraw = item.lActive && hasBitmap && !inserting;
    if (OwnerDrawAll()) ownerDraw = hasBitmap || (IsNT() && !lSysMenu && (inserting || !lRoot));
    return (item.lActive ? 0 : MF_GRAYED | MF_DISABLED) | (item.lChecked ? MF_CHECKED : 0) | extra |
           (ownerDraw ? MF_OWNERDRAW : 0);
  }
  if (hasBitmap) return MF_BITMAP | (item.lBreak ? MF_MENUBREAK : 0);
  return MF_SEPARATOR;
}

namespace {

// The entry's id and its text or bitmap as the platform takes them.
UINT_PTR EntryId(const TMenuItem& item) {
  if (const auto sub = item.Submenu()) return reinterpret_cast<UINT_PTR>(sub->hMenu);
  return static_cast<UINT_PTR>(item.nId);
}

const char* EntryData(const TMenuItem& item, UINT flags) {
  if (flags & MF_BITMAP) return reinterpret_cast<const char*>(item.hBitmap);
  if (flags & MF_SEPARATOR) return "";
  return item.cPrompt.AsString().c_str();
}

}  // namespace

void TMenu::Add(const std::shared_ptr<TMenuItem>& item, bool lRoot) {
  if (!item) return;
  aItems.Items().push_back(rt::Value(item));
  item->oMenu = Self();
  const UINT flags = FlagsFor(*item, lRoot, false);
  item->nFlags = flags;
  AppendMenuA(hMenu, flags, EntryId(*item), EntryData(*item, flags));
  if (const auto sub = item->Submenu()) {
    sub->attached_ = true;
    AddOpenPopup(sub);
  }
}

void TMenu::Insert(const std::shared_ptr<TMenuItem>& item, long nPos) {
  if (!item) return;
  auto& items = aItems.Items();
  if (nPos < 1 || static_cast<std::size_t>(nPos) > items.size()) {
    Add(item);
    return;
  }
  const auto following = ItemOf(items[static_cast<std::size_t>(nPos - 1)]);
  items.insert(items.begin() + (nPos - 1), rt::Value(item));
  item->oMenu = Self();
  const UINT flags = FlagsFor(*item, false, true);
  item->nFlags = flags;
  InsertMenuA(hMenu, static_cast<UINT>(EntryId(*following)), MF_BYCOMMAND | flags, EntryId(*item),
              EntryData(*item, flags));
  if (const auto sub = item->Submenu()) {
    sub->attached_ = true;
    AddOpenPopup(sub);
  }
}

void TMenu::Initiate() {
  for (const auto& item : Items()) {
    if (!item->bWhen.IsBlock()) continue;
    const rt::Value answer = item->bWhen.Eval(rt::Value(item));
    if (!answer.IsLogical()) continue;
    if (answer.AsLogical())
      item->Enable();
    else
      item->Disable();
  }
}

void TMenu::Command(long nId) {
  RT_METHOD("TMENU", "Command");
  const auto item = ItemOf(GetMenuItem(nId));
  if (!item || !item->bAction.IsBlock()) return;
  if (item->bWhen.IsBlock() && !item->bWhen.Eval(rt::Value(item)).AsLogical()) return;
  LastItemSlot() = rt::Value(item);
  // A tracked pop-up runs the choice after the tracking has ended.
  if (lPopup)
    oMenuItemPopup = rt::Value(item);
  else
    item->bAction.Eval(rt::Value(item));
}

rt::Value TMenu::LastItem() { return LastItemSlot(); }

rt::Value TMenu::GetMenuItem(LPARAM nIdOrHandle) const {
  for (const auto& item : Items()) {
    const auto sub = item->Submenu();
    if (item->nId == nIdOrHandle && !sub) return rt::Value(item);
    if (sub) {
      if (svc::HandleNumber(sub->hMenu) == nIdOrHandle) return rt::Value(item);
      rt::Value found = sub->GetMenuItem(nIdOrHandle);
      if (!found.IsNil()) return found;
    }
  }
  return {};
}

rt::Value TMenu::GetPopup(LPARAM hMenu) {
  for (const auto& w : OpenPopups())
    if (const auto menu = w.lock(); menu && svc::HandleNumber(menu->hMenu) == hMenu) return rt::Value(menu);
  return {};
}

rt::Value TMenu::GetSubMenu(LPARAM handle) const {
  for (const auto& item : Items()) {
    if (const auto sub = item->Submenu()) {
      if (svc::HandleNumber(sub->hMenu) == handle) return rt::Value(sub);
      rt::Value found = sub->GetSubMenu(handle);
      if (!found.IsNil()) return found;
    }
  }
  return {};
}

void TMenu::HelpTopic() {
  if (nHelpId)
    svc::HELPTOPIC(rt::Value(nHelpId));
  else if (oWnd.IsObject())
    core::Ask(oWnd, "HelpTopic");
  else
    svc::HELPINDEX();
}

void TMenu::Activate(long nRow, long nCol, const rt::Value& window, bool lEnd) {
  RT_METHOD("TMENU", "Activate");
  const HWND owner = WindowOf(window);
  POINT pt{nCol, nRow};
  if (owner) {
    ClientToScreen(owner, &pt);
    if (lEnd) {
      // Only a context pop-up that an earlier Activate left to the window
      // is ended: never a menu hung under a bar or another menu.
      const auto previous = ItemsMenu(core::Ask(window, "oPopup"));
      if (previous && previous.get() != this && previous->lPopup && !previous->attached_) previous->End();
    }
    core::Ask(window, "_oPopup", Self());
  }
  // A kept menu must not run the choice of its previous tracking again.
  oMenuItemPopup = rt::Value();
  // A pop-up of a hidden owner closes on a click elsewhere only when the
  // owner is in the foreground, and the null message ends the tracking
  // state the system keeps for it.
  if (owner) SetForegroundWindow(owner);
  TRACKPOPUP(hMenu, kTrackRightButton, pt.y, pt.x, 0, owner);
  if (owner) PostMessageA(owner, WM_NULL, 0, 0);
  core::SYSREFRESH();
  if (const auto chosen = ItemOf(oMenuItemPopup)) {
    oMenuItemPopup = rt::Value();
    chosen->bAction.Eval(rt::Value(chosen));
  }
  if (lEnd) {
    End();
    if (owner) core::Ask(window, "_oPopup", rt::Value());
  }
}

void TMenu::DelItems() {
  while (!aItems.Items().empty()) {
    const auto before = aItems.Items().size();
    if (const auto item = ItemOf(aItems.Items().back())) item->Destroy();
    if (aItems.Items().size() == before) aItems.Items().pop_back();
  }
}

void TMenu::Refresh() {
  if (oWnd.IsObject()) core::Ask(oWnd, "SetMenu", Self());
}

void TMenu::Reset() {
  if (lSysMenu)
    GETSYSTEMMENU(WindowOf(oWnd), true);
  else if (hMenu)
    DestroyMenu(hMenu);
  hMenu = CREATEMENU();
  lSysMenu = false;
  aItems = rt::Value::Array();
}

void TMenu::Destroy() {
  for (const auto& item : Items()) {
    if (const auto sub = item->Submenu()) sub->Destroy();
    item->End();
  }
}

void TMenu::End() {
  // A submenu goes with the entry it hangs under (TMenuItem's Destroy
  // detaches it first): ending it here would leave its parent menu, or a
  // window's bar, holding a dead native menu.
  if (attached_) return;
  if (!hMenu && aItems.Items().empty()) return;
  const HWND owner = WindowOf(oWnd);
  // Only the window's own bar is taken from it.
  if (owner && hMenu && GetMenu(owner) == hMenu) SETMENU(owner, nullptr);
  Destroy();
  DelItems();
  if (hMenu && !lSysMenu) DestroyMenu(hMenu);
  hMenu = nullptr;
  std::erase_if(OpenPopups(), [this](const auto& w) { return w.expired() || w.lock().get() == this; });
  if (const auto table = oAccTable.IsObject() ? oAccTable.As<TAccTable>() : nullptr) table->End();
}

void TMenu::Hilite(long nPos) {
  HILITEMENUITEM(WindowOf(oWnd), GetMenu(WindowOf(oWnd)), nPos - 1, MF_BYPOSITION | MF_HILITE);
}

void TMenu::UnHilite(long nPos) {
  HILITEMENUITEM(WindowOf(oWnd), GetMenu(WindowOf(oWnd)), nPos - 1, MF_BYPOSITION | MF_UNHILITE);
}

void TMenu::Disable() {
  for (const auto& item : Items()) item->Disable();
}

void TMenu::Enable() {
  for (const auto& item : Items()) item->Enable();
}

namespace {

// The item of an owner-draw request: this menu first, then every open
// pop-up, since the window may ask its bar for an item of a submenu.
std::shared_ptr<TMenuItem> FindItem(const TMenu& menu, long id) {
  if (const auto item = ItemOf(menu.GetMenuItem(id))) return item;
  for (const auto& w : OpenPopups())
    if (const auto popup = w.lock())
      if (const auto item = ItemOf(popup->GetMenuItem(id))) return item;
  return nullptr;
}

}  // namespace

rt::Value TMenu::DrawItem(LPARAM nDrawItem) {
  const auto item = FindItem(*this, GETDRAWITEM(nDrawItem));
  if (!item) return {};
  return MENUDRAWITEM(nDrawItem, item->cPrompt.AsString(), item->Submenu() != nullptr, item->hBitmap);
}

rt::Value TMenu::MeasureItem(LPARAM nMeasureItem) {
  const auto item = FindItem(*this, GETMEAITEM(nMeasureItem));
  if (!item) return {};
  int width = MenuTextWidth(WithoutAmpersands(item->cPrompt.AsString())) + kMeasureExtra;
  if (item->bAction.IsBlock()) width += kMeasureExtra;
  MENUMEASUREITEM(nMeasureItem, width);
  return rt::Value(false);
}

std::vector<std::shared_ptr<TMenuItem>> TMenu::Items() const {
  std::vector<std::shared_ptr<TMenuItem>> items;
  for (const rt::Value& v : aItems.Items())
    if (auto item = ItemOf(v)) items.push_back(std::move(item));
  return items;
}

}  // namespace ctl
