#pragma once
// Starting other programs, and a few questions about the running system.

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

// Starts the program without waiting; above 31 means started, otherwise the
// platform's small error number.
int WINEXEC(std::string_view cCommandLine, int nShow = SW_SHOWNORMAL);
// Starts the program and waits until it ends; its exit code, or -1 when it
// could not be started. The caller's pending messages run once before the
// wait; during the wait its windows are not serviced.
long WAITRUN(std::string_view cCommandLine, int nShow = SW_SHOWNA);

// Full path of the module's file ("" when the handle is no module), at most
// kModuleFileNameLimit characters; the Windows folder, at most kWinDirLimit.
inline constexpr std::size_t kModuleFileNameLimit = 248;
inline constexpr std::size_t kWinDirLimit = 253;
std::string GETMODULEFILENAME(HMODULE hModule);
std::string GETWINDIR();
// {major version, minor version, build number, platform id, service pack}.
rt::Value GETVERSION();
double GETTICKCOUNT();

}  // namespace svc
