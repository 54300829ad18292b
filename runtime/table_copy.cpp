// Copying rows to a new table (__DBCOPY) and appending another table's rows
// (__DBAPP), as the export and import of the user's own entries use them.

#include <algorithm>
#include <cstring>

#include "runtime/dbf_field_codec.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/table_fns_util.h"
#include "runtime/work_areas.h"

namespace rt {

namespace {

// The fields named in the array (all fields for NIL or an empty array), as
// 1-based positions in the area; unknown names are passed over.
std::vector<int> ChosenFields(WorkArea& a, const Value& names) {
  std::vector<int> chosen;
  if (names.IsArray() && names.Len() > 0) {
    for (const Value& n : names.Items())
      if (int pos = a.FieldPos(n.AsString()); pos > 0) chosen.push_back(pos);
  } else {
    for (int i = 1; i <= a.FieldCount(); ++i) chosen.push_back(i);
  }
  return chosen;
}

// A new table `file` with the chosen fields of the area; eachRow(copy)
// places the area on each row to copy in turn and calls copy() there.
template <class EachRow>
void CopyRows(WorkArea& a, std::string_view file, const Value& fields, EachRow eachRow) {
  std::string path = ResolvePath(file, ".DBF");
  std::vector<int> src = ChosenFields(a, fields);
  std::vector<DbfField> defs;
  for (int i : src) defs.push_back(a.Table().Fields()[static_cast<std::size_t>(i - 1)]);
  bool memo = std::any_of(defs.begin(), defs.end(), [](const DbfField& f) { return f.type == 'M'; });
  DbfFile::Create(path, defs, memo);
  if (memo) DbtMemo::Create(MemoPathOf(path));
  DbfFile out;
  out.Open(path, TableShare::Exclusive, false);
  DbtMemo outMemo;
  if (memo) outMemo.Open(MemoPathOf(path), TableShare::Exclusive, false);
  std::vector<char> rec(out.RecordLength(), ' ');
  const auto copy = [&] {
    const char* in = a.RecordBuffer();
    rec[0] = in[0];
    for (std::size_t i = 0; i < src.size(); ++i) {
      const DbfField& sf = a.Table().Fields()[static_cast<std::size_t>(src[i] - 1)];
      const DbfField& df = out.Fields()[i];
      if (df.type == 'M') {
        std::string text = a.Memo() ? a.Memo()->Read(MemoBlockOf(sf, in)) : std::string();
        PutMemoBlock(df, rec.data(), outMemo.Write(0, text));
      } else {
        std::memcpy(rec.data() + df.offset, in + sf.offset, df.len);
      }
    }
    out.AppendRecord(rec.data());
  };
  eachRow(copy);
  out.Close();
}

WorkArea& SelectedOr(std::string_view file) {
  WorkArea* a = WorkAreas::Get().SelectedArea();
  if (!a) ThrowFault(EG_NOTABLE, std::string(file));
  return *a;
}

}  // namespace

bool DbCopy(std::string_view file, const Value& fields, const Value& forCond) {
  return RunGuarded("__DBCOPY", [&] {
    WorkArea& a = SelectedOr(file);
    CopyRows(a, file, fields, [&](const auto& copy) {
      for (a.GoTop(); !a.Eof(); a.Skip(1))
        if (!forCond.IsBlock() || forCond.Eval().AsLogical()) copy();
    });
  });
}

bool DbCopyRecords(std::string_view file, const std::vector<std::uint32_t>& recnos, const Value& fields) {
  return RunGuarded("__DBCOPY", [&] {
    WorkArea& a = SelectedOr(file);
    CopyRows(a, file, fields, [&](const auto& copy) {
      for (const std::uint32_t r : recnos) {
        a.GoTo(r);
        if (a.RecNo() != r || a.Eof()) ThrowFault(EG_READ, a.Table().Path());
        copy();
      }
    });
  });
}

bool DbApp(std::string_view file, const Value& fields) {
  return RunGuarded("__DBAPP", [&] {
    WorkArea* a = WorkAreas::Get().SelectedArea();
    if (!a) ThrowFault(EG_NOTABLE, std::string(file));
    WorkArea source(0, "");
    source.Open(ResolvePath(file, ".DBF"), true, true);
    std::vector<std::pair<int, int>> pairs;  // target field, source field
    for (int target : ChosenFields(*a, fields)) {
      const std::string& name = a->Table().Fields()[static_cast<std::size_t>(target - 1)].name;
      if (int from = source.FieldPos(name); from > 0) pairs.emplace_back(target, from);
    }
    for (source.GoTop(); !source.Eof(); source.Skip(1)) {
      a->Append();
      for (auto [target, from] : pairs) a->FieldPut(target, source.FieldGet(from));
      a->SetDeletedMark(source.Deleted());
      a->Flush();
    }
    source.Close();
  });
}

}  // namespace rt

