#pragma once
// Windows, window objects and message boxes for the event-road tests.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/twindow.h"

namespace coretest {

// A hidden top-level window of the tests' own class (class procedure
// DefWindowProcA, like every class of the library).
HWND NewTestWindow();
// Handles every queued message.
void DrainQueue();

// Destroys its window when the test leaves the scope.
class ScopedWindow {
 public:
  explicit ScopedWindow(HWND h) : h_(h) {}
  ~ScopedWindow() {
    if (IsWindow(h_)) DestroyWindow(h_);
  }
  ScopedWindow(const ScopedWindow&) = delete;
  ScopedWindow& operator=(const ScopedWindow&) = delete;
  HWND get() const { return h_; }

 private:
  HWND h_;
};

// A window object that records every event method called on it as
// "Name(arg,arg,...)" and answers with what `answer` gives for the name
// (NIL unless set).
class Probe : public core::TWindow {
 public:
  std::vector<std::string> calls;
  std::function<rt::Value(const std::string&)> answer;

#define PROBE0(Name) \
  rt::Value Name() override { return Record(#Name, {}); }
#define PROBE1(Name) \
  rt::Value Name(long a) override { return Record(#Name, {a}); }
#define PROBE2(Name) \
  rt::Value Name(long a, long b) override { return Record(#Name, {a, b}); }
#define PROBE3(Name) \
  rt::Value Name(long a, long b, long c) override { return Record(#Name, {a, b, c}); }
  PROBE2(AsyncSelect) PROBE0(BeginPaint) PROBE1(Close) PROBE2(Command) PROBE2(CommNotify) PROBE2(CtlColor)
  PROBE2(DdeAck) PROBE2(DdeExecute) PROBE3(DdeInitiate) PROBE1(DdeTerminate) PROBE2(DrawItem) PROBE1(DropFiles)
  PROBE3(DropOver) PROBE0(EndPaint) PROBE1(EraseBkGnd) PROBE1(GetDlgCode) PROBE1(GetMinMaxInfo) PROBE1(GotFocus)
  PROBE0(HelpF1) PROBE2(HScroll) PROBE2(KeyChar) PROBE2(KeyDown) PROBE3(LButtonDown) PROBE3(LButtonUp)
  PROBE3(LDblClick) PROBE1(LostFocus) PROBE3(MButtonDown) PROBE3(MButtonUp) PROBE2(MeasureItem) PROBE3(MenuChar)
  PROBE3(MenuSelect) PROBE3(MouseMove) PROBE3(Moved) PROBE3(NcMouseMove) PROBE2(Notify) PROBE0(Paint)
  PROBE1(PaletteChanged) PROBE0(QueryDragIcon) PROBE0(QueryEndSession) PROBE0(QueryNewPalette) PROBE3(RButtonDown)
  PROBE3(RButtonUp) PROBE3(ReSize) PROBE2(SysCommand) PROBE2(TaskBar) PROBE2(Timer) PROBE2(VScroll)
#undef PROBE0
#undef PROBE1
#undef PROBE2
#undef PROBE3
  rt::Value InitMenuPopup(long a, long b, bool c) override { return Record("InitMenuPopup", {a, b, c ? 1 : 0}); }
  rt::Value MouseWheel(long a, long b, long c, long d) override { return Record("MouseWheel", {a, b, c, d}); }
  rt::Value NcActivate(bool a) override { return Record(a ? "NcActivate(.T.)" : "NcActivate(.F.)", {}, false); }
  rt::Value Destroy() override {
    rt::Value answered = Record("Destroy", {});
    TWindow::Destroy();
    return answered;
  }

  std::string Joined() const;

 private:
  rt::Value Record(const std::string& name, std::initializer_list<long> args, bool withArgs = true);
};

// A probe with a fresh test window, linked into the window list.
std::shared_ptr<Probe> LinkedProbe();

// While alive, every message box of this thread is read and closed with OK.
class BoxWatch {
 public:
  struct Box {
    std::string title;
    std::string text;
  };
  // With echo set, each box is also written to stderr as "title|text".
  explicit BoxWatch(bool echo = false);
  ~BoxWatch();
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;
  const std::vector<Box>& boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM w, LPARAM l);
  HHOOK hook_;
  bool echo_;
  std::vector<Box> boxes_;
};

}  // namespace coretest
