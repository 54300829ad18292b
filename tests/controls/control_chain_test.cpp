// The base control inside a running dialog: ids, dialog codes, keyboard
// navigation, the default button, docking and the validation chain.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "core/tcontrol.h"
#include "core/tdialog.h"
#include "graphics/class_names.h"

namespace {

// A window of the folder class that owns a page dialog.
class FolderStandIn : public core::TWindow {
 public:
  RT_CLASS_DECL()
};

const rt::ClassInfo& FolderStandIn::ClassDef() {
  static const rt::ClassInfo info(std::string(vdclass::kFolder), &TWindow::ClassDef(), nullptr,
                                  [](rt::ClassInfo&) {});
  return info;
}

// A control that records the keys sent to it.
class KeyRecorder : public core::TControl {
 public:
  long lastKeyDown = 0;
  rt::Value KeyDown(long nKey, long nFlags) override {
    lastKeyDown = nKey;
    return TControl::KeyDown(nKey, nFlags);
  }
};

std::shared_ptr<core::TDialog> NewDialog() {
  auto d = std::make_shared<core::TDialog>();
  core::DialogArgs a;
  a.nTop = 10;
  a.nLeft = 10;
  a.nWidth = 300;
  a.nHeight = 200;
  a.cCaption = "Kette";
  d->New(a);
  return d;
}

// Makes a native child of the running dialog and binds control to it.
template <class T = core::TControl>
std::shared_ptr<T> Bind(const std::shared_ptr<core::TDialog>& d, const char* cls, DWORD style, long id, int top) {
  CreateWindowA(cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, top, 120, 22, d->hWnd,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  auto c = std::make_shared<T>();
  c->Register();
  c->nId = id;
  c->oWnd = rt::Value(d);
  c->Initiate(d->hWnd);
  return c;
}

// Runs a modal dialog, calls body while it is up, then ends it.
void WhileUp(const std::function<void(const std::shared_ptr<core::TDialog>&)>& body) {
  auto d = NewDialog();
  core::DialogActivation act;
  act.bInit = rt::Value::Block([d, body](rt::Args) {
    body(d);
    d->End(1);
    return rt::Value();
  });
  d->Activate(act);
}

void SetShift(bool down) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

// Reports the first three ids and ends the process.
void ReportFirstIds() {
  const long a = core::TControl::GetNewId();
  const long b = core::TControl::GetNewId();
  const long c = core::TControl::GetNewId();
  std::fprintf(stderr, "ids %ld %ld %ld\n", a, b, c);
  std::exit(0);
}

TEST(TControlIds, FreshProcessCountsFromHundred) {
  EXPECT_EXIT(ReportFirstIds(), testing::ExitedWithCode(0), "ids 100 101 102");
}

TEST(TControlChain, DialogCodeFromFolderOwnDataOrPreviousProcedure) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    HWND plain = CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 10, 10, d->hWnd, nullptr, nullptr, nullptr);
    const LRESULT nativeCode = SendMessageA(plain, WM_GETDLGCODE, 0, 0);
    ASSERT_NE(nativeCode, 0);
    auto edit = Bind(d, "EDIT", 0, 300, 10);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_GETDLGCODE, 0, 0), nativeCode);
    edit->nDlgCode = rt::Value(DLGC_WANTTAB);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_GETDLGCODE, VK_TAB, 0), DLGC_WANTTAB);
    EXPECT_EQ(d->nLastKey, VK_TAB);

    // On a page of a folder every key goes to the control.
    auto folder = std::make_shared<FolderStandIn>();
    auto page = std::make_shared<core::TDialog>();
    page->oWnd = rt::Value(folder);
    edit->oWnd = rt::Value(page);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    edit->oWnd = rt::Value(d);
  });
}

TEST(TControlChain, TabAndShiftTabMoveTheFocus) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    auto first = Bind(d, "EDIT", 0, 301, 10);
    auto second = Bind(d, "EDIT", 0, 302, 40);
    auto third = Bind(d, "EDIT", 0, 303, 70);
    SetFocus(second->hWnd);
    SendMessageA(second->hWnd, WM_CHAR, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), third->hWnd);
    SetShift(true);
    SendMessageA(third->hWnd, WM_CHAR, VK_TAB, 0);
    SendMessageA(second->hWnd, WM_CHAR, VK_TAB, 0);
    SetShift(false);
    EXPECT_EQ(GetFocus(), first->hWnd);
  });
}

TEST(TControlChain, EnterInAnEditPressesTheDefaultButton) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    auto edit = Bind(d, "EDIT", 0, 310, 10);
    auto button = Bind<KeyRecorder>(d, "BUTTON", BS_DEFPUSHBUTTON, 311, 40);
    SendMessageA(d->hWnd, DM_SETDEFID, 311, 0);
    SetFocus(edit->hWnd);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_CHAR, VK_RETURN, 0), 0);
    EXPECT_EQ(button->lastKeyDown, VK_RETURN);
    // The button itself does not press itself again.
    button->lastKeyDown = 0;
    SendMessageA(button->hWnd, WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(button->lastKeyDown, 0);
  });
}

TEST(TControlChain, AlignClientDocksAndLeavesOtherSides) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    auto c = Bind(d, "STATIC", 0, 320, 10);
    c->_nAlign(core::kAlignClient);
    EXPECT_EQ(d->oClient.AsObject().get(), c.get());
    EXPECT_EQ(c->nAlign(), core::kAlignClient);
    // The docked control covers the whole client area of its dialog.
    RECT client{}, r{};
    GetClientRect(d->hWnd, &client);
    GetWindowRect(c->hWnd, &r);
    MapWindowPoints(nullptr, d->hWnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_LE(r.left, 0);
    EXPECT_LE(r.top, 0);
    EXPECT_GE(r.right, client.right);
    EXPECT_GE(r.bottom, client.bottom);
    c->_nAlign(core::kAlignTop);
    EXPECT_TRUE(d->oClient.IsNil());
    EXPECT_EQ(d->oTop.AsObject().get(), c.get());
    c->_nAlign(core::kAlignNone);
    EXPECT_TRUE(d->oTop.IsNil());
    EXPECT_EQ(c->nAlign(), core::kAlignNone);
  });
}

TEST(TControlChain, FailedValidationAfterLostFocusTakesTheFocusBack) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    auto checked = Bind(d, "EDIT", 0, 330, 10);
    auto other = Bind(d, "EDIT", 0, 331, 40);
    bool valid = false;
    checked->bValid = rt::Value::Block([&valid](rt::Args) { return rt::Value(valid); });
    SetFocus(other->hWnd);
    SendMessageA(checked->hWnd, core::WM_VD_LOSTFOCUS, reinterpret_cast<WPARAM>(other->hWnd), 0);
    EXPECT_EQ(GetFocus(), checked->hWnd);
    EXPECT_FALSE(d->lValidating);

    valid = true;
    SetFocus(other->hWnd);
    SendMessageA(checked->hWnd, core::WM_VD_LOSTFOCUS, reinterpret_cast<WPARAM>(other->hWnd), 0);
    EXPECT_EQ(GetFocus(), other->hWnd);
    checked->bValid = rt::Value();
  });
}

TEST(TControlDesign, HandleResizesTheNamedEdges) {
  const RECT r{10, 20, 110, 70};
  struct Case {
    int handle;
    RECT expected;
  } cases[] = {{1, {15, 25, 110, 70}}, {2, {10, 25, 110, 70}}, {3, {10, 25, 115, 70}}, {4, {10, 20, 115, 70}},
               {5, {10, 20, 115, 75}}, {6, {10, 20, 110, 75}}, {7, {15, 20, 110, 75}}, {8, {15, 20, 110, 70}}};
  for (const Case& c : cases) {
    const RECT got = core::ResizedByHandle(r, c.handle, 5, 5);
    EXPECT_TRUE(EqualRect(&got, &c.expected)) << "handle " << c.handle;
  }
  // An edge stops at the opposite one.
  const RECT flat = core::ResizedByHandle(r, 2, 500, 0);
  EXPECT_EQ(flat.top, flat.bottom);
}

// The window's own visibility: the dialog shows only after its init block.
bool Shown(HWND h) { return (GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0; }

TEST(TControlDesign, DotsFollowTheControlAndResizeIt) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    core::SETGRIDSIZE(4, 4);
    auto c = Bind(d, "STATIC", 0, 340, 21);
    c->lDrag = true;
    c->CheckDots();
    EXPECT_EQ(c->nTop % 4, 0);
    const auto dots = core::TControl::Dots();
    for (HWND dot : dots) {
      ASSERT_TRUE(IsWindow(dot));
      EXPECT_FALSE(Shown(dot));
    }
    c->ShowDots();
    RECT control{}, first{}, fifth{};
    GetWindowRect(c->hWnd, &control);
    GetWindowRect(dots[0], &first);
    GetWindowRect(dots[4], &fifth);
    EXPECT_TRUE(Shown(dots[0]));
    EXPECT_LT(first.left, control.left);
    EXPECT_GT(fifth.right, control.right - 1);

    // Dragging the bottom-right handle by 21 x 10 pixels grows the control
    // by the snapped 20 x 8.
    const long width = c->nWidth(), height = c->nHeight();
    c->MResize(5, 0, 0);
    SendMessageA(c->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(21, 10));
    EXPECT_EQ(c->nWidth(), width + 20);
    EXPECT_EQ(c->nHeight(), height + 8);
    EXPECT_EQ(c->nMResize, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    c->HideDots();
    EXPECT_FALSE(Shown(dots[0]));
    c->lDrag = false;
    core::SETGRIDSIZE(0, 0);
  });
}

// Moving a control in design mode shows an inverted outline that follows
// the mouse and leaves nothing behind once the button is released.
TEST(TControlDesign, OutlineFollowsTheMouseAndVanishes) {
  WhileUp([](const std::shared_ptr<core::TDialog>& d) {
    auto c = Bind(d, "STATIC", 0, 341, 60);
    c->lDrag = true;
    // The init block runs before the dialog shows.
    ShowWindow(d->hWnd, SW_SHOWNA);
    UpdateWindow(d->hWnd);
    // A point on the right edge of the outline moved by 16 x 16, outside
    // the control where it stands.
    const HDC dc = GetDC(d->hWnd);
    const POINT a{10 + 120 + 16 - 2, 60 + 11 + 16};
    const COLORREF before = GetPixel(dc, a.x, a.y);

    SendMessageA(c->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, 0));
    SendMessageA(c->hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(16, 16));
    EXPECT_NE(GetPixel(dc, a.x, a.y), before);
    SendMessageA(c->hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(GetPixel(dc, a.x, a.y), before);
    SendMessageA(c->hWnd, WM_LBUTTONUP, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(GetPixel(dc, a.x, a.y), before);
    RECT r{};
    GetWindowRect(c->hWnd, &r);
    MapWindowPoints(nullptr, d->hWnd, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseDC(d->hWnd, dc);
    c->HideDots();
    c->lDrag = false;
  });
}

}  // namespace
