// The MDI frame with its client and documents, the frame's own menu and the
// find dialog, whose find message reaches the dialog through its owner.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "controls/menu_functions.h"
#include "controls/tmenu.h"
#include "core/tdlg_find.h"
#include "core/tmdi_child.h"
#include "core/tmdi_client.h"
#include "core/tmdi_frame.h"

namespace {

// Runs what is queued now; bounded, as a window that keeps repainting
// never leaves the queue empty.
void Pump() {
  MSG msg;
  for (int i = 0; i < 500 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::string MenuText(HMENU menu, int pos) {
  char text[128] = {};
  GetMenuStringA(menu, static_cast<UINT>(pos), text, sizeof text, MF_BYPOSITION);
  return text;
}

RECT RectOf(HWND hWnd) {
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  return rc;
}

bool Overlap(const RECT& a, const RECT& b) {
  RECT both{};
  return IntersectRect(&both, &a, &b) != FALSE;
}

// A frame of 640 x 480 pixels with its own menu, destroyed at the end.
struct Frame {
  std::shared_ptr<core::TMdiFrame> frame = std::make_shared<core::TMdiFrame>();
  explicit Frame(bool placed = true) {
    core::MdiFrameArgs a;
    if (placed) {
      a.nTop = rt::Value(0);
      a.nLeft = rt::Value(0);
      a.nBottom = rt::Value(479);
      a.nRight = rt::Value(639);
      a.lPixel = rt::Value(true);
    }
    a.cTitle = rt::Value("Vindral MDI");
    frame->New(a);
    ShowWindow(frame->hWnd, SW_SHOW);
    Pump();
  }
  ~Frame() {
    if (IsWindow(frame->hWnd)) DestroyWindow(frame->hWnd);
    Pump();
  }
  std::shared_ptr<core::TMdiClient> Client() const { return frame->oWndClient.As<core::TMdiClient>(); }
  std::shared_ptr<core::TMdiChild> NewChild(const char* title) const {
    rt::Value args[5];
    args[4] = rt::Value(title);
    const auto child = frame->ChildNew(rt::Args(args, 5)).As<core::TMdiChild>();
    Pump();
    return child;
  }
};

TEST(TMdiFrame, WithoutMenuBuildsChildsWindowListAndHelp) {
  Frame f;
  const HMENU bar = GetMenu(f.frame->hWnd);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 0), "&Childs");
  EXPECT_EQ(MenuText(bar, 1), "&Window");
  EXPECT_EQ(MenuText(bar, 2), "&Help");
  const HMENU childs = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(childs), 3);
  EXPECT_EQ(MenuText(childs, 0), "New...");
  EXPECT_EQ(GetMenuState(childs, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(childs, 2), "E&xit");
  EXPECT_EQ(core::GETWNDFRAME(), f.frame->Self());

  // "New..." opens a document through the frame.
  const auto menu = f.frame->oMenuStart.As<ctl::TMenu>();
  ASSERT_TRUE(menu);
  menu->Command(static_cast<long>(GetMenuItemID(childs, 0)));
  Pump();
  EXPECT_EQ(f.Client()->aWnd.Len(), 1u);
}

TEST(TMdiFrame, WithoutCoordinatesTakesTheSystemsDefaultPlace) {
  Frame f(false);
  const RECT rc = RectOf(f.frame->hWnd);
  EXPECT_GT(rc.right - rc.left, 100);
  EXPECT_LT(rc.right - rc.left, GetSystemMetrics(SM_CXSCREEN) + 100);
  EXPECT_LT(rc.bottom - rc.top, GetSystemMetrics(SM_CYSCREEN) + 100);
}

TEST(TMdiClient, TwoChildrenTileCascadeNextAndTheWindowList) {
  Frame f;
  const auto a = f.NewChild("Dokument A");
  const auto b = f.NewChild("Dokument B");
  ASSERT_TRUE(a && b);
  const auto client = f.Client();
  ASSERT_EQ(client->aWnd.Len(), 2u);
  EXPECT_EQ(client->GetActive(), b->Self());
  EXPECT_EQ(f.frame->oWndActive, b->Self());

  f.frame->Tile();
  Pump();
  EXPECT_FALSE(Overlap(RectOf(a->hWnd), RectOf(b->hWnd)));
  f.frame->Cascade();
  Pump();
  const RECT ra = RectOf(a->hWnd), rb = RectOf(b->hWnd);
  EXPECT_TRUE(Overlap(ra, rb));
  EXPECT_NE(ra.top, rb.top);

  f.frame->NextWindow();
  Pump();
  EXPECT_EQ(client->GetActive(), a->Self());
  client->Select(2);
  Pump();
  EXPECT_EQ(client->GetActive(), b->Self());

  // The system lists the documents in the frame's window pop-up.
  const HMENU window = GetSubMenu(GetMenu(f.frame->hWnd), 1);
  std::string all;
  for (int i = 0; i < GetMenuItemCount(window); ++i) all += MenuText(window, i) + "|";
  EXPECT_NE(all.find("Dokument A"), std::string::npos) << all;
  EXPECT_NE(all.find("Dokument B"), std::string::npos) << all;
  // Its entries are the system's: the frame leaves them to the frame procedure.
  EXPECT_TRUE(f.frame->Command(1, 0).IsNil());
}

TEST(TMdiClient, CloseAllStopsAtTheChildThatRefuses) {
  Frame f;
  const auto keeps = f.NewChild("Bleibt");
  f.NewChild("Geht");
  keeps->bValid = rt::Value::Block([](rt::Args) { return rt::Value(false); });
  EXPECT_FALSE(f.Client()->lCloseAll());
  ASSERT_EQ(f.Client()->aWnd.Len(), 1u);
  EXPECT_EQ(f.Client()->aWnd.At(1), keeps->Self());
  EXPECT_TRUE(IsWindow(keeps->hWnd));
  EXPECT_FALSE(f.frame->End());

  keeps->bValid = rt::Value();
  EXPECT_TRUE(f.frame->End());
  EXPECT_EQ(f.Client()->aWnd.Len(), 0u);
  EXPECT_TRUE(f.frame->oWndActive.IsNil());
}

TEST(TMdiChild, CtrlF4ClosesOnlyThatChildAndEscapeEndsIt) {
  Frame f;
  const auto a = f.NewChild("Eins");
  const auto b = f.NewChild("Zwei");
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageA(b->hWnd, WM_KEYDOWN, VK_F4, 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  Pump();
  EXPECT_FALSE(IsWindow(b->hWnd));
  EXPECT_TRUE(IsWindow(a->hWnd));
  ASSERT_EQ(f.Client()->aWnd.Len(), 1u);

  SendMessageA(a->hWnd, WM_CHAR, VK_ESCAPE, 0);
  Pump();
  EXPECT_EQ(f.Client()->aWnd.Len(), 0u);
}

// A find dialog that records the finds which reach it.
class RecordingFind : public core::TDlgFind {
 public:
  int finds = 0;
  std::string text;
  rt::Value FindEvent(LPARAM pFindReplace) override {
    const auto* record = reinterpret_cast<const FINDREPLACEA*>(pFindReplace);
    if (record->Flags & FR_FINDNEXT) {
      ++finds;
      text = record->lpstrFindWhat;
    }
    return core::TDlgFind::FindEvent(pFindReplace);
  }
};

TEST(TDlgFind, TheFindMessageToTheOwnerReachesItsFindDialog) {
  Frame f;
  auto dialog = std::make_shared<RecordingFind>();
  dialog->New("Gr\xF6\xDF" "e", f.frame->Self());
  ASSERT_NE(dialog->hWnd, nullptr);
  EXPECT_NE(core::TDlgFind::nFindMsgString, 0u);
  char shown[64] = {};
  GetDlgItemTextA(dialog->hWnd, 0x480, shown, sizeof shown);
  EXPECT_STREQ(shown, "Gr\xF6\xDF" "e");

  SetDlgItemTextA(dialog->hWnd, 0x480, "Wort");
  SendMessageA(dialog->hWnd, WM_COMMAND, IDOK, 0);
  Pump();
  EXPECT_EQ(dialog->finds, 1);
  EXPECT_EQ(dialog->text, "Wort");

  // Another window's find message is not this dialog's.
  rt::Value result;
  EXPECT_FALSE(core::RouteFindMessage(GetDesktopWindow(), core::TDlgFind::nFindMsgString, 0, 0, result));

  SendMessageA(dialog->hWnd, WM_COMMAND, IDCANCEL, 0);
  Pump();
  EXPECT_FALSE(IsWindow(dialog->hWnd));
  EXPECT_EQ(dialog->finds, 1);
}

// Shows a frame with two tiled documents and its open "&Window" pop-up
// for a screenshot taken from outside: the file VD_MDI_SHOT_READY is written
// once the pop-up is open, and the pop-up closes when VD_MDI_SHOT_DONE
// exists. The timer runs inside the menu's own loop.
std::string shotReady, shotDone;
bool shotFinished = false;

void CALLBACK ShotTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (!std::ifstream(shotReady)) std::ofstream(shotReady) << "ready";
  if (std::ifstream(shotDone)) {
    shotFinished = true;
    EndMenu();
  }
}

TEST(TMdiFrame, ScreenshotWhenAsked) {
  const char* ready = std::getenv("VD_MDI_SHOT_READY");
  const char* done = std::getenv("VD_MDI_SHOT_DONE");
  if (!ready || !done) GTEST_SKIP() << "no screenshot asked for";
  shotReady = ready;
  shotDone = done;
  Frame f;
  f.NewChild("Dokument A");
  f.NewChild("Dokument B");
  f.frame->Tile();
  Pump();
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, ShotTimer);
  SetForegroundWindow(f.frame->hWnd);
  PostMessageA(f.frame->hWnd, WM_SYSKEYDOWN, VK_MENU, 1 << 29);
  PostMessageA(f.frame->hWnd, WM_SYSCHAR, 'w', 1 << 29);
  while (!shotFinished) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 300, QS_ALLINPUT);
    Pump();
  }
  KillTimer(nullptr, timer);
}

}  // namespace
