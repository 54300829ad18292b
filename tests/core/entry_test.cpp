// Slots, entry points and the core procedure: which procedure a message
// reaches and what Windows gets back.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/core_proc.h"
#include "core/entry_points.h"
#include "core/vdh.h"
#include "core/window_class.h"
#include "core/window_list.h"
#include "core/window_procs.h"
#include "runtime/value.h"
#include "test_support.h"

namespace {

using coretest::BoxWatch;
using coretest::LinkedProbe;
using coretest::NewTestWindow;
using coretest::Probe;

// A window class with its own procedure, standing for a control whose
// procedure the library replaces.
std::vector<UINT>& OwnProcMessages() {
  static std::vector<UINT> seen;
  return seen;
}

LRESULT CALLBACK OwnProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  OwnProcMessages().push_back(m);
  if (m == WM_USER + 7) return 777;
  return DefWindowProcA(h, m, w, l);
}

HWND NewOwnProcWindow() {
  static const bool registered = core::REGISTERCLASS("VDCOREOWNPROC", 0, 0, 0, nullptr, nullptr, nullptr,
                                                     std::nullopt, OwnProc, nullptr);
  (void)registered;
  return core::CREATEWINDOW("VDCOREOWNPROC", "own", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, 0);
}

// The slot the next linked window takes: the lowest free one, else a new one.
int NextSlot(int skip = 0) {
  const std::vector<rt::Value>& items = core::GETALLWIN().Items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int slot = static_cast<int>(i + 1);
    if (slot != skip && items[i].IsNumber() && items[i].AsNumber() == 0) return slot;
  }
  return static_cast<int>(items.size() + 1) + (skip == static_cast<int>(items.size() + 1) ? 1 : 0);
}

WNDPROC ProcOf(HWND h) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC)); }

TEST(Slots, FreedSlotIsReusedWithItsEntryPoint) {
  const int firstSlot = NextSlot();
  const int secondSlot = NextSlot(firstSlot);
  auto first = LinkedProbe();
  auto second = LinkedProbe();
  EXPECT_EQ(core::SlotOf(first.get()), firstSlot);
  EXPECT_EQ(core::SlotOf(second.get()), secondSlot);
  EXPECT_EQ(ProcOf(first->hWnd), core::SlotEntryPoint(firstSlot));
  EXPECT_NE(core::SlotEntryPoint(firstSlot), core::SlotEntryPoint(secondSlot));
  EXPECT_EQ(core::OWNDFROMHWND(second->hWnd), second);

  const HWND gone = first->hWnd;
  DestroyWindow(gone);
  EXPECT_EQ(first->hWnd, nullptr);
  EXPECT_EQ(core::GETALLWIN().At(static_cast<std::size_t>(firstSlot)), rt::Value(0));
  EXPECT_EQ(core::OWNDFROMHWND(gone), nullptr);

  const std::size_t length = core::NWINDOWS();
  auto third = LinkedProbe();
  EXPECT_EQ(core::SlotOf(third.get()), firstSlot);
  EXPECT_EQ(ProcOf(third->hWnd), core::SlotEntryPoint(firstSlot));
  EXPECT_EQ(core::NWINDOWS(), length) << "a free slot is reused before the list grows";
  EXPECT_EQ(core::GETALLWIN().At(static_cast<std::size_t>(firstSlot)).AsObject(), third);

  DestroyWindow(second->hWnd);
  DestroyWindow(third->hWnd);
  EXPECT_EQ(core::GETALLWIN().At(static_cast<std::size_t>(secondSlot)), rt::Value(0));
}

struct AnswerCase {
  const char* name;
  rt::Value answer;
  LRESULT result;
  bool reachesOwnProc;
};

TEST(CoreProcedure, AnswerBecomesResultOrPassesOn) {
  const AnswerCase cases[] = {
      {"true", rt::Value(true), 1, false},
      {"false", rt::Value(false), 0, false},
      {"number", rt::Value(42), 42, false},
      {"negative", rt::Value(-5), -5, false},
      // The number's bits at the result's width: -1 in the 32-bit programs.
      {"above 2^31", rt::Value(4294967295.0), static_cast<LRESULT>(static_cast<std::uintptr_t>(4294967295ull)),
       false},
      {"date", rt::Value(rt::Date{2451545}), 2451545, false},
      {"text", rt::Value("abc"), 0, false},
      {"NIL", rt::Value(), 777, true},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto probe = std::make_shared<Probe>();
    probe->hWnd = NewOwnProcWindow();
    probe->Link();
    ASSERT_EQ(probe->nOldProc, OwnProc);
    probe->answer = [&](const std::string&) { return c.answer; };
    OwnProcMessages().clear();
    // WM_USER + 7 is not an event, so only a message the window answers
    // stands for the answer's case: WM_COMMAND is sent to Command.
    const LRESULT r = SendMessageA(probe->hWnd, c.answer.IsNil() ? WM_USER + 7 : WM_COMMAND, 1, 2);
    EXPECT_EQ(r, c.result);
    EXPECT_EQ(!OwnProcMessages().empty(), c.reachesOwnProc);
    DestroyWindow(probe->hWnd);
  }
}

TEST(CoreProcedure, NilWithoutPreviousProcedureGoesToDefWindowProc) {
  auto probe = LinkedProbe();
  probe->nOldProc = nullptr;
  SendMessageA(probe->hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("set by default"));
  char text[32] = {};
  GetWindowTextA(probe->hWnd, text, sizeof text);
  EXPECT_STREQ(text, "set by default");
  DestroyWindow(probe->hWnd);
}

TEST(CoreProcedure, SlotWithoutWindowObjectTakesDefaultPath) {
  const HWND h = NewTestWindow();
  EXPECT_EQ(core::VDH(0, WM_COMMAND, 0, 0, 0), nullptr);
  EXPECT_EQ(core::VDH(0, WM_COMMAND, 0, 0, 2999), nullptr);
  EXPECT_EQ(core::CoreProc(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("slot 0"), 0), TRUE);
  char text[16] = {};
  GetWindowTextA(h, text, sizeof text);
  EXPECT_STREQ(text, "slot 0");

  const int slot = core::TakeSlot(std::make_shared<rt::Object>());
  EXPECT_EQ(core::VDH(0, WM_COMMAND, 0, 0, slot), nullptr);
  core::FreeSlot(slot);
  DestroyWindow(h);
}

TEST(CoreProcedure, InitDialogCarriesTheWindowHandleFirst) {
  const HWND h = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(core::FirstArgument(h, WM_INITDIALOG, 99), 0x1234);
  EXPECT_EQ(core::FirstArgument(h, WM_COMMAND, 99), 99);
  EXPECT_EQ(core::FirstArgument(h, WM_CREATE, 99), 99);
}

TEST(CoreProcedure, DestroyStillReachesTheReplacedProcedure) {
  auto probe = std::make_shared<Probe>();
  probe->hWnd = NewOwnProcWindow();
  probe->Link();
  OwnProcMessages().clear();
  DestroyWindow(probe->hWnd);
  EXPECT_EQ(probe->Joined(), "Destroy()");
  EXPECT_NE(std::find(OwnProcMessages().begin(), OwnProcMessages().end(), UINT{WM_DESTROY}),
            OwnProcMessages().end());
  EXPECT_EQ(probe->hWnd, nullptr);
  EXPECT_EQ(core::SlotOf(probe.get()), 0);
}

// A window object that only the window list holds: it must outlive the
// handling of its own WM_DESTROY, which empties its slot.
class ListOwned : public core::TWindow {
 public:
  static inline bool inDestroy = false;
  static inline bool diedInDestroy = false;
  static inline bool died = false;
  ~ListOwned() override {
    died = true;
    diedInDestroy = inDestroy;
  }
  rt::Value Destroy() override {
    inDestroy = true;
    TWindow::Destroy();
    inDestroy = false;
    return rt::Value();
  }
};

TEST(CoreProcedure, WindowObjectLivesUntilItsMessageIsHandled) {
  ListOwned::died = ListOwned::diedInDestroy = false;
  HWND h = nullptr;
  {
    auto window = std::make_shared<ListOwned>();
    window->hWnd = h = NewTestWindow();
    window->Link();
  }
  ASSERT_FALSE(ListOwned::died);
  DestroyWindow(h);
  EXPECT_TRUE(ListOwned::died);
  EXPECT_FALSE(ListOwned::diedInDestroy);
}

TEST(Link, UnLinkFindsTheSlotByIdentity) {
  auto owner = LinkedProbe();
  const int slot = core::SlotOf(owner.get());
  const WNDPROC replaced = owner->nOldProc;
  owner->Link();
  EXPECT_EQ(core::SlotOf(owner.get()), slot);
  EXPECT_EQ(owner->nOldProc, replaced) << "its own entry point is never its previous procedure";
  auto twin = std::make_shared<Probe>();
  twin->hWnd = owner->hWnd;
  twin->Link(false);
  ASSERT_NE(core::SlotOf(twin.get()), 0);
  EXPECT_EQ(twin->nOldProc, nullptr);

  twin->UnLink();
  EXPECT_EQ(core::SlotOf(twin.get()), 0);
  ASSERT_NE(core::SlotOf(owner.get()), 0);
  SendMessageA(owner->hWnd, WM_COMMAND, 5, 0);
  EXPECT_EQ(owner->Joined(), "Command(5,0)");
  EXPECT_TRUE(twin->calls.empty());
  DestroyWindow(owner->hWnd);
}

TEST(Link, SlotAbove3000KeepsTheWindowsOwnProcedure) {
  rt::Value list = core::GETALLWIN();
  const std::vector<rt::Value> before = list.Items();
  // Fill every slot with something that is neither free nor a window.
  list.Items().assign(core::kWindowSlots, rt::Value(1));
  auto probe = std::make_shared<Probe>();
  probe->hWnd = NewOwnProcWindow();
  {
    BoxWatch watch;
    probe->Link();
    ASSERT_EQ(watch.boxes().size(), 1u);
    EXPECT_EQ(watch.boxes()[0].title, "wAt > 3000");
    EXPECT_NE(watch.boxes()[0].text.find("3001"), std::string::npos);
  }
  EXPECT_EQ(core::SlotOf(probe.get()), core::kWindowSlots + 1);
  EXPECT_EQ(probe->nOldProc, nullptr);
  EXPECT_EQ(ProcOf(probe->hWnd), OwnProc);

  probe->UnLink();
  EXPECT_EQ(ProcOf(probe->hWnd), OwnProc);
  EXPECT_EQ(SendMessageA(probe->hWnd, WM_USER + 7, 0, 0), 777);
  list.Items() = before;
  DestroyWindow(probe->hWnd);
}

TEST(ExportedProcedures, PassTheWholeWParam) {
  // These procedures serve the window in slot 1, whoever holds it now.
  auto probe = LinkedProbe();
  rt::Value list = core::GETALLWIN();
  const rt::Value holder = list.At(1);
  list.At(1) = rt::Value(probe);
  for (WNDPROC proc : {&core::WndProc, &core::DbgWndProc}) {
    probe->calls.clear();
    CallWindowProcA(proc, probe->hWnd, WM_COMMAND, 0x12345678, 0x9ABC);
    EXPECT_EQ(probe->Joined(), "Command(305419896,39612)");
  }
  list.At(1) = holder;
  DestroyWindow(probe->hWnd);
}

TEST(ExportedProcedures, FrameProcedureSizesTheMdiClient) {
  // Made afresh, so that the test holds when it runs again.
  UnregisterClassA("VDCOREFRAME", GetModuleHandleA(nullptr));
  ASSERT_TRUE(core::REGISTERCLASS("VDCOREFRAME", 0, 0, 0, nullptr, nullptr, nullptr, std::nullopt,
                                  core::GETFRAMEPROC(), nullptr));
  const HWND frame = core::CREATEWINDOW("VDCOREFRAME", "frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400,
                                        300, nullptr, 0);
  ASSERT_NE(frame, nullptr);
  CLIENTCREATESTRUCT ccs{nullptr, 100};
  const HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, frame, nullptr,
                                      GetModuleHandleA(nullptr), &ccs);
  ASSERT_NE(client, nullptr);
  SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
  RECT r{};
  GetClientRect(client, &r);
  RECT w{};
  GetWindowRect(client, &w);
  EXPECT_EQ(w.right - w.left, 300);
  EXPECT_EQ(w.bottom - w.top, 200);
  EXPECT_EQ(core::GETMDICHLPROC(), &DefMDIChildProcA);
  DestroyWindow(frame);
}

std::vector<std::string>& CreateParams() {
  static std::vector<std::string> seen;
  return seen;
}

LRESULT CALLBACK CreateParamProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_CREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(l);
    CreateParams().push_back(cs->lpCreateParams ? static_cast<const char*>(cs->lpCreateParams) : "<none>");
  }
  return DefWindowProcA(h, m, w, l);
}

TEST(Creation, CreationParameterOnlyWhenGiven) {
  // The class lives for the process; the test may run more than once.
  static const bool registered = core::REGISTERCLASS("VDCOREPARAM", 0, 0, 0, nullptr, nullptr, nullptr, std::nullopt,
                                                     CreateParamProc, nullptr);
  ASSERT_TRUE(registered);
  CreateParams().clear();
  HWND nine = core::CREATEWINDOW("VDCOREPARAM", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, 0);
  HWND ten = core::CREATEWINDOW("VDCOREPARAM", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, 0, "cargo");
  EXPECT_EQ(CreateParams(), (std::vector<std::string>{"<none>", "cargo"}));
  DestroyWindow(nine);
  DestroyWindow(ten);
}

TEST(Creation, FailureGivesNullAndASystemText) {
  EXPECT_EQ(core::CREATEWINDOW("VDCORE-NO-SUCH-CLASS", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, 0), nullptr);
  EXPECT_FALSE(core::GETERRMSG().empty());
  static const bool first = core::REGISTERCLASS("VDCORETWICE", 0, 0, 0, nullptr, nullptr, nullptr, std::nullopt,
                                                nullptr, nullptr);
  ASSERT_TRUE(first);
  EXPECT_FALSE(core::REGISTERCLASS("VDCORETWICE", 0, 0, 0, nullptr, nullptr, nullptr, std::nullopt, nullptr,
                                   nullptr))
      << "a class registered twice";
}

}  // namespace
