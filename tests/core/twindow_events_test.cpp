// TWindow's event methods: the hooks they run, with which arguments, and
// what the message then answers.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "core/window_class.h"
#include "core/window_defaults.h"
#include "runtime/object.h"
#include "runtime/setkey.h"
#include "twindow_support.h"

namespace {

using coretest::CallLog;
using coretest::FolderProbe;
using coretest::OwnedWindow;

struct HookRow {
  UINT msg;
  WPARAM w;
  LPARAM l;
  const char* hook;  // set by name, recording under its own name
  const char* calls;
  LRESULT result;    // what SendMessage answers
};

TEST(TWindowHooks, RunWithTheirArgumentsAndAnswerTheMessage) {
  OwnedWindow w;
  const rt::Value self = w.value();
  CallLog log(self);
  const HookRow rows[] = {
      {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 100), "bLClicked", "bLClicked(100,50,1,Self)", 7},
      {WM_LBUTTONUP, 0, MAKELPARAM(50, 100), "bLButtonUp", "bLButtonUp(100,50,0,Self)", 7},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 100), "bLDblClick", "bLDblClick(100,50,1,Self)", 7},
      // The right and middle buttons run their hooks and leave the message
      // to the default procedure.
      {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 100), "bRClicked", "bRClicked(100,50,2,Self)", 0},
      {WM_RBUTTONUP, 0, MAKELPARAM(50, 100), "bRButtonUp", "bRButtonUp(100,50,0,Self)", 0},
      {WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(50, 100), "bMButtonDown", "bMButtonDown(100,50,16,Self)", 0},
      {WM_MBUTTONUP, 0, MAKELPARAM(50, 100), "bMButtonUp", "bMButtonUp(100,50,0,Self)", 0},
      {WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(50, 100), "bMMoved", "bMMoved(100,50,4)", 7},
      {WM_MOVE, 0, MAKELPARAM(16, 20), "bMoved", "bMoved(20,16)", 7},
      {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "bResized", "bResized(2,640,480)", 0},
      {WM_KEYDOWN, 'A', 0x001E0001, "bKeyDown", "bKeyDown(65,1966081)", 7},
      {WM_CHAR, 'a', 0x001E0001, "bKeyChar", "bKeyChar(97,1966081)", 7},
      {WM_SETFOCUS, 0x10020, 0, "bGotFocus", "bGotFocus(65568)", 0},
      {WM_KILLFOCUS, 0x10022, 0, "bLostFocus", "bLostFocus(65570)", 7},
      {WM_COMMNOTIFY, 3, 4, "bCommNotify", "bCommNotify(3,4)", 7},
      {0x811, 5, 6, "bSocket", "bSocket(5,6)", 7},
      {0x813, 8, 513, "bTaskBar", "bTaskBar(8,513)", 7},
      {WM_MENUSELECT, MAKEWPARAM(101, MF_POPUP), 0x10060, "bMenuSelect", "bMenuSelect(NIL,16,65632)", 7},
  };
  for (const HookRow& r : rows) {
    log.Clear();
    rt::SendV(self, std::string("_") + r.hook, log.Block(r.hook, rt::Value(7)));
    const LRESULT answer = SendMessageA(w->hWnd, r.msg, r.w, r.l);
    EXPECT_EQ(log.Joined(), r.calls) << r.hook;
    EXPECT_EQ(answer, r.result) << r.hook;
    rt::SendV(self, std::string("_") + r.hook, rt::Value());
  }
}

TEST(TWindowHooks, DesignerEventsRunBeforeTheHooks) {
  OwnedWindow w;
  CallLog log(w.value());
  w->OnClick = log.Block("OnClick");
  w->bLButtonUp = log.Block("bLButtonUp");
  w->OnMouseMove = log.Block("OnMouseMove");
  w->OnKeyDown = log.Block("OnKeyDown");
  w->OnResize = log.Block("OnResize");
  w->bResized = log.Block("bResized");
  SendMessageA(w->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
  // Without bMMoved a mouse move still ends with 0.
  EXPECT_EQ(SendMessageA(w->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 4)), 0);
  // Without bKeyDown the designer event is all there is.
  SendMessageA(w->hWnd, WM_KEYDOWN, 'B', 1);
  SendMessageA(w->hWnd, WM_SIZE, 0, MAKELPARAM(30, 40));
  EXPECT_EQ(log.Joined(),
            "OnClick(Self,4,3) bLButtonUp(4,3,0,Self) OnMouseMove(Self,4,3,0) OnKeyDown(Self,66,1) OnResize(Self) "
            "bResized(0,30,40)");
}

TEST(TWindowHooks, DropOverTakesTheDropInformationOnce) {
  OwnedWindow w;
  CallLog log(w.value());
  w->bDropOver = log.Block("bDropOver");
  core::SETDROPINFO(rt::Value("Wort"));
  SendMessageA(w->hWnd, 0x80F, MK_CONTROL, MAKELPARAM(12, 34));
  SendMessageA(w->hWnd, 0x80F, 0, MAKELPARAM(12, 34));
  EXPECT_EQ(log.Joined(), "bDropOver(Wort,34,12,8) bDropOver(NIL,34,12,0)");
}

TEST(TWindowEnd, InvalidWindowPostsNothingAndAValidOneIsClosed) {
  OwnedWindow w;
  w->bValid = rt::Value::Block([](rt::Args) { return rt::Value(false); });
  EXPECT_FALSE(w->End());
  // The close box and the session end ask the same question.
  EXPECT_EQ(SendMessageA(w->hWnd, WM_SYSCOMMAND, SC_CLOSE, 0), 0);
  EXPECT_EQ(SendMessageA(w->hWnd, WM_QUERYENDSESSION, 0, 0), 0);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, w->hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  EXPECT_TRUE(IsWindow(w->hWnd));

  w->bValid = rt::Value();
  EXPECT_TRUE(w->End());
  ASSERT_TRUE(PeekMessageA(&msg, w->hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
  DispatchMessageA(&msg);
  EXPECT_FALSE(IsWindow(msg.hwnd));
  EXPECT_EQ(w->hWnd, nullptr);
}

TEST(TWindowKeys, KeyHandlersComeBeforeTheHooks) {
  OwnedWindow w;
  CallLog log(w.value());
  w->bKeyDown = log.Block("bKeyDown");
  w->bKeyChar = log.Block("bKeyChar");
  rt::SETKEY(VK_F7, rt::Value::Block([&](rt::Args a) {
               log.Add("F7", a.subspan(2));
               return rt::Value();
             }));
  EXPECT_EQ(SendMessageA(w->hWnd, WM_KEYDOWN, VK_F7, 0), 0);
  // Only an extended key reaches a handler from the character message.
  SendMessageA(w->hWnd, WM_CHAR, VK_F7, 0);
  SendMessageA(w->hWnd, WM_CHAR, VK_F7, 0x01000000);
  rt::SETKEY(VK_F7, rt::Value());
  EXPECT_EQ(log.Joined(), "F7(Self) bKeyChar(118,0) F7(Self)");
}

TEST(TWindowKeys, TabMovesTheFocusAndEscapeGoesToTheParent) {
  OwnedWindow parent(coretest::PixelArgs(10, 10, 209, 309));
  CallLog log(parent.value());
  parent->bKeyChar = log.Block("parent");
  ShowWindow(parent->hWnd, SW_SHOW);
  const long style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  OwnedWindow first(coretest::PixelArgs(5, 5, 24, 54, style, parent.value()));
  OwnedWindow second(coretest::PixelArgs(30, 5, 49, 54, style, parent.value()));
  parent->AddControl(first.value());
  parent->AddControl(second.value());
  SetFocus(first->hWnd);
  ASSERT_EQ(GetFocus(), first->hWnd);
  EXPECT_EQ(SendMessageA(first->hWnd, WM_KEYDOWN, VK_TAB, 0), 0);
  EXPECT_EQ(GetFocus(), second->hWnd);
  EXPECT_EQ(parent->hCtlFocus, second->hWnd);
  // The parent gives the focus back to the child that had it.
  SetFocus(parent->hWnd);
  EXPECT_EQ(GetFocus(), second->hWnd);
  SendMessageA(second->hWnd, WM_CHAR, VK_ESCAPE, 1);
  EXPECT_EQ(log.Joined(), "parent(27,1)");
}

TEST(TWindowKeys, FocusComingBackToAFolderGoesToItsCurrentPagesControl) {
  OwnedWindow parent(coretest::PixelArgs(10, 10, 209, 309));
  ShowWindow(parent->hWnd, SW_SHOW);
  const long style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  OwnedWindow page(coretest::PixelArgs(30, 5, 149, 254, WS_CHILD | WS_VISIBLE, parent.value()));
  OwnedWindow control(coretest::PixelArgs(5, 5, 24, 54, style, page.value()));
  page->hCtlFocus = control->hWnd;
  auto folder = std::make_shared<FolderProbe>();
  folder->hWnd = core::CREATEWINDOW("SysTabControl32", "", style, 5, 5, 250, 20, parent->hWnd, 0);
  ASSERT_NE(folder->hWnd, nullptr);
  folder->Link();
  OwnedWindow holdFolder(folder);
  folder->aDialogs = rt::Value::Array({page.value()});
  folder->nOption = 1;
  parent->hCtlFocus = folder->hWnd;
  // The focus leaves the window and comes back to it.
  SetFocus(folder->hWnd);
  SetFocus(parent->hWnd);
  EXPECT_EQ(GetFocus(), control->hWnd);
}

}  // namespace
