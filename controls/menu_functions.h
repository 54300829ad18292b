#pragma once
// The platform's menu functions under the menu classes, with handles and ids
// as numbers, and the size request of owner-drawn menu items.

#include <windows.h>

#include <string>

#include "runtime/value.h"

namespace ctl {

HMENU CREATEMENU();
HMENU CREATEPOPUPMENU();
// x is nCol and y nRow, in screen coordinates.
bool TRACKPOPUP(HMENU hMenu, UINT nFlags, int nRow, int nCol, int nReserved, HWND hWnd);
bool ENABLEMENUITEM(HMENU hMenu, UINT nId, UINT nFlags);
bool CHECKMENUITEM(HMENU hMenu, UINT nId, UINT nFlags);
int GETMITEMCOUNT(HMENU hMenu);
// -1 for an entry that opens a submenu.
long GETMITEMID(HMENU hMenu, int nPos);
HMENU GETSYSTEMMENU(HWND hWnd, bool lRevert);
bool DESTROYMENU(HMENU hMenu);
HMENU GETSUBMENU(HMENU hMenu, int nPos);
// At most 199 characters.
std::string GETMENUSTRING(HMENU hMenu, UINT nItem, UINT nFlags);
long GETMENUSTATE(HMENU hMenu, UINT nItem, UINT nFlags);
void DRAWMENUBAR(HWND hWnd);
bool HILITEMENUITEM(HWND hWnd, HMENU hMenu, UINT nItem, UINT nFlags);
// By name for a text, else by numeric id; null when there is no such menu.
HMENU LOADMENU(HINSTANCE hInstance, const rt::Value& nameOrId);
// A text uNewItem is the item's text, anything else a number (a bitmap).
bool APPENDMENU(HMENU hMenu, UINT nFlags, UINT_PTR nIdOrSubmenu, const rt::Value& uNewItem);
bool SETMENU(HWND hWnd, HMENU hMenu);
bool MODIFYMENU(HMENU hMenu, UINT nItem, UINT nFlags, UINT_PTR nIdOrSubmenu, const rt::Value& uNewItem);
bool INSERTMENU(HMENU hMenu, UINT nItem, UINT nFlags, UINT_PTR nIdOrSubmenu, const std::string& cText);
bool REMOVEMENU(HMENU hMenu, UINT nItem, UINT nFlags);
bool ISMENU(HMENU hMenu);

// The size request: width nWidth, the menu bar's height.
void MENUMEASUREITEM(LPARAM nMeasureItem, int nWidth);
long GETMEAITEM(LPARAM nMeasureItem);
long GETDRAWITEM(LPARAM nDrawItem);
HMENU GETDRAWMENU(LPARAM nDrawItem);

}  // namespace ctl
