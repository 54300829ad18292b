#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "runtime/callstack.h"
#include "runtime/error.h"
#include "runtime/memvar.h"
#include "tests/runtime/scratch_dir.h"

namespace rt {
namespace {

// A reader that retries until its source is fixed, or takes the default.
Value ReadWithRecovery(int* attempts, bool failUntilFixed) {
  for (;;) {
    ++*attempts;
    if (!failUntilFixed || *attempts >= 3) return "data";
    auto e = MakeError(EG_OPEN, 1001, "DBFNTX", "DBUSEAREA");
    e->osCode = 32;
    e->canRetry = true;
    e->canDefault = true;
    ErrorOutcome o = RaiseError(e);
    if (o.kind == ErrorOutcome::Default) return Value();
  }
}

TEST(Errors, BlockChoosesDefaultOrRetry) {
  int tries = 0;
  {
    ErrorBlockScope guard(Value::Block([](Args a) {
      EXPECT_EQ(a[0].As<Error>()->osCode, 32);
      EXPECT_EQ(a[0].As<Error>()->description, "Open error");
      return Value(false);
    }));
    EXPECT_TRUE(ReadWithRecovery(&tries, true).IsNil());
    EXPECT_EQ(tries, 1);
  }
  tries = 0;
  {
    ErrorBlockScope guard(Value::Block([](Args) { return Value(true); }));
    EXPECT_EQ(ReadWithRecovery(&tries, true).AsString(), "data");
    EXPECT_EQ(tries, 3);
  }
}

TEST(Errors, BreakInTheBlockRecoversInTheSequence) {
  ErrorBlockScope guard(Value::Block([](Args a) -> Value { BREAK(a[0]); }));
  Value recovered;
  Sequence([] { Value::Array({1}).At(5); }, [&](const Value& v) { recovered = v; });
  ASSERT_TRUE(recovered.IsObject());
  EXPECT_EQ(recovered.As<Error>()->genCode, EG_BOUND);
}

TEST(ErrorsDeathTest, BlockThatQuitsEndsTheProcessWithCodeOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        ERRORBLOCK(Value::Block([](Args) -> Value {
          ERRORLEVEL(1);
          Quit();
        }));
        auto e = MakeError(EG_ZERODIV, 1340, "BASE", "/");
        RaiseError(e);
      },
      ::testing::ExitedWithCode(1), "");
}

// The unrecoverable error writes "error.log" into the current folder, so the
// dying child works in a scratch folder, where the parent then reads the log.
TEST(ErrorsDeathTest, AnswerTheErrorDoesNotAllowIsUnrecoverable) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  test::ScratchDir scratch;
  EXPECT_EXIT(
      {
        std::filesystem::current_path(scratch.Dir());
        ERRORBLOCK(Value::Block([](Args) { return Value(true); }));  // retry, but retry is not allowed
        auto e = MakeError(EG_WRITE, 1011, "DBFNTX", "DBAPPEND");
        RaiseError(e);
      },
      ::testing::ExitedWithCode(1), "");
  std::ifstream log(scratch.Dir() / "error.log", std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(log), {});
  EXPECT_EQ(text.rfind("Unrecoverable error: Error recovery failure", 0), 0u) << text;
}

int InnerLine = 0;

void Inner(std::string* callerName, int* callerLine, std::string* selfName) {
  RT_METHOD("TWINDOW", "PAINT");
  InnerLine = __LINE__ - 1;
  *callerName = PROCNAME(1);
  *callerLine = PROCLINE(1);
  *selfName = PROCNAME();
  EXPECT_EQ(PROCLINE(), InnerLine);
  EXPECT_EQ(PROCNAME(5), "");
}

TEST(CallStack, ProcnameAndProclineSeeTheCaller) {
  std::string callerName, selfName;
  int callerLine = 0;
  RT_PROC("OUTER");
  RT_LINE();
  const int outerLine = __LINE__ - 1;
  Inner(&callerName, &callerLine, &selfName);
  EXPECT_EQ(callerName, "OUTER");
  EXPECT_EQ(callerLine, outerLine);
  EXPECT_EQ(selfName, "TWINDOW:PAINT");
  auto lines = CallStackLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Called from OUTER(" + std::to_string(outerLine) + ")");
}

void MakesPrivate() {
  RT_PROC("MAKESPRIVATE");
  PRIVATE("cWord", "Haus");
  EXPECT_EQ(MEMVARGET("CWORD").AsString(), "Haus");
  MEMVARPUT("nPublic", 2);  // assigns the visible public, makes no private
}

TEST(Memvars, PrivateIsReleasedOnReturnAndHidesThePublic) {
  PUBLIC("cWord", "public");
  PUBLIC("nPublic");
  EXPECT_FALSE(MEMVARGET("nPublic").AsLogical());
  MakesPrivate();
  EXPECT_EQ(MEMVARGET("cword").AsString(), "public");
  EXPECT_EQ(MEMVARGET("NPUBLIC").AsNumber(), 2);

  ErrorPtr seen;
  ErrorBlockScope guard(Value::Block([&](Args a) {
    seen = a[0].As<Error>();
    return Value(0);
  }));
  EXPECT_EQ(MEMVARGET("NOSUCHVAR").AsNumber(), 0);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->genCode, EG_NOVAR);
}

}  // namespace
}  // namespace rt
