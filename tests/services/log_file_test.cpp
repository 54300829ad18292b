#include "services/log_file.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "runtime/callstack.h"
#include "runtime/settings.h"
#include "scratch_dir.h"

namespace {

using rt::Value;

TEST(LogFileTest, OneLineOfValuesPerCall) {
  ScratchDir dir;
  rt::Sets().dateFormat = "dd.mm.yyyy";
  rt::Sets().century = true;
  ASSERT_TRUE(svc::LOGFILE(dir / "trace.log", Value::Array({"Suche", 42, true, Value()})));
  ASSERT_TRUE(svc::LOGFILE(dir / "trace.log", Value::Array({})));
  rt::Sets().dateFormat = "mm/dd/yy";
  rt::Sets().century = false;
  std::string text = dir.Read("trace.log");
  std::regex layout(
      "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d: Suche\t42\t\\.T\\.\t\t\r\n"
      "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d: \r\n");
  EXPECT_TRUE(std::regex_match(text, layout)) << text;
  EXPECT_FALSE(svc::LOGFILE(dir / "no\\such\\dir.log", Value::Array({1})));
}

void Inner(Value a, Value b) {
  Value params[] = {a, b};
  RT_PROC_ARGS("INNER", rt::Args(params, 2));
  svc::LOGSTACK();
}

TEST(LogFileTest, StackLinesInnermostFirst) {
  ScratchDir dir;
  char before[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, before);
  SetCurrentDirectoryA(dir.Path().c_str());
  {
    RT_PROC("OUTER");
    Inner("Wort", 7);
  }
  SetCurrentDirectoryA(before);
  std::string text = dir.Read("stack.txt");
  EXPECT_EQ(text.substr(0, 40), "\r\nLogStack() called\r\n=================\r\n");
  EXPECT_NE(text.find("INNER( Wort, 7 )\r\nOUTER()\r\n"), std::string::npos) << text;
}

}  // namespace
