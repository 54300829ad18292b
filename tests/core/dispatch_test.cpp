// The dispatcher: which event method a message becomes and with which
// arguments.
#include <windows.h>

#include <dde.h>

#include <string>

#include <gtest/gtest.h>

#include "alloc_count.h"
#include "core/handle_event.h"
#include "core/window_list.h"
#include "runtime/object.h"
#include "runtime/value.h"
#include "test_support.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::LinkedProbe;
using coretest::Probe;

struct Row {
  UINT msg;
  WPARAM w;
  LPARAM l;
  const char* call;
};

TEST(Dispatcher, MessagesBecomeMethodsWithTheirArguments) {
  const Row rows[] = {
      {WM_DESTROY, 0, 0, "Destroy()"},
      {WM_MOVE, 3, 0x00140010, "Moved(3,16,20)"},
      {WM_SIZE, SIZE_MAXIMIZED, 0x01E00280, "ReSize(2,640,480)"},
      {WM_SETFOCUS, 0x10020, 0, "GotFocus(65568)"},
      {WM_KILLFOCUS, 0x10022, 0, "LostFocus(65570)"},
      {WM_CLOSE, 9, 0, "Close(9)"},
      {WM_QUERYENDSESSION, 0, 0, "QueryEndSession()"},
      {WM_ERASEBKGND, 0x2101, 0, "EraseBkGnd(8449)"},
      {WM_GETMINMAXINFO, 0, 0x0012F000, "GetMinMaxInfo(1241088)"},
      {WM_DRAWITEM, 7, 0x0012F100, "DrawItem(7,1241344)"},
      {0x808, 8, 0x0012F200, "DrawItem(8,1241600)"},
      {WM_MEASUREITEM, 7, 0x0012F300, "MeasureItem(7,1241856)"},
      {WM_QUERYDRAGICON, 0, 0, "QueryDragIcon()"},
      {WM_COMMNOTIFY, 1, 2, "CommNotify(1,2)"},
      {WM_NOTIFY, 101, 0x0012F400, "Notify(101,1242112)"},
      {WM_NCACTIVATE, 0, 0, "NcActivate(.F.)"},
      {WM_NCACTIVATE, 1, 0, "NcActivate(.T.)"},
      {WM_GETDLGCODE, 9, 0, "GetDlgCode(9)"},
      {WM_NCMOUSEMOVE, HTCAPTION, 0x00640032, "NcMouseMove(2,100,50)"},
      {WM_KEYDOWN, VK_F2, 0x003C0001, "KeyDown(113,3932161)"},
      {WM_CHAR, 'a', 0x001E0001, "KeyChar(97,1966081)"},
      {WM_COMMAND, 0x00010064, 0x10030, "Command(65636,65584)"},
      {WM_SYSCOMMAND, SC_CLOSE, 0, "SysCommand(61536,0)"},
      {WM_TIMER, 5, 0, "Timer(5,0)"},
      {WM_HSCROLL, 0x00200004, 0, "HScroll(2097156,0)"},
      {WM_VSCROLL, 1, 0x10040, "VScroll(1,65600)"},
      {WM_INITMENUPOPUP, 0x10050, 0x00010003, "InitMenuPopup(65616,3,1)"},
      {WM_INITMENUPOPUP, 0x10050, 0x00000002, "InitMenuPopup(65616,2,0)"},
      // Flags in the high word of wParam, the menu handle in lParam.
      {WM_MENUSELECT, 0x80900064, 0x10060, "MenuSelect(100,32912,65632)"},
      {WM_MENUCHAR, 0x00100041, 0x10070, "MenuChar(65,16,65648)"},
      // The control handle as a whole, not its low word.
      {WM_CTLCOLOREDIT, 0x2101, 0x00AB0123, "CtlColor(11206947,8449)"},
      {WM_CTLCOLORLISTBOX, 0x2102, 0x00AB0124, "CtlColor(11206948,8450)"},
      {WM_CTLCOLORSTATIC, 0x2103, 0x00AB0125, "CtlColor(11206949,8451)"},
      {WM_MOUSEMOVE, MK_SHIFT, 0x00640032, "MouseMove(100,50,4)"},
      {WM_LBUTTONDOWN, MK_LBUTTON, 0x00640032, "LButtonDown(100,50,1)"},
      {WM_LBUTTONUP, 0, 0x00640032, "LButtonUp(100,50,0)"},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, 0x00640032, "LDblClick(100,50,1)"},
      {WM_RBUTTONDOWN, MK_RBUTTON, 0x00640032, "RButtonDown(100,50,2)"},
      {WM_RBUTTONUP, 0, 0x00640032, "RButtonUp(100,50,0)"},
      {WM_MBUTTONDOWN, MK_MBUTTON, 0x00640032, "MButtonDown(100,50,16)"},
      {WM_MBUTTONUP, 0, 0x00640032, "MButtonUp(100,50,0)"},
      // Client coordinates stay unsigned: a position left of the window
      // arrives as a large number.
      {WM_MOUSEMOVE, 0, 0x0005FFFF, "MouseMove(5,65535,0)"},
      {WM_MOUSEWHEEL, 0xFF880008, static_cast<LPARAM>(0xFFF08001), "MouseWheel(8,-120,-32767,-16)"},
      {WM_MOUSEWHEEL, 0x00780000, 0x00C80190, "MouseWheel(0,120,400,200)"},
      {WM_DROPFILES, 0x10080, 0, "DropFiles(65664)"},
      {WM_QUERYNEWPALETTE, 0, 0, "QueryNewPalette()"},
      {WM_PALETTECHANGED, 0x10090, 0, "PaletteChanged(65680)"},
      {WM_DDE_INITIATE, 0x100A0, static_cast<LPARAM>(0xC002C001), "DdeInitiate(65696,49153,49154)"},
      {WM_DDE_TERMINATE, 0x100A0, 1, "DdeTerminate(65696,1)"},
      {WM_DDE_ACK, 0x100A0, 0x8000, "DdeAck(65696,32768)"},
      {WM_DDE_EXECUTE, 0x100A0, 0x1234, "DdeExecute(65696,4660)"},
      {0x80D, 0, 0, "HelpF1()"},
      // A drag's release: key flags in wParam, x low and y high in lParam;
      // the method takes the row (y) first.
      {0x80F, MK_SHIFT, 0x00640032, "DropOver(100,50,4)"},
      {0x811, 0x130, 0x20, "AsyncSelect(304,32)"},
      {0x813, 1, WM_LBUTTONDOWN, "TaskBar(1,513)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.call);
    Probe probe;
    probe.answer = [](const std::string&) { return rt::Value(11); };
    const rt::Value result = probe.HandleEvent(row.msg, row.w, row.l);
    EXPECT_EQ(probe.Joined(), row.call);
    EXPECT_EQ(result, rt::Value(11));
  }
}

TEST(Dispatcher, UnknownMessagesAndCreationGiveNil) {
  const UINT unknown[] = {WM_CREATE, WM_NCCREATE, WM_SETTEXT, WM_USER + 1, 0x800, 0x801, 0x802, 0x803,
                          0x804,     0x805,       0x806,      0x807,       0x809, 0x80A, 0x812, 0xC000};
  for (UINT msg : unknown) {
    SCOPED_TRACE(msg);
    Probe probe;
    probe.answer = [](const std::string&) { return rt::Value(true); };
    EXPECT_TRUE(probe.HandleEvent(msg, 1, 2).IsNil());
    EXPECT_TRUE(probe.calls.empty());
  }
}

TEST(Dispatcher, PaintEndsWithEndPaintsAnswer) {
  auto probe = LinkedProbe();
  probe->answer = [](const std::string& name) {
    if (name == "Paint") return rt::Value(true);
    if (name == "EndPaint") return rt::Value(0);
    return rt::Value();
  };
  EXPECT_EQ(SendMessageA(probe->hWnd, WM_PAINT, 0, 0), 0);
  EXPECT_EQ(probe->Joined(), "BeginPaint() Paint() EndPaint()");

  probe->calls.clear();
  probe->answer = [](const std::string& name) { return name == "EndPaint" ? rt::Value(5) : rt::Value(); };
  EXPECT_EQ(probe->HandleEvent(WM_PAINT, 0, 0), rt::Value(5));
  DestroyWindow(probe->hWnd);
}

TEST(Dispatcher, RealMouseMessageReachesTheMethod) {
  auto probe = LinkedProbe();
  probe->answer = [](const std::string& name) { return name == "LButtonDown" ? rt::Value(true) : rt::Value(); };
  PostMessageA(probe->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 100));
  coretest::DrainQueue();
  EXPECT_NE(probe->Joined().find("LButtonDown(100,50,1)"), std::string::npos) << probe->Joined();
  DestroyWindow(probe->hWnd);
}

}  // namespace

namespace {

class Clicks : public core::TWindow {
 public:
  int clicks = 0;
  rt::Value LButtonDown(long, long, long) override {
    ++clicks;
    return rt::Value(true);
  }
};

TEST(Dispatcher, RoadOfAMessageAllocatesNothing) {
  auto window = std::make_shared<Clicks>();
  window->hWnd = coretest::NewTestWindow();
  window->Link();
  SendMessageA(window->hWnd, WM_LBUTTONDOWN, 0, 0);
  std::size_t allocations = 0;
  {
    coretest::AllocationCount counting;
    for (int i = 0; i < 100; ++i) {
      SendMessageA(window->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(i, i));
      SendMessageA(window->hWnd, WM_USER + 1, 0, 0);
    }
    allocations = counting.count();
  }
  EXPECT_EQ(allocations, 0u);
  EXPECT_EQ(window->clicks, 101);
  DestroyWindow(window->hWnd);
}

// The base window's own paint (off-screen buffer, brush, paint record) and
// mouse move (cursor, message, tooltip check) after the first of each.
TEST(Dispatcher, PaintAndMouseMoveOfAPlainWindowAllocateNothing) {
  coretest::OwnedWindow w(coretest::PixelArgs(10, 10, 209, 309, WS_POPUP | WS_VISIBLE));
  const auto paint = [&] {
    InvalidateRect(w->hWnd, nullptr, TRUE);
    UpdateWindow(w->hWnd);
  };
  paint();
  SendMessageA(w->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  std::size_t paints = 0, moves = 0;
  {
    coretest::AllocationCount counting;
    for (int i = 0; i < 20; ++i) paint();
    paints = counting.count();
  }
  {
    coretest::AllocationCount counting;
    for (int i = 0; i < 20; ++i) SendMessageA(w->hWnd, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(i, 2 * i));
    moves = counting.count();
  }
  EXPECT_EQ(paints, 0u);
  EXPECT_EQ(moves, 0u);
  EXPECT_FALSE(GetUpdateRect(w->hWnd, nullptr, FALSE)) << "the paints validated the window";
}

}  // namespace

namespace {

TEST(Dispatcher, EventMethodsAndDataAnswerByName) {
  auto probe = std::make_shared<Probe>();
  const rt::Value self(probe);
  rt::SendV(self, "LBUTTONDOWN", 100, 50, 1);
  rt::SendV(self, "NcActivate", false);
  rt::SendV(self, "Command", 7);
  rt::SendV(self, "HandleEvent", WM_MOUSEMOVE, MK_SHIFT, 0x00640032);
  EXPECT_EQ(probe->Joined(), "LButtonDown(100,50,1) NcActivate(.F.) Command(7,0) MouseMove(100,50,4)");
  EXPECT_TRUE(rt::SendV(self, "nOldProc").IsNil());

  probe->hWnd = coretest::NewTestWindow();
  probe->Link();
  EXPECT_EQ(rt::SendV(self, "hWnd"), rt::Value(svc::HandleNumber(probe->hWnd)));
  EXPECT_EQ(rt::SendV(self, "nOldProc"),
            rt::Value(reinterpret_cast<std::intptr_t>(probe->nOldProc)));
  rt::SendV(self, "UnLink");
  EXPECT_EQ(core::SlotOf(probe.get()), 0);
  DestroyWindow(probe->hWnd);
}

}  // namespace
