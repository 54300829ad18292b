#include "apps/vosklift/loader_state.h"

#include "apps/common/settings_file.h"
#include "apps/vosklift/clipboard_watch.h"
#include "core/twindow.h"
#include "runtime/memvar.h"
#include "services/timer.h"

namespace vosklift {

LoaderState& Loader() {
  static LoaderState state;
  return state;
}

std::string Release() { return rt::MEMVARGET(kReleaseVar).AsString(); }
std::string ShortName() { return rt::MEMVARGET(kShortNameVar).AsString(); }

bool CHECKINI(bool lRead) {
  LoaderState& s = Loader();
  if (lRead) {
    rt::MEMVARPUT(kReleaseVar, common::ReadSetting("Project", "Project"));
    rt::MEMVARPUT(kShortNameVar, common::ReadSetting("Project", "ShortName"));
    s.lAStart = common::ReadSwitch("System", "AStart");
    s.lAutoClp = common::ReadSwitch("System", "AutoClp");
    s.lClsCopy = common::ReadSwitch("System", "ClsCopy");
    s.lClpTime = common::ReadSwitch("System", "ClpTime");
    s.lExact = common::ReadSwitch("Data", "Exact");
    s.cEmailMenu = common::ReadSetting("Project", "Email_Menue");
    s.cEmailUrl = common::ReadSetting("Project", "Email_URL");
    s.cInternetMenu = common::ReadSetting("Project", "Internet_Menue");
    s.cInternetUrl = common::ReadSetting("Project", "Internet_URL");
    s.cAboutBmp = common::ReadSetting("About", "AboutBMP");
  } else {
    common::WriteSwitch("Data", "Exact", s.lExact);
    common::WriteSwitch("System", "AutoClp", s.lAutoClp);
    common::WriteSwitch("System", "ClsCopy", s.lClsCopy);
    common::WriteSwitch("System", "ClpTime", s.lClpTime);
    common::WriteSwitch("System", "AStart", s.lAStart);
  }
  common::WriteSetting("Info", "Product", Release());
  return true;
}

void StartWatch(const std::shared_ptr<core::TWindow>& oWnd) {
  LoaderState& s = Loader();
  if (s.oTimer) return;
  s.oTimer = std::make_shared<svc::TTimer>();
  s.oTimer->New(kWatchMs, rt::Value::Block([](rt::Args) { return rt::Value(CHKCLIPBOARD()); }),
                oWnd ? rt::Value(oWnd) : rt::Value());
  s.oTimer->Activate();
}

void WithWatchPaused(const std::function<void()>& action) {
  LoaderState& s = Loader();
  if (s.lClpTime && s.oTimer) s.oTimer->DeActivate();
  action();
  // The action may have switched the watch off: then it stays stopped.
  if (s.lClpTime && s.oTimer) s.oTimer->Activate();
}

}  // namespace vosklift
