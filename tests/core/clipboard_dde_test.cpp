// The clipboard object, the DDE client against a server window of the class
// layer, and dropped files reaching a window's block.
#include <windows.h>
#include <dde.h>
#include <shlobj.h>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "core/mdi_create.h"
#include "core/message_loop.h"
#include "core/tclipboard.h"
#include "core/tdde.h"
#include "services/atoms.h"
#include "services/int32.h"
#include "test_support.h"
#include "twindow_support.h"

namespace {

using coretest::CallLog;
using coretest::OwnedWindow;

rt::Value NewClipboard(const OwnedWindow& w) {
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New(CF_TEXT, w.value());
  return rt::Value(clip);
}

core::TClipBoard& Clip(const rt::Value& v) { return *v.As<core::TClipBoard>(); }

TEST(TClipBoard, TextRoundTripAndTheEmptyStates) {
  OwnedWindow w;
  const rt::Value clip = NewClipboard(w);
  EXPECT_TRUE(Clip(clip).SetText("Gr\xF6\xDF" "e"));
  EXPECT_EQ(Clip(clip).GetText(), "Gr\xF6\xDF" "e");
  EXPECT_FALSE(Clip(clip).IsEmpty());
  // IsEmpty reads while the clipboard is open and leaves it closed.
  EXPECT_TRUE(Clip(clip).Open());
  Clip(clip).Close();
  EXPECT_TRUE(Clip(clip).SetText(""));
  EXPECT_TRUE(Clip(clip).IsEmpty());

  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(Clip(clip).SetBitmap(rt::Value(svc::HandleNumber(bitmap))));
  EXPECT_EQ(Clip(clip).GetText(), "");
  EXPECT_TRUE(Clip(clip).IsEmpty());
  const auto copy = svc::HandleOf<HBITMAP>(svc::ToHandle(Clip(clip).GetBitmap()));
  EXPECT_NE(copy, nullptr);
  DeleteObject(copy);
  DeleteObject(bitmap);
}

TEST(TClipBoard, NewFallsBackToTheDefaultWindow) {
  OwnedWindow w;
  if (core::GETWNDAPP()) GTEST_SKIP() << "a main window is set in this process";
  auto clip = std::make_shared<core::TClipBoard>();
  clip->New();
  EXPECT_EQ(clip->nFormat, CF_TEXT);
  EXPECT_EQ(clip->oWnd, w.value());
}

// Another thread holds the clipboard open: every method gives its failure
// value at once.
TEST(TClipBoard, HeldElsewhereEveryMethodFailsAtOnce) {
  OwnedWindow w;
  const rt::Value clip = NewClipboard(w);
  ASSERT_TRUE(Clip(clip).SetText("vorher"));
  std::mutex m;
  std::condition_variable cv;
  bool held = false, release = false;
  std::thread holder([&] {
    const bool opened = OpenClipboard(nullptr) != 0;
    {
      std::lock_guard lock(m);
      held = true;
    }
    cv.notify_all();
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return release; });
    if (opened) CloseClipboard();
  });
  {
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return held; });
  }
  EXPECT_FALSE(Clip(clip).SetText("neu"));
  EXPECT_EQ(Clip(clip).GetText(), "");
  EXPECT_EQ(Clip(clip).GetBitmap(), rt::Value(0));
  EXPECT_TRUE(Clip(clip).IsEmpty());
  {
    std::lock_guard lock(m);
    release = true;
  }
  cv.notify_all();
  holder.join();
  EXPECT_EQ(Clip(clip).GetText(), "vorher");
}

// A drop record at x 30, y 70 with three names.
HDROP MakeDrop() {
  const char names[] = "C:\\a.txt\0C:\\b.txt\0C:\\c.txt\0";
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + sizeof names);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = {30, 70};
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names, sizeof names);
  GlobalUnlock(block);
  return static_cast<HDROP>(block);
}

TEST(TWindowDrop, BlockGetsRowYColumnXAndTheFilesInOrder) {
  OwnedWindow w;
  long row = -1, col = -1;
  std::string files;
  w->bDropFiles = rt::Value::Block([&](rt::Args a) {
    row = a[0].AsInt();
    col = a[1].AsInt();
    for (const auto& f : a[2].Items()) files += f.AsString() + ";";
    return rt::Value();
  });
  SendMessageA(w->hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop()), 0);
  EXPECT_EQ(row, 70);
  EXPECT_EQ(col, 30);
  EXPECT_EQ(files, "C:\\a.txt;C:\\b.txt;C:\\c.txt;");
}

// Runs `inside` in the message loop with `main` as the application's main
// window, which the DDE partners answer to.
void RunInLoop(const std::shared_ptr<coretest::Probe>& p, HWND main, const std::function<void()>& inside) {
  p->answer = [&](const std::string& name) {
    if (name == "Command" && p->calls.back() == "Command(1,0)") {
      inside();
      PostQuitMessage(0);
    }
    return rt::Value();
  };
  PostMessageA(p->hWnd, WM_COMMAND, 1, 0);
  core::WINRUN(main);
}

std::shared_ptr<core::TDde> NewDde(CallLog& log) {
  auto dde = std::make_shared<core::TDde>();
  dde->New("VDSERVER", "VDTOPIC", "", rt::Value(), log.Block("bEnd"));
  return dde;
}

bool Registered(const std::shared_ptr<core::TDde>& dde) {
  for (const auto& d : core::DdeRegistry())
    if (d == dde) return true;
  return false;
}

TEST(TDde, ConversationRunsTheCommandAndEndsOnce) {
  OwnedWindow client;
  OwnedWindow server;
  CallLog log;
  server->bDdeInit = log.Block("bDdeInit", rt::Value(true));
  server->bDdeExecute = log.Block("bDdeExecute");
  const auto driver = coretest::LinkedProbe();
  coretest::ScopedWindow holdDriver(driver->hWnd);
  std::shared_ptr<core::TDde> dde;
  rt::Value executed = rt::Value("unset");
  RunInLoop(driver, client->hWnd, [&] {
    dde = NewDde(log);
    dde->Activate();
    ASSERT_TRUE(dde->lActive);
    executed = dde->Execute("[open(\"liste.dbf\")]");
    dde->End();
    // The server answers the terminate; that answer takes the conversation
    // out of the registry and is not answered again.
    coretest::DrainQueue();
  });
  ASSERT_TRUE(dde);
  EXPECT_TRUE(executed.IsNil());
  EXPECT_EQ(core::DdeState(), 996);
  EXPECT_EQ(log.Joined(), "bDdeInit(VDSERVER,VDTOPIC) bDdeExecute([open(\"liste.dbf\")]) bEnd(NIL)");
  EXPECT_FALSE(Registered(dde));
  EXPECT_FALSE(dde->lActive);
  EXPECT_EQ(dde->nService, 0);
  // A second End neither posts nor drops atoms again.
  dde->End();
  EXPECT_EQ(log.Joined(), "bDdeInit(VDSERVER,VDTOPIC) bDdeExecute([open(\"liste.dbf\")]) bEnd(NIL)");
}

TEST(TDde, EndPostsTerminateToTheServerAndAtomsGoOnce) {
  const auto server = coretest::LinkedProbe();
  coretest::ScopedWindow holdServer(server->hWnd);
  CallLog log;
  auto dde = NewDde(log);
  // Another holder of the same name keeps its reference after our End.
  const long other = svc::GLOBALADDATOM("VDSERVER");
  auto window = std::make_shared<core::TWindow>();
  window->hWnd = server->hWnd;
  dde->oWndServer = rt::Value(window);
  dde->lActive = true;
  dde->End();
  dde->End();
  coretest::DrainQueue();
  EXPECT_EQ(server->Joined(), "DdeTerminate(" + std::to_string(svc::HandleNumber(core::GETWNDAPP())) + ",0)");
  EXPECT_EQ(svc::GLOBALGETATOMNAME(other), "VDSERVER");
  svc::GLOBALDELATOM(other);
  core::DDETERMINATE(server->hWnd);
}

TEST(TDde, UnknownTerminateIsAnsweredOnceAndAnAnswerIsNot) {
  const auto partner = coretest::LinkedProbe();
  coretest::ScopedWindow hold(partner->hWnd);
  core::DDETERMINATE(partner->hWnd, 0);
  coretest::DrainQueue();
  EXPECT_EQ(partner->Joined(), "DdeTerminate(" + std::to_string(svc::HandleNumber(core::GETWNDAPP())) + ",1)");
  partner->calls.clear();
  core::DDETERMINATE(partner->hWnd, 1);
  coretest::DrainQueue();
  EXPECT_EQ(partner->Joined(), "");
}

TEST(TDde, ExecuteWithoutServerAlertsAndADeadServerEndsTheWait) {
  CallLog log;
  auto dde = NewDde(log);
  {
    coretest::BoxWatch boxes;
    EXPECT_TRUE(dde->Execute("x").IsNil());
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, "DDE Object not properly initialized!");
  }
  // A server that dies on the command never acknowledges it.
  const auto server = coretest::LinkedProbe();
  const HWND serverWindow = server->hWnd;
  server->answer = [&](const std::string& name) {
    if (name == "DdeExecute") DestroyWindow(server->hWnd);
    return rt::Value();
  };
  auto window = std::make_shared<core::TWindow>();
  window->hWnd = server->hWnd;
  dde->oWndServer = rt::Value(window);
  EXPECT_EQ(dde->Execute("[quit]"), rt::Value(false));
  core::DDETERMINATE(serverWindow, 1);
  EXPECT_FALSE(Registered(dde));
}

TEST(TDde, QuitWhileWaitingEndsTheWaitAndStaysQueued) {
  CallLog log;
  auto dde = NewDde(log);
  const auto server = coretest::LinkedProbe();
  coretest::ScopedWindow hold(server->hWnd);
  auto window = std::make_shared<core::TWindow>();
  window->hWnd = server->hWnd;
  dde->oWndServer = rt::Value(window);
  PostQuitMessage(4);
  EXPECT_EQ(dde->Execute("[wait]"), rt::Value(false));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 4u);
  core::DDETERMINATE(server->hWnd, 1);
}

}  // namespace

namespace {

MDICREATESTRUCTA RecordOf(const std::string& text) {
  MDICREATESTRUCTA record{};
  EXPECT_EQ(text.size(), sizeof record);
  std::memcpy(&record, text.data(), sizeof record);
  return record;
}

TEST(CmdiStruct, KeepsLongNamesWholeAndTurnsTheOldDefaultIntoThePlatformsOwn) {
  const std::string longClass = "TMDICHILDOFAVERYLONGCLASSNAME";
  const std::string longTitle(300, 't');
  MDICREATESTRUCTA r = RecordOf(core::CMDISTRUCT(longClass, longTitle, 10, 20, 109, 219, WS_CHILD, 7));
  EXPECT_EQ(std::string(r.szClass), longClass);
  EXPECT_EQ(std::string(r.szTitle), longTitle);
  EXPECT_EQ(r.x, 20);
  EXPECT_EQ(r.y, 10);
  EXPECT_EQ(r.cx, 200);
  EXPECT_EQ(r.cy, 100);
  EXPECT_EQ(r.style, static_cast<DWORD>(WS_CHILD));
  EXPECT_EQ(r.lParam, 7);
  EXPECT_EQ(r.hOwner, GetModuleHandleA(nullptr));
  r = RecordOf(core::CMDISTRUCT("TMDICHILD", "Doc", 32768, 32768, 32768, 32768, 0, 0));
  EXPECT_EQ(r.x, CW_USEDEFAULT);
  EXPECT_EQ(r.cx, CW_USEDEFAULT);
  EXPECT_EQ(r.cy, CW_USEDEFAULT);
}

}  // namespace
