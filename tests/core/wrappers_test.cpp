#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/list_tab.h"
#include "core/system_wrappers.h"
#include "core/window_geometry.h"
#include "core/window_messages.h"
#include "core/window_state.h"
#include "core/window_text.h"

namespace {

using rt::Value;

HWND Make(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
          int id = 0) {
  return CreateWindowExA(0, cls, text, style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), GetModuleHandleA(nullptr), nullptr);
}

// Owns the windows that a test makes.
struct Windows {
  ~Windows() {
    for (auto it = made.rbegin(); it != made.rend(); ++it)
      if (IsWindow(*it)) DestroyWindow(*it);
  }
  HWND operator()(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
                  int id = 0) {
    made.push_back(Make(cls, text, style, x, y, w, h, parent, id));
    return made.back();
  }
  std::vector<HWND> made;
};

// A handle that was a window once.
HWND DeadWindow() {
  HWND h = Make("STATIC", "gone", WS_POPUP, 0, 0, 5, 5);
  DestroyWindow(h);
  return h;
}

TEST(WrappersTest, CheckedHandlesDoNothingForANonWindow) {
  HWND dead = DeadWindow();
  ASSERT_FALSE(IsWindow(dead));
  EXPECT_EQ(core::GETWINDOWTEXT(dead), "");
  EXPECT_FALSE(core::SETWINDOWTEXT(dead, "x"));
  EXPECT_FALSE(core::SHOWWINDOW(dead));
  EXPECT_EQ(core::SETFOCUS(dead), nullptr);
  EXPECT_FALSE(core::POSTMESSAGE(dead, WM_USER));
  EXPECT_EQ(core::SENDMESSAGE(dead, WM_GETTEXTLENGTH), 0);
  EXPECT_FALSE(core::DESTROYWINDOW(dead));
  EXPECT_FALSE(core::ENABLEWINDOW(dead, true));
  EXPECT_EQ(core::SENDMESSAGE(nullptr, WM_GETTEXTLENGTH), 0);
}

UINT broadcastMsg = 0;
int broadcastSeen = 0;

LRESULT CALLBACK CountingProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (broadcastMsg && msg == broadcastMsg) {
    ++broadcastSeen;
    return 7;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

TEST(WrappersTest, MessagesWithNumbersAndTexts) {
  Windows make;
  HWND w = make("STATIC", "", WS_POPUP, 0, 0, 50, 20);
  EXPECT_EQ(core::GETWINDOWTEXT(w), "");  // a window without text
  EXPECT_EQ(core::SENDMESSAGE(w, WM_SETTEXT, 0, "Gr\xF6\xDF" "e"), 1);
  EXPECT_EQ(core::GETWINDOWTEXT(w), "Gr\xF6\xDF" "e");
  EXPECT_EQ(core::GETWINTXTLENGHT(w), 5);
  EXPECT_TRUE(core::SETWINDOWTEXT(w, 12));  // not a text: empties it
  EXPECT_EQ(core::GETWINDOWTEXT(w), "");
  EXPECT_EQ(core::DEFWINDOWPROC(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc")), 1);
  EXPECT_EQ(core::CALLWINDOWPROC(DefWindowProcA, w, WM_GETTEXTLENGTH, 0, 0), 3);
  EXPECT_EQ(core::GETCLASSNAME(w), "Static");

  EXPECT_TRUE(core::POSTMESSAGE(w, WM_USER + 5, 3, 4));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, w, WM_USER + 5, WM_USER + 5, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(msg.lParam, 4);

  NMHDR header{w, 17, static_cast<UINT>(TCN_SELCHANGE)};
  EXPECT_EQ(core::GETNMHDRCODE(reinterpret_cast<LPARAM>(&header)), TCN_SELCHANGE);
  EXPECT_EQ(core::GETNMHDRHWNDFROM(reinterpret_cast<LPARAM>(&header)), w);
}

TEST(WrappersTest, MinusOneSendsToEveryTopLevelWindow) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.lpszClassName = "WrapperBroadcastTest";
  RegisterClassA(&wc);
  broadcastSeen = 0;
  Windows make;
  make("WrapperBroadcastTest", "eins", WS_POPUP, 0, 0, 5, 5);
  make("WrapperBroadcastTest", "zwei", WS_POPUP, 0, 0, 5, 5);
  broadcastMsg = RegisterWindowMessageA("WrapperBroadcastTest");
  core::SENDMESSAGE(reinterpret_cast<HWND>(-1), broadcastMsg);
  EXPECT_EQ(broadcastSeen, 2);
}

TEST(WrappersTest, ShowEnableAndRelations) {
  Windows make;
  HWND top = make("STATIC", "oben", WS_POPUP, 0, 0, 100, 100);
  HWND child = make("STATIC", "", WS_CHILD, 0, 0, 10, 10, top);
  EXPECT_FALSE(core::SHOWWINDOW(top));  // one argument: shown normally; hidden before
  EXPECT_TRUE(core::ISWINDOWVISIBLE(top));
  EXPECT_TRUE(core::SHOWWINDOW(top, SW_HIDE));
  EXPECT_FALSE(core::ISWINDOWVISIBLE(top));
  EXPECT_FALSE(core::ENABLEWINDOW(child, false));
  EXPECT_FALSE(core::ISWINDOWENABLED(child));
  EXPECT_TRUE(core::ENABLEWINDOW(child, true));
  EXPECT_TRUE(core::ISCHILD(top, child));
  EXPECT_EQ(core::GETPARENT(child), top);
  EXPECT_EQ(core::GETWINDOW(top, GW_CHILD), child);
  EXPECT_EQ(core::GETWINDOWLONG(child, GWL_ID), 0);
  EXPECT_EQ(core::SETWINDOWLONG(child, GWL_ID, 42), 0);
  EXPECT_EQ(core::GETWINDOWLONG(child, GWL_ID), 42);
  EXPECT_TRUE(core::DESTROYWINDOW(child));
  EXPECT_FALSE(IsWindow(child));
}

TEST(WrappersTest, EditLinesAndListItems) {
  Windows make;
  HWND top = make("STATIC", "", WS_POPUP, 0, 0, 300, 300);
  HWND edit = make("EDIT", "eins\r\nzwei\r\ndrei", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100, top);
  EXPECT_EQ(core::MGETLINE(edit, 2), "zwei");
  EXPECT_EQ(core::MGETLINE(edit, 9), "");
  SendMessageA(edit, EM_SETSEL, 0, 4);
  core::MGETREPLACE(edit, "EINS");
  EXPECT_EQ(core::MGETLINE(edit, 1), "EINS");

  HWND list = make("LISTBOX", "", WS_CHILD | LBS_EXTENDEDSEL, 0, 0, 100, 100, top);
  for (const char* item : {"Haus", "Hof", "Garten"}) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_EQ(core::LBXGETITEM(list, 1), "Haus");
  EXPECT_EQ(core::LBXGETITEM(list, 3), "Garten");
  EXPECT_EQ(core::LBXGETITEM(list, 4), "");
  EXPECT_EQ(core::LBXGETITEM(list, 0), "");
  EXPECT_EQ(core::LBXGETSELITEMS(list).Len(), 0u);
  SendMessageA(list, LB_SETSEL, TRUE, 0);
  SendMessageA(list, LB_SETSEL, TRUE, 2);
  Value selected = core::LBXGETSELITEMS(list);
  ASSERT_EQ(selected.Len(), 2u);
  EXPECT_EQ(selected.At(1), Value(1));
  EXPECT_EQ(selected.At(2), Value(3));
}

TEST(WrappersTest, TabControls) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  Windows make;
  HWND top = make("STATIC", "", WS_POPUP, 0, 0, 300, 200);
  HWND tabs = make(WC_TABCONTROLA, "", WS_CHILD, 0, 0, 300, 200, top);
  EXPECT_EQ(core::TABCTRLADD(tabs, "Zweite", false), 0);
  EXPECT_EQ(core::TABCTRLADD(tabs, "Erste", true), 0);  // always inserted at the front
  char text[32] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tabs, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "Zweite");
  EXPECT_EQ(core::TABCTRL_GETCURSEL(tabs), 1);  // the selection moved along with its tab
  EXPECT_EQ(core::TABCTRL_SETCURSEL(tabs, 0), 1);
  EXPECT_EQ(core::TABCTRL_GETCURSEL(tabs), 0);
  Value area = core::TABCTRL_ADJUSTRECT(tabs);
  ASSERT_EQ(area.Len(), 4u);
  EXPECT_GT(area.At(1).AsInt(), 0);                    // below the tabs
  EXPECT_LT(area.At(3).AsInt(), 200);
  EXPECT_LT(area.At(2).AsInt(), area.At(4).AsInt());
  EXPECT_TRUE(core::TABDELALLITEMS(tabs));
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST(WrappersTest, PositionsSizesAndPoints) {
  // Static windows are transparent to hit tests: the top window has a class
  // of its own.
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "WrapperPlainTest";
  RegisterClassA(&wc);
  Windows make;
  HWND top = make("WrapperPlainTest", "", WS_POPUP | WS_VISIBLE, 100, 50, 300, 200);
  HWND child = make("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top);
  EXPECT_TRUE(core::MOVEWINDOW(child, 10, 20, 30, 40));
  EXPECT_EQ(core::WNDTOP(child), 10);
  EXPECT_EQ(core::WNDLEFT(child), 20);
  EXPECT_EQ(core::WNDWIDTH(child), 30);
  EXPECT_EQ(core::WNDHEIGHT(child), 40);
  EXPECT_TRUE(core::MOVEWINDOW(child, 5, 6));  // width and height 0 keep theirs
  EXPECT_EQ(core::WNDWIDTH(child), 30);
  EXPECT_EQ(core::WNDHEIGHT(child), 40);
  EXPECT_EQ(core::WNDWIDTH(child, 50), 50);
  EXPECT_EQ(core::WNDHEIGHT(child, 60), 60);
  EXPECT_EQ(core::WNDTOP(child, 70), 70);
  EXPECT_EQ(core::WNDLEFT(child, 80), 80);
  EXPECT_TRUE(core::WNDSETSIZE(child, 0, 15));
  EXPECT_EQ(core::WNDWIDTH(child), 50);
  EXPECT_EQ(core::WNDHEIGHT(child), 15);
  EXPECT_TRUE(core::SETWINDOWPOS(child, nullptr, 11, 22, 33, 44, SWP_NOZORDER));
  RECT rc = core::WindowRectInParent(child);
  EXPECT_EQ(rc.top, 11);
  EXPECT_EQ(rc.left, 22);
  EXPECT_EQ(rc.right - rc.left, 33);

  Value point = Value::Array({3, 4});  // {row, col}
  Value screen = core::CLIENTTOSCREEN(top, point);
  EXPECT_EQ(point.At(1), Value(53));
  EXPECT_EQ(point.At(2), Value(104));
  EXPECT_EQ(screen.At(1), Value(53));
  EXPECT_FALSE(screen.AsArrayPtr() == point.AsArrayPtr());
  core::SCREENTOCLIENT(top, point);
  EXPECT_EQ(point.At(1), Value(3));
  EXPECT_EQ(point.At(2), Value(4));

  EXPECT_TRUE(core::ISOVERWND(top, 199, 299));
  EXPECT_FALSE(core::ISOVERWND(top, 200, 10));
  EXPECT_FALSE(core::ISOVERWND(top, -1, 10));
  EXPECT_FALSE(core::WNDHASSCROLLS(top));
  HWND scrolled = make("STATIC", "", WS_CHILD | WS_VSCROLL, 0, 0, 10, 10, top);
  EXPECT_TRUE(core::WNDHASSCROLLS(scrolled));

  EXPECT_EQ(core::WINDOWFROMPOINT(100 + 290, 50 + 10), top);  // column first

  EXPECT_TRUE(core::MOVEWINDOW(child, 0, 0, 100, 50));
  EXPECT_TRUE(core::WNDCENTER(child, top));
  EXPECT_EQ(core::WNDTOP(child), 75);
  EXPECT_EQ(core::WNDLEFT(child), 100);
  EXPECT_TRUE(core::WNDCENTER(child, DeadWindow()));  // over the desktop
  RECT desk{}, own{};
  GetWindowRect(GetDesktopWindow(), &desk);
  GetWindowRect(child, &own);
  EXPECT_EQ(own.left, (desk.right - 100) / 2);
}

TEST(WrappersTest, MinMaxInfoPointByPoint) {
  MINMAXINFO info{};
  info.ptMaxTrackSize = {999, 888};
  core::SETMINMAX(reinterpret_cast<LPARAM>(&info), Value::Array({1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(info.ptReserved.x, 1);
  EXPECT_EQ(info.ptMaxSize.y, 4);
  EXPECT_EQ(info.ptMaxPosition.x, 5);
  EXPECT_EQ(info.ptMinTrackSize.y, 8);
  EXPECT_EQ(info.ptMaxTrackSize.x, 999);  // not given: kept
}

TEST(WrappersTest, InstanceClassesAndPlatform) {
  EXPECT_EQ(core::GETINSTANCE(), GetModuleHandleA(nullptr));
  EXPECT_TRUE(core::ISWINNT());
  EXPECT_FALSE(core::ISWIN95());
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW;
  wc.lpfnWndProc = DefWindowProcA;
  wc.cbWndExtra = 8;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "WrapperInfoTest";
  // Made afresh, so that the test holds when it runs again.
  UnregisterClassA(wc.lpszClassName, wc.hInstance);
  ASSERT_TRUE(RegisterClassA(&wc));
  Value info = core::GETCLASSINFO(GetModuleHandleA(nullptr), "WrapperInfoTest");
  ASSERT_EQ(info.Len(), 10u);
  EXPECT_EQ(info.At(1), Value(static_cast<long>(CS_HREDRAW)));
  EXPECT_EQ(info.At(4), Value(8));
  EXPECT_TRUE(info.At(9).IsNil());
  EXPECT_TRUE(core::GETCLASSINFO(GetModuleHandleA(nullptr), "NoSuchClassAnywhere").IsNil());

  Windows make;
  HWND top = make("STATIC", "", WS_POPUP, 0, 0, 100, 100);
  HWND edit = core::MGETCREATE("EDIT", "Text", WS_CHILD, 1, 2, 50, 20, top, 101);
  make.made.push_back(edit);
  ASSERT_TRUE(edit);
  EXPECT_EQ(GetDlgCtrlID(edit), 101);
  EXPECT_EQ(core::GETWINDOWTEXT(edit), "Text");
}

}  // namespace
