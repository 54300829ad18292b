#pragma once
// Folders as the base window sees them: a tab control (or the library's page
// holder) whose object names its pages (aDialogs) and the current one
// (nOption). The folder classes sit in a later layer and are reached by name.

#include <windows.h>

#include <memory>

namespace core {

class TWindow;

// Whether the window is a folder: its class is "SysTabControl32" or "TPages".
bool IsFolderWindow(HWND hWnd);
// The window object of the folder's current page; null when the folder has
// no object or no such page.
std::shared_ptr<TWindow> CurrentPage(HWND folder);

}  // namespace core
