#pragma once
// The resource module: where bitmaps, menus, dialogs and strings are loaded
// from. The program itself, unless SETRESOURCES names a resource library.

#include <cstdint>

#include "runtime/value.h"

namespace svc {

// A name loads the library (once per name, however often it is set) and
// makes it the resource module; a number is taken as the module handle, 0
// meaning "none". Returns the new resource module, 0 when the load failed.
std::intptr_t SETRESOURCES(const rt::Value& libraryOrHandle);
// The resource module; the program's own instance while none is set. A
// failed load stays visible here as 0, so that callers can tell it apart.
std::intptr_t GETRESOURCES();
// Frees every library loaded through SETRESOURCES; none is set afterwards.
void FREERESOURCES();
// FindResourceA with the type as a 16-bit number; cName is a name or an id.
std::intptr_t FINDRESOURCE(std::intptr_t hModule, const rt::Value& cName, int nType);

}  // namespace svc
