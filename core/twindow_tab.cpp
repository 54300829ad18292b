// The Tab order of a window's controls. A folder's page is a window of its
// own inside the folder: Tab from the page's last control goes on to the
// control after the folder, Shift+Tab from its first to the one before it,
// and Shift+Tab onto a folder enters its current page at the last control.
#include <vector>

#include "core/folder_page.h"
#include "core/twindow.h"
#include "core/window_list.h"
#include "core/window_state.h"

namespace core {

namespace {

// The tab stops among the window's own children, in Tab order.
std::vector<HWND> TabStops(HWND parent) {
  std::vector<HWND> stops;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ISWINDOWVISIBLE(child) && ISWINDOWENABLED(child) && (GETWINDOWLONG(child, GWL_STYLE) & WS_TABSTOP)) {
      stops.push_back(child);
    }
  }
  return stops;
}

// The window object that holds the folder of this page; null when the window
// is no folder page.
std::shared_ptr<TWindow> FolderHolder(HWND page) {
  const HWND folder = GetParent(page);
  return IsFolderWindow(folder) ? OWNDFROMHWND(GetParent(folder)) : nullptr;
}

void Focus(TWindow& w, HWND target) {
  w.hCtlFocus = target;
  SETFOCUS(target);
}

}  // namespace

void TWindow::GoNextCtrl(HWND hCtrl) {
  const std::vector<HWND> stops = TabStops(hWnd);
  if (!stops.empty() && stops.back() == hCtrl) {
    if (const auto holder = FolderHolder(hWnd)) return holder->GoNextCtrl(GetParent(hWnd));
  }
  if (const HWND next = GetNextDlgTabItem(hWnd, hCtrl, FALSE)) Focus(*this, next);
}

void TWindow::GoPrevCtrl(HWND hCtrl) {
  const std::vector<HWND> stops = TabStops(hWnd);
  if (!stops.empty() && stops.front() == hCtrl) {
    if (const auto holder = FolderHolder(hWnd)) return holder->GoPrevCtrl(GetParent(hWnd));
  }
  const HWND previous = GetNextDlgTabItem(hWnd, hCtrl, TRUE);
  if (!previous) return;
  if (IsFolderWindow(previous)) {
    if (const auto page = CurrentPage(previous)) {
      if (const auto last = page->LastActiveCtrl().As<TWindow>(); last && last->hWnd) {
        hCtlFocus = previous;
        return Focus(*page, last->hWnd);
      }
    }
  }
  Focus(*this, previous);
}

}  // namespace core
