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

// Each event method records its name and arguments, with the base window's
// parameter types, so that every one overrides.
#define PROBE0(Name) \
  rt::Value Name() override { return Record(#Name, {}); }
#define PROBE1(Name, A) \
  rt::Value Name(A a) override { return Record(#Name, {a}); }
#define PROBE2(Name, A, B) \
  rt::Value Name(A a, B b) override { return Record(#Name, {a, b}); }
#define PROBE3(Name, A, B, C) \
  rt::Value Name(A a, B b, C c) override { return Record(#Name, {a, b, c}); }
  PROBE2(AsyncSelect, LPARAM, LPARAM) PROBE0(BeginPaint) PROBE1(Close, LPARAM) PROBE2(Command, LPARAM, LPARAM)
  PROBE2(CommNotify, LPARAM, LPARAM) PROBE2(CtlColor, LPARAM, LPARAM) PROBE2(DdeAck, LPARAM, LPARAM)
  PROBE2(DdeExecute, LPARAM, LPARAM) PROBE3(DdeInitiate, LPARAM, long, long) PROBE2(DdeTerminate, LPARAM, LPARAM)
  PROBE2(DrawItem, LPARAM, LPARAM) PROBE1(DropFiles, LPARAM) PROBE3(DropOver, long, long, LPARAM)
  PROBE0(EndPaint) PROBE1(EraseBkGnd, LPARAM) PROBE1(GetDlgCode, LPARAM) PROBE1(GetMinMaxInfo, LPARAM)
  PROBE1(GotFocus, LPARAM) PROBE0(HelpF1) PROBE2(HScroll, LPARAM, LPARAM) PROBE2(KeyChar, long, long)
  PROBE2(KeyDown, long, long) PROBE3(LButtonDown, long, long, long) PROBE3(LButtonUp, long, long, long)
  PROBE3(LDblClick, long, long, long) PROBE1(LostFocus, LPARAM) PROBE3(MButtonDown, long, long, long)
  PROBE3(MButtonUp, long, long, long) PROBE2(MeasureItem, LPARAM, LPARAM) PROBE3(MenuChar, long, long, LPARAM)
  PROBE3(MenuSelect, long, long, LPARAM) PROBE3(MouseMove, long, long, long) PROBE3(Moved, LPARAM, long, long)
  PROBE3(NcMouseMove, long, long, long) PROBE2(Notify, LPARAM, LPARAM) PROBE0(Paint)
  PROBE1(PaletteChanged, LPARAM) PROBE0(QueryDragIcon) PROBE0(QueryEndSession) PROBE0(QueryNewPalette)
  PROBE3(RButtonDown, long, long, long) PROBE3(RButtonUp, long, long, long) PROBE3(ReSize, long, long, long)
  PROBE2(SysCommand, LPARAM, LPARAM) PROBE2(TaskBar, LPARAM, LPARAM) PROBE2(Timer, LPARAM, LPARAM)
  PROBE2(VScroll, LPARAM, LPARAM)
#undef PROBE0
#undef PROBE1
#undef PROBE2
#undef PROBE3
  rt::Value InitMenuPopup(LPARAM a, long b, bool c) override { return Record("InitMenuPopup", {a, b, c ? 1 : 0}); }
  rt::Value MouseWheel(long a, long b, long c, long d) override { return Record("MouseWheel", {a, b, c, d}); }
  rt::Value NcActivate(bool a) override { return Record(a ? "NcActivate(.T.)" : "NcActivate(.F.)", {}, false); }
  rt::Value Destroy() override {
    rt::Value answered = Record("Destroy", {});
    TWindow::Destroy();
    return answered;
  }

  std::string Joined() const;

 private:
  rt::Value Record(const std::string& name, std::initializer_list<long long> args, bool withArgs = true);
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
