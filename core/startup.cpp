#include "core/startup.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/callback_guard.h"
#include "core/fault_report.h"
#include "runtime/error.h"
#include "services/callback_guard.h"

namespace core {

void CoreStartup() {
  static bool started = false;
  if (started) return;
  started = true;
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  rt::SetInternalErrorNotifier([](const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "Fehler", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
  });
  SetUnhandledExceptionFilter(FaultFilter);
  svc::SetCallbackGuard([](svc::CallbackBody body, void* context) noexcept {
    GuardCallback([body, context] { body(context); });
  });
}

}  // namespace core
