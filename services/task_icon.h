#pragma once
// Icons in the notification area. The record handed to the shell is a
// TStruct of 88 bytes: nSize (88), hWnd, nId (1), nFlags, nCallMsg (2067,
// the library's notification-area message), hIcon and a 64-byte cToolTip.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "services/tstruct.h"

namespace svc {

inline constexpr UINT WM_TASKBAR_ICON = 2067;
inline constexpr long kTrayAdd = 0, kTrayModify = 1, kTrayDelete = 2;
inline constexpr long kTrayFlagMessage = 1, kTrayFlagIcon = 2, kTrayFlagTip = 4;

// The shell's notification record for hWnd's entry 1 with the library's
// message: the tip cut to 63 characters, a zero byte, then pad bytes to 64.
std::shared_ptr<TStruct> TrayRecord(HWND hWnd, HICON hIcon, long nFlags, std::string_view cToolTip, char pad = '\0');
// Hands the record to the shell with the code (kTrayAdd ...); the shell's
// answer. A test may put a seam in front of the shell, which then gets
// the code and the record's bytes instead; an empty one removes it.
bool TrayNotify(long nMessage, const std::shared_ptr<TStruct>& oRecord);
void SetTrayNotifySeam(std::function<bool(long, const std::string&)> seam);

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
