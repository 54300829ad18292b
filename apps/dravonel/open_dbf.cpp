#include "apps/dravonel/open_dbf.h"

#include <string>

#include "apps/common/index_check.h"
#include "apps/common/quiet_defaults.h"
#include "apps/common/transchr.h"
#include "apps/dravonel/editor_state.h"
#include "apps/dravonel/entry_store.h"
#include "graphics/cursors.h"
#include "runtime/error.h"
#include "runtime/object.h"
#include "runtime/strings.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"

namespace dravonel {

namespace {

// One attempt: the table and both index files, all or nothing.
bool TryOpen(std::string_view cBase, std::string& failedFile) {
  const std::string base(cBase);
  common::QuietDefaults quiet;
  rt::NETERR(false);
  failedFile = base + ".DBF";
  if (!rt::DBUSEAREA(true, "", base, kWordAlias, false, false) || rt::NETERR() || !rt::USED()) return false;
  for (const char* order : {"1", "2"}) {
    failedFile = base + order + ".NTX";
    if (!rt::ORDLISTADD(base + order)) {
      rt::DBCLOSEAREA();
      return false;
    }
  }
  return true;
}

void RaiseOpenError(const std::string& file) {
  auto e = rt::MakeError(rt::EG_OPEN, 1001, "DBFNTX", "OPENDBF");
  e->description = "Die Datei " + file + " kann nicht ge\xF6" "ffnet werden";
  e->filename = file;
  e->canRetry = true;
  e->canDefault = false;
  rt::RaiseError(e);
}

void SetItemText(const rt::Value& item, const std::string& text) {
  if (!item.IsObject()) return;
  rt::Value arg(text);
  rt::TrySend(item, "SetText", rt::Args(&arg, 1));
}

}  // namespace

void OPENDBF(std::string_view cBase) {
  EditorState& s = Editor();
  if (s.nDelPending > 0) {
    gfx::CURSORWAIT();
    if (SelectWords()) rt::DbPack();
    s.nDelPending = 0;
    gfx::CURSORARROW();
  }
  gfx::CURSORWAIT();
  rt::DBCLOSEALL();
  for (std::string failed; !TryOpen(cBase, failed);) RaiseOpenError(failed);
  if (!common::HasWordFields(cBase)) {
    rt::DBCLOSEAREA();
    gfx::CURSORARROW();
    return;
  }
  if (MarkUnfinishedAdds() > 0 && s.nDelPending == 0) s.nDelPending = 1;
  rt::ORDSETFOCUS(rt::Value(1));
  rt::DBGOTOP();
  s.cSeekDe = common::ENTCRYPT(rt::FIELDGET("DEUTSCH")).AsString();
  s.cSeekFr = common::ENTCRYPT(rt::FIELDGET("FREMD")).AsString();
  SetItemText(s.oItemLang, "Sprache: " + std::string(cBase));
  SetItemText(s.oItemCount, "Begriffe: " + std::to_string(rt::RECCOUNT()));
  gfx::CURSORARROW();
}

}  // namespace dravonel
