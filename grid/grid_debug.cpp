#include "grid/grid_debug.h"

#include <string>

#include "runtime/callstack.h"
#include "runtime/files.h"
#include "runtime/macro.h"
#include "runtime/value_text.h"
#include "services/msgbox.h"

namespace grid {
namespace {

constexpr const char* kUser32 = "User32.dll";

}  // namespace

void FDEBUG(const rt::Value& uValue) {
  const std::string line =
      rt::PROCNAME(0) + " " + std::to_string(rt::PROCLINE(0)) + " " + rt::CVALTOCHAR(uValue) + "\r\n";
  long handle = rt::FOPEN(kDebugLog, rt::FO_READWRITE);
  if (handle < 0) handle = rt::FCREATE(kDebugLog);
  if (handle < 0) {
    svc::MSGINFO("I can't");
    return;
  }
  rt::FSEEK(handle, 0, rt::FS_END);
  rt::FWRITE(handle, line);
  rt::FCLOSE(handle);
}

LPARAM GETMSGINFO() {
  const HMODULE user = LoadLibraryA(kUser32);
  if (!user) {
    svc::MSGALERT("Error code: " + std::to_string(GetLastError()) + " loading " + kUser32);
    return 0;
  }
  using ExtraInfo = LPARAM(WINAPI*)();
  LPARAM result = 0;
  if (const FARPROC proc = GetProcAddress(user, "GetMessageExtraInfo")) {
    result = reinterpret_cast<ExtraInfo>(reinterpret_cast<void*>(proc))();
  }
  FreeLibrary(user);
  return result;
}

void RegisterDebugFunctions() {
  rt::RegisterFunction("FDEBUG", [](rt::Args args) {
    FDEBUG(rt::Arg(args, 0));
    return rt::Value();
  });
  rt::RegisterFunction("GETMSGINFO", [](rt::Args) { return rt::Value(static_cast<double>(GETMSGINFO())); });
}

}  // namespace grid
