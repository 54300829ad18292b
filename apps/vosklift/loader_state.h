#pragma once
// The tray loader's module state: one instance for the process.

#include <functional>
#include <memory>
#include <string>

namespace core {
class TClipBoard;
class TTrayIcon;
class TWindow;
}  // namespace core

namespace svc {
class TTimer;
}

namespace vosklift {

// The public variables of the program.
inline constexpr const char* kRunDirVar = "CRUNIN";
inline constexpr const char* kReleaseVar = "CRELEASE";
inline constexpr const char* kShortNameVar = "CRELEASE1";

// The clipboard watch's period.
inline constexpr long kWatchMs = 3000;

struct LoaderState {
  std::shared_ptr<core::TWindow> oWnd;  // hidden owner of the icon, timer and menus
  std::shared_ptr<core::TTrayIcon> oTray;
  std::shared_ptr<core::TClipBoard> oClip;
  std::shared_ptr<svc::TTimer> oTimer;  // the watch; none until switched on
  std::string cLastSeen;                // the clipboard text last taken
  bool lAStart = true, lAutoClp = true, lClsCopy = true, lClpTime = true, lExact = true;
  std::string cEmailMenu, cEmailUrl, cInternetMenu, cInternetUrl;
  std::string cAboutBmp;  // read and kept
};

LoaderState& Loader();

std::string Release();
std::string ShortName();

// Reads (lRead) or writes the loader's keys; both end by writing [Info]
// Product. True.
bool CHECKINI(bool lRead);

// Creates the watch timer over oWnd and activates it, unless it exists.
void StartWatch(const std::shared_ptr<core::TWindow>& oWnd);
// Runs action with the watch paused, when the watch is on.
void WithWatchPaused(const std::function<void()>& action);

}  // namespace vosklift
