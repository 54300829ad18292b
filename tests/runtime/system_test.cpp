// The runtime's own version text, the system's name and the memory in use,
// as the about box and the error log show them.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/utsname.h>
#include <unistd.h>
#endif

#include <cstring>
#include <string>
#include <vector>

#include "runtime/macro.h"
#include "runtime/system.h"

namespace rt {
namespace {

// The grid takes its key number from NTXPOS unless the version text names
// the other runtime's release "5.3".
TEST(System, VersionTextNamesThisRuntime) {
  EXPECT_FALSE(VERSION().empty());
  EXPECT_EQ(VERSION().find("5.3"), std::string::npos);
  EXPECT_EQ(MacroEval("Version()").AsString(), VERSION());
}

TEST(System, OsNamesTheRunningSystem) {
#ifdef _WIN32
  EXPECT_EQ(OS().rfind("Windows NT ", 0), 0u) << OS();
#else
  utsname u{};
  ASSERT_EQ(uname(&u), 0);
  EXPECT_EQ(OS(), std::string(u.sysname) + " " + u.release);
#endif
  EXPECT_EQ(MacroEval("OS()").AsString(), OS());
}

// While 64 MB are touched they are part of the memory in use, and the peak
// keeps them. (The growth itself is not checked: an allocator may hand back
// pages that are still resident from an earlier run.)
TEST(System, MemoryFollowsTheProgramsUse) {
  ASSERT_GT(MEMORY(kMemoryInUse), 0);
  constexpr std::size_t kBlock = 64u << 20;
  double during = 0;
  {
    std::vector<char> block(kBlock);
    std::memset(block.data(), 1, block.size());
    during = MEMORY(kMemoryInUse);
    EXPECT_GE(during, kBlock);
    EXPECT_EQ(block[kBlock / 3], 1);
  }
  EXPECT_GE(MEMORY(kMemoryPeak), during);
  EXPECT_EQ(MacroEval("Memory(1002) >= Memory(1001)").AsLogical(), true);
  EXPECT_EQ(MEMORY(7), 0);
}

// The free memory in kilobytes: some, and no more than the machine has.
TEST(System, FreeMemoryInKilobytesWithinThePhysicalMemory) {
#ifdef _WIN32
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  const double physicalKb = static_cast<double>(status.ullTotalPhys / 1024);
#else
  const double physicalKb =
      static_cast<double>(::sysconf(_SC_PHYS_PAGES)) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1024;
#endif
  for (int n : {0, 1, 2}) {
    // Read once: the free memory changes from one call to the next.
    const double kb = MEMORY(n);
    EXPECT_GT(kb, 0) << n;
    EXPECT_LE(kb, physicalKb) << n;
    EXPECT_EQ(kb, static_cast<double>(static_cast<long long>(kb))) << "whole kilobytes " << n;
  }
}

}  // namespace
}  // namespace rt
