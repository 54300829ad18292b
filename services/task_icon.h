#pragma once
// Icons in the notification area. The record handed to the shell is a
// TStruct of 88 bytes: nSize (88), hWnd, nId (1), nFlags, nCallMsg (2067,
// the library's notification-area message), hIcon and a 64-byte cToolTip.

#include <windows.h>

#include <memory>
#include <string_view>

#include "services/tstruct.h"

namespace svc {

inline constexpr UINT WM_TASKBAR_ICON = 2067;

// Adds the icon for hWnd with its tool tip; the record of the entry.
std::shared_ptr<TStruct> TASKADDICON(HWND hWnd, HICON hIcon, std::string_view cToolTip);
// Shows another icon in the same entry; the record.
std::shared_ptr<TStruct> TASKCHANGEICON(const std::shared_ptr<TStruct>& oRecord, HICON hIcon);
// Removes the entry; .T. when the shell took it away.
bool TASKDELICON(const std::shared_ptr<TStruct>& oRecord);

// The distinct non-empty titles of the top-level windows in the window
// manager's order, from the first window of the active window's level.
rt::Value GETTASKS();

}  // namespace svc
