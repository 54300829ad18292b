#include "apps/dravonel/about_info.h"

#include "apps/common/about_box.h"
#include "apps/dravonel/editor_state.h"
#include "core/twindow.h"
#include "runtime/memvar.h"

namespace dravonel {

bool ABOUTINFO(bool lTimed, bool lShow, const rt::Value& bReady) {
  common::AboutOptions o;
  o.title = rt::MEMVARGET(kReleaseVar).AsString();
  o.icon = rt::Value(kIconResource);
  if (const auto& main = Editor().oWndMain) o.owner = rt::Value(main);
  o.timed = lTimed;
  o.show = lShow;
  o.lines = common::ReadAboutLines();
  return common::AboutInfo(o, bReady);
}

bool ABOUTWAIT(const std::shared_ptr<core::TDialog>& oDlg) { return common::AboutWait(oDlg); }

}  // namespace dravonel
