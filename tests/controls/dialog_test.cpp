// Dialog templates and the modal and modeless paths of TDialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/dialog_box.h"
#include "core/dialog_template.h"
#include "core/modeless.h"
#include "core/tcontrol.h"
#include "core/tdialog.h"
#include "runtime/error.h"
#include "tests/services/box_driver.h"

namespace {

std::u16string Utf16At(const std::string& bytes, std::size_t offset) {
  std::u16string out;
  for (std::size_t i = offset; i + 1 < bytes.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (c == 0) break;
    out += c;
  }
  return out;
}

std::uint32_t U32(const std::string& b, std::size_t i) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b[i + static_cast<std::size_t>(k)]);
  return v;
}

TEST(DialogTemplate, HeaderStylesCaptionAndPadding) {
  const std::string h = core::CDLG2CHR(2, 10, 20, 109, 219, "W\xF6rter", 2);
  EXPECT_EQ(U32(h, 0), 2147483650u);
  EXPECT_EQ(U32(h, 4), 32u);
  EXPECT_EQ(h[8], 2);
  EXPECT_EQ(h[10], 20);   // x
  EXPECT_EQ(h[12], 10);   // y
  EXPECT_EQ(static_cast<unsigned char>(h[14]), 200);  // cx
  EXPECT_EQ(h[16], 100);                              // cy
  EXPECT_EQ(h.substr(18, 4), std::string(4, '\0'));  // menu and class 0
  EXPECT_EQ(Utf16At(h, 22), u"W\u00F6rter");
  EXPECT_EQ(h.size() % 4, 0u);
  EXPECT_EQ(U32(core::CDLG2CHR(0, 0, 0, 1, 1, "", 268435456), 0), 3221225472u);
  // An odd caption gets a blank.
  EXPECT_EQ(Utf16At(core::CDLG2CHR(0, 0, 0, 1, 1, "Abc", 0), 22), u"Abc ");
  const std::string longOne = core::CDLG2CHR(0, 0, 0, 1, 1, std::string(300, 'x'), 0);
  EXPECT_LE(longOne.size(), core::kTemplateHeaderRoom);
  EXPECT_EQ(longOne.size() % 4, 0u);
}

TEST(DialogTemplate, ControlEntryPaddedToFourBytes) {
  const std::string e = core::CCTRL2CHR(4, 6, 13, 25, 101, WS_CHILD | WS_VISIBLE, "STATIC", "Ab");
  EXPECT_EQ(U32(e, 0), static_cast<std::uint32_t>(WS_CHILD | WS_VISIBLE));
  EXPECT_EQ(U32(e, 4), 0u);
  EXPECT_EQ(e[8], 6);
  EXPECT_EQ(e[10], 4);
  EXPECT_EQ(e[12], 20);
  EXPECT_EQ(e[14], 10);
  EXPECT_EQ(e[16], 101);
  EXPECT_EQ(Utf16At(e, 18), u"STATIC");
  EXPECT_EQ(Utf16At(e, 18 + 14), u"Ab");
  EXPECT_EQ(e.size() % 4, 0u);
}

// A dialog whose tests end it with 99 from outside when the step under test
// did not.
class TestDialog : public core::TDialog {
 public:
  rt::Value HandleEvent(UINT nMsg, WPARAM w, LPARAM l) override {
    if (nMsg == WM_APP) {
      EndDialog(hWnd, 99);
      return rt::Value(true);
    }
    return TDialog::HandleEvent(nMsg, w, l);
  }
};

std::shared_ptr<TestDialog> NewDialog() {
  auto d = std::make_shared<TestDialog>();
  core::DialogArgs a;
  a.nTop = 10;
  a.nLeft = 10;
  a.nWidth = 300;
  a.nHeight = 200;
  a.cCaption = "Probe";
  d->New(a);
  return d;
}

// Runs the dialog modally; init posts what the test drives, then the
// fall-back end.
long RunWith(const std::shared_ptr<TestDialog>& d, std::function<void(HWND)> drive) {
  core::DialogActivation act;
  act.bInit = rt::Value::Block([d, drive](rt::Args) {
    drive(d->hWnd);
    PostMessageA(d->hWnd, WM_APP, 0, 0);
    return rt::Value();
  });
  d->Activate(act);
  return static_cast<long>(d->nResult.AsNumber());
}

TEST(TDialogModal, WhenFalseGivesCancelWithoutWindow) {
  auto d = NewDialog();
  core::DialogActivation act;
  bool initRan = false;
  act.bWhen = rt::Value::Block([](rt::Args) { return rt::Value(false); });
  act.bInit = rt::Value::Block([&](rt::Args) {
    initRan = true;
    return rt::Value();
  });
  d->Activate(act);
  EXPECT_EQ(d->nResult.AsNumber(), 2);
  EXPECT_FALSE(initRan);
  EXPECT_FALSE(d->lVisible);
}

TEST(TDialogModal, CommandRulesAndKeys) {
  // Escape without a parent, a click of id 1 that is no control, and Enter
  // (id 1, no control handle) that only moves the focus.
  EXPECT_EQ(RunWith(NewDialog(), [](HWND h) { SendMessageA(h, WM_CHAR, VK_ESCAPE, 0); }), 2);
  {
    auto d = NewDialog();
    HWND fake = nullptr;
    EXPECT_EQ(RunWith(d,
                      [&](HWND h) {
                        fake = CreateWindowA("BUTTON", "x", WS_CHILD, 0, 0, 10, 10, h, nullptr, nullptr, nullptr);
                        PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, 0), reinterpret_cast<LPARAM>(fake));
                      }),
              1);
  }
  EXPECT_EQ(RunWith(NewDialog(), [](HWND h) { PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); }), 99);
}

// The close box (and Alt+F4, the same system command) ends a modal dialog
// as Cancel would; a bValid that refuses keeps it open.
TEST(TDialogModal, CloseCommandEndsAsCancelUnlessInvalid) {
  for (const bool valid : {true, false}) {
    SCOPED_TRACE(valid);
    auto d = NewDialog();
    EXPECT_EQ(RunWith(d,
                      [&](HWND h) {
                        d->bValid = rt::Value::Block([valid](rt::Args) { return rt::Value(valid); });
                        // The system turns it into a posted Cancel, ahead
                        // of the test's own end.
                        SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
                      }),
              valid ? 2 : 99);
  }
}

// The class layer reaches the dialog's own methods by name: New and
// Activate are the dialog's (modal, with its blocks in their order), not
// the base window's.
TEST(TDialogModal, ItsOwnMethodsAnswerByName) {
  const rt::Value d = rt::CreateObject("TDIALOG");
  ASSERT_TRUE(d.IsObject());
  const double style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VSCROLL | WS_HSCROLL;
  rt::SendV(d, "New", 1, 1, 10, 40, "Namen", rt::Value(), rt::Value(), rt::Value(), style);
  bool scrollBars = false;
  const rt::Value init = rt::Value::Block([&](rt::Args a) {
    const rt::Value self = a[0];
    scrollBars = rt::Send(self, "oVScroll").IsObject() && rt::Send(self, "oHScroll").IsObject();
    rt::SendV(self, "End", 7);
    return rt::Value();
  });
  // Activate's seventh argument is bInit; its sixth, lModal, defaults to .T.
  rt::Value args[7];
  args[6] = init;
  rt::Send(d, "Activate", rt::Args(args, 7));
  EXPECT_EQ(rt::Send(d, "nResult").AsInt(), 7);
  EXPECT_TRUE(scrollBars) << "the style's scroll bars become objects";
}

TEST(TDialogModal, EndRefusedWhileInvalid) {
  auto d = NewDialog();
  bool refused = true;
  RunWith(d, [&](HWND) {
    d->bValid = rt::Value::Block([](rt::Args) { return rt::Value(false); });
    refused = !d->End(1);
    d->bValid = rt::Value();
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(d->nResult.AsNumber(), 99);
}

TEST(TDialogModal, FiftyFirstNestedDialogRefused) {
  int depth = 0, innermostRan = 0;
  std::function<void()> open = [&] {
    auto d = NewDialog();
    core::DialogActivation act;
    act.bInit = rt::Value::Block([&, d](rt::Args) {
      ++depth;
      if (depth < core::kModalNesting) {
        open();
      } else {
        ++innermostRan;
        // The 51st is refused with library error 3.
        rt::Value caught;
        rt::ErrorBlockScope scope(rt::Value::Block([](rt::Args a) -> rt::Value { rt::BREAK(a[0]); }));
        rt::Sequence([&] { NewDialog()->Activate(); }, [&](const rt::Value& e) { caught = e; });
        const auto error = caught.As<rt::Error>();
        EXPECT_TRUE(error && error->subCode == 3);
      }
      // The dialog still works: its own End reaches its own window.
      d->End(7);
      return rt::Value();
    });
    d->Activate(act);
    EXPECT_EQ(d->nResult.AsNumber(), 7);
  };
  open();
  EXPECT_EQ(innermostRan, 1);
}

TEST(TDialogModeless, RegisteredAndRefusedWhenFull) {
  auto d = NewDialog();
  auto control = std::make_shared<core::TControl>();
  control->Register();
  d->DefControl(rt::Value(control));
  control->nStyle = WS_CHILD | WS_VISIBLE;
  core::DialogActivation act;
  act.lModal = false;
  d->Activate(act);
  ASSERT_TRUE(d->hWnd);
  EXPECT_FALSE(core::DEREGDIALOG(nullptr));
  EXPECT_TRUE(core::DEREGDIALOG(d->hWnd));
  EXPECT_TRUE(core::REGDIALOG(d->hWnd));
  DestroyWindow(d->hWnd);
  EXPECT_FALSE(core::DEREGDIALOG(d->hWnd));

  std::vector<HWND> taken;
  for (int i = 1; core::CANREGDIALOG(); ++i) {
    taken.push_back(reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x10000 + i)));
    core::REGDIALOG(taken.back());
  }
  auto full = NewDialog();
  full->DefControl(rt::Value(std::make_shared<core::TControl>()));
  BoxDriver driver([](HWND box) { BoxDriver::PressEnter(box); });
  full->Activate(act);
  EXPECT_NE(driver.Seen().Joined().find("Not possible to create more non-modal Dialogs"), std::string::npos);
  EXPECT_EQ(full->hWnd, nullptr);
  for (HWND h : taken) core::DEREGDIALOG(h);
}

TEST(TDialogErrors, DuplicateAndMissingIdsAndMissingResource) {
  auto catchError = [](auto body) {
    rt::Value caught;
    rt::ErrorBlockScope scope(rt::Value::Block([](rt::Args a) -> rt::Value { rt::BREAK(a[0]); }));
    rt::Sequence(body, [&](const rt::Value& e) { caught = e; });
    return caught.As<rt::Error>();
  };
  auto d = NewDialog();
  auto a = std::make_shared<core::TControl>();
  a->nId = 300;
  d->DefControl(rt::Value(a));
  auto b = std::make_shared<core::TControl>();
  b->nId = 300;
  auto dup = catchError([&] { d->DefControl(rt::Value(b)); });
  ASSERT_TRUE(dup);
  EXPECT_EQ(dup->subCode, 2);
  EXPECT_EQ(dup->operation, "No: 300");
  EXPECT_EQ(d->aControls.Len(), 1u);

  HWND plain = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  auto missing = catchError([&] { a->Initiate(plain); });
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->subCode, 1);
  EXPECT_EQ(missing->operation, "No: 300");
  EXPECT_EQ(a->hWnd, nullptr);
  DestroyWindow(plain);

  auto r = NewDialog();
  r->cResName = rt::Value("NOSUCHDIALOG");
  auto noResource = catchError([&] { r->Activate(); });
  ASSERT_TRUE(noResource);
  EXPECT_EQ(noResource->subCode, 3);
  EXPECT_EQ(noResource->operation, "Resource: NOSUCHDIALOG\r\nTitle: Probe");
}

TEST(TDialogVbx, MissingLibraryIsReported) {
  BoxDriver driver([](HWND box) { BoxDriver::PressEnter(box); });
  EXPECT_FALSE(core::VBXTERM());
  EXPECT_NE(driver.Seen().Joined().find("BIVBX10.DLL"), std::string::npos);
}

}  // namespace
