// Dropped files, timers, menu mnemonics, tooltips, editing requests, drawing
// outside a paint and the active controls of a window.
#include <windows.h>

#include <dde.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "core/message_loop.h"
#include "core/twindow.h"
#include "graphics/colour.h"
#include "runtime/object.h"
#include "services/timer.h"
#include "test_support.h"
#include "twindow_support.h"

namespace {

using coretest::CallLog;
using coretest::OwnedWindow;

// A drop record of the shell for these ANSI names at the client point.
HDROP DropRecord(POINT pt, const std::string& names) {
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size() + 2);
  auto* df = static_cast<DROPFILES*>(GlobalLock(memory));
  df->pFiles = sizeof(DROPFILES);
  df->pt = pt;
  std::memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

BOOL CALLBACK CountToolTip(HWND h, LPARAM n) {
  char cls[64] = {};
  GetClassNameA(h, cls, sizeof cls);
  if (lstrcmpiA(cls, "tooltips_class32") == 0) ++*reinterpret_cast<int*>(n);
  return TRUE;
}

int CountToolTips() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountToolTip, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(TWindowDrop, FilesArriveWithTheDropPointAndActivateAcceptsThem) {
  OwnedWindow parent;
  OwnedWindow w(coretest::PixelArgs(5, 5, 104, 204, WS_CHILD | WS_VISIBLE, parent.value()));
  std::string seen;
  const rt::Value dropped = rt::Value::Block([&](rt::Args a) {
    seen = std::to_string(a[0].AsInt()) + "," + std::to_string(a[1].AsInt());
    for (const rt::Value& f : a[2].Items()) seen += "," + f.AsString();
    return rt::Value();
  });
  rt::Value args[18];
  args[17] = dropped;
  // A child window's Activate shows it and returns at once; it never
  // becomes the main window.
  w->Activate(rt::Args(args, 18));
  EXPECT_NE(core::GETWNDAPP(), w->hWnd);
  EXPECT_TRUE(GetWindowLongA(w->hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_FALSE(w->lVisible);
  const std::string names = std::string("C:\\daten\\w\xF6rter.txt") + '\0' + "D:\\liste.dbf" + '\0';
  SendMessageA(w->hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(DropRecord({7, 9}, names)), 0);
  EXPECT_EQ(seen, "9,7,C:\\daten\\w\xF6rter.txt,D:\\liste.dbf");
}

TEST(TWindowTimer, TimerMessageRunsTheTimersAction) {
  OwnedWindow w;
  int ticks = 0;
  auto timer = std::make_shared<svc::TTimer>();
  timer->New(600000, rt::Value::Block([&](rt::Args) {
               ++ticks;
               return rt::Value();
             }),
             w.value());
  ASSERT_TRUE(timer->Activate());
  SendMessageA(w->hWnd, WM_TIMER, static_cast<WPARAM>(timer->nId), 0);
  EXPECT_EQ(ticks, 1);
  timer->End();
}

TEST(TWindowMenu, MnemonicLetterExecutesItsItem) {
  OwnedWindow w;
  const HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 1, "&Datei");
  AppendMenuA(menu, MF_STRING, 2, "&Bearbeiten");
  AppendMenuA(menu, MF_STRING, 3, "Hilfe");
  EXPECT_EQ(SendMessageA(w->hWnd, WM_MENUCHAR, MAKEWPARAM('b', MF_POPUP), reinterpret_cast<LPARAM>(menu)),
            MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(SendMessageA(w->hWnd, WM_MENUCHAR, MAKEWPARAM('h', MF_POPUP), reinterpret_cast<LPARAM>(menu)), 0);
  DestroyMenu(menu);
}

TEST(TWindowToolTip, ShownOverTheWindowAndEndedWhenItLosesTheFocusOrTheMouse) {
  OwnedWindow first;
  OwnedWindow second;
  first->cToolTip = "Hinweis";
  second->cToolTip = rt::Value::Block([](rt::Args) { return rt::Value("aus einem Block"); });
  const int before = CountToolTips();
  SendMessageA(first->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(CountToolTips(), before + 1);
  SendMessageA(first->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
  EXPECT_EQ(CountToolTips(), before + 1);
  // Another window's tooltip takes the place of the first.
  SendMessageA(second->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(CountToolTips(), before + 1);
  SendMessageA(second->hWnd, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(CountToolTips(), before);
  SendMessageA(first->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  SendMessageA(first->hWnd, WM_NCMOUSEMOVE, HTCAPTION, 0);
  EXPECT_EQ(CountToolTips(), before);
}

TEST(TWindowEditing, RequestsAnswerWithTheirHooks) {
  OwnedWindow w;
  CallLog log(w.value());
  for (const char* name : {"Copy", "Cut", "Delete", "Find", "FindNext", "Paste", "ReDo", "Replace", "SelectAll",
                           "UnDo", "Properties"}) {
    log.Clear();
    EXPECT_TRUE(rt::Send(w.value(), name).IsNil()) << name;
    rt::SendV(w.value(), std::string("_b") + name, log.Block(name, rt::Value(5)));
    EXPECT_EQ(rt::Send(w.value(), name).AsInt(), 5) << name;
    EXPECT_EQ(log.Joined(), std::string(name) + "(Self)");
  }
  log.Clear();
  w->bZip = log.Block("bZip");
  w->bUnZip = log.Block("bUnZip");
  rt::SendV(w.value(), "Zip", "archiv.zip");
  rt::SendV(w.value(), "UnZip", 3);
  EXPECT_EQ(log.Joined(), "bZip(archiv.zip) bUnZip(3)");
}

TEST(TWindowDraw, SayUsesAColourStringForBothColours) {
  OwnedWindow w(coretest::PixelArgs(50, 50, 249, 449));
  ShowWindow(w->hWnd, SW_SHOWNORMAL);
  UpdateWindow(w->hWnd);
  w->Say(10, 10, rt::Value("Wort"), rt::Value("W+/R"), {}, nullptr, true);
  const HDC dc = GetDC(w->hWnd);
  EXPECT_EQ(static_cast<long>(GetPixel(dc, 11, 11)), gfx::NGETBACKRGB(rt::Value("W+/R")));
  ReleaseDC(w->hWnd, dc);
  EXPECT_EQ(w->hDC, nullptr);
}

TEST(TWindowControls, FirstAndLastActiveAndTheParentLevel) {
  OwnedWindow parent(coretest::PixelArgs(10, 10, 209, 309));
  const long tab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  OwnedWindow disabled(coretest::PixelArgs(5, 5, 24, 54, tab | WS_DISABLED, parent.value()));
  OwnedWindow a(coretest::PixelArgs(30, 5, 49, 54, tab, parent.value()));
  OwnedWindow b(coretest::PixelArgs(55, 5, 74, 54, tab, parent.value()));
  OwnedWindow noTab(coretest::PixelArgs(80, 5, 99, 54, WS_CHILD | WS_VISIBLE, parent.value()));
  for (const OwnedWindow* c : {&disabled, &a, &b, &noTab}) parent->AddControl(c->value());
  // Hidden, no control counts as active: the first one stands in.
  EXPECT_EQ(parent->FirstActiveCtrl(), disabled.value());
  ShowWindow(parent->hWnd, SW_SHOWNORMAL);
  EXPECT_EQ(parent->FirstActiveCtrl(), a.value());
  EXPECT_EQ(parent->LastActiveCtrl(), b.value());
  OwnedWindow inner(coretest::PixelArgs(2, 2, 11, 11, WS_CHILD | WS_VISIBLE, a.value()));
  EXPECT_EQ(inner->ChildLevel("TWINDOW"), 1);
  EXPECT_EQ(inner->ChildLevel("TDIALOG"), 0);
}

}  // namespace

namespace {

TEST(TWindowDde, InitiateIsAcknowledgedAndExecuteRunsTheCommand) {
  OwnedWindow w;
  const auto client = coretest::LinkedProbe();
  coretest::ScopedWindow holdClient(client->hWnd);
  CallLog log;
  w->bDdeInit = log.Block("bDdeInit", rt::Value(true));
  w->bDdeExecute = log.Block("bDdeExecute");
  const ATOM app = GlobalAddAtomA("VDAPP"), topic = GlobalAddAtomA("VDTOPIC");
  SendMessageA(w->hWnd, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(client->hWnd), MAKELPARAM(app, topic));
  const std::string server = std::to_string(reinterpret_cast<INT_PTR>(w->hWnd));
  ASSERT_EQ(client->Joined(), "DdeAck(" + server + "," + std::to_string(MAKELONG(app, topic)) + ")");

  const char command[] = "[open(\"liste.dbf\")]";
  const HGLOBAL commands = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof command);
  std::memcpy(GlobalLock(commands), command, sizeof command);
  GlobalUnlock(commands);
  // Posted, as the protocol has it.
  PostMessageA(w->hWnd, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(client->hWnd), reinterpret_cast<LPARAM>(commands));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, w->hWnd, WM_DDE_EXECUTE, WM_DDE_EXECUTE, PM_REMOVE));
  DispatchMessageA(&msg);
  EXPECT_EQ(log.Joined(), "bDdeInit(VDAPP,VDTOPIC) bDdeExecute([open(\"liste.dbf\")])");
  // The positive acknowledgement hands the commands back.
  ASSERT_TRUE(PeekMessageA(&msg, client->hWnd, WM_DDE_ACK, WM_DDE_ACK, PM_REMOVE));
  EXPECT_EQ(msg.wParam, reinterpret_cast<WPARAM>(w->hWnd));
  UINT_PTR status = 0, returned = 0;
  UnpackDDElParam(WM_DDE_ACK, msg.lParam, &status, &returned);
  FreeDDElParam(WM_DDE_ACK, msg.lParam);
  EXPECT_EQ(status & 0x8000, 0x8000u);
  EXPECT_EQ(returned, reinterpret_cast<UINT_PTR>(commands));
  GlobalFree(commands);
  GlobalDeleteAtom(app);
  GlobalDeleteAtom(topic);
}

}  // namespace
