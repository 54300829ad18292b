#include "apps/dravonel/check_ini.h"

#include "apps/common/settings_file.h"
#include "apps/dravonel/editor_state.h"
#include "runtime/memvar.h"

namespace dravonel {

bool CHECKINI(bool lRead) {
  EditorState& s = Editor();
  if (!lRead) {
    common::WriteSetting("Dravonel", "Sprache", s.cDictBase);
    common::WriteSwitch("Dravonel", "Extern", false);
    return true;
  }
  rt::MEMVARPUT(kReleaseVar, common::ReadSetting("Project", "PDravonel"));
  rt::MEMVARPUT(kShortNameVar, common::ReadSetting("Project", "ShortName"));
  s.cMailMenu = common::ReadSetting("Project", "Email_Menue");
  s.cMailUrl = common::ReadSetting("Project", "Email_URL");
  s.cWebMenu = common::ReadSetting("Project", "Internet_Menue");
  s.cWebUrl = common::ReadSetting("Project", "Internet_URL");
  s.cDictBase = common::ReadSetting("Dravonel", "Sprache");
  s.lExtern = common::ReadSwitch("Dravonel", "Extern");
  // The [Export] key of a dictionary outside the catalogue reads as off.
  s.lExportPending = common::FindWordTable(s.cDictBase) && common::ReadSwitch("Export", s.cDictBase);
  return true;
}

}  // namespace dravonel
