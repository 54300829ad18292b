// The error line, the value texts and "Error.log" as text: portable, so it
// runs natively (sanitised) and under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "runtime/callstack.h"
#include "runtime/error.h"
#include "runtime/running_time.h"
#include "runtime/table_fns.h"
#include "runtime/value.h"
#include "support/error_dialog_layout.h"
#include "support/error_log.h"
#include "support/error_message.h"
#include "tests/runtime/scratch_dir.h"

#ifndef VD_SUPPORT_FIXTURES
#error VD_SUPPORT_FIXTURES must name the fixture folder
#endif

namespace {

rt::ErrorPtr Err(int osCode, int severity, std::string subSystem, int subCode, std::string description,
                 std::string filename, std::string operation) {
  auto e = std::make_shared<rt::Error>();
  e->osCode = osCode;
  e->severity = severity;
  e->subSystem = std::move(subSystem);
  e->subCode = subCode;
  e->description = std::move(description);
  e->filename = std::move(filename);
  e->operation = std::move(operation);
  return e;
}

TEST(ErrorMessage, Wording) {
  struct Case {
    rt::ErrorPtr e;
    const char* expected;
  } cases[] = {
      {Err(0, 2, "BASE", 1341, "Zero divide", "", "/"), "Error BASE/1341  Zero divide: /"},
      {Err(0, 1, "BASE", 5300, "Memory Low", "", ""), "Warning BASE/5300  Memory Low"},
      {Err(32, 2, "DBFNTX", 1001, "Open error", "DEUENG.DBF", "DBUSEAREA"),
       "(DOS Error 32) DBFNTX/1001  Open error: DEUENG.DBF"},
      {Err(0, 3, "Vindral", 6, "Cannot create window or control", "", ""),
       "Error Vindral/6  Cannot create window or control"},
  };
  for (const Case& c : cases) EXPECT_EQ(support::ERRORMESSAGE(*c.e), c.expected);
}

TEST(ErrorMessage, OnlyTheDescriptionIsTurnedFromOem) {
  // 0x81 is u-umlaut in the OEM page; the file name is Windows-1252 already.
  auto e = Err(0, 2, "DBFNTX", 1012, "Besch\x84" "digt", "W\xFC" "rter.dbf", "");
  EXPECT_EQ(support::ERRORMESSAGE(*e), "Error DBFNTX/1012  Besch\x84" "digt: W\xFC" "rter.dbf");
  EXPECT_EQ(support::ErrorMessageAnsi(*e), "Error DBFNTX/1012  Besch\xE4" "digt: W\xFC" "rter.dbf");
}

TEST(ErrorMessage, ValueTexts) {
  EXPECT_EQ(support::CGETINFO(rt::Value("ab")), "\"ab\"");
  EXPECT_EQ(support::CGETINFO(rt::Value::Array({1, 2, 3})), "Len:    3");
  EXPECT_EQ(support::CGETINFO(rt::Value(rt::ObjectPtr(std::make_shared<rt::Error>()))), "Class: ERROR");
  EXPECT_EQ(support::CGETINFO(rt::Value(12)), "12");
  EXPECT_EQ(support::CGETINFO(rt::Value()), "");
  EXPECT_EQ(support::LogLineText("a\r\nb\tc"), "a  b c");
  const std::string cut = support::LogLineText(std::string(3'000'000, 'x'));
  EXPECT_EQ(cut, std::string(support::kLogValueMax, 'x') + "...");
}

TEST(RunningTime, CountsAcrossMidnightAndNeverBackwards) {
  const rt::Date day{2460000}, next{2460001};
  EXPECT_EQ(rt::RunningSeconds(day, 100.5, day, 3761.9), 3661);
  EXPECT_EQ(rt::RunningSeconds(day, 86000, next, 400), 800);
  EXPECT_EQ(rt::RunningSeconds(day, 0, rt::Date{2460003}, 0), 3 * 86400);
  EXPECT_EQ(rt::RunningSeconds(next, 0, day, 500), 0);
  EXPECT_EQ(rt::RunningSeconds(day, 500, day, 100), 0);
  EXPECT_EQ(rt::RunningTimeText(3661), "1 hours 1 mins 1 secs ");
  EXPECT_EQ(rt::RunningTimeText(0), "0 hours 0 mins 0 secs ");
}

support::SystemFacts Facts() {
  support::SystemFacts f;
  f.programPath = "C:\\VD\\TEST.EXE";
  f.programSize = 1234567;
  f.timeFromStart = "0 hours 0 mins 3 secs ";
  f.date = "12/10/26";
  f.time = "10:11:12";
  f.cpuName = "Intel Pentium IV";
  f.cpuMhz = 2400;
  f.physicalMb = 511;
  f.compilerVersion = "VD runtime";
  f.winMajor = 5;
  f.winMinor = 1;
  f.winBuild = 2600;
  f.servicePack = "Service Pack 3";
  f.tasks = {"Program Manager", "Line\r\nbreak"};
  f.staticCount = 7;
  f.memoryUsed = 4096;
  f.memoryPeak = 8192;
  return f;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The classes registered differ by test program; the golden text ends with
// the first class line, the rest is checked for its form.
std::string WithoutClassList(const std::string& log) {
  const std::size_t from = log.find("===============\r\n", log.find("Classes in use:"));
  const std::size_t to = log.find("\r\nMemory Analysis");
  if (from == std::string::npos || to == std::string::npos) return log;
  return log.substr(0, from + 17) + "<classes>" + log.substr(to);
}

void Inner(const std::function<void()>& body) {
  rt::Value params[] = {rt::Value("Wert\r\nzwei"), rt::Value::Array({1, 2}), rt::Value()};
  rt::CallGuard guard("INNER", 42, rt::Args(params));
  body();
}

TEST(ErrorLog, MatchesTheGoldenText) {
  rt::test::ScratchDir dir;
  const std::string table = (dir.Dir() / "WORDS.DBF").string();
  ASSERT_TRUE(rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"DEUTSCH", "C", 20, 0})})));
  ASSERT_TRUE(rt::DBUSEAREA(true, "DBFNTX", table, "WORDS", false));
  rt::DBAPPEND();
  rt::FIELDPUT(1, rt::Value("Haus"));
  ASSERT_TRUE(rt::ORDCREATE((dir.Dir() / "WORDS1").string(), "WORDS1", "UPPER(DEUTSCH)"));
  rt::DBGOTOP();

  auto e = Err(0, 2, "BASE", 1341, "Zero divide", "", "/");
  e->args = rt::Value::Array({rt::Value(10), rt::Value(0), rt::Value(), rt::Value::Array({rt::Value::Array({})}),
                              rt::Value(std::string(500, 'y'))});
  std::string log;
  int outerLine = 0;
  {
    outerLine = __LINE__ + 1;
    RT_PROC("OUTER");
    Inner([&] { log = support::ErrorLogText(*e, Facts(), support::ReportFrames(0)); });
  }
  rt::DBCLOSEALL();

  const std::string golden = ReadFile(std::string(VD_SUPPORT_FIXTURES) + "/error_log.golden");
  ASSERT_FALSE(golden.empty());
  // The line of OUTER's frame is this file's.
  std::string expected = golden;
  const std::string mark = "<outer-line>";
  for (std::size_t at; (at = expected.find(mark)) != std::string::npos;)
    expected.replace(at, mark.size(), std::to_string(outerLine));
  EXPECT_EQ(WithoutClassList(log), expected);

  const std::size_t classes = log.find("Classes in use:\r\n===============\r\n");
  ASSERT_NE(classes, std::string::npos);
  EXPECT_EQ(log.substr(classes + 34, 7), "     1 ") << "classes numbered from 1";
  EXPECT_NE(log.find(" ERROR\r\n", classes), std::string::npos);
  EXPECT_EQ(log.find('\n'), log.find("\r\n") + 1);
}

TEST(ErrorLog, DeepStacksListSeventyTwoFrames) {
  std::function<void(int)> nest = [&](int depth) {
    rt::CallGuard guard("DEEP", depth);
    if (depth > 1) return nest(depth - 1);
    const auto frames = support::ReportFrames(2);
    EXPECT_EQ(frames.size(), 72u);
    EXPECT_EQ(frames.front().line, 3);
    const auto lines = support::StackLines(frames);
    EXPECT_EQ(lines.front(), "Called from DEEP(3)");
  };
  nest(100);
}

TEST(ErrorDialogLayout, ButtonsByCount) {
  using support::ErrorChoice;
  struct Case {
    bool retry, dflt, nt;
    std::vector<std::pair<int, ErrorChoice>> cols;  // column and choice, in order
    int row;
  } cases[] = {
      {false, false, false, {{60, ErrorChoice::Quit}}, 88},
      {true, true, false, {{60, ErrorChoice::Quit}, {13, ErrorChoice::Retry}, {108, ErrorChoice::Default}}, 88},
      {true, false, true, {{37, ErrorChoice::Quit}, {82, ErrorChoice::Retry}}, 112},
      {false, true, true, {{37, ErrorChoice::Quit}, {108, ErrorChoice::Default}}, 112},
  };
  for (const Case& c : cases) {
    const auto buttons = support::ErrorButtons(c.retry, c.dflt, c.nt);
    ASSERT_EQ(buttons.size(), c.cols.size());
    int defaults = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      EXPECT_EQ(buttons[i].col, c.cols[i].first);
      EXPECT_EQ(buttons[i].choice, c.cols[i].second);
      EXPECT_EQ(buttons[i].row, c.row);
      if (buttons[i].isDefault) {
        ++defaults;
        EXPECT_EQ(buttons[i].choice, ErrorChoice::Quit);
      }
    }
    // Quit is the default button with one or three buttons, none with two.
    EXPECT_EQ(defaults, buttons.size() == 2 ? 0 : 1);
  }
  EXPECT_EQ(support::ErrorDialogSize(true).dialogHeight, 250);
  EXPECT_EQ(support::ErrorDialogSize(false).listHeight, 60);
}

}  // namespace
