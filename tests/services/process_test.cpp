#include "services/process.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessTest, WaitRunGivesTheExitCodeOrMinusOne) {
  EXPECT_EQ(svc::WAITRUN("cmd.exe /c exit 3"), 3);
  EXPECT_EQ(svc::WAITRUN("cmd.exe /c exit 0", SW_HIDE), 0);
  EXPECT_EQ(svc::WAITRUN("no_such_program_at_all.exe"), -1);
  EXPECT_EQ(svc::WAITRUN(""), -1);
}

TEST(ProcessTest, WinExecReportsStartAndFailure) {
  EXPECT_GT(svc::WINEXEC("cmd.exe /c exit 0", SW_HIDE), 31);
  EXPECT_LE(svc::WINEXEC("no_such_program_at_all.exe"), 31);
}

TEST(ProcessTest, SystemQueries) {
  std::string self = svc::GETMODULEFILENAME(nullptr);
  EXPECT_NE(self.find("services_tests.exe"), std::string::npos) << self;
  EXPECT_EQ(svc::GETMODULEFILENAME(reinterpret_cast<HMODULE>(0x10)), "");
  EXPECT_FALSE(svc::GETWINDIR().empty());
  rt::Value v = svc::GETVERSION();
  ASSERT_EQ(v.Len(), 5u);
  EXPECT_GE(v.At(1).AsInt(), 4);
  EXPECT_TRUE(v.At(5).IsString());
  EXPECT_GT(svc::GETTICKCOUNT(), 0);
}

}  // namespace
