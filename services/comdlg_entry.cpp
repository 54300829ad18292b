#include "services/comdlg_entry.h"

namespace svc {

FARPROC ComDlgEntry(const char* name) {
  static HMODULE library = LoadLibraryA("comdlg32.dll");
  return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace svc
