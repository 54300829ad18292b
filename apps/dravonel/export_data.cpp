#include <string>

#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/maintenance.h"
#include "graphics/cursors.h"
#include "runtime/files.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"

namespace dravonel {

namespace {

const char* const kExportTitle = "Exportieren";
const char* const kImportTitle = "Importieren";

}  // namespace

bool EXPMYDATA() {
  if (!svc::MSGNOYES(std::string("M\xF6" "chten Sie Ihre eigenen \xC4nderungen aus der Datenbank exportieren ?"),
                     std::string(kExportTitle)))
    return true;
  BarMessage("Eigene Daten werden exportiert, bitte warten !");
  gfx::CURSORWAIT();
  if (SelectWords()) rt::DBGOTOP();
  const std::string file = ExportFile();
  const ExportResult result = ExportOwnRows(file);
  gfx::CURSORARROW();
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
