// The native fault report and the way callbacks end on a C++ exception.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/fault_report.h"
#include "core/message_loop.h"
#include "core/startup.h"
#include "runtime/callstack.h"
#include "runtime/error.h"
#include "services/timer.h"
#include "test_support.h"

namespace {

using coretest::BoxWatch;

std::string Report(std::size_t room = core::kFaultTextMax + 1) {
  std::string out(room, '#');
  const std::size_t n = core::FormatFaultReport(std::span<char>(out.data(), room));
  EXPECT_LT(n, room);
  EXPECT_EQ(out[n], '\0');
  EXPECT_EQ(out.find_first_not_of('#', n + 1), std::string::npos) << "written past the terminator";
  return out.substr(0, n);
}

TEST(FaultReport, ListsTheCallStackInnermostFirst) {
  RT_PROC("FAULTMAIN");
  RT_LINE();
  {
    rt::CallGuard method("TBROWSE", "PAINT", 77);
    EXPECT_EQ(Report(), "Called from TBROWSE:PAINT(77)\nCalled from FAULTMAIN(" + std::to_string(__LINE__ - 3) + ")\n");
  }
}

void Nest(int depth, const std::function<void()>& atBottom) {
  static const std::string name(200, 'N');
  rt::CallGuard guard(name.c_str(), depth);
  if (depth == 1) {
    atBottom();
  } else {
    Nest(depth - 1, atBottom);
  }
}

TEST(FaultReport, StaysWithinItsBoundsOnADeepStack) {
  Nest(100, [] {
    const std::string text = Report();
    EXPECT_LE(text.size(), core::kFaultTextMax);
    EXPECT_GT(text.size(), core::kFaultTextMax - core::kFaultLineMax);
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
      EXPECT_LE(line.size() + 1, core::kFaultLineMax);
      EXPECT_EQ(line.rfind("Called from NNN", 0), 0u);
      ++count;
    }
    EXPECT_EQ(count * core::kFaultLineMax, text.size()) << "whole lines only";
    EXPECT_EQ(text.back(), '\n');

    const std::string small = Report(40);
    EXPECT_TRUE(small.empty()) << "no line fits: nothing is written";
  });
}

// Faults below happen in a child process: the report box is read and closed
// by the BoxWatch (which echoes it to stderr), then the process ends.
int* volatile g_invalid = reinterpret_cast<int*>(16);

void Fault() { *g_invalid = 1; }

class Faulty : public core::TWindow {
 public:
  rt::Value LButtonDown(long, long, long) override {
    RT_METHOD("TFAULTY", "LBUTTONDOWN");
    Fault();
    return rt::Value();
  }
  rt::Value Timer(LPARAM, LPARAM) override {
    RT_METHOD("TFAULTY", "TIMER");
    Fault();
    return rt::Value();
  }
};

std::shared_ptr<Faulty> LinkedFaulty() {
  auto w = std::make_shared<Faulty>();
  w->hWnd = coretest::NewTestWindow();
  w->Link();
  return w;
}

const int kAccessViolation = static_cast<int>(EXCEPTION_ACCESS_VIOLATION);

TEST(FaultReportDeathTest, WindowProcedureFaultIsReported) {
  EXPECT_EXIT(
      {
        RT_PROC("FAULTTEST");
        BoxWatch watch(true);
        auto w = LinkedFaulty();
        SendMessageA(w->hWnd, WM_LBUTTONDOWN, 0, 0);
      },
      ::testing::ExitedWithCode(kAccessViolation),
      "Vindral for Harbour GPF occurred\\|Called from TFAULTY:LBUTTONDOWN\\(\\d+\\)\\s"
      "Called from TWINDOW:LButtonDown\\(0\\)\\sCalled from FAULTTEST\\(");
}

TEST(FaultReportDeathTest, TimerMessageFaultIsReported) {
  EXPECT_EXIT(
      {
        BoxWatch watch(true);
        auto w = LinkedFaulty();
        SetTimer(w->hWnd, 1, 1, nullptr);
        core::WINRUN(w->hWnd);
      },
      ::testing::ExitedWithCode(kAccessViolation), "Vindral for Harbour GPF occurred\\|Called from TFAULTY:TIMER\\(");
}

TEST(FaultReportDeathTest, TimerActionFaultIsReported) {
  // The library's own timer procedure runs the action. Windows swallows a
  // fault inside a timer procedure: without the guard the fault would go
  // unseen, the posted quit would end the loop and the process would exit
  // with 0.
  EXPECT_EXIT(
      {
        BoxWatch watch(true);
        core::CoreStartup();
        auto timer = std::make_shared<svc::TTimer>();
        timer->New(1, rt::Value::Block([timer](rt::Args) {
          RT_PROC("TIMERACTION");
          timer->End();
          PostQuitMessage(0);
          Fault();
          return rt::Value();
        }));
        timer->Activate();
        core::WINRUN();
        std::exit(0);
      },
      ::testing::ExitedWithCode(kAccessViolation), "Vindral for Harbour GPF occurred\\|Called from TIMERACTION\\(");
}

TEST(FaultReportDeathTest, FaultOutsideCallbacksReachesTheFilter) {
  EXPECT_EXIT(
      {
        BoxWatch watch(true);
        core::CoreStartup();
        RT_PROC("PLAINCODE");
        Fault();
      },
      ::testing::ExitedWithCode(kAccessViolation), "Vindral for Harbour GPF occurred\\|Called from PLAINCODE\\(");
}

class Breaking : public core::TWindow {
 public:
  rt::Value Command(LPARAM, LPARAM) override {
    RT_METHOD("TBREAKING", "COMMAND");
    rt::BREAK(rt::Value(1));
  }
};

TEST(CallbackGuardDeathTest, ExceptionInAWindowProcedureEndsThroughTheRuntime) {
  char dir[MAX_PATH] = {};
  GetTempPathA(sizeof dir, dir);
  // The child process runs this function again: the name must be the same.
  const std::string work = std::string(dir) + "vdcore-break-test";
  CreateDirectoryA(work.c_str(), nullptr);
  EXPECT_EXIT(
      {
        RT_PROC("BREAKTEST");
        SetCurrentDirectoryA(work.c_str());
        BoxWatch watch(true);
        auto w = std::make_shared<Breaking>();
        w->hWnd = coretest::NewTestWindow();
        w->Link();
        SendMessageA(w->hWnd, WM_COMMAND, 1, 0);
      },
      ::testing::ExitedWithCode(1), "Fehler\\|Unrecoverable error: BREAK outside of any sequence");
  std::ifstream log(work + "\\error.log", std::ios::binary);
  std::stringstream text;
  text << log.rdbuf();
  EXPECT_EQ(text.str().rfind("Unrecoverable error: BREAK outside of any sequence\r\n", 0), 0u) << text.str();
  EXPECT_NE(text.str().find("Called from BREAKTEST("), std::string::npos) << text.str();
  log.close();
  DeleteFileA((work + "\\error.log").c_str());
  RemoveDirectoryA(work.c_str());
}

}  // namespace
