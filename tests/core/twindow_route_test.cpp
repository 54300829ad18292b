// What a window passes on: commands to its menu and controls, scrolling to
// its scroll bars, colours to its controls, and resizing to its docked
// children.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/twindow.h"
#include "runtime/object.h"
#include "twindow_support.h"
#include "services/int32.h"

namespace {

using coretest::CallLog;
using coretest::OwnedWindow;

// A child window that records the library's private messages it gets and
// answers the colour request with a brush number.
class ControlProbe : public core::TWindow {
 public:
  std::vector<std::string> got;
  rt::Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override {
    if (nMsg >= 0x800 && nMsg < 0x820) {
      got.push_back(std::to_string(nMsg) + "(" + std::to_string(nWParam) + ")");
      return rt::Value(nMsg == 0x806 ? 1234 : 0);
    }
    return TWindow::HandleEvent(nMsg, nWParam, nLParam);
  }
};

std::shared_ptr<ControlProbe> NewControl(const OwnedWindow& parent, int id) {
  auto c = std::make_shared<ControlProbe>();
  c->nId = id;
  c->New(coretest::PixelArgs(5, 5, 24, 54, WS_CHILD | WS_VISIBLE, parent.value()));
  return c;
}

TEST(TWindowCommand, ControlsGetClickChangeAndTheMenuItsItems) {
  OwnedWindow w;
  const auto control = NewControl(w, 101);
  OwnedWindow hold(control);
  const auto sender = reinterpret_cast<LPARAM>(control->hWnd);
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(101, 0), sender);
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(101, 1), sender);
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(101, 8), sender);
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(101, 5), sender);
  const std::vector<std::string> expected{"2048(0)", "2053(0)", "2066(0)"};
  EXPECT_EQ(control->got, expected);

  // Without a sender the command is the menu's; a tracked pop-up gets only
  // the ids it holds (this one holds none).
  CallLog log;
  w->oMenu = coretest::NewRecorder(log, "menu");
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(20001, 0), 0);
  w->oPopup = coretest::NewRecorder(log, "popup");
  SendMessageA(w->hWnd, WM_COMMAND, MAKEWPARAM(20002, 0), 0);
  EXPECT_EQ(log.Joined(), "menu:Command(20001) popup:GetMenuItem(20002) menu:Command(20002)");
  // The pop-up being opened is looked for by its handle, not its position,
  // and does not become oPopup.
  log.Clear();
  w->oPopup = rt::Value();
  SendMessageA(w->hWnd, WM_INITMENUPOPUP, 0x1234, MAKELPARAM(3, 0));
  EXPECT_EQ(log.Joined(), "menu:GetSubMenu(4660) menu:GetPopup(4660)");
  EXPECT_TRUE(w->oPopup.IsNil());
  w->oMenu = rt::Value();
  w->oPopup = rt::Value();
}

TEST(TWindowScroll, OwnBarsGetTheirMethodsAndControlsTheMessages) {
  struct Case {
    UINT msg;
    WORD code;
    const char* call;  // on the window's own bar
    UINT controlMsg;   // to a scroll-bar control
  };
  const Case cases[] = {
      {WM_VSCROLL, SB_LINEUP, "v:GoUp()", 0x801},        {WM_VSCROLL, SB_LINEDOWN, "v:GoDown()", 0x802},
      {WM_VSCROLL, SB_PAGEUP, "v:PageUp()", 0x803},      {WM_VSCROLL, SB_PAGEDOWN, "v:PageDown()", 0x804},
      {WM_VSCROLL, SB_THUMBPOSITION, "v:ThumbPos(77)", 0x80A}, {WM_HSCROLL, SB_THUMBTRACK, "h:ThumbTrack(77)", 0x80E},
      {WM_HSCROLL, SB_LINEUP, "h:GoUp()", 0x801},
  };
  OwnedWindow w;
  CallLog log;
  w->oVScroll = coretest::NewRecorder(log, "v");
  w->oHScroll = coretest::NewRecorder(log, "h");
  const auto control = NewControl(w, 102);
  OwnedWindow hold(control);
  for (const Case& c : cases) {
    log.Clear();
    control->got.clear();
    EXPECT_EQ(SendMessageA(w->hWnd, c.msg, MAKEWPARAM(c.code, 77), 0), 0);
    EXPECT_EQ(log.Joined(), c.call);
    SendMessageA(w->hWnd, c.msg, MAKEWPARAM(c.code, 77), reinterpret_cast<LPARAM>(control->hWnd));
    const bool withPos = c.code == SB_THUMBPOSITION || c.code == SB_THUMBTRACK;
    ASSERT_EQ(control->got.size(), 1u) << c.call;
    EXPECT_EQ(control->got[0], std::to_string(c.controlMsg) + "(" + (withPos ? "77" : "0") + ")");
  }
}

TEST(TWindowColours, OnlyOwnDialogControlsAnswerTheColourRequest) {
  OwnedWindow w;
  OwnedWindow other;
  const auto own = NewControl(w, 103);
  const auto foreign = NewControl(other, 104);
  OwnedWindow hold1(own), hold2(foreign);
  const HDC dc = GetDC(w->hWnd);
  EXPECT_EQ(SendMessageA(w->hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(own->hWnd)),
            1234);
  const rt::Value notMine = w->CtlColor(svc::HandleNumber(foreign->hWnd), 0);
  EXPECT_TRUE(notMine.IsNil());
  ReleaseDC(w->hWnd, dc);
}

TEST(TWindowResize, DockedChildrenAdjustInOrderThenTheHooks) {
  OwnedWindow w;
  CallLog log(w.value());
  w->oClient = coretest::NewRecorder(log, "client");
  w->oRight = coretest::NewRecorder(log, "right");
  w->oLeft = coretest::NewRecorder(log, "left");
  w->oBar = coretest::NewRecorder(log, "bar");
  w->oMsgBar = coretest::NewRecorder(log, "msgbar");
  w->oBottom = coretest::NewRecorder(log, "bottom");
  w->oTop = coretest::NewRecorder(log, "top");
  w->bResized = log.Block("bResized");
  MoveWindow(w->hWnd, 40, 30, 200, 100, FALSE);
  log.Clear();
  SendMessageA(w->hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(190, 70));
  EXPECT_EQ(log.Joined(),
            "top:AdjTop() bottom:AdjBottom() msgbar:Adjust() bar:Adjust() left:AdjLeft() right:AdjRight() "
            "client:AdjClient() bResized(0,190,70)");
  // The place was read back, bottom and right on the last pixel.
  EXPECT_EQ(w->nTop, 30);
  EXPECT_EQ(w->nLeft, 40);
  EXPECT_EQ(w->nBottom, 129);
  EXPECT_EQ(w->nRight, 239);
}

}  // namespace
