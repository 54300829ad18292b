#include "apps/dravonel/entry_store.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "apps/common/quiet_defaults.h"
#include "runtime/dbf_field_codec.h"
#include "runtime/files.h"
#include "runtime/macro.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_errors.h"
#include "runtime/table_fns.h"
#include "runtime/work_areas.h"

namespace dravonel {

namespace {

constexpr const char* kGerman = "DEUTSCH";
constexpr const char* kForeign = "FREMD";
constexpr const char* kStatus = "STATUS";
constexpr long kAdded = 1;
constexpr long kEdited = 2;

// The export is written under this extension beside its target first.
constexpr const char* kScratchExtension = ".NEW";
constexpr std::string_view kCheckAlias = "CHKEXP";

bool IsBlank(const rt::Value& v) { return rt::ALLTRIM(v.AsString()).empty(); }

// A field's width, 0 when the table has no such field.
std::size_t FieldWidth(std::string_view name) {
  const int pos = rt::FIELDPOS(name);
  if (pos == 0) return 0;
  const rt::Value field = rt::DBSTRUCT().Items()[static_cast<std::size_t>(pos - 1)];
  return static_cast<std::size_t>(field.Items()[2].AsNumber());
}

// Text fields take at most their width: nothing is written past the record.
void PutText(std::string_view name, const std::string& text) {
  rt::FIELDPUT(name, rt::Value(text.substr(0, FieldWidth(name))));
}

// An existing file can be opened for writing: not read-only, not held by
// another program. A rename over it would not be refused everywhere.
bool Replaceable(const std::string& file) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (!std::filesystem::exists(status)) return true;
  if ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) return false;
  std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
  return f.is_open();
}

std::string ScratchName(const std::string& target) {
  const std::filesystem::path p(target);
  return std::filesystem::path(p).replace_extension(kScratchExtension).string();
}

// The values of every field and the deletion mark of the current row.
std::vector<std::string> RowImage() {
  std::vector<std::string> image{rt::DELETED() ? "*" : " "};
  for (int i = 1; i <= rt::FCOUNT(); ++i) {
    const rt::Value v = rt::FIELDGET(i);
    image.push_back(rt::FIELDNAME(i) + "=" + (v.IsNumber() ? std::to_string(v.AsNumber()) : v.AsString()));
  }
  return image;
}

// Own rows have a STATUS above 0.
bool IsOwnStatus(const rt::DbfField& status, const char* record) {
  return rt::DecodeField(status, record, nullptr).AsNumber() > 0;
}

// Between two looks at the window's messages a scan reads this many rows.
constexpr std::uint32_t kRowsBetweenLooks = 16384;

// DBUCH's own rows in the order in force (ties in record order). The rows
// are read in record order straight from the file, a block at a time,
// which costs a fraction of a walk along the order; only the few own rows
// are then placed in it by their keys.
std::vector<std::uint32_t> OwnRecords(const std::function<void()>& keepAlive) {
  rt::WorkArea& area = *rt::WorkAreas::Get().SelectedArea();
  // The current row's changes are in the file before it is read.
  area.Flush();
  rt::DbfFile& dbf = area.Table();
  if (area.Shared()) dbf.Refresh();
  const int statusPos = area.FieldPos(kStatus);
  if (statusPos == 0) return {};
  const rt::DbfField& status = dbf.Fields()[static_cast<std::size_t>(statusPos - 1)];
  const bool hideDeleted = rt::Sets().deleted;
  std::vector<char> record(dbf.RecordLength());
  std::vector<std::uint32_t> own;
  const std::uint32_t count = dbf.RecCount();
  for (std::uint32_t r = 1; r <= count; ++r) {
    if (r % kRowsBetweenLooks == 0 && keepAlive) keepAlive();
    dbf.ReadRecord(r, record.data());
    if (hideDeleted && record[0] == '*') continue;
    if (IsOwnStatus(status, record.data())) own.push_back(r);
  }
  const std::string keyText = rt::ORDKEY();
  if (keyText.empty()) return own;
  std::vector<std::pair<std::string, std::uint32_t>> keyed;
  for (const std::uint32_t r : own) {
    rt::DBGOTO(static_cast<long>(r));
    keyed.emplace_back(rt::MacroEval(keyText).AsString(), r);
  }
  std::sort(keyed.begin(), keyed.end());
  own.clear();
  for (const auto& [key, r] : keyed) own.push_back(r);
  return own;
}

// The scratch file holds exactly these rows of DBUCH, in this order.
bool HoldsRows(const std::string& scratch, const std::vector<std::uint32_t>& recnos) {
  const rt::AreaScope keep(rt::SELECT());
  std::vector<std::vector<std::string>> own;
  for (const std::uint32_t r : recnos) {
    rt::DBGOTO(static_cast<long>(r));
    own.push_back(RowImage());
  }
  if (!rt::DBUSEAREA(true, "", scratch, kCheckAlias, false, true) || rt::NETERR() || !rt::USED()) return false;
  std::vector<std::vector<std::string>> copied;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) copied.push_back(RowImage());
  const bool complete = rt::RECCOUNT() == static_cast<long>(own.size());
  rt::DBCLOSEAREA();
  return complete && copied == own;
}

std::uint32_t Little(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// The header's record count fits the file: a cut-off file is refused
// before the driver sees it.
bool FileIsComplete(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char head[32] = {};
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
  in.seekg(0, std::ios::end);
  const auto size = static_cast<std::uint64_t>(in.tellg());
  const std::uint64_t records = Little(head + 4, 4), headerLength = Little(head + 8, 2),
                      recordLength = Little(head + 10, 2);
  return recordLength > 0 && headerLength >= sizeof head && size >= headerLength + records * recordLength;
}

bool IsTextField(std::string_view name) {
  const int pos = rt::FIELDPOS(name);
  if (pos == 0) return false;
  return rt::DBSTRUCT().Items()[static_cast<std::size_t>(pos - 1)].Items()[1].AsString() == "C";
}

}  // namespace

bool SelectWords() {
  if (rt::SELECT(kWordAlias) == 0) return false;
  rt::DBSELECTAREA(kWordAlias);
  return true;
}

bool HasCurrentRow() { return SelectWords() && !rt::DbEof() && rt::RECNO() >= 1 && rt::RECNO() <= rt::LASTREC(); }

void SaveEntry(bool add, const std::string& german, const std::string& foreign) {
  if (!SelectWords() || (!add && !HasCurrentRow())) return;
  if (add) rt::DBAPPEND();
  rt::FIELDPUT(kStatus, rt::Value(add ? kAdded : kEdited));
  PutText(kGerman, german);
  PutText(kForeign, foreign);
  rt::DBGOTO(rt::RECNO());
  rt::DBCOMMIT();
}

long MarkDuplicates() {
  if (!SelectWords()) return 0;
  // The upper-cased pair of every record, read in one pass in the table's
  // own order (whole windows of records at a time); the walk through the
  // order in force then compares these and reads a record only to mark it.
  const std::size_t germanWidth = FieldWidth(kGerman), width = germanWidth + FieldWidth(kForeign);
  const long count = rt::LASTREC();
  std::string pairs(static_cast<std::size_t>(count) * width, ' ');
  std::vector<bool> deleted(static_cast<std::size_t>(count) + 1);
  const int order = rt::INDEXORD();
  rt::ORDSETFOCUS(rt::Value(0));
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) {
    const auto r = static_cast<std::size_t>(rt::RECNO());
    const std::string row = rt::UPPER(rt::FIELDGET(kGerman).AsString()) + rt::UPPER(rt::FIELDGET(kForeign).AsString());
    pairs.replace((r - 1) * width, width, row, 0, width);
    deleted[r] = rt::DELETED();
  }
  rt::ORDSETFOCUS(rt::Value(order));
  const auto pairOf = [&](long r) { return std::string_view(pairs).substr(static_cast<std::size_t>(r - 1) * width, width); };
  long marked = 0;
  bool kept = false;
  std::string_view run;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1)) {
    const long r = rt::RECNO();
    const std::string_view pair = pairOf(r);
    if (!run.empty() && pair == run) {
      // A row the user deleted never keeps a run: the first live one does.
      if (deleted[static_cast<std::size_t>(r)]) continue;
      if (kept) {
        rt::DBDELETE();
        ++marked;
      }
      kept = true;
      continue;
    }
    run = pair;
    kept = !deleted[static_cast<std::size_t>(r)];
  }
  return marked;
}

long MarkUnfinishedAdds() {
  if (!SelectWords()) return 0;
  const int previous = rt::INDEXORD();
  rt::ORDSETFOCUS(rt::Value(1));
  long marked = 0;
  const auto check = [&] {
    if (!rt::DELETED() && IsBlank(rt::FIELDGET(kForeign)) && rt::FIELDGET(kStatus).AsNumber() == 0) {
      rt::DBDELETE();
      ++marked;
    }
  };
  if (rt::INDEXORD() == 1) {
    // Order 1 starts with the German term: blank ones come first.
    for (rt::DBSEEK(rt::Value(" "), false); !rt::DbEof() && IsBlank(rt::FIELDGET(kGerman)); rt::DBSKIP(1)) check();
  } else {
    for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP(1))
      if (IsBlank(rt::FIELDGET(kGerman))) check();
  }
  rt::ORDSETFOCUS(rt::Value(previous));
  return marked;
}

ExportResult ExportOwnRows(const std::string& target, const std::function<void()>& keepAlive) {
  if (!SelectWords()) return ExportResult::NotWritten;
  if (!Replaceable(target)) return ExportResult::NotReplaced;
  const std::string scratch = ScratchName(target);
  const long recno = rt::RECNO();
  bool written = false;
  {
    common::QuietDefaults quiet;
    const rt::AreaScope keep(rt::SELECT());
    const std::vector<std::uint32_t> own = OwnRecords(keepAlive);
    written = rt::DbCopyRecords(scratch, own) && HoldsRows(scratch, own);
  }
  rt::DBGOTO(recno);
  if (!written) {
    rt::FERASE(scratch);
    return ExportResult::NotWritten;
  }
  std::error_code ec;
  if (Replaceable(target)) std::filesystem::rename(scratch, target, ec);
  if (ec || !Replaceable(target) || std::filesystem::exists(scratch)) {
    rt::FERASE(scratch);
    return ExportResult::NotReplaced;
  }
  return ExportResult::Done;
}

bool ImportableFile(const std::string& file) {
  if (!FileIsComplete(file)) return false;
  common::QuietDefaults quiet;
  const rt::AreaScope keep(rt::SELECT());
  rt::NETERR(false);
  if (!rt::DBUSEAREA(true, "", file, kCheckAlias, false, true) || rt::NETERR() || !rt::USED()) return false;
  bool ok = IsTextField(kGerman) && IsTextField(kForeign);
  long rows = 0;
  for (rt::DBGOTOP(); ok && !rt::DbEof(); rt::DBSKIP(1)) {
    rt::FIELDGET(kGerman);
    ++rows;
  }
  ok = ok && rows == rt::RECCOUNT();
  rt::DBCLOSEAREA();
  return ok;
}

}  // namespace dravonel
