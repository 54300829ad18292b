#include "services/declared.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "box_driver.h"
#include "services/int32.h"
#include "scratch_dir.h"

namespace {

using rt::Value;

TEST(DeclaredTest, MissingLibraryAlertsAndGivesNil) {
  BoxDriver driver(BoxDriver::PressEnter);
  Value r = svc::CallDeclared("no_such_probe.dll", "Anything", true, 3, {3}, {1});
  EXPECT_TRUE(r.IsNil());
  const SeenBox& seen = driver.Seen();
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Alert");
  ASSERT_EQ(seen.texts.size(), 1u);
  EXPECT_EQ(seen.texts[0], "Error code: 0 loading no_such_probe.dll");
}

TEST(DeclaredTest, LoadsAndFreesTheLibraryAtEveryCall) {
  ASSERT_EQ(GetModuleHandleA("calldll_probe.dll"), nullptr);
  Value out = 1;
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(svc::CallDeclared("calldll_probe.dll", "ProbeScaleInto", true, 3, {3, 3, 10}, {4, 5, svc::Ref(out)}),
              Value(20));
    EXPECT_EQ(GetModuleHandleA("calldll_probe.dll"), nullptr);
  }
  EXPECT_EQ(out, Value(41));
}

TEST(DeclaredTest, LibraryGivenAsHandleStaysLoaded) {
  HMODULE probe = LoadLibraryA("calldll_probe.dll");
  Value h = svc::HandleNumber(probe);
  EXPECT_EQ(svc::CallDeclared(h, "ProbeMix", false, 3, {3, 11, 5, 1}, {1, 0.0, false, 1}), Value(2));
  EXPECT_EQ(GetModuleHandleA("calldll_probe.dll"), probe);
  FreeLibrary(probe);
}

TEST(DeclaredTest, FileFunctionsThroughKernel32) {
  ScratchDir dir;
  const std::string a = dir / "declared_a.txt", b = dir / "declared_b.txt", c = dir / "declared_c.txt";
  dir.Write("declared_a.txt", "");
  EXPECT_EQ(svc::COPYFILE(a, b, 1), Value(true));
  EXPECT_EQ(svc::COPYFILE(a, b, 1), Value(false));  // exists
  EXPECT_EQ(svc::MOVEFILE(b, c), Value(1));
  EXPECT_EQ(GetFileAttributesA(b.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA(c.c_str()), INVALID_FILE_ATTRIBUTES);

  Value free = 0, total = 0, totalFree = 0;
  EXPECT_EQ(svc::GETDISKFREESPACEEX("C:\\", free, total, totalFree), Value(true));
  EXPECT_TRUE(total.IsNumber());
  EXPECT_NE(total, Value(0));
  EXPECT_TRUE(svc::OUTPUTDEBUGSTRING("declared test").IsNil());
}

}  // namespace
