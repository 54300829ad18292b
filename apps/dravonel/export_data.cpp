#include <windows.h>

#include <string>

#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/maintenance.h"
#include "core/message_loop.h"
#include "core/twindow.h"
#include "graphics/cursors.h"
#include "runtime/files.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"

namespace dravonel {

namespace {

const char* const kExportTitle = "Exportieren";
const char* const kImportTitle = "Importieren";

// While alive the main window takes no input but keeps painting: a long
// action lets the windows' messages run, and a click on a menu then must
// not switch the table away under it. The focus comes back afterwards.
class InputPaused {
 public:
  InputPaused() : window_(MainHandle()), focus_(GetFocus()) {
    if (window_) EnableWindow(window_, FALSE);
  }
  ~InputPaused() {
    if (!window_) return;
    EnableWindow(window_, TRUE);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
  }
  InputPaused(const InputPaused&) = delete;
  InputPaused& operator=(const InputPaused&) = delete;

 private:
  static HWND MainHandle() {
    const auto& window = Editor().oWndMain;
    return window ? window->hWnd : nullptr;
  }
  HWND window_;
  HWND focus_;
};

}  // namespace

bool EXPMYDATA() {
  if (!svc::MSGNOYES(std::string("M\xF6" "chten Sie Ihre eigenen \xC4nderungen aus der Datenbank exportieren ?"),
                     std::string(kExportTitle)))
    return true;
  ExportResult result;
  const std::string file = ExportFile();
  {
    const InputPaused paused;
    BarMessage("Eigene Daten werden exportiert, bitte warten !");
    gfx::CURSORWAIT();
    if (SelectWords()) rt::DBGOTOP();
    // The windows keep painting (the bar's text above) while the table is
    // read.
    result = ExportOwnRows(file, [] { core::SYSREFRESH(); });
    gfx::CURSORARROW();
  }
  switch (result) {
    case ExportResult::Done:
      svc::MSGINFO(std::string("Ihre \xC4nderungen wurden exportiert !"), std::string(kExportTitle));
      SetExportFlag(false);
      break;
    case ExportResult::NotWritten:
      svc::MSGALERT("Die Exportdatei " + file + " konnte nicht geschrieben werden !", std::string(kExportTitle));
      break;
    case ExportResult::NotReplaced:
      svc::MSGALERT("Die Exportdatei " + file +
                        " kann nicht ersetzt werden. Sie ist schreibgesch\xFCtzt oder von einem anderen Programm "
                        "ge\xF6" "ffnet !",
                    std::string(kExportTitle));
      break;
  }
  return true;
}

bool IMPMYDATA() {
  if (!SelectWords()) return true;
  const long before = rt::RECCOUNT();
  const std::string file = ExportFile();
  if (!rt::FileExists(file)) return true;
  if (!svc::MSGNOYES(std::string("M\xF6" "chten Sie Ihre eigenen \xC4nderungen in die Datenbank importieren ?"),
                     std::string(kImportTitle)))
    return true;
  // Checked whole before the first row is appended: a bad file leaves the
  // table as it was.
  if (!ImportableFile(file)) {
    svc::MSGALERT("Die Importdatei " + file + " ist besch\xE4" "digt oder enth\xE4lt keine Felder DEUTSCH und FREMD !",
                  std::string(kImportTitle));
    return true;
  }
  BarMessage("Eigene Daten werden importiert, bitte warten !");
  gfx::CURSORWAIT();
  rt::DbApp(file);
  rt::DBCOMMIT();
  rt::DBGOTOP();
  gfx::CURSORARROW();
  if (rt::RECCOUNT() > before &&
      svc::MSGNOYES(std::string("Ihre \xC4nderungen wurden importiert. Importdatei nun l\xF6schen ?"),
                    std::string(kImportTitle))) {
    gfx::CURSORWAIT();
    const int erased = rt::FERASE(file);
    gfx::CURSORARROW();
    if (erased != 0)
      svc::MSGALERT("Die Importdatei " + file + " konnte nicht gel\xF6scht werden !", std::string(kImportTitle));
  }
  return true;
}

}  // namespace dravonel
