#pragma once
// Driving the print preview from a test: pumping messages until a condition
// holds, closing an open preview, and moving the resource library aside.
#include <windows.h>

#include <string>

#include "core/message_loop.h"
#include "print/rpreview.h"
#include "print/rpreview_state.h"
#include "tests/graphics/window_shot.h"

namespace printtest {

// Handles what is queued, waiting for more at most 100 ms at a time, until
// done() holds; false when it never did.
template <class Done>
bool PumpUntil(Done done) {
  for (int round = 0; round < 200 && !done(); ++round) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
    core::SYSREFRESH();
  }
  return done();
}

// Ends an open preview and waits for its window to go; true when none is
// left.
inline bool ClosePreview() {
  const auto window = prn::preview::Current().window;
  if (!window) return true;
  const HWND h = window->hWnd;
  prn::preview::ExitPreview();
  return PumpUntil([h] { return !IsWindow(h); });
}

// The open preview as the screen shows it, into a BMP file.
inline void SavePreviewShot(const char* file) {
  const HWND preview = prn::preview::Current().window->hWnd;
  core::SYSREFRESH();
  RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  core::SYSREFRESH();
  // The maximised frame reaches past the screen's edges.
  RECT area{};
  GetWindowRect(preview, &area);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&area, &area, &screen);
  SaveScreenShot(area, file);
}

// Moves the preview's resource library beside the test program aside for as
// long as it lives.
class LibraryAside {
 public:
  LibraryAside() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    dll_ = exe;
    dll_ = dll_.substr(0, dll_.find_last_of('\\') + 1) + prn::preview::kLibrary;
    aside_ = dll_ + ".aside";
    moved_ = MoveFileA(dll_.c_str(), aside_.c_str()) != 0;
  }
  ~LibraryAside() {
    if (moved_) MoveFileA(aside_.c_str(), dll_.c_str());
  }
  LibraryAside(const LibraryAside&) = delete;
  LibraryAside& operator=(const LibraryAside&) = delete;
  bool Moved() const { return moved_; }

 private:
  std::string dll_, aside_;
  bool moved_ = false;
};

}  // namespace printtest
