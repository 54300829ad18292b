// The error handler under Wine: the quiet defaults, the report and the
// dialog, and every way it ends the program. VD_ERROR_SHOT names a BMP file
// that receives the error dialog as shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/library_error.h"
#include "core/message_loop.h"
#include "runtime/arith.h"
#include "runtime/callstack.h"
#include "runtime/error.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "services/timer.h"
#include "support/error_dialog.h"
#include "support/errorsys.h"
#include "tests/runtime/scratch_dir.h"
#include "tests/services/box_driver.h"
#include "tests/graphics/window_shot.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
    lines.push_back(text.substr(from, end - from));
  return lines;
}

struct ChildText {
  std::string cls, text;
  RECT rect;
};

std::vector<ChildText> Children(HWND dlg) {
  std::vector<ChildText> out;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    ChildText t;
    char buf[512] = {};
    GetClassNameA(c, buf, sizeof buf);
    t.cls = buf;
    GetWindowTextA(c, buf, sizeof buf);
    t.text = buf;
    GetWindowRect(c, &t.rect);
    MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&t.rect), 2);
    out.push_back(t);
  }
  return out;
}

// The handler installed for one test, and nothing afterwards.
class Handler {
 public:
  Handler() : scope_(rt::ERRORBLOCK()) { support::ERRORSYS(); }

 private:
  rt::ErrorBlockScope scope_;
};

TEST(ErrorSys, RecoverableErrorsPassQuietly) {
  rt::test::ScratchDir dir;
  Handler handler;
  auto dialogShown = std::make_shared<bool>(false);
  auto none = std::make_unique<BoxDriver>([dialogShown](HWND box) {
    *dialogShown = true;
    PostMessageA(box, WM_CLOSE, 0, 0);
  });

  EXPECT_EQ(rt::Divide(rt::Value(7), rt::Value(0)), rt::Value(0));

  const std::string table = dir.In("HELD.DBF");
  ASSERT_TRUE(rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"NAME", "C", 10, 0})})));
  ASSERT_TRUE(rt::DBUSEAREA(true, "DBFNTX", table, "FIRST", false));
  rt::NETERR(false);
  EXPECT_FALSE(rt::DBUSEAREA(true, "DBFNTX", table, "SECOND", true));
  EXPECT_TRUE(rt::NETERR());
  rt::DBCLOSEALL();

  // An append lock that can default, and one of each kind that may not.
  struct Case {
    int genCode, osCode;
    bool canDefault;
    rt::Value expected;
  } quiet[] = {
      {rt::EG_APPENDLOCK, 0, true, rt::Value(false)},
      {rt::EG_OPEN, 5, true, rt::Value(false)},
      {rt::EG_OPEN, 32, true, rt::Value(false)},
  };
  for (const Case& c : quiet) {
    auto e = rt::MakeError(c.genCode, 1001, "DBFNTX", "TEST");
    e->osCode = c.osCode;
    e->canDefault = c.canDefault;
    rt::NETERR(false);
    EXPECT_EQ(support::ERRORDIALOG(rt::Value(rt::ObjectPtr(e))), c.expected) << c.genCode;
    EXPECT_TRUE(rt::NETERR()) << c.genCode;
  }
  none.reset();
  EXPECT_FALSE(*dialogShown);
}

HWND ButtonOf(HWND dlg, const std::string& caption) {
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char text[64] = {};
    GetWindowTextA(c, text, sizeof text);
    if (caption == text) return c;
  }
  return nullptr;
}

// With the message loop running, "&Retry" answers .T. and "&Default" .F.,
// and each later error gets the dialog again: the handler's own block is
// back after every answer.
TEST(ErrorSys, RetryAndDefaultAnswerAndTheNextErrorShowsTheDialogAgain) {
  rt::test::ScratchDir dir;
  const std::string previous = std::filesystem::current_path().string();
  SetCurrentDirectoryA(dir.Dir().string().c_str());
  Handler handler;
  const bool running = core::SetRunningFlag(true);
  struct Case {
    const char* press;
    rt::ErrorOutcome::Kind expected;
  } cases[] = {{"&Default", rt::ErrorOutcome::Default},
               {"&Retry", rt::ErrorOutcome::Retry},
               {"&Default", rt::ErrorOutcome::Default}};
  for (const Case& c : cases) {
    std::vector<std::string> buttons;
    BoxDriver driver([&](HWND box) {
      for (const ChildText& t : Children(box))
        if (t.cls == "Button") buttons.push_back(t.text);
      if (HWND b = ButtonOf(box, c.press)) PostMessageA(b, BM_CLICK, 0, 0);
    });
    auto e = rt::MakeError(rt::EG_WRITE, 1011, "DBFNTX", "DBAPPEND");
    e->canRetry = true;
    e->canDefault = true;
    EXPECT_EQ(rt::RaiseError(e).kind, c.expected) << c.press;
    EXPECT_EQ(driver.Seen().caption, support::kErrorDialogTitle);
    EXPECT_EQ(buttons, (std::vector<std::string>{"&Quit", "&Retry", "&Default", "See Error.log file"})) << c.press;
  }
  // A division by zero afterwards is quiet again, not a stop box.
  EXPECT_EQ(rt::Divide(rt::Value(1), rt::Value(0)), rt::Value(0));
  core::SetRunningFlag(running);
  SetCurrentDirectoryA(previous.c_str());
}

TEST(LibraryError, TheSixErrorsAndNoSeventh) {
  struct Case {
    const char* description;
    int severity;
    const char* subSystem;
    int subCode;
  } cases[] = {
      {"Non defined Id", 3, "Vindral", 1},         {"Duplicated Id", 3, "Vindral", 2},
      {"Cannot create Dialog Box", 3, "Vindral", 3}, {"Memory Low", 1, "BASE", 5300},
      {"GPF occurred", 3, "Vindral", 5},           {"Cannot create window or control", 3, "Vindral", 6},
  };
  for (int n = 1; n <= 6; ++n) {
    const Case& c = cases[n - 1];
    const rt::ErrorPtr e = core::VDGENERROR(n, "op");
    ASSERT_TRUE(e) << n;
    EXPECT_EQ(e->description, c.description);
    EXPECT_EQ(e->severity, c.severity);
    EXPECT_EQ(e->subSystem, c.subSystem);
    EXPECT_EQ(e->subCode, c.subCode);
    EXPECT_EQ(e->canDefault, c.severity < 3);
    EXPECT_EQ(e->operation, "op");
  }
  EXPECT_FALSE(core::VDGENERROR(7, "op"));
  EXPECT_FALSE(core::VDGENERROR(0, "op"));
}

// An error the handler reports; the child process of a death test runs it.
constexpr int kRaiserLine = __LINE__ + 2;
[[noreturn]] void ReportAndQuit(const rt::ErrorPtr& e) {
  RT_PROC("RAISER");
  rt::Value args[] = {rt::Value("W\xFC" "rter.dbf"), rt::Value(3)};
  rt::CallGuard inner("OPENWORDS", 77, rt::Args(args));
  rt::RaiseError(e);
  std::_Exit(99);
}

// The log with what differs from machine to machine and run to run masked:
// times, sizes, memory figures, the program path, the processor, the
// Windows version, the running applications and the classes the test
// program happens to register.
std::string Masked(const std::string& log) {
  const struct {
    const char* start;
    const char* mask;
  } masks[] = {
      {"   Path and name: ", "<program>"},    {"   Size: ", "<size>"},
      {"   Time from start: ", "<time>"},     {"   Error occurred at: ", "<when>"},
      {"   CPU type: ", "<cpu>"},             {"   Hardware memory: ", "<memory>"},
      {"   Windows version: ", "<windows>"},  {"   Windows total applications running: ", "<count>"},
      {"      Actual  Value: ", "<bytes>"},   {"      Highest Value: ", "<bytes>"},
  };
  std::string out;
  bool skipping = false;  // the lines of a masked list
  for (const std::string& line : Lines(log)) {
    std::string kept = line;
    if (skipping) {
      if (line.empty() || line == "Memory Analysis") {
        skipping = false;
      } else {
        continue;
      }
    }
    for (const auto& m : masks)
      if (line.rfind(m.start, 0) == 0) kept = std::string(m.start) + m.mask;
    if (line.ends_with(" Static variables")) kept = "   <count> Static variables";
    if (line.rfind("   Called from RAISER(", 0) == 0 && line == "   Called from RAISER(" + std::to_string(kRaiserLine) + ")")
      kept = "   Called from RAISER(<line>)";
    out += kept + "\r\n";
    if (line.rfind("   Windows total applications running: ", 0) == 0) {
      out += "<applications>\r\n";
      skipping = true;
    }
    if (line == "===============" && out.find("Classes in use:\r\n===============\r\n") != std::string::npos &&
        out.find("<classes>") == std::string::npos) {
      out += "<classes>\r\n";
      skipping = true;
    }
  }
  return out;
}

TEST(ErrorSysDeathTest, QuitWritesTheLogAndEndsWithCodeOne) {
  rt::test::ScratchDir dir;
  auto e = rt::MakeError(rt::EG_CORRUPTION, 1012, "DBFNTX", "DBUSEAREA");
  e->filename = "DEUENG.DBF";
  e->args = rt::Value::Array({rt::Value("x\r\ny"), rt::Value(), rt::Value::Array({})});
  EXPECT_EXIT(
      {
        SetCurrentDirectoryA(dir.Dir().string().c_str());
        Handler handler;
        const std::string table = dir.In("WORDS.DBF");
        rt::DBCREATE(table, rt::Value::Array({rt::Value::Array({"NAME", "C", 10, 0})}));
        rt::DBUSEAREA(true, "DBFNTX", table, "WORDS", false);
        rt::ORDCREATE(dir.In("WORDS1"), "WORDS1", "NAME");
        BoxDriver driver([](HWND box) {
          std::string seen;
          char caption[64] = {};
          GetWindowTextA(box, caption, sizeof caption);
          seen += std::string("caption=") + caption + "|";
          for (const ChildText& c : Children(box)) seen += c.cls + ":" + c.text + "|";
          if (const char* shot = std::getenv("VD_ERROR_SHOT")) {
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            SaveWindowShot(box, shot);
          }
          // "See Error.log file" opens the log in Notepad, which is found
          // and closed again before the dialog.
          if (HWND see = FindWindowExA(box, nullptr, "Button", "See Error.log file"))
            PostMessageA(see, BM_CLICK, 0, 0);
          HWND notepad = nullptr;
          for (int tries = 0; tries < 1500 && !(notepad = FindWindowA("Notepad", nullptr)); ++tries)
            WaitForSingleObject(GetCurrentProcess(), 20);
          if (notepad) {
            // Its title names the file once it is loaded.
            char title[128] = {};
            for (int tries = 0; tries < 1500; ++tries) {
              GetWindowTextA(notepad, title, sizeof title);
              if (std::string(title).find("rror.log") != std::string::npos) break;
              WaitForSingleObject(GetCurrentProcess(), 20);
            }
            seen += std::string("notepad=") + title + "|";
            PostMessageA(notepad, WM_CLOSE, 0, 0);
          }
          std::fprintf(stderr, "%s\n", seen.c_str());
          // Closing the dialog is the same as Quit.
          PostMessageA(box, WM_CLOSE, 0, 0);
        });
        ReportAndQuit(e);
      },
      ::testing::ExitedWithCode(1),
      "caption=Vindral for Harbour\\|.*Error description: Error DBFNTX/1012  .*: DEUENG.DBF\\|.*&Stack List\\|.*notepad=.*rror\\.log");

  const std::vector<std::string> lines = Lines(ReadFile(dir.In("Error.log")));
  ASSERT_GT(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Application");
  EXPECT_EQ(lines[1], std::string(11, '='));
  std::vector<std::string> headings;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    if (!lines[i].empty() && lines[i].find_first_not_of('=') == std::string::npos &&
        lines[i].size() == lines[i - 1].size() && lines[i - 1].rfind("   ", 0) != 0)
      headings.push_back(lines[i - 1]);
  }
  EXPECT_EQ(headings, (std::vector<std::string>{"Application", "Stack Calls", "System", "Variables in use",
                                                "Linked RDDs", "DataBases in use", "Classes in use:",
                                                "Memory Analysis"}));
  const std::string text = ReadFile(dir.In("Error.log"));
  EXPECT_NE(text.find("\r\n   Called from OPENWORDS(77)\r\n   Called from RAISER("), std::string::npos) << text;
  EXPECT_NE(text.find("     Param   1:    C    \"W\xFC" "rter.dbf\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("     [   1] = C   x  y\r\n"), std::string::npos);
  EXPECT_NE(text.find(": => WORDS"), std::string::npos);
  EXPECT_NE(text.find("=> NAME"), std::string::npos);
  EXPECT_NE(text.find("   Windows total applications running: "), std::string::npos);
  EXPECT_TRUE(lines.back().ends_with(" bytes")) << lines.back();
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(Masked(text), ReadFile(std::string(VD_SUPPORT_FIXTURES) + "/error_log_handler.golden"));
}

TEST(ErrorSysDeathTest, AnUnwritableLogStillShowsTheDialog) {
  rt::test::ScratchDir dir;
  // A folder of that name: the log cannot be written.
  std::filesystem::create_directories(dir.Dir() / "Error.log");
  EXPECT_EXIT(
      {
        SetCurrentDirectoryA(dir.Dir().string().c_str());
        Handler handler;
        BoxDriver driver([](HWND box) {
          std::fprintf(stderr, "dialog shown\n");
          PostMessageA(box, WM_CLOSE, 0, 0);
        });
        ReportAndQuit(core::VDGENERROR(6, "no window"));
      },
      ::testing::ExitedWithCode(1), "dialog shown");
  EXPECT_TRUE(std::filesystem::is_directory(dir.Dir() / "Error.log"));
}

TEST(ErrorSysDeathTest, AnErrorWhileTheDialogIsOpenEndsTheProgram) {
  rt::test::ScratchDir dir;
  EXPECT_EXIT(
      {
        SetCurrentDirectoryA(dir.Dir().string().c_str());
        Handler handler;
        BoxDriver driver([](HWND) {});
        // Fires in the dialog's own loop; the stop box that follows is
        // answered by a second driver.
        auto timer = std::make_shared<svc::TTimer>();
        std::shared_ptr<BoxDriver> stopBox;
        timer->New(10, rt::Value::Block([&](rt::Args) {
          if (!FindWindowA(nullptr, support::kErrorDialogTitle) || stopBox) return rt::Value();
          stopBox = std::make_shared<BoxDriver>([](HWND box) {
            char text[256] = {};
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            std::fprintf(stderr, "stop box: %s\n", text);
            BoxDriver::PressEnter(box);
          });
          rt::Divide(rt::Value("a"), rt::Value(1));
          return rt::Value();
        }));
        timer->Activate();
        ReportAndQuit(core::VDGENERROR(1, "No: 7"));
      },
      ::testing::ExitedWithCode(1), "stop box: .*Error BASE/.* from Errorsys, line:");
}

}  // namespace
