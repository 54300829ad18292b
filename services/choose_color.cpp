#include "services/common_dialogs.h"

#include <commdlg.h>

#include "services/comdlg_entry.h"

namespace svc {
namespace {

// The dialog does all its own processing.
UINT_PTR CALLBACK LeaveToDialog(HWND, UINT, WPARAM, LPARAM) { return 0; }

}  // namespace

long CHOOSECOLOR(long nColor, long nFlags) {
  auto choose = ComDlgFunction<BOOL WINAPI(LPCHOOSECOLORA)>("ChooseColorA");
  if (!choose) return nColor;
  static COLORREF custom[16];
  for (int i = 0; i < 16; ++i) {
    BYTE grey = static_cast<BYTE>(255 - 16 * i);
    custom[i] = RGB(grey, grey, grey);
  }
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = GetActiveWindow();
  cc.rgbResult = static_cast<COLORREF>(nColor);
  cc.lpCustColors = custom;
  cc.Flags = static_cast<DWORD>(nFlags) | CC_ENABLEHOOK;
  cc.lpfnHook = LeaveToDialog;
  return choose(&cc) ? static_cast<long>(cc.rgbResult) : nColor;
}

long COMDLGXERR() {
  auto error = ComDlgFunction<DWORD WINAPI()>("CommDlgExtendedError");
  return error ? static_cast<long>(error()) : 0;
}

}  // namespace svc
