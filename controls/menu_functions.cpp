#include "controls/menu_functions.h"

#include "services/int32.h"

namespace ctl {
namespace {

// The text of a menu entry reaches the caller in a 200-byte buffer.
constexpr int kMenuTextBuffer = 200;

// A text is passed as text; any other value is a number such as a bitmap.
const char* NewItem(const rt::Value& uNewItem) {
  if (uNewItem.IsString()) return uNewItem.AsString().c_str();
  return svc::HandleOf<const char*>(svc::ToHandle(uNewItem));
}

const MEASUREITEMSTRUCT* Measure(LPARAM n) { return svc::HandleOf<const MEASUREITEMSTRUCT*>(n); }
const DRAWITEMSTRUCT* Draw(LPARAM n) { return svc::HandleOf<const DRAWITEMSTRUCT*>(n); }

}  // namespace

HMENU CREATEMENU() { return CreateMenu(); }
HMENU CREATEPOPUPMENU() { return CreatePopupMenu(); }

bool TRACKPOPUP(HMENU hMenu, UINT nFlags, int nRow, int nCol, int nReserved, HWND hWnd) {
  return TrackPopupMenu(hMenu, nFlags, nCol, nRow, nReserved, hWnd, nullptr) != 0;
}

bool ENABLEMENUITEM(HMENU hMenu, UINT nId, UINT nFlags) { return EnableMenuItem(hMenu, nId, nFlags) != 0; }
bool CHECKMENUITEM(HMENU hMenu, UINT nId, UINT nFlags) { return CheckMenuItem(hMenu, nId, nFlags) != 0; }
int GETMITEMCOUNT(HMENU hMenu) { return GetMenuItemCount(hMenu); }

long GETMITEMID(HMENU hMenu, int nPos) { return static_cast<long>(static_cast<int>(GetMenuItemID(hMenu, nPos))); }

HMENU GETSYSTEMMENU(HWND hWnd, bool lRevert) { return GetSystemMenu(hWnd, lRevert); }
bool DESTROYMENU(HMENU hMenu) { return DestroyMenu(hMenu) != 0; }
HMENU GETSUBMENU(HMENU hMenu, int nPos) { return GetSubMenu(hMenu, nPos); }

std::string GETMENUSTRING(HMENU hMenu, UINT nItem, UINT nFlags) {
  char text[kMenuTextBuffer]{};
  const int length = GetMenuStringA(hMenu, nItem, text, sizeof text, nFlags);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

long GETMENUSTATE(HMENU hMenu, UINT nItem, UINT nFlags) {
  return static_cast<long>(static_cast<int>(GetMenuState(hMenu, nItem, nFlags)));
}

void DRAWMENUBAR(HWND hWnd) { DrawMenuBar(hWnd); }

bool HILITEMENUITEM(HWND hWnd, HMENU hMenu, UINT nItem, UINT nFlags) {
  return HiliteMenuItem(hWnd, hMenu, nItem, nFlags) != 0;
}

HMENU LOADMENU(HINSTANCE hInstance, const rt::Value& nameOrId) {
  if (nameOrId.IsString()) return LoadMenuA(hInstance, nameOrId.AsString().c_str());
  return LoadMenuA(hInstance, MAKEINTRESOURCEA(static_cast<WORD>(nameOrId.AsInt())));
}

bool APPENDMENU(HMENU hMenu, UINT nFlags, UINT_PTR nIdOrSubmenu, const rt::Value& uNewItem) {
  return AppendMenuA(hMenu, nFlags, nIdOrSubmenu, NewItem(uNewItem)) != 0;
}

bool SETMENU(HWND hWnd, HMENU hMenu) { return SetMenu(hWnd, hMenu) != 0; }

bool MODIFYMENU(HMENU hMenu, UINT nItem, UINT nFlags, UINT_PTR nIdOrSubmenu, const rt::Value& uNewItem) {
  return ModifyMenuA(hMenu, nItem, nFlags, nIdOrSubmenu, NewItem(uNewItem)) != 0;
}

bool INSERTMENU(HMENU hMenu, UINT nItem, UINT nFlags, UINT_PTR nIdOrSubmenu, const std::string& cText) {
  return InsertMenuA(hMenu, nItem, nFlags, nIdOrSubmenu, cText.c_str()) != 0;
}

bool REMOVEMENU(HMENU hMenu, UINT nItem, UINT nFlags) { return RemoveMenu(hMenu, nItem, nFlags) != 0; }
bool ISMENU(HMENU hMenu) { return IsMenu(hMenu) != 0; }

void MENUMEASUREITEM(LPARAM nMeasureItem, int nWidth) {
  auto* item = svc::HandleOf<MEASUREITEMSTRUCT*>(nMeasureItem);
  if (!item) return;
  item->itemWidth = static_cast<UINT>(nWidth);
  item->itemHeight = static_cast<UINT>(GetSystemMetrics(SM_CYMENU));
}

long GETMEAITEM(LPARAM nMeasureItem) {
  const auto* item = Measure(nMeasureItem);
  return item ? static_cast<long>(item->itemID) : 0;
}

long GETDRAWITEM(LPARAM nDrawItem) {
  const auto* item = Draw(nDrawItem);
  return item ? static_cast<long>(item->itemID) : 0;
}

HMENU GETDRAWMENU(LPARAM nDrawItem) {
  const auto* item = Draw(nDrawItem);
  return item ? reinterpret_cast<HMENU>(item->hwndItem) : nullptr;
}

}  // namespace ctl
