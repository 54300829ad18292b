// The print preview of a recording printer on the test prefix's PostScript
// file printer: paging with beeps at both ends, two pages, zoom and its
// factor, scrolling and keys, printing all, the current page and a range,
// the modal wait, and the refusals (no resource library, a preview already
// open, no pages). The preview runs as inside a program's message loop;
// VD_PREVIEW_SHOT names a BMP file that receives the window with two pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls/tbar.h"
#include "controls/tcombobox.h"
#include "controls/tmenuitem.h"
#include "controls/tsay.h"
#include "core/message_loop.h"
#include "core/send_soft.h"
#include "core/twindow.h"
#include "graphics/function_names.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"
#include "print/tprinter.h"
#include "runtime/macro.h"
#include "services/msgbox.h"
#include "services/resources.h"
#include "tests/controls/owner_window.h"
#include "tests/graphics/window_shot.h"
#include "tests/print/file_printers.h"
#include "tests/print/preview_driver.h"
#include "tests/services/box_driver.h"

namespace {

using prn::preview::Current;
using printtest::Count;
using printtest::PumpUntil;
using printtest::kOutA;
using printtest::ReadFile;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Preview : public printtest::FilePrinters {
 protected:
  void SetUp() override {
    FilePrinters::SetUp();
    if (IsSkipped()) return;
    running_ = core::SetRunningFlag(true);
  }
  void TearDown() override {
    Close();
    core::SetRunningFlag(running_);
    svc::FREERESOURCES();
    FilePrinters::TearDown();
  }

  // A recording of n pages; page k shows "Seite k" and a box k centimetres
  // wide.
  static prn::TPrinterPtr Record(int pages, bool modal = false) {
    auto p = std::make_shared<prn::TPrinter>();
    p->New(rt::Value("Vorschau"), false, true, {}, modal);
    for (int page = 1; page <= pages; ++page) {
      p->StartPage();
      p->Say(200, 200, "Seite " + std::to_string(page));
      p->Box(400, 200, 600, 200 + page * 100);
      p->EndPage();
    }
    return p;
  }

  static void Close() { EXPECT_TRUE(printtest::ClosePreview()); }

  static std::string Label() { return Current().pageLabel.As<controls::TSay>()->GetText(); }

 private:
  bool running_ = false;
};

// The pages of a printed PostScript file, each by the number it shows.
std::vector<int> PrintedPages() {
  const std::string ps = ReadFile(kOutA);
  std::vector<int> pages;
  const char* digits[] = {"/one glyphshow", "/two glyphshow", "/three glyphshow"};
  for (std::size_t at = ps.find("%%Page: "); at != std::string::npos;) {
    const std::size_t next = ps.find("%%Page: ", at + 1);
    const std::string page = ps.substr(at, next == std::string::npos ? std::string::npos : next - at);
    int shown = 0;
    for (int d = 0; d < 3; ++d)
      if (page.find(digits[d]) != std::string::npos) shown = shown ? -1 : d + 1;
    pages.push_back(shown);
    at = next;
  }
  return pages;
}

TEST_F(Preview, PagingBeepsAtBothEndsAndFollowsTheKeys) {
  const auto p = Record(3);
  EXPECT_TRUE(prn::RPREVIEW(rt::Value(p)).IsNil());
  const auto& s = Current();
  ASSERT_TRUE(s.window && s.left && s.right);
  EXPECT_EQ(s.window->cTitle(), "Vorschau");
  EXPECT_TRUE(IsZoomed(s.window->hWnd));
  EXPECT_EQ(Label(), "Seite 1 / 3");
  EXPECT_EQ(s.left->cCaption, p->aMeta.At(1).AsString());
  EXPECT_FALSE(IsWindowVisible(s.right->hWnd));
  const auto bar = s.bar.As<controls::TBar>();
  ASSERT_TRUE(bar);
  int buttons = 0;
  for (std::size_t i = 0; i < bar->ButtonCount(); ++i) buttons += bar->Button(i) != nullptr;
  EXPECT_EQ(buttons, 8);
  EXPECT_EQ(bar->nBtnWidth, 26);
  EXPECT_EQ(s.window->oBar.AsObject(), bar);
  EXPECT_TRUE(s.window->oMsgBar.IsObject());

  struct Step {
    void (*action)();
    int page;
    bool beep;
  };
  const Step steps[] = {{prn::PREVPAGE, 1, true},   {prn::TOPPAGE, 1, true},    {prn::NEXTPAGE, 2, false},
                        {prn::NEXTPAGE, 3, false},  {prn::NEXTPAGE, 3, true},   {prn::BOTTOMPAGE, 3, true},
                        {prn::PREVPAGE, 2, false},  {prn::TOPPAGE, 1, false},   {prn::BOTTOMPAGE, 3, false}};
  for (const Step& step : steps) {
    const long beeps = svc::BeepCount();
    step.action();
    EXPECT_EQ(s.page, step.page);
    EXPECT_EQ(svc::BeepCount() - beeps, step.beep ? 1 : 0) << "to page " << step.page;
    EXPECT_EQ(s.left->cCaption, p->aMeta.At(static_cast<std::size_t>(step.page)).AsString());
  }
  EXPECT_EQ(Label(), "Seite 3 / 3");

  // The keys reach the left page: Page Up, Home, End, Page Down.
  struct Key {
    WPARAM key;
    int page;
    long beeps;
  };
  for (const Key k : {Key{VK_PRIOR, 2, 0}, {VK_HOME, 1, 0}, {VK_END, 3, 0}, {VK_NEXT, 3, 1}}) {
    const long beeps = svc::BeepCount();
    PostMessageA(s.left->hWnd, WM_KEYDOWN, k.key, 0);
    EXPECT_TRUE(PumpUntil([&] { return s.page == k.page && svc::BeepCount() - beeps == k.beeps; })) << k.key;
  }
  EXPECT_EQ(s.page, 3);
}

TEST_F(Preview, TwoPagesSideBySide) {
  const auto p = Record(3);
  prn::RPREVIEW(rt::Value(p));
  const auto& s = Current();
  ASSERT_TRUE(s.window);
  prn::TWOPAGES(true);
  ASSERT_TRUE(s.twoPages);
  EXPECT_TRUE(IsWindowVisible(s.right->hWnd));
  EXPECT_EQ(s.right->cCaption, p->aMeta.At(2).AsString());
  EXPECT_FALSE(s.twoPagesItem.As<ctl::TMenuItem>()->lActive);
  EXPECT_TRUE(s.onePageItem.As<ctl::TMenuItem>()->lActive);
  RECT left{}, right{};
  GetWindowRect(s.left->hWnd, &left);
  GetWindowRect(s.right->hWnd, &right);
  EXPECT_EQ(left.top, right.top);
  EXPECT_EQ(left.right - left.left, right.right - right.left);
  EXPECT_GT(right.left, left.right) << "side by side";
  if (const char* shot = std::getenv("VD_PREVIEW_SHOT")) printtest::SavePreviewShot(shot);

  // On the last page the right one is empty, and a click on it does nothing.
  prn::BOTTOMPAGE();
  EXPECT_EQ(s.right->cCaption, "");
  prn::SETORG2(10, 10);
  EXPECT_EQ(s.page, 3);
  EXPECT_FALSE(s.zoomed);

  // A click on the right page makes it the left one, zoomed in one page.
  prn::TOPPAGE();
  EXPECT_EQ(s.right->cCaption, p->aMeta.At(2).AsString());
  prn::SETORG2(5, 5);
  EXPECT_EQ(s.page, 2);
  EXPECT_EQ(s.left->cCaption, p->aMeta.At(2).AsString());
  EXPECT_EQ(Label(), "Seite 2 / 3");
  EXPECT_TRUE(s.zoomed);
  EXPECT_FALSE(s.twoPages);

  // Zooming while two pages show first goes back to one page.
  prn::ZOOM(true);
  prn::TWOPAGES(true);
  ASSERT_TRUE(s.twoPages);
  prn::ZOOM(true);
  EXPECT_TRUE(s.zoomed);
  EXPECT_FALSE(s.twoPages);
  EXPECT_FALSE(IsWindowVisible(s.right->hWnd));
  // Two pages again while zoomed: the zoom goes.
  prn::TWOPAGES(true);
  EXPECT_TRUE(s.twoPages);
  EXPECT_FALSE(s.zoomed);
}

TEST_F(Preview, OnePageOrALandscapePageStaysSingle) {
  for (const bool landscape : {false, true}) {
    auto p = std::make_shared<prn::TPrinter>();
    p->New(rt::Value("Quer"), false, true);
    if (landscape) p->SetLandscape();
    for (int page = 0; page < (landscape ? 2 : 1); ++page) {
      p->StartPage();
      p->Say(100, 100, "Seite");
      p->EndPage();
    }
    ASSERT_EQ(p->nHorzSize() >= p->nVertSize(), landscape);
    prn::RPREVIEW(rt::Value(p));
    ASSERT_TRUE(Current().window) << landscape;
    const long beeps = svc::BeepCount();
    prn::TWOPAGES(true);
    EXPECT_EQ(svc::BeepCount() - beeps, 1) << landscape;
    EXPECT_FALSE(Current().twoPages);
    EXPECT_FALSE(IsWindowVisible(Current().right->hWnd));
    if (!landscape) {
      // One page prints at once, without the dialog.
      prn::PRINTPAGE();
      EXPECT_EQ(Count(ReadFile(kOutA), "%%Page: "), 1);
    }
    Close();
    if (landscape) p->SetPortrait();
  }
}

TEST_F(Preview, ZoomFactorScrollingAndClicks) {
  const auto p = Record(3);
  prn::RPREVIEW(rt::Value(p));
  const auto& s = Current();
  ASSERT_TRUE(s.window);
  const rt::Value vbar = s.window->oVScroll, hbar = s.window->oHScroll;
  const auto range = [](const rt::Value& bar) { return core::Ask(bar, "nMax").AsInt(); };
  EXPECT_EQ(range(vbar), 0);
  EXPECT_TRUE(s.factorItems.At(1).As<ctl::TMenuItem>()->lChecked);
  EXPECT_EQ(s.factorItems.At(4).As<ctl::TMenuItem>()->nHelpId, 4);

  // Not zoomed, the scroll range is 0 to 0: scrolling changes nothing.
  for (const bool page : {false, true}) {
    prn::VSCROLL(2, page);
    prn::HSCROLL(1, page);
  }
  prn::VSCROLL(0, false, rt::Value(5));
  EXPECT_EQ(s.left->nXorig, 0);
  EXPECT_EQ(s.left->nYorig, 0);

  prn::ZOOM(true);
  ASSERT_TRUE(s.zoomed);
  EXPECT_EQ(range(vbar), 20);
  EXPECT_EQ(range(hbar), 20);
  // Factor 1 divides the extents by 1 and 2.
  EXPECT_EQ(s.left->nWidth, p->nHorzRes());
  EXPECT_EQ(s.left->nHeight, p->nVertRes() / 2);
  EXPECT_FALSE(s.zoomItem.As<ctl::TMenuItem>()->lActive);
  EXPECT_TRUE(s.unZoomItem.As<ctl::TMenuItem>()->lActive);

  // The factor's menu item sets the combo and the zoom divisors.
  s.factorItems.At(3).As<ctl::TMenuItem>()->bAction.Eval();
  EXPECT_EQ(s.factor, 3);
  EXPECT_EQ(s.factorCombo.As<controls::TComboBox>()->nAt, 3);
  EXPECT_TRUE(s.factorItems.At(3).As<ctl::TMenuItem>()->lChecked);
  EXPECT_FALSE(s.factorItems.At(1).As<ctl::TMenuItem>()->lChecked);
  EXPECT_EQ(s.left->nXZoom, 3);
  EXPECT_EQ(s.left->nYZoom, 6);
  EXPECT_EQ(range(vbar), 60);

  // Thumb, line and page steps, and the keys.
  const long step = p->nVertRes() / 60;
  prn::VSCROLL(0, false, rt::Value(11));
  EXPECT_EQ(s.left->nYorig, step * 10);
  PostMessageA(s.left->hWnd, WM_KEYDOWN, VK_END, 0);
  EXPECT_TRUE(PumpUntil([&] { return s.left->nYorig == static_cast<int>(0.8 * p->nVertRes()); }));
  EXPECT_EQ(s.left->nXorig, static_cast<int>(0.8 * p->nHorzRes()));
  prn::CHECKKEY(VK_HOME);
  EXPECT_EQ(s.left->nXorig, 0);
  EXPECT_EQ(s.left->nYorig, 0);
  prn::CHECKKEY(VK_DOWN);
  EXPECT_GT(s.left->nYorig, 0);
  prn::HSCROLL(2, true);
  EXPECT_GT(s.left->nXorig, 0);
  EXPECT_LE(s.left->nXorig, p->nHorzRes());

  // A click on the zoomed page zooms out; a click then zooms in there.
  prn::SETORG1(10, 10);
  EXPECT_FALSE(s.zoomed);
  EXPECT_EQ(range(vbar), 0);
  EXPECT_EQ(s.left->nXorig, 0);
  RECT r{};
  GetClientRect(s.left->hWnd, &r);
  prn::SETORG1(r.right / 2, r.bottom / 2);
  EXPECT_TRUE(s.zoomed);
  EXPECT_GT(s.left->nXorig, 0);
  EXPECT_GT(s.left->nYorig, 0);
  EXPECT_EQ(core::Ask(hbar, "GetPos").AsInt(), static_cast<int>(static_cast<double>(r.right / 2) / r.right * 60) - 9);
}

TEST_F(Preview, PrintsAllTheCurrentPageAndARange) {
  const auto p = Record(3);
  prn::RPREVIEW(rt::Value(p));
  ASSERT_TRUE(Current().window);
  prn::PRINTPRV({}, 1);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{1, 2, 3}));
  EXPECT_NE(ReadFile(kOutA).find("%%Title: Vorschau"), std::string::npos);
  DeleteFileA(kOutA);
  prn::NEXTPAGE();
  prn::PRINTPRV({}, 2);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{2})) << "the current page, not the one shown before";
  DeleteFileA(kOutA);
  prn::PRINTPRV({}, 3, 2, 3);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{2, 3}));
  DeleteFileA(kOutA);

  // Through the dialog: a range whose end lies beyond the last page is
  // refused with a beep, then 2 to 3 prints.
  const long beeps = svc::BeepCount();
  {
    // Sent, not posted, so that each step is done before the next.
    BoxDriver driver([](HWND dialog) {
      const auto click = [dialog](int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); };
      click(105);
      SetDlgItemTextA(dialog, 106, "2");
      SetDlgItemTextA(dialog, 107, "4");
      click(101);
      SetDlgItemTextA(dialog, 107, "3");
      click(101);
    });
    prn::PRINTPAGE();
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_EQ(driver.Seen().caption, "Drucken");
  }
  EXPECT_EQ(svc::BeepCount() - beeps, 1);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{2, 3}));
  Close();
  EXPECT_FALSE(p->hDC) << "closing the preview ends the printer";
}

BOOL CALLBACK CancelTheJob(HDC, int) { return FALSE; }
BOOL CALLBACK LetTheJobGo(HDC, int) { return TRUE; }

// A printer that refuses the job, or that cannot write it out, is told to
// the user; the preview stays, and prints once the printer takes jobs again.
TEST_F(Preview, ARefusedPrintIsToldAndThePreviewStays) {
  const auto p = Record(2);
  prn::RPREVIEW(rt::Value(p));
  ASSERT_TRUE(Current().window);
  const struct {
    const char* name;
    void (*refuse)(HDC);
    void (*allow)(HDC);
    const char* message;
  } refusals[] = {
      {"the job", [](HDC dc) { SetAbortProc(dc, CancelTheJob); }, [](HDC dc) { SetAbortProc(dc, LetTheJobGo); },
       "Der Druckauftrag konnte nicht gestartet werden."},
      {"the output file", [](HDC) { CreateDirectoryA(kOutA, nullptr); }, [](HDC) { RemoveDirectoryA(kOutA); },
       "Der Druckauftrag konnte nicht abgeschlossen werden."},
  };
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.name);
    refusal.refuse(p->hDC);
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); }, "Printer object Error");
    prn::PRINTPRV({}, 1);
    refusal.allow(p->hDC);
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_NE(driver.Seen().Joined().find(refusal.message), std::string::npos) << driver.Seen().Joined();
    EXPECT_TRUE(Current().window);
    EXPECT_TRUE(p->hDC);
  }
  DeleteFileA(kOutA);
  prn::PRINTPRV({}, 1);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{1, 2}));
  Close();
}

TEST_F(Preview, APageFileGoneOrNoPages) {
  const auto p = Record(3);
  const std::string second = p->aMeta.At(2).AsString();
  ASSERT_TRUE(DeleteFileA(second.c_str()));
  prn::RPREVIEW(rt::Value(p));
  ASSERT_TRUE(Current().window);
  prn::NEXTPAGE();
  EXPECT_EQ(Current().page, 2);
  EXPECT_EQ(Current().left->cCaption, "") << "shows nothing";
  prn::PRINTPRV({}, 1);
  EXPECT_EQ(PrintedPages(), (std::vector<int>{1, 3}));
  const std::string dir = p->cDir;
  Close();
  EXPECT_FALSE(Exists(dir));

  const auto empty = Record(0);
  const std::string emptyDir = empty->cDir;
  prn::RPREVIEW(rt::Value(empty));
  EXPECT_FALSE(Current().window);
  EXPECT_FALSE(empty->hDC) << "ended";
  EXPECT_FALSE(Exists(emptyDir));
  EXPECT_TRUE(prn::RPREVIEW(rt::Value("kein Drucker")).IsNil());
  EXPECT_FALSE(Current().window);
}

TEST_F(Preview, ASecondPreviewIsRefusedAndEnded) {
  const auto first = Record(2), second = Record(1);
  prn::RPREVIEW(rt::Value(first));
  const auto window = Current().window;
  ASSERT_TRUE(window);
  const std::string page = second->aMeta.At(1).AsString();
  {
    BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); });
    prn::RPREVIEW(rt::Value(second));
    EXPECT_TRUE(driver.Seen().appeared);
    EXPECT_EQ(driver.Seen().caption, "Stop");
    EXPECT_NE(driver.Seen().Joined().find("schon ge\xF6" "ffnet"), std::string::npos) << driver.Seen().Joined();
  }
  EXPECT_EQ(Current().window, window);
  EXPECT_EQ(Current().device, first);
  EXPECT_FALSE(second->hDC);
  EXPECT_FALSE(Exists(page));
  EXPECT_TRUE(first->hDC);
}

TEST_F(Preview, WithoutTheResourceLibraryNothingIsLeft) {
  svc::FREERESOURCES();
  auto aside = std::make_unique<printtest::LibraryAside>();
  ASSERT_TRUE(aside->Moved());
  // Recorded through the builders: PRINTEND hands the pages to the preview.
  const auto p = prn::PRINTBEGIN(rt::Value("ohne"), false, true);
  prn::PAGEBEGIN();
  prn::PAGEEND();
  const std::string page = p->aMeta.At(1).AsString(), dir = p->cDir;
  BoxDriver driver([](HWND box) { BoxDriver::Click(box, IDOK); });
  prn::PRINTEND();
  aside.reset();
  EXPECT_TRUE(driver.Seen().appeared);
  EXPECT_EQ(driver.Seen().caption, "Vindral Printing Error");
  EXPECT_EQ(driver.Seen().Joined(), "Prev32.dll not found, imposible to continue\n");
  EXPECT_FALSE(Current().window);
  EXPECT_FALSE(p->hDC);
  EXPECT_FALSE(Exists(page));
  EXPECT_FALSE(Exists(dir));
}

// What the timer saw of the modal preview, and how it ends it.
struct ModalProbe {
  bool quit = false;
  bool mainHidden = false;
};
ModalProbe& Probe() {
  static ModalProbe probe;
  return probe;
}

// Once the preview shows: a quit, or a close of its window.
void CALLBACK EndModalPreview(HWND, UINT, UINT_PTR id, DWORD) {
  const auto window = Current().window;
  if (!window || !IsWindowVisible(window->hWnd)) return;
  KillTimer(nullptr, id);
  Probe().mainHidden = !IsWindowVisible(core::GETWNDAPP());
  if (Probe().quit) {
    PostQuitMessage(7);
  } else {
    PostMessageA(window->hWnd, WM_CLOSE, 0, 0);
  }
}

// The modal preview hides the main window and waits until it closes, or
// until a quit comes, which stays queued for the program's loop.
TEST_F(Preview, TheModalWaitEndsOnCloseAndOnQuit) {
  controltest::OwnerWindow owner(200, 200);
  core::SETWNDAPP(owner.w->hWnd);
  if (core::GETWNDAPP() != owner.w->hWnd) GTEST_SKIP() << "another main window";
  for (const bool quit : {false, true}) {
    const auto p = Record(2, true);
    const std::string dir = p->cDir;
    Probe() = {quit, false};
    ASSERT_NE(SetTimer(nullptr, 0, 50, EndModalPreview), 0u);
    prn::RPREVIEW(rt::Value(p));
    EXPECT_TRUE(Probe().mainHidden) << quit;
    EXPECT_FALSE(Current().window);
    EXPECT_FALSE(p->hDC);
    EXPECT_FALSE(Exists(dir));
    EXPECT_TRUE(IsWindowVisible(owner.w->hWnd));
    MSG msg{};
    EXPECT_EQ(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, quit);
    if (quit) {
      EXPECT_EQ(msg.wParam, 7u);
    }
  }
  // The end of the main window quits; that quit belongs to no loop here.
  DestroyWindow(owner.w->hWnd);
  MSG msg{};
  PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
}  // namespace
