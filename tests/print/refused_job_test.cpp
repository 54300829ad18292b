// A printer that refuses the job or a page: the user is told once, no page
// call reaches the printer after it, and a report printing there stops as
// a cancelled one does and leaves nothing behind.
//
// How the test printer is made to refuse: an abort procedure that cancels
// the job makes StartDoc fail; the job ended behind the printer's back
// after the first page makes the second page's StartPage fail. A folder in
// place of the printer's output file lets every page through and fails
// EndDoc, which is told too.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/rpreview_state.h"
#include "print/tprinter.h"
#include "services/int32.h"
#include "tests/print/report_fixture.h"
#include "tests/services/box_driver.h"

namespace {

constexpr const char* kCaption = "Printer object Error";

BOOL CALLBACK CancelTheJob(HDC, int) { return FALSE; }

const struct {
  const char* name;
  bool secondPage;  // else the job
  const char* message;
} kRefusals[] = {
    {"the job", false, "Der Druckauftrag konnte nicht gestartet werden."},
    {"the second page", true, "Seite 2 konnte nicht begonnen werden; der Druck wurde abgebrochen."},
};

class RefusedJob : public printtest::ReportPrinting {
 protected:
  void ExpectNothingLeft(const prn::TPrinter& printer) {
    EXPECT_FALSE(printer.hDC);
    EXPECT_FALSE(printer.lStarted);
    EXPECT_EQ(NewTempEntries(), std::vector<std::string>{});
    EXPECT_EQ(NewHandles(), printtest::Tags{});
    EXPECT_EQ(NewBlocks(), 0u);
  }
};

// Pages printed directly: after the refusal the printer has no DC, so the
// pages that follow reach nothing, and PRINTEND has no job to end.
TEST_F(RefusedJob, DirectPagesStopAtTheRefusal) {
  for (const auto& refusal : kRefusals) {
    SCOPED_TRACE(refusal.name);
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); }, kCaption);
    const auto p = prn::PRINTBEGIN(rt::Value("Abgelehnt"));
    ASSERT_TRUE(p->hDC);
    if (!refusal.secondPage) SetAbortProc(p->hDC, CancelTheJob);
    int refusedAt = 0;
    for (int page = 1; page <= 3; ++page) {
      prn::PAGEBEGIN();
      if (!p->hDC && !refusedAt) refusedAt = page;
      p->Say(100, 100, "Seite " + std::to_string(page));
      prn::PAGEEND();
      if (refusal.secondPage && page == 1) EndDoc(p->hDC);
    }
    EXPECT_EQ(refusedAt, refusal.secondPage ? 2 : 1) << "the DC goes at the refusal";
    EXPECT_EQ(p->nPage, refusal.secondPage ? 2 : 0);
    prn::PRINTEND();
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_NE(driver.Seen().Joined().find(refusal.message), std::string::npos) << driver.Seen().Joined();
    EXPECT_FALSE(prn::CurrentPrinter());
    ExpectNothingLeft(*p);
  }
}

// A report on that printer stops as a cancelled one does: no end hooks, no
// preview, nothing left. Refused before its first page, it runs no hook at
// all.
TEST_F(RefusedJob, AReportStopsAsCancelled) {
  for (const auto& refusal : kRefusals) {
    SCOPED_TRACE(refusal.name);
    rt::DBGOTOP();
    const auto report = Declare(false);
    const auto printer = report->oDevice->AsValue().As<prn::TPrinter>();
    ASSERT_TRUE(printer && printer->hDC);
    // Each letter on a page of its own, so that there is a second page.
    report->aGroups[0]->lEject = true;
    auto starts = std::make_shared<int>(0);
    auto ends = std::make_shared<int>(0);
    const auto counter = [](const std::shared_ptr<int>& n) {
      return rt::Value::Block([n](rt::Args) {
        ++*n;
        return rt::Value();
      });
    };
    prn::ReportHooks hooks;
    hooks.bInit = hooks.bStartPage = counter(starts);
    hooks.bEnd = hooks.bPostEnd = counter(ends);
    if (refusal.secondPage) {
      hooks.bPostPage = rt::Value::Block([printer](rt::Args) {
        if (printer->nPage == 1) EndDoc(printer->hDC);
        return rt::Value();
      });
    } else {
      SetAbortProc(printer->hDC, CancelTheJob);
    }
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); }, kCaption);
    report->Activate(hooks);
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_NE(driver.Seen().Joined().find(refusal.message), std::string::npos) << driver.Seen().Joined();
    EXPECT_TRUE(report->lBreak);
    EXPECT_TRUE(report->lFinish);
    EXPECT_EQ(*ends, 0) << "bEnd and bPostEnd skipped";
    EXPECT_EQ(report->nPage, refusal.secondPage ? 1 : 0);
    EXPECT_EQ(*starts, refusal.secondPage ? 2 : 0) << "bInit and bStartPage only for the page that was printed";
    EXPECT_LT(report->nCounter, 5) << "the records stop at the refusal";
    EXPECT_FALSE(prn::preview::IsOpen());
    EXPECT_FALSE(svc::ToHandle(report->oRptWnd)) << "the progress dialog is gone";
    ExpectNothingLeft(*printer);
  }
}

// The pages went through, but the spooler could not write them out: that
// is told at the end, once, and the printer is ended as always.
TEST_F(RefusedJob, AnOutputThatCannotBeWrittenIsToldAtTheEnd) {
  const struct {
    const char* name;
    std::function<std::shared_ptr<prn::TPrinter>()> print;
  } runs[] = {
      {"direct pages",
       [] {
         const auto p = prn::PRINTBEGIN(rt::Value("Abgelehnt"));
         for (int page = 1; page <= 2; ++page) {
           prn::PAGEBEGIN();
           p->Say(100, 100, "Seite " + std::to_string(page));
           prn::PAGEEND();
         }
         EXPECT_EQ(p->nPage, 2);
         prn::PRINTEND();
         return p;
       }},
      {"a report",
       [this] {
         rt::DBGOTOP();
         const auto report = Declare(false);
         report->Activate();
         EXPECT_FALSE(report->lBreak);
         EXPECT_EQ(report->nPage, 1);
         return report->oDevice->AsValue().As<prn::TPrinter>();
       }},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.name);
    ASSERT_TRUE(CreateDirectoryA(printtest::kOutA, nullptr));
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); }, kCaption);
    const auto printer = run.print();
    RemoveDirectoryA(printtest::kOutA);
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_NE(driver.Seen().Joined().find("Der Druckauftrag konnte nicht abgeschlossen werden."), std::string::npos)
        << driver.Seen().Joined();
    ASSERT_TRUE(printer);
    ExpectNothingLeft(*printer);
  }
}

}  // namespace
