#pragma once
// The one guard that every callback the library hands to Windows runs in
// (timer, hook, enumeration, dialog and window procedures). The guard itself
// lives in the class layer, which reports native faults and ends the process
// on an escaping C++ exception; it installs itself here at start-up, so that
// the services' own callbacks run inside it without knowing that layer.
//
// Before the class layer has started, a callback still lets no C++
// exception escape into the system's frames: it becomes the runtime's
// unrecoverable error.

#include <type_traits>
#include <utility>

namespace svc {

using CallbackBody = void (*)(void* context);
using CallbackGuard = void (*)(CallbackBody body, void* context) noexcept;

// Installs the guard for every later callback; null takes it away.
void SetCallbackGuard(CallbackGuard guard) noexcept;
CallbackGuard InstalledCallbackGuard() noexcept;

void RunGuarded(CallbackBody body, void* context) noexcept;

// Runs body() inside the installed guard.
template <class Body>
void Guarded(Body&& body) noexcept {
  RunGuarded([](void* context) { (*static_cast<std::remove_reference_t<Body>*>(context))(); }, &body);
}

}  // namespace svc
