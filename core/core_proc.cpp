#include "core/core_proc.h"

#include "core/callback_guard.h"
#include "core/vdh.h"
#include "services/int32.h"

namespace core {

LPARAM FirstArgument(HWND hWnd, UINT nMsg, LPARAM nLParam) {
  return nMsg == WM_INITDIALOG ? reinterpret_cast<LPARAM>(hWnd) : nLParam;
}

LRESULT CoreProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam, int nSlot) {
  return GuardCallback([&]() -> LRESULT {
    // The answer lives in one reused record that a nested message refills,
    // so it is read before anything else can run.
    const EventAnswer* answer = VDH(FirstArgument(hWnd, nMsg, nLParam), nMsg, nWParam, nLParam, nSlot);
    if (answer) {
      if (!answer->result.IsNil()) return svc::ToHandle(answer->result);
      if (WNDPROC previous = answer->previous) {
        return CallWindowProcA(previous, hWnd, nMsg, nWParam, nLParam);
      }
    }
    return DefWindowProcA(hWnd, nMsg, nWParam, nLParam);
  });
}

}  // namespace core
