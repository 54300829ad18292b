// The shared about box: the splash that closes itself once, a click that
// closes it at once, and the maker lines from the settings.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <string>

#include "apps/common/about_box.h"
#include "core/tdialog.h"
#include "runtime/memvar.h"
#include "services/timer.h"
#include "tests/apps_common/work_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string ChildTexts(HWND dialog) {
  std::string all;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    all += text;
    all += "|";
  }
  return all;
}

common::AboutOptions Splash() {
  common::AboutOptions o;
  o.title = "ZQS Voskdar W\xF6rtbuch v1.41";
  o.timed = true;
  o.lines = common::ReadAboutLines();
  return o;
}

TEST(AboutBox, SplashClosesItselfWithOneTimerAfterItsFirstPaint) {
  common::test::WorkDir dir;
  Clock::time_point shown;
  std::size_t timers = 0;
  bool timerVar = false;
  std::string texts;
  const rt::Value ready = rt::Value::Block([&](rt::Args a) {
    shown = Clock::now();
    const HWND dialog = a[0].As<core::TDialog>()->hWnd;
    for (int i = 0; i < 3; ++i) RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    timers = svc::TimerRegistry().size();
    timerVar = rt::MEMVARGET(common::kAboutTimerVar).As<svc::TTimer>() != nullptr;
    texts = ChildTexts(dialog);
    return rt::Value();
  });
  EXPECT_TRUE(common::AboutInfo(Splash(), ready));
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - shown).count();
  EXPECT_EQ(timers, 1u);
  EXPECT_TRUE(timerVar) << "the timer is held in its private variable while the box is open";
  EXPECT_FALSE(rt::MEMVAREXISTS(common::kAboutTimerVar)) << "released when the box has closed";
  EXPECT_GE(waited, common::kSplashMilliseconds - 100);
  EXPECT_LT(waited, common::kSplashMilliseconds + 3000);
  EXPECT_TRUE(svc::TimerRegistry().empty()) << "the timer ends with the box";
  EXPECT_NE(texts.find("ZQS Sprachsoftware\rAm Wortacker 12\rD-12345 Lexingen"), std::string::npos) << texts;
}

TEST(AboutBox, AClickClosesAtOnceAndTheTimerGoesToo) {
  common::test::WorkDir dir;
  std::ofstream(".\\VOSKDAR.INI") << "[About]\r\nFirma1=Wortwerk\r\nInternet=http://wortwerk.example\r\n";
  std::string texts;
  // Counted from the click, not from before the box was made: on a slow
  // (emulated) machine making the box alone can take longer than its timer.
  Clock::time_point clicked;
  const rt::Value ready = rt::Value::Block([&](rt::Args a) {
    const HWND dialog = a[0].As<core::TDialog>()->hWnd;
    texts = ChildTexts(dialog);
    clicked = Clock::now();
    PostMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 150));
    return rt::Value();
  });
  EXPECT_TRUE(common::AboutInfo(Splash(), ready));
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - clicked).count(),
            common::kSplashMilliseconds);
  EXPECT_TRUE(svc::TimerRegistry().empty());
  EXPECT_NE(texts.find("Wortwerk\r"), std::string::npos) << texts;
  EXPECT_NE(texts.find("http://wortwerk.example\r"), std::string::npos) << texts;
}

// A maker's picture file in the settings gives the second layout: the
// notice with the first maker line, and the reservation line.
TEST(AboutBox, WithAPictureFileTheNoticeAndReservationLines) {
  common::test::WorkDir dir;
  std::ofstream(".\\VOSKDAR.INI") << "[About]\r\nBitmap=hersteller.bmp\r\nFirma1=Wortwerk\r\n";
  std::string texts;
  const rt::Value ready = rt::Value::Block([&](rt::Args a) {
    const auto dialog = a[0].As<core::TDialog>();
    texts = ChildTexts(dialog->hWnd);
    dialog->End();
    return rt::Value();
  });
  common::AboutOptions o = Splash();
  o.timed = false;
  o.lines = common::ReadAboutLines();
  EXPECT_EQ(o.lines.bitmapFile, "hersteller.bmp");
  EXPECT_TRUE(common::AboutInfo(o, ready));
  EXPECT_NE(texts.find("\rWortwerk|"), std::string::npos) << texts;
  EXPECT_NE(texts.find("vorbehalten|"), std::string::npos) << texts;
  EXPECT_EQ(texts.find("Lexingen"), std::string::npos) << texts;
}

TEST(AboutBox, NotShownWhenTheLoaderStartedTheProgram) {
  common::AboutOptions o = Splash();
  o.show = false;
  bool ran = false;
  EXPECT_TRUE(common::AboutInfo(o, rt::Value::Block([&](rt::Args) {
    ran = true;
    return rt::Value();
  })));
  EXPECT_FALSE(ran);
}

}  // namespace
