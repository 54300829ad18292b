#include "services/resources.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "services/int32.h"

namespace {

using rt::Value;

class ResourcesTest : public ::testing::Test {
 protected:
  void TearDown() override { svc::FREERESOURCES(); }
  static std::intptr_t Self() { return svc::HandleNumber(GetModuleHandleA(nullptr)); }
};

TEST_F(ResourcesTest, SameNameLoadsOnceUntilFreed) {
  EXPECT_EQ(svc::GETRESOURCES(), Self());
  ASSERT_EQ(GetModuleHandleA("calldll_probe.dll"), nullptr);
  std::intptr_t first = svc::SETRESOURCES("calldll_probe.dll");
  ASSERT_GT(first, 32);
  EXPECT_EQ(svc::SETRESOURCES("CALLDLL_PROBE.DLL"), first);
  EXPECT_EQ(svc::GETRESOURCES(), first);

  // Loaded once: a single free unloads it.
  svc::FREERESOURCES();
  EXPECT_EQ(GetModuleHandleA("calldll_probe.dll"), nullptr);
  EXPECT_EQ(svc::GETRESOURCES(), Self());
}

TEST_F(ResourcesTest, FailedLoadIsZeroNotTheProgram) {
  EXPECT_EQ(svc::SETRESOURCES("no_such_resources.dll"), 0);
  EXPECT_EQ(svc::GETRESOURCES(), 0);
  // Retried, not remembered as loaded.
  EXPECT_EQ(svc::SETRESOURCES("no_such_resources.dll"), 0);
  svc::FREERESOURCES();
  EXPECT_EQ(svc::GETRESOURCES(), Self());
}

TEST_F(ResourcesTest, HandleNumbersAndFindResource) {
  HMODULE probe = LoadLibraryA("calldll_probe.dll");
  std::intptr_t h = svc::HandleNumber(probe);
  EXPECT_EQ(svc::SETRESOURCES(h), h);
  EXPECT_EQ(svc::GETRESOURCES(), h);
  EXPECT_NE(svc::FINDRESOURCE(svc::GETRESOURCES(), "PROBEDATA", 10), 0);
  EXPECT_NE(svc::FINDRESOURCE(h, 7, 10), 0);
  EXPECT_EQ(svc::FINDRESOURCE(h, "MISSING", 10), 0);
  EXPECT_EQ(svc::FINDRESOURCE(h, "PROBEDATA", 2), 0);  // wrong type
  EXPECT_EQ(svc::SETRESOURCES(0), 0);
  EXPECT_EQ(svc::GETRESOURCES(), Self());
  FreeLibrary(probe);
}

}  // namespace
