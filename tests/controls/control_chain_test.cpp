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

}  // namespace
