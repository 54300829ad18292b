#pragma once
// List-box items and tab controls.

#include <windows.h>

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace core {

// Item nItem (from 1); "" when there is no such item.
std::string LBXGETITEM(HWND hWnd, long nItem);
// The selected items (from 1) of a multi-selection list box.
rt::Value LBXGETSELITEMS(HWND hWnd);

// Inserts a tab at position 0; its index, -1 on failure.
long TABCTRLADD(HWND hWnd, std::string_view cPrompt, bool lState);
long TABCTRL_GETCURSEL(HWND hWnd);
// The tab selected before.
long TABCTRL_SETCURSEL(HWND hWnd, long nIndex);
// The tab under the mouse cursor, -1 for none.
long TABCTRL_HITTEST(HWND hWnd);
// The display area inside the tab control's client rectangle.
rt::Value TABCTRL_ADJUSTRECT(HWND hWnd);
bool TABDELALLITEMS(HWND hWnd);

}  // namespace core
