#include <string>

#include "apps/common/transchr.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "apps/dravonel/maintenance.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "services/msgbox.h"

namespace dravonel {

namespace {

std::string Term(const char* field) { return rt::RTRIM(common::ENTCRYPT(rt::FIELDGET(field)).AsString()); }

}  // namespace

bool DELDATA() {
  // At the end of the table there is no row to delete or recall.
  if (!HasCurrentRow()) return false;
  EditorState& e = Editor();
  if (rt::DELETED()) {
    if (!svc::MSGNOYES(std::string("Dieser Datensatz ist als gel\xF6scht markiert, m\xF6" "chten Sie ihn wiederherstellen"),
                       std::string("L\xF6schen")))
      return false;
    rt::DBRECALL();
    rt::DBCOMMIT();
    if (e.nDelPending > 0) --e.nDelPending;
    return true;
  }
  if (!svc::MSGNOYES("M\xF6" "chten Sie den Begriff '" + Term("DEUTSCH") + " / " + Term("FREMD") +
                         "' aus der Datenbank l\xF6schen ?",
                     std::string("Begriff l\xF6schen")))
    return false;
  rt::DBDELETE();
  rt::DBCOMMIT();
  if (e.nDelPending == 0) e.nDelPending = 1;
  return true;
}

}  // namespace dravonel
