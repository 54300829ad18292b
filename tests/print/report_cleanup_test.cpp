// How a report ends when it does not run through: Cancel in its progress
// dialog at every stage, a hook that breaks out, the too-wide question
// answered no; and how the progress dialog holds the program while a
// report, or a report inside another's hook, runs. Once any preview has
// closed, nothing of the report is left: no DC, page file or folder,
// drawing handle or memory block.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "core/message_loop.h"
#include "print/print_settings.h"
#include "print/rpreview_state.h"
#include "print/trfile.h"
#include "runtime/error.h"
#include "services/int32.h"
#include "tests/print/preview_driver.h"
#include "tests/print/report_fixture.h"
#include "tests/services/box_driver.h"

namespace {

using printtest::Count;
using printtest::kOutA;
using printtest::ReadFile;

using ReportCleanup = printtest::ReportPrinting;

HWND ProgressWindow(const prn::TReport& report) {
  return reinterpret_cast<HWND>(svc::ToHandle(report.oRptWnd));
}

// The dialog's Cancel button, clicked.
void ClickCancel(const prn::TReport& report) {
  const HWND dialog = ProgressWindow(report);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
}

TEST_F(ReportCleanup, CancelOrABreakAtEveryStageLeavesNothing) {
  using Stop = std::function<void(prn::TReport&)>;
  const Stop cancel = ClickCancel;
  const Stop breakOut = [](prn::TReport&) { rt::BREAK(rt::Value("raus")); };
  // Where the report is stopped: the hook and when in it.
  const struct {
    const char* stage;
    rt::Value prn::ReportHooks::*hook;
    std::function<bool(prn::TReport&, int call)> now;
  } stages[] = {
      {"before the first line", &prn::ReportHooks::bInit, [](prn::TReport&, int) { return true; }},
      {"in the middle of the page", &prn::ReportHooks::bStartLine, [](prn::TReport&, int call) { return call == 3; }},
      {"in the last group",
       &prn::ReportHooks::bEndGroup, [](prn::TReport& r, int) { return r.aGroups[0]->cValue == "C"; }},
  };
  for (const bool screen : {false, true}) {
    for (const auto& stage : stages) {
      for (const auto& [how, stop] : {std::pair{"Cancel", cancel}, std::pair{"BREAK", breakOut}}) {
        SCOPED_TRACE(std::string(screen ? "preview, " : "printer, ") + stage.stage + ", " + how);
        DeleteFileA(kOutA);
        rt::DBGOTOP();
        const bool running = core::SetRunningFlag(true);
        const auto report = Declare(screen);
        const auto printer = report->oDevice->AsValue().As<prn::TPrinter>();
        ASSERT_TRUE(printer);
        const std::string dir = printer->cDir;
        auto calls = std::make_shared<int>(0);
        auto ends = std::make_shared<int>(0);
        prn::TReport* r = report.get();
        prn::ReportHooks hooks;
        hooks.*stage.hook = rt::Value::Block([r, calls, now = stage.now, stop = stop](rt::Args) {
          if (now(*r, ++*calls) && !r->lBreak) stop(*r);
          return rt::Value();
        });
        hooks.bEnd = hooks.bPostEnd = rt::Value::Block([ends](rt::Args) {
          ++*ends;
          return rt::Value();
        });
        rt::Value broke;
        rt::Sequence([&] { report->Activate(hooks); }, [&](const rt::Value& v) { broke = v; });
        EXPECT_TRUE(report->lBreak);
        EXPECT_EQ(*ends, 0) << "bEnd and bPostEnd skipped";
        EXPECT_EQ(broke.IsString(), std::string(how) == "BREAK");
        // A cancelled preview report shows the pages made so far; a break
        // shows nothing.
        const bool previewed = screen && std::string(how) == "Cancel";
        EXPECT_EQ(prn::preview::IsOpen(), previewed);
        if (previewed) {
          EXPECT_GE(prn::preview::PageCount(), 1);
          EXPECT_EQ(prn::preview::Current().device, printer);
          EXPECT_TRUE(printtest::ClosePreview());
        }
        core::SetRunningFlag(running);
        // The printer keeps the pages printed before Cancel; a preview
        // report prints nothing.
        const int printed = Count(ReadFile(kOutA), "%%Page: ");
        if (screen) {
          EXPECT_EQ(printed, 0);
        } else if (std::string(how) == "Cancel") {
          EXPECT_GE(printed, 1);
        }
        EXPECT_FALSE(printer->hDC);
        EXPECT_FALSE(ProgressWindow(*report));
        EXPECT_EQ(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
        EXPECT_EQ(NewHandles(), printtest::Tags{});
  EXPECT_EQ(NewBlocks(), 0u);
        EXPECT_EQ(NewBlocks(), 0u);
      }
    }
  }
}

// A report without rows prints its one page and ends.
TEST_F(ReportCleanup, AReportWithoutRowsEndsCleanly) {
  const auto report = Declare(false);
  rt::DBGOBOTTOM();
  rt::DBSKIP(1);
  report->Activate();
  EXPECT_FALSE(report->lBreak);
  EXPECT_EQ(report->nPage, 1);
  EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 1);
  EXPECT_FALSE(report->oDevice->AsValue().As<prn::TPrinter>()->hDC);
  EXPECT_EQ(NewHandles(), printtest::Tags{});
  EXPECT_EQ(NewBlocks(), 0u);
}

// The window that was active while the report runs is disabled, so that
// nothing moves under the report; a report run inside another's hook has
// a dialog of its own and leaves the outer one working.
TEST_F(ReportCleanup, TheProgressDialogHoldsTheProgramAndANestedReportKeepsTheOuterOne) {
  const HWND owner = CreateWindowExA(0, "STATIC", "Programm", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(owner);
  SetForegroundWindow(owner);
  SetActiveWindow(owner);
  ASSERT_EQ(GetActiveWindow(), owner);
  const std::string file = Scratch("inner.txt");
  const auto outer = Declare(false);
  prn::TReport* o = outer.get();
  struct Seen {
    bool ownerEnabled = true, innerHadItsOwnDialog = false, outerDialogKept = false;
    std::string outerPage;
  };
  auto seen = std::make_shared<Seen>();
  prn::ReportHooks hooks;
  hooks.bInit = rt::Value::Block([o, owner, seen, file](rt::Args) {
    seen->ownerEnabled = IsWindowEnabled(owner);
    const HWND outerDialog = ProgressWindow(*o);
    prn::ReportArgs args;
    args.cFile = rt::Value(file);
    const auto inner = prn::RPTBEGIN(args);
    rt::Value column[] = {rt::Value::Array({rt::Value("Innen")}), rt::Value(0), rt::Value("x")};
    prn::RPTADDCOLUMN(column);
    prn::RPTEND();
    inner->bSkip = rt::Value::Block([](rt::Args) { return rt::Value(); });
    prn::TReport* in = inner.get();
    auto once = std::make_shared<bool>(true);
    prn::ReportHooks innerHooks;
    innerHooks.bWhile = rt::Value::Block([once](rt::Args) { return rt::Value(std::exchange(*once, false)); });
    innerHooks.bInit = rt::Value::Block([in, outerDialog, seen](rt::Args) {
      seen->innerHadItsOwnDialog = ProgressWindow(*in) && ProgressWindow(*in) != outerDialog;
      return rt::Value();
    });
    inner->Activate(innerHooks);
    seen->outerDialogKept = ProgressWindow(*o) == outerDialog && IsWindow(outerDialog);
    char page[32] = {};
    GetDlgItemTextA(outerDialog, 101, page, sizeof page);
    seen->outerPage = page;
    ClickCancel(*o);
    return rt::Value();
  });
  outer->Activate(hooks);
  EXPECT_FALSE(seen->ownerEnabled) << "the program is held while the report runs";
  EXPECT_TRUE(seen->innerHadItsOwnDialog);
  EXPECT_TRUE(seen->outerDialogKept);
  EXPECT_EQ(seen->outerPage, "Seite 1");
  EXPECT_TRUE(outer->lBreak) << "the outer Cancel still works";
  EXPECT_EQ(outer->nCounter, 0) << "no record was read";
  EXPECT_TRUE(IsWindowEnabled(owner)) << "and let go afterwards";
  DestroyWindow(owner);
}

// The too-wide question is the library's, on the real box; no prints
// nothing, and the printer is back in portrait.
TEST_F(ReportCleanup, TheTooWideQuestionShowsTheLibrarysTexts) {
  const int orientation = prn::PRNGETORIENTATION();
  prn::ReportArgs args;
  args.lPrinter = rt::Value(true);
  const auto report = prn::RPTBEGIN(args);
  rt::Value wide[] = {rt::Value::Array({rt::Value("Breit")}), rt::Value(0), rt::Value("x"), rt::Value(400)};
  prn::RPTADDCOLUMN(wide);
  prn::RPTEND();
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDNO); });
  report->Activate();
  EXPECT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(driver.Seen().caption, "Bericht zu breit");
  EXPECT_NE(driver.Seen().Joined().find("Der Bericht ist breiter als die Seite. Trotzdem drucken?"), std::string::npos)
      << driver.Seen().Joined();
  EXPECT_TRUE(report->lIsNarrow) << "landscape was tried first";
  EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 0);
  EXPECT_FALSE(report->oDevice->AsValue().As<prn::TPrinter>()->hDC);
  EXPECT_EQ(prn::PRNGETORIENTATION(), orientation);
  EXPECT_EQ(NewHandles(), printtest::Tags{});
  EXPECT_EQ(NewBlocks(), 0u);
}

}  // namespace
