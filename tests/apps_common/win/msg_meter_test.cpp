// The progress dialog that index builds run in, and the start-up check with
// the programs' own dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "apps/common/check_data.h"
#include "apps/common/index_check.h"
#include "apps/common/marker_files.h"
#include "apps/common/msg_meter.h"
#include "apps/common/transchr.h"
#include "controls/tmeter.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "core/tdialog.h"
#include "core/twindow.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/word_table_fixture.h"
#include "tests/apps_common/work_dir.h"
#include "tests/services/box_driver.h"

namespace {

RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(MsgMeter, RefusesToCloseWhileTheActionRunsAndClosesAfterIt) {
  auto mainWindow = std::make_shared<core::TWindow>();
  mainWindow->New();
  ShowWindow(mainWindow->hWnd, SW_SHOWNORMAL);
  HWND seen = nullptr, owner = nullptr;
  bool openAfterClose = false, endDuringAction = true;
  std::string title, label;
  common::MSGMETER(
      [&](const common::MeterParts& p) {
        seen = p.dialog.hWnd;
        owner = GetWindow(seen, GW_OWNER);
        char text[64] = {};
        GetWindowTextA(seen, text, sizeof text);
        title = text;
        GetWindowTextA(p.label.hWnd, text, sizeof text);
        label = text;
        PostMessageA(seen, WM_CLOSE, 0, 0);
        core::SYSREFRESH();
        openAfterClose = IsWindow(seen) && IsWindowVisible(seen);
        endDuringAction = p.lEnd;
      },
      "Deutsch/Englisch Index aufbauen...", common::kEditorMeterTitle, mainWindow);
  EXPECT_EQ(owner, mainWindow->hWnd);
  mainWindow->Destroy();
  EXPECT_TRUE(openAfterClose);
  EXPECT_FALSE(endDuringAction);
  EXPECT_EQ(title, "Bitte warten ...");
  EXPECT_EQ(label, "Deutsch/Englisch Index aufbauen...");
  ASSERT_NE(seen, nullptr);
  EXPECT_FALSE(IsWindow(seen));
}

TEST(MsgMeter, FrameStyleAndChildrenAtTwiceTheirPixelNumbers) {
  LONG style = 0, exStyle = 0;
  RECT label{}, meter{};
  double total = 0;
  common::MSGMETER(
      [&](const common::MeterParts& p) {
        style = GetWindowLongA(p.dialog.hWnd, GWL_STYLE);
        exStyle = GetWindowLongA(p.dialog.hWnd, GWL_EXSTYLE);
        label = InParent(p.label.hWnd);
        meter = InParent(p.meter.hWnd);
        total = p.meter.nTotal;
      },
      "Text", common::kQuickSearchMeterTitle, nullptr);
  EXPECT_EQ(style & (WS_POPUP | WS_BORDER | WS_THICKFRAME), WS_POPUP | WS_BORDER | WS_THICKFRAME);
  EXPECT_EQ(style & WS_CAPTION, WS_BORDER) << "no title bar";
  EXPECT_EQ(exStyle & WS_EX_CONTEXTHELP, 0);
  EXPECT_EQ(total, 10);
  struct Case {
    const char* name;
    RECT got;
    LONG top, left, width, height;
  };
  for (const Case& c : {Case{"label", label, 5, 1, 130, 10}, Case{"meter", meter, 18, 1, 146, 10}}) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.got.top, 2 * c.top);
    EXPECT_EQ(c.got.left, 2 * c.left);
    // The label counts its corners inside its size and the meter outside,
    // so the sizes differ from twice the pixel numbers by a corner at most.
    EXPECT_NEAR(c.got.right - c.got.left, 2 * c.width, 2);
    EXPECT_NEAR(c.got.bottom - c.got.top, 2 * c.height, 2);
  }
}

// However the action leaves, the dialog is gone and the BREAK reaches the
// caller's sequence.
TEST(MsgMeter, ActionLeavingThroughBreakOrRecoveredErrorEndsTheDialog) {
  struct Case {
    const char* name;
    void (*leave)();
  };
  const Case cases[] = {
      {"BREAK", [] { rt::BREAK(rt::Value("weg")); }},
      {"recovered error", [] {
         rt::ErrorBlockScope scope(rt::Value::Block([](rt::Args a) -> rt::Value { rt::BREAK(a[0]); }));
         rt::RaiseError(rt::MakeError(rt::EG_NOVAR, 1001, "DBFNTX", "FREMD"));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND seen = nullptr;
    bool recovered = false;
    rt::Sequence(
        [&] {
          common::MSGMETER(
              [&](const common::MeterParts& p) {
                seen = p.dialog.hWnd;
                c.leave();
              },
              "Text", common::kEditorMeterTitle, nullptr);
        },
        [&](const rt::Value&) { recovered = true; });
    EXPECT_TRUE(recovered);
    ASSERT_NE(seen, nullptr);
    EXPECT_FALSE(IsWindow(seen));
  }
}

// Collects the titles of the dialogs created on this thread.
class MeterWatch {
 public:
  MeterWatch() : hook_(SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId())) { current = this; }
  ~MeterWatch() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
  }
  std::vector<std::string> titles;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && current) {
      const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      char cls[16] = {};
      GetClassNameA(reinterpret_cast<HWND>(wParam), cls, sizeof cls);
      if (lstrcmpA(cls, "#32770") == 0 && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
        current->titles.emplace_back(cs->lpszName);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline MeterWatch* current = nullptr;
  HHOOK hook_;
};

TEST(CheckDataDialogs, UpdateMarkerAsksThenRebuildsEveryIndexInsideTheMeter) {
  common::test::WorkDir dir;
  common::RegisterWordFunctions();
  ASSERT_TRUE(common::test::MakeWordTable("DEUENG.DBF", common::test::NumberedRows(250)));
  ASSERT_TRUE(common::test::MakeWordTable("DEUFRA.DBF", {{"Apfel", "pomme"}, {"Creme", "cr\xE8me"}}));
  {
    common::CheckDataHooks quiet;
    quiet.notify = [](std::string_view, std::string_view) {};
    quiet.build = [](std::string_view, std::string_view key, std::string_view file) {
      common::BuildIndexFile(key, file, [](long) { return true; });
    };
    common::CheckData(quiet);
  }
  rt::FCLOSE(rt::FCREATE(common::kUpdateMarker, rt::FC_NORMAL));
  ASSERT_TRUE(rt::FileExists(".\\Update.Sem"));

  MeterWatch watch;
  BoxDriver box(BoxDriver::PressEnter);
  EXPECT_TRUE(common::CHECKDATA(common::KeyStyle::Editor, common::kEditorMeterTitle, nullptr));
  const SeenBox& seen = box.Seen();
  EXPECT_TRUE(seen.appeared);
  EXPECT_EQ(seen.caption, "Achtung");
  EXPECT_NE(seen.Joined().find("Sie haben ein Update installiert, die Datenbank wird reorganisiert."), std::string::npos);
  EXPECT_FALSE(rt::FileExists(".\\Update.Sem"));

  const std::vector<std::string> meters(4, "Bitte warten ...");
  std::vector<std::string> shown;
  for (const std::string& t : watch.titles)
    if (t != "Achtung" && !t.empty()) shown.push_back(t);
  EXPECT_EQ(shown, meters);

  struct Expect {
    const char* table;
    const char* index;
    const char* key;
  };
  for (const Expect& e : {Expect{"DEUENG.DBF", "DEUENG1", "upper(DEUTSCH)+upper(FREMD)"}, Expect{"DEUENG.DBF", "DEUENG2", "upper(FREMD)"},
                          Expect{"DEUFRA.DBF", "DEUFRA1", "upper(DEUTSCH)+upper(FREMD)"},
                          Expect{"DEUFRA.DBF", "DEUFRA2", "upper(TransChr(FREMD))"}}) {
    SCOPED_TRACE(e.index);
    ASSERT_TRUE(rt::DBUSEAREA(true, "", e.table, "T", true, true));
    ASSERT_TRUE(rt::ORDLISTADD(e.index));
    EXPECT_EQ(rt::ORDKEY(rt::Value(1)), e.key);
    rt::DBCLOSEAREA();
  }
}

}  // namespace
