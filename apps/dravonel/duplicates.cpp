#include <string>

#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/maintenance.h"
#include "graphics/cursors.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"

namespace dravonel {

namespace {

const char* const kTitle = "Duplikate l\xF6schen";

}  // namespace

// The walk lets no message run meanwhile: a message could move or close
// DBUCH under it (grid skips, a dictionary switch).
bool DELDUPEDATA() {
  if (!svc::MSGNOYES(std::string("M\xF6" "chten Sie Duplikate aus der Datenbank entfernen ?"), std::string(kTitle)))
    return true;
  BarMessage("Duplikate werden entfernt, bitte warten !");
  gfx::CURSORWAIT();
  const long marked = MarkDuplicates();
  if (marked > 0) rt::DBCOMMIT();
  gfx::CURSORARROW();
  if (marked > 0) {
    svc::MSGINFO("Es wurden " + std::to_string(marked) + " Datens\xE4tze gel\xF6scht.", std::string(kTitle));
    Editor().nDelPending = marked;
  } else {
    svc::MSGINFO(std::string("Es wurden keine Duplikate gefunden !"), std::string(kTitle));
  }
  return true;
}

}  // namespace dravonel
