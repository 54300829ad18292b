#include "services/callback_guard.h"

#include <atomic>
#include <exception>
#include <string>

#include "runtime/error.h"

namespace svc {
namespace {

std::atomic<CallbackGuard>& Installed() {
  static std::atomic<CallbackGuard> guard{nullptr};
  return guard;
}

}  // namespace

void SetCallbackGuard(CallbackGuard guard) noexcept { Installed().store(guard); }

CallbackGuard InstalledCallbackGuard() noexcept { return Installed().load(); }

void RunGuarded(CallbackBody body, void* context) noexcept {
  if (CallbackGuard guard = Installed().load()) {
    guard(body, context);
    return;
  }
  try {
    body(context);
  } catch (const std::exception& e) {
    rt::InternalError(std::string("Unexpected exception: ") + e.what());
  } catch (...) {
    rt::InternalError("Unexpected exception");
  }
}

}  // namespace svc
