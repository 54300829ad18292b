#include "apps/common/index_check.h"

#include <string>

#include "apps/common/marker_files.h"
#include "apps/common/quiet_defaults.h"
#include "runtime/error.h"
#include "runtime/files.h"
#include "runtime/macro.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/text_case.h"

namespace common {

namespace {

constexpr std::string_view kUpdateNotice = "Sie haben ein Update installiert, die Datenbank wird reorganisiert.";
constexpr std::string_view kUpdateTitle = "Achtung";
constexpr std::string_view kCheckAlias = "DBF";
constexpr const char* kRequiredFields[] = {"DEUTSCH", "FREMD"};

bool OpenForCheck(const WordTable& table) {
  QuietDefaults quiet;
  rt::NETERR(false);
  const bool opened = rt::DBUSEAREA(false, "", TablePath(table), kCheckAlias, false, false);
  return opened && !rt::NETERR() && rt::USED();
}

bool SameKey(std::string_view a, std::string_view b) {
  auto trim = [](std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  return rt::AsciiUpper(trim(a)) == rt::AsciiUpper(trim(b));
}

// Whether the order's file opens and holds a key that one of the programs
// builds for that order.
bool IndexUsable(const WordTable& table, int order) {
  if (!rt::FileExists(IndexPath(table, order))) return false;
  bool usable = false;
  {
    QuietDefaults quiet;
    if (rt::ORDLISTADD(IndexName(table, order))) {
      const std::string key = rt::ORDKEY(rt::Value(1));
      usable = SameKey(key, OrderKey(table, order, KeyStyle::Editor)) ||
               SameKey(key, OrderKey(table, order, KeyStyle::QuickSearch));
    }
  }
  rt::ORDLISTCLEAR();
  return usable;
}

void EraseIndexFiles() {
  for (const WordTable& table : kWordTables)
    for (int order : {1, 2}) rt::FERASE(IndexPath(table, order));
}

}  // namespace

bool HasWordFields(std::string_view base) {
  for (const char* field : kRequiredFields) {
    if (rt::FIELDPOS(field) != 0) continue;
    auto e = rt::MakeError(rt::EG_NOVAR, 1001, "DBFNTX", field);
    e->description = "Feld " + std::string(field) + " fehlt in der Tabelle";
    e->filename = std::string(base) + ".DBF";
    e->canDefault = true;
    rt::RaiseError(e);
    return false;
  }
  return true;
}

void BuildIndexFile(std::string_view key, std::string_view file, const BuildProgress& progress) {
  const long rows = rt::RECCOUNT();
  const rt::Value eval = rt::Value::Block([progress](rt::Args) { return rt::Value(progress(rt::RECNO())); });
  rt::ORDCONDSET(true, eval, rows / 100);
  rt::ORDCREATE(file, "", key, rt::MacroCompile("{||" + std::string(key) + "}"), false);
}

bool CheckData(const CheckDataHooks& hooks) {
  if (MarkerExists(kUpdateMarker)) {
    if (rt::FileExists(IndexPath(kWordTables[0], 1))) hooks.notify(kUpdateNotice, kUpdateTitle);
    EraseIndexFiles();
    EraseMarker(kUpdateMarker);
  }
  std::vector<std::string> unreadable;
  for (const WordTable& table : kWordTables) {
    if (!rt::FileExists(TablePath(table))) continue;
    if (!OpenForCheck(table)) {
      unreadable.push_back(std::string(table.base) + ".DBF");
      continue;
    }
    if (!HasWordFields(table.base)) continue;
    for (int order : {1, 2}) {
      if (IndexUsable(table, order)) continue;
      rt::FERASE(IndexPath(table, order));
      hooks.build(MeterText(table, order), OrderKey(table, order, hooks.keys), IndexName(table, order));
      rt::ORDLISTCLEAR();
    }
  }
  rt::DBCLOSEALL();
  if (hooks.unreadable && !unreadable.empty()) hooks.unreadable(unreadable);
  return true;
}

}  // namespace common
