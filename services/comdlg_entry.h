#pragma once
// The common-dialog library is bound by name at run time and stays loaded
// for the rest of the process: a modeless find dialog lives on after the
// call that opened it.

#include <windows.h>

namespace svc {

// The entry point of the common-dialog library; null when it is missing.
FARPROC ComDlgEntry(const char* name);

template <class Fn>
Fn* ComDlgFunction(const char* name) {
  return reinterpret_cast<Fn*>(reinterpret_cast<void*>(ComDlgEntry(name)));
}

}  // namespace svc
