#include "core/list_tab.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "core/win_values.h"

namespace core {

std::string LBXGETITEM(HWND hWnd, long nItem) {
  WPARAM index = static_cast<WPARAM>(nItem - 1);
  LRESULT len = SendMessageA(hWnd, LB_GETTEXTLEN, index, 0);
  if (nItem < 1 || len == LB_ERR || len < 0) return {};
  std::vector<char> text(static_cast<std::size_t>(len) + 1, '\0');
  LRESULT got = SendMessageA(hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  if (got == LB_ERR || got < 0) return {};
  return std::string(text.data(), static_cast<std::size_t>(std::min(got, len)));
}

rt::Value LBXGETSELITEMS(HWND hWnd) {
  rt::Value items = rt::Value::Array();
  LRESULT n = SendMessageA(hWnd, LB_GETSELCOUNT, 0, 0);
  if (n <= 0) return items;
  std::vector<int> selected(static_cast<std::size_t>(n));
  LRESULT got = SendMessageA(hWnd, LB_GETSELITEMS, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(selected.data()));
  for (LRESULT i = 0; i < got && i < n; ++i) items.Items().push_back(selected[static_cast<std::size_t>(i)] + 1);
  return items;
}

long TABCTRLADD(HWND hWnd, std::string_view cPrompt, bool lState) {
  std::string text(cPrompt);
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_STATE;
  item.pszText = text.data();
  item.dwState = lState ? TCIS_BUTTONPRESSED : 0;
  item.dwStateMask = TCIS_BUTTONPRESSED;
  return static_cast<long>(SendMessageA(hWnd, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

long TABCTRL_GETCURSEL(HWND hWnd) { return static_cast<long>(SendMessageA(hWnd, TCM_GETCURSEL, 0, 0)); }

long TABCTRL_SETCURSEL(HWND hWnd, long nIndex) {
  return static_cast<long>(SendMessageA(hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nIndex), 0));
}

long TABCTRL_HITTEST(HWND hWnd) {
  TCHITTESTINFO hit{};
  GetCursorPos(&hit.pt);
  ScreenToClient(hWnd, &hit.pt);
  return static_cast<long>(SendMessageA(hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

rt::Value TABCTRL_ADJUSTRECT(HWND hWnd) {
  RECT rc{};
  GetClientRect(hWnd, &rc);
  SendMessageA(hWnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rc));
  return RectValue(rc);
}

bool TABDELALLITEMS(HWND hWnd) { return SendMessageA(hWnd, TCM_DELETEALLITEMS, 0, 0) != 0; }

}  // namespace core
