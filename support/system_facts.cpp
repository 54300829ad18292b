#include "support/system_facts.h"

// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include "runtime/dates.h"
#include "runtime/object.h"
#include "runtime/running_time.h"
#include "runtime/system.h"
#include "services/cpu_info.h"
#include "services/display_info.h"
#include "services/process.h"
#include "services/task_icon.h"

namespace support {

SystemFacts GatherSystemFacts() {
  SystemFacts f;
  f.programPath = svc::GETMODULEFILENAME(nullptr);
  f.programBits = static_cast<int>(sizeof(void*) * 8);
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (GetFileAttributesExA(f.programPath.c_str(), GetFileExInfoStandard, &attributes))
    f.programSize = (static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
  f.timeFromStart = rt::TIMEFROMSTART();
  f.date = rt::DTOC(rt::DATE());
  f.time = rt::TIME();
  f.cpuName = svc::GETCPU();
  f.cpuMhz = svc::GETCPUSPEED();
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof memory;
  if (GlobalMemoryStatusEx(&memory)) f.physicalMb = memory.ullTotalPhys / (1024 * 1024);
  f.freeResources = f.gdiResources = f.userResources = svc::GETFREESYSTEMRESOURCES();
  f.compilerVersion = rt::VERSION();
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(&version)) {
#pragma GCC diagnostic pop
    f.winMajor = static_cast<int>(version.dwMajorVersion);
    f.winMinor = static_cast<int>(version.dwMinorVersion);
    f.winBuild = static_cast<int>(version.dwBuildNumber & 0xFFFF);
    f.servicePack = version.szCSDVersion;
  }
  const rt::Value tasks = svc::GETTASKS();
  for (const rt::Value& title : tasks.Items()) f.tasks.push_back(title.AsString());
  f.staticCount = rt::Object::LiveCount();
  PROCESS_MEMORY_COUNTERS counters{};
  if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
    f.memoryUsed = counters.PagefileUsage;
    f.memoryPeak = counters.PeakPagefileUsage;
  }
  return f;
}

}  // namespace support
