#include "graphics/ctl3d.h"

#include <cstdint>

namespace gfx {

namespace {

Ctl3dState& State() {
  static Ctl3dState state;
  return state;
}

template <class Fn>
Fn Entry(HMODULE library, const char* name) {
  return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

using InstanceFn = BOOL(WINAPI*)(HINSTANCE);
using SubclassFn = BOOL(WINAPI*)(HWND);

void Load(Ctl3dState& s) {
  ++s.loadAttempts;
  HMODULE library = LoadLibraryA("CTL3D32.DLL");
  // Handles below 32 are the error numbers of the old loader.
  if (reinterpret_cast<std::uintptr_t>(library) < 32) return;
  s.library = library;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (auto reg = Entry<InstanceFn>(library, "Ctl3dRegister")) reg(instance);
  if (auto autoSubclass = Entry<InstanceFn>(library, "Ctl3dAutoSubclass")) autoSubclass(instance);
  s.registered = true;
}

}  // namespace

const Ctl3dState& CTL3DSTATE() { return State(); }

bool CTL3DLOOK(HWND hWnd) {
  Ctl3dState& s = State();
  ++s.uses;
  if (!s.library) Load(s);
  auto subclass = Entry<SubclassFn>(s.library, "Ctl3dSubclassCtl");
  return subclass && subclass(hWnd);
}

}  // namespace gfx
