#include "services/process.h"

#include <algorithm>
#include <vector>

#include "services/message_pump.h"

namespace svc {

int WINEXEC(std::string_view cCommandLine, int nShow) {
  return static_cast<int>(WinExec(std::string(cCommandLine).c_str(), static_cast<UINT>(nShow)));
}

long WAITRUN(std::string_view cCommandLine, int nShow) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(nShow);
  PROCESS_INFORMATION pi{};
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::vector<char> line(cCommandLine.begin(), cCommandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                      nullptr, nullptr, &si, &pi))
    return -1;
  PumpPendingMessages();
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  long result = GetExitCodeProcess(pi.hProcess, &code) ? static_cast<long>(code) : -1;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return result;
}

std::string GETMODULEFILENAME(HMODULE hModule) {
  char path[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameA(hModule, path, MAX_PATH);
  return std::string(path, std::min<std::size_t>(n, kModuleFileNameLimit));
}

std::string GETWINDIR() {
  char dir[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryA(dir, MAX_PATH);
  return n <= MAX_PATH ? std::string(dir, std::min<std::size_t>(n, kWinDirLimit)) : std::string();
}

rt::Value GETVERSION() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExA(&v);
  return rt::Value::Array({static_cast<long>(v.dwMajorVersion), static_cast<long>(v.dwMinorVersion),
                           static_cast<long>(v.dwBuildNumber), static_cast<long>(v.dwPlatformId),
                           std::string(v.szCSDVersion)});
}

double GETTICKCOUNT() { return static_cast<double>(GetTickCount()); }

}  // namespace svc
