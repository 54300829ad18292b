#include "services/win_version.h"

#include <windows.h>

namespace svc {

namespace {

OSVERSIONINFOA Version() {
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
  GetVersionExA(&v);
  return v;
}

}  // namespace

std::string WinVersionName(int major, int minor, int platform) {
  if (platform == VER_PLATFORM_WIN32_NT) {
    if (major == 5 && minor == 2) return "Server 2003";
    if (major == 5 && minor == 1) return "XP";
    return major >= 5 ? "2000" : "NT";
  }
  if (major >= 5) return "ME";
  return major == 4 && minor > 0 ? "98" : "95";
}

std::string CWINVERSION() {
  const OSVERSIONINFOA v = Version();
  return WinVersionName(static_cast<int>(v.dwMajorVersion), static_cast<int>(v.dwMinorVersion),
                        static_cast<int>(v.dwPlatformId));
}

bool ISWINXP() { return CWINVERSION().find("XP") != std::string::npos; }

bool ISWIN2000() { return CWINVERSION().find("2000") != std::string::npos; }

std::string GETSYSFONT() {
  const OSVERSIONINFOA v = Version();
  const bool nt = v.dwPlatformId == VER_PLATFORM_WIN32_NT;
  const bool win95 = !nt && CWINVERSION() == "95";
  return !nt && !win95 ? "System" : "Ms Sans Serif";
}

}  // namespace svc
