// Drivers, work areas, table structure and field access.

#include "runtime/dbf_field_codec.h"
#include "runtime/settings.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/table_fns_util.h"
#include "runtime/table_texts.h"
#include "runtime/text_case.h"
#include "runtime/work_areas.h"

namespace rt {

namespace {

std::string& DefaultDriver() {
  static std::string driver = "DBFNTX";
  return driver;
}

// "DBF" is the NTX driver's other name; DBFDBT is its memo part.
std::string DriverName(std::string_view driver) {
  std::string d = AsciiUpper(driver);
  if (d.empty()) return DefaultDriver();
  if (d == "DBF" || d == "DBFNTX" || d == "DBFDBT") return "DBFNTX";
  return {};
}

std::string BaseAlias(std::string_view file) {
  std::size_t slash = file.find_last_of("\\/:");
  std::string_view base = file.substr(slash == std::string_view::npos ? 0 : slash + 1);
  base = base.substr(0, base.find('.'));
  return AsciiUpper(base);
}

}  // namespace

std::string ResolvePath(std::string_view file, std::string_view ext) {
  std::string path = WithDefaultExtension(file, ext);
  const std::string& dir = Sets().defaultPath;
  if (!dir.empty() && path.find_first_of("\\/:") == std::string::npos) {
    char last = dir.back();
    path = dir + ((last == '\\' || last == '/' || last == ':') ? "" : "\\") + path;
  }
  return path;
}

std::string RDDSETDEFAULT(std::string_view driver) {
  std::string old = DefaultDriver();
  if (!driver.empty()) {
    std::string d = DriverName(driver);
    if (d.empty())
      RunGuarded("RDDSETDEFAULT", [&] { ThrowFault(EG_ARG, {}, TableMessage(TableText::UnknownDriver, driver)); });
    else
      DefaultDriver() = d;
  }
  return old;
}

Value RDDLIST() { return Value::Array({"DBF", "DBFNTX", "DBFDBT"}); }

std::string RDDNAME() { return USED() ? "DBFNTX" : ""; }

bool DBUSEAREA(bool newArea, std::string_view driver, std::string_view file, std::string_view alias,
               std::optional<bool> shared, bool readOnly) {
  WorkAreas& areas = WorkAreas::Get();
  bool opened = RunGuarded("DBUSEAREA", [&] {
    if (DriverName(driver).empty()) ThrowFault(EG_ARG, std::string(file), TableMessage(TableText::UnknownDriver, driver));
    int n = areas.Selected();
    if (newArea) {
      n = areas.FirstFree();
      if (n == 0) ThrowFault(EG_LIMIT, std::string(file));
      areas.Select(n);
    } else {
      areas.Close(n);
    }
    std::string name = alias.empty() ? BaseAlias(file) : AsciiUpper(alias);
    int other = areas.FindAlias(name);
    if (other != 0 && other != n) ThrowFault(EG_DUPALIAS, std::string(file), TableMessage(TableText::AliasInUse, name));
    areas.Open(n, name, ResolvePath(file, ".DBF"), shared.value_or(!Sets().exclusive), readOnly);
  });
  NETERR(!opened);
  return opened;
}

void DBCLOSEAREA() {
  WorkAreas& areas = WorkAreas::Get();
  RunGuarded("DBCLOSEAREA", [&] { areas.Close(areas.Selected()); });
}

void DBCLOSEALL() {
  WorkAreas& areas = WorkAreas::Get();
  for (int n = 1; n <= WorkAreas::kMaxAreas; ++n)
    if (areas.Area(n)) RunGuarded("DBCLOSEALL", [&] { areas.Close(n); });
  areas.Select(1);
}

int SELECT() { return WorkAreas::Get().Selected(); }

int SELECT(std::string_view alias) { return WorkAreas::Get().FindAlias(alias); }

int DBSELECTAREA(int area) {
  WorkAreas& areas = WorkAreas::Get();
  areas.Select(area == 0 ? areas.FirstFree() : area);
  return areas.Selected();
}

int DBSELECTAREA(std::string_view alias) {
  WorkAreas& areas = WorkAreas::Get();
  int n = areas.FindAlias(alias);
  if (n == 0) {
    RunGuarded("DBSELECTAREA", [&] { ThrowFault(EG_NOALIAS, {}, TableMessage(TableText::AliasNotFound, alias)); });
    return areas.Selected();
  }
  areas.Select(n);
  return n;
}

std::string ALIAS(int area) {
  WorkAreas& areas = WorkAreas::Get();
  WorkArea* a = areas.Area(area == 0 ? areas.Selected() : area);
  return a ? a->Alias() : "";
}

bool USED() { return WorkAreas::Get().SelectedArea() != nullptr; }

Value AliasEval(const Value& alias, const std::function<Value()>& fn) {
  WorkAreas& areas = WorkAreas::Get();
  int n = alias.IsNumber() ? static_cast<int>(alias.AsInt()) : areas.FindAlias(alias.AsString());
  if (n < 1 || n > WorkAreas::kMaxAreas) {
    RunGuarded("ALIAS", [&] { ThrowFault(EG_NOALIAS, {}, TableMessage(TableText::AliasNotFound, alias.AsString())); });
    return Value();
  }
  AreaScope scope(n);
  return fn();
}

bool DBCREATE(std::string_view file, const Value& structure, std::string_view driver) {
  return RunGuarded("DBCREATE", [&] {
    std::string path = ResolvePath(file, ".DBF");
    if (DriverName(driver).empty()) ThrowFault(EG_ARG, path, TableMessage(TableText::UnknownDriver, driver));
    if (!structure.IsArray()) ThrowFault(EG_ARG, path, TableMessage(TableText::NoStructure));
    std::vector<DbfField> fields;
    for (const Value& row : structure.Items()) {
      if (!row.IsArray() || row.Len() < 3) ThrowFault(EG_ARG, path, TableMessage(TableText::BadStructure));
      DbfField f;
      f.name = row.At(1).AsString();
      f.type = row.At(2).AsString().empty() ? '?' : row.At(2).AsString()[0];
      long len = row.At(3).AsInt();
      long dec = row.Len() >= 4 ? row.At(4).AsInt() : 0;
      if (len < 0 || len > 65535 || dec < 0 || dec > 255) ThrowFault(EG_ARG, path, TableMessage(TableText::BadFieldLength, f.name));
      f.len = static_cast<std::uint16_t>(len);
      f.dec = static_cast<std::uint8_t>(dec);
      fields.push_back(std::move(f));
    }
    DbfFile::CheckStructure(path, fields);
    bool memo = std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
    DbfFile::Create(path, fields, memo);
    if (memo) DbtMemo::Create(MemoPathOf(path));
  });
}

Value DBSTRUCT() {
  Value result = Value::Array();
  WorkArea* a = WorkAreas::Get().SelectedArea();
  if (!a) return result;
  for (const DbfField& f : a->Table().Fields())
    result.Items().push_back(Value::Array({f.name, std::string(1, f.type), static_cast<long>(f.len),
                                           static_cast<long>(f.dec)}));
  return result;
}

int FCOUNT() {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  return a ? a->FieldCount() : 0;
}

std::string FIELDNAME(int index) {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  if (!a || index < 1 || index > a->FieldCount()) return "";
  return a->Table().Fields()[static_cast<std::size_t>(index - 1)].name;
}

int FIELDPOS(std::string_view name) {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  return a ? a->FieldPos(name) : 0;
}

Value FIELDGET(int index) {
  WorkAreas& areas = WorkAreas::Get();
  return areas.GetField(areas.Selected(), index);
}

Value FIELDGET(std::string_view name) {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  int index = a ? a->FieldPos(name) : 0;
  if (index == 0) {
    RunGuarded("FIELDGET", [&] { ThrowFault(EG_NOVAR, {}, TableMessage(TableText::FieldNotFound, name)); });
    return Value();
  }
  return FIELDGET(index);
}

Value FIELDPUT(int index, const Value& v) {
  WorkAreas& areas = WorkAreas::Get();
  RunGuarded("FIELDPUT", [&] {
    WorkArea* a = areas.SelectedArea();
    if (!a) ThrowFault(EG_NOTABLE, {});
    a->FieldPut(index, v);
  });
  return v;
}

Value FIELDPUT(std::string_view name, const Value& v) {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  int index = a ? a->FieldPos(name) : 0;
  if (index == 0) {
    RunGuarded("FIELDPUT", [&] { ThrowFault(EG_NOVAR, {}, TableMessage(TableText::FieldNotFound, name)); });
    return v;
  }
  return FIELDPUT(index, v);
}

}  // namespace rt
