#include "apps/dravonel/maintenance.h"

#include "apps/common/settings_file.h"
#include "apps/dravonel/editor_state.h"
#include "controls/tmenuitem.h"
#include "controls/tmsgbar.h"
#include "core/twindow.h"
#include "runtime/macro.h"

namespace dravonel {

void RegisterMaintenance() {
  rt::RegisterFunction("ADDDATA", [](rt::Args a) { return rt::Value(ADDDATA(rt::Arg(a, 0))); });
  rt::RegisterFunction("EDITDATA", [](rt::Args a) { return rt::Value(EDITDATA(rt::Arg(a, 0))); });
  rt::RegisterFunction("DELDATA", [](rt::Args) { return rt::Value(DELDATA()); });
  rt::RegisterFunction("DELDUPEDATA", [](rt::Args) { return rt::Value(DELDUPEDATA()); });
  rt::RegisterFunction("EXPMYDATA", [](rt::Args) { return rt::Value(EXPMYDATA()); });
  rt::RegisterFunction("IMPMYDATA", [](rt::Args) { return rt::Value(IMPMYDATA()); });
}

std::string ExportFile() { return Editor().cDictBase + ".EXP"; }

void SetExportFlag(bool on) {
  EditorState& e = Editor();
  common::WriteSwitch("Export", e.cDictBase, on);
  e.lExportPending = on;
  if (const auto item = e.oItemExport.As<ctl::TMenuItem>()) on ? item->Enable() : item->Disable();
}

void BarMessage(const std::string& text) {
  if (const auto window = Editor().oWndMain) {
    if (const auto bar = window->oMsgBar.As<controls::TMsgBar>()) bar->SetMsg(text);
  }
}

}  // namespace dravonel
