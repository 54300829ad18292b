#include "services/resources.h"

#include <windows.h>

#include "services/int32.h"
#include "services/slot_registry.h"

namespace svc {
namespace {

// Libraries loaded through SETRESOURCES and, at the same slots, global atoms
// of their names, so that a name set again finds its library.
struct LoadedLibraries {
  SlotRegistry libraries;
  SlotRegistry atoms;
};

LoadedLibraries& Loaded() {
  static LoadedLibraries loaded;
  return loaded;
}

struct ResourceModule {
  bool set = false;
  std::intptr_t handle = 0;
};

ResourceModule& Current() {
  static ResourceModule current;
  return current;
}

std::intptr_t LoadShared(const std::string& name) {
  auto& loaded = Loaded();
  ATOM atom = GlobalAddAtomA(name.c_str());
  if (std::size_t slot = loaded.atoms.Find(atom); atom && slot != SlotRegistry::npos) {
    GlobalDeleteAtom(atom);  // the reference just added
    return static_cast<std::intptr_t>(loaded.libraries.At(slot));
  }
  HMODULE module = LoadLibraryA(name.c_str());
  if (!module) {
    // Nothing is kept for a failed load: the next attempt tries again.
    if (atom) GlobalDeleteAtom(atom);
    return 0;
  }
  const std::size_t slot = loaded.libraries.FreeSlot();
  loaded.libraries.Set(slot, static_cast<std::uintptr_t>(HandleNumber(module)));
  loaded.atoms.Set(slot, atom);
  return HandleNumber(module);
}

}  // namespace

std::intptr_t SETRESOURCES(const rt::Value& libraryOrHandle) {
  auto& current = Current();
  if (libraryOrHandle.IsString()) {
    current.handle = LoadShared(libraryOrHandle.AsString());
    current.set = true;
  } else {
    current.handle = ToHandle(libraryOrHandle);
    current.set = current.handle != 0;
  }
  return current.handle;
}

std::intptr_t GETRESOURCES() {
  const auto& current = Current();
  return current.set ? current.handle : HandleNumber(GetModuleHandleA(nullptr));
}

void FREERESOURCES() {
  auto& loaded = Loaded();
  for (std::size_t slot = 0; slot < loaded.libraries.Slots().size(); ++slot) {
    if (std::uintptr_t h = loaded.libraries.At(slot)) FreeLibrary(HandleOf<HMODULE>(static_cast<std::intptr_t>(h)));
    if (std::uintptr_t atom = loaded.atoms.At(slot)) GlobalDeleteAtom(static_cast<ATOM>(atom));
  }
  loaded.libraries.Clear();
  loaded.atoms.Clear();
  Current() = ResourceModule{};
}

std::intptr_t FINDRESOURCE(std::intptr_t hModule, const rt::Value& cName, int nType) {
  LPCSTR name = cName.IsString() ? cName.AsString().c_str() : MAKEINTRESOURCEA(ToInt32(cName) & 0xFFFF);
  return HandleNumber(FindResourceA(HandleOf<HMODULE>(hModule), name, MAKEINTRESOURCEA(nType & 0xFFFF)));
}

}  // namespace svc
