#pragma once
// The about box the programs share: a picture with the maker's lines, shown
// on request or as a start-up splash that closes by itself three seconds
// after it first paints, or at once on a click.

#include <memory>
#include <string>

#include "runtime/value.h"

namespace core {
class TDialog;
}

namespace common {

// The maker lines of the settings' [About] section.
struct AboutLines {
  std::string firma1, firma2, firma3, email, internet;
  // A picture file to show instead of the program's own picture.
  std::string bitmapFile;
};

struct AboutOptions {
  std::string title;
  rt::Value icon;   // an icon object, or NIL
  rt::Value owner;  // the main window, NIL before it exists
  bool timed = false;
  bool show = true;
  AboutLines lines;
  // The picture resource of the program.
  std::string bitmapResource = "AB_Zqs";
};

// The splash's wait after its first paint.
inline constexpr long kSplashMilliseconds = 3000;
// The private variable that holds the splash timer while the box is open
// (NIL otherwise).
inline constexpr const char* kAboutTimerVar = "OABOUT_TIMER";

// The [About] keys of the settings file (their defaults when missing).
AboutLines ReadAboutLines();

// Shows the box when options.show holds; returns true. With options.timed
// one timer starts at the first paint, and it is ended however the box
// closes. bReady, when given, runs with the dialog once it is shown (for
// the callers that drive it).
bool AboutInfo(const AboutOptions& options, const rt::Value& bReady = {});

// Starts the splash timer that ends oDlg after kSplashMilliseconds, unless
// the dialog already has one, and stores it in kAboutTimerVar; true.
bool AboutWait(const std::shared_ptr<core::TDialog>& oDlg);

}  // namespace common
