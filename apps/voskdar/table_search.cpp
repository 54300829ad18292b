#include "apps/voskdar/table_search.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/voskdar/wildcards.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/work_areas.h"

namespace voskdar {

namespace {

std::string_view TrimRight(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

bool BeginsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// The fields of a word table a search reads, 1-based (SPRACHE may be
// missing: 0).
struct WordFields {
  int deutsch, fremd, sprache;
};

// A word-table entry found by a search, in the record buffer where it is
// written at once.
struct HitView {
  std::string_view deutsch, fremd, sprache;
};

// A found entry kept while the search goes on.
struct Hit {
  std::string deutsch, fremd, sprache;
  HitView View() const noexcept { return {deutsch, fremd, sprache}; }
};

// The side's order in focus, the fields, and how the compared text is made.
class SideReader {
 public:
  explicit SideReader(const SideSearch& search)
      : area_(*rt::WorkAreas::Get().SelectedArea()),
        fields_{area_.FieldPos("DEUTSCH"), area_.FieldPos("FREMD"), area_.FieldPos("SPRACHE")},
        fold_(search.side == SearchSide::Foreign && search.table.foldsForeign),
        searched_(search.side == SearchSide::German ? fields_.deutsch : fields_.fremd) {
    assert(fields_.deutsch > 0 && fields_.fremd > 0 && area_.Focus() > 0);
  }

  rt::WorkArea& Area() noexcept { return area_; }
  const WordFields& Fields() const noexcept { return fields_; }
  int Searched() const noexcept { return searched_; }
  bool Folds() const noexcept { return fold_; }
  std::uint16_t SearchedWidth() const { return area_.Table().Fields()[Index(searched_)].len; }

  // A field of a record's bytes; empty for a missing field.
  std::string_view View(const char* record, int field) const {
    if (field <= 0) return {};
    const rt::DbfField& f = area_.Table().Fields()[Index(field)];
    return std::string_view(record + f.offset, f.len);
  }
  HitView ViewOf(const char* record) const {
    return {View(record, fields_.deutsch), View(record, fields_.fremd), View(record, fields_.sprache)};
  }
  Hit HitOf(const char* record) const {
    const HitView v = ViewOf(record);
    return {std::string(v.deutsch), std::string(v.fremd), std::string(v.sprache)};
  }
  // The searched field as its order's key holds it: upper-cased (letters a
  // to z), with accents folded first where the key folds them.
  void Compared(std::string_view raw, std::string& out) const {
    out.assign(raw);
    if (fold_) common::TransChrInPlace(out);
    for (char& c : out)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }

  static std::size_t Index(int field) { return static_cast<std::size_t>(field - 1); }

 private:
  rt::WorkArea& area_;
  WordFields fields_;
  bool fold_;
  int searched_;
};

// German-side hits of an exact search show the foreign term in both
// columns, every other hit German and foreign.
void WriteHit(const SideSearch& search, const HitView& hit, RowSink& rows) {
  const bool foreignTwice = search.side == SearchSide::German && search.exact;
  rows.Data(foreignTwice ? hit.fremd : hit.deutsch, hit.fremd, hit.sprache);
}

// A pair of German and foreign term once per wildcard scan (other
// translations of the same word stay).
class PairSet {
 public:
  bool Insert(const Hit& hit) {
    key_.assign(TrimRight(hit.deutsch));
    key_.push_back('\0');
    key_.append(TrimRight(hit.fremd));
    return seen_.insert(key_).second;
  }

 private:
  std::string key_;
  std::unordered_set<std::string> seen_;
};

// The key kinds of the side's order a record-order scan can reproduce: the
// searched field alone, or (the editor's German order) the German and then
// the foreign term.
enum class ScanKey { None, Searched, GermanThenForeign };

ScanKey KeyOfFocus(const SideSearch& search, rt::WorkArea& area) {
  const int order = search.side == SearchSide::German ? 1 : 2;
  const std::string keyText = rt::UPPER(area.Order(area.Focus())->KeyText());
  if (keyText == rt::UPPER(common::OrderKey(search.table, order, common::KeyStyle::QuickSearch)))
    return ScanKey::Searched;
  if (keyText == rt::UPPER(common::OrderKey(search.table, order, common::KeyStyle::Editor)))
    return order == 1 ? ScanKey::GermanThenForeign : ScanKey::Searched;
  return ScanKey::None;
}

// The next entry of a walk through the entries that begin with `start`.
// Where the order's key is known to begin with the compared text, the
// entry past them is not read at all.
bool NextWithin(rt::WorkArea& area, std::string_view start, bool keyed) {
  if (keyed) return area.SkipWithinKey(start);
  area.Skip(1);
  return !area.Eof();
}

struct ScanHit {
  std::string key;
  std::uint32_t recno;
  Hit hit;
};

// A pattern without a literal start matches anywhere in the order, so every
// record is read; reading them in record order and sorting the hits by the
// order's key gives the rows the order would give, at the speed of a plain
// file read.
std::vector<Hit> ScanAll(const SideSearch& search, SideReader& reader, ScanKey scanKey) {
  rt::WorkArea& area = reader.Area();
  rt::DbfFile& dbf = area.Table();
  if (area.Shared()) dbf.Refresh();
  const bool hideDeleted = rt::Sets().deleted;
  std::vector<char> record(dbf.RecordLength());
  std::string text, other;
  std::vector<ScanHit> found;
  const std::uint32_t count = dbf.RecCount();
  for (std::uint32_t r = 1; r <= count; ++r) {
    dbf.ReadRecord(r, record.data());
    if (hideDeleted && record[0] == '*') continue;
    reader.Compared(reader.View(record.data(), reader.Searched()), text);
    if (!ZQ_WILDCARD(TrimRight(text), search.term, search.exact)) continue;
    ScanHit hit{text, r, reader.HitOf(record.data())};
    if (scanKey == ScanKey::GermanThenForeign) hit.key += rt::UPPER(hit.hit.fremd);
    found.push_back(std::move(hit));
  }
  std::sort(found.begin(), found.end(), [](const ScanHit& a, const ScanHit& b) {
    const int c = a.key.compare(b.key);
    return c != 0 ? c < 0 : a.recno < b.recno;
  });
  std::vector<Hit> hits;
  hits.reserve(found.size());
  for (ScanHit& h : found) hits.push_back(std::move(h.hit));
  return hits;
}

// From the first entry that begins with the prefix, while entries do.
std::vector<Hit> WalkOrder(const SideSearch& search, SideReader& reader, const std::string& prefix) {
  rt::WorkArea& area = reader.Area();
  area.Seek(rt::Value(prefix), false);
  if (!area.Found()) area.GoTop();
  std::vector<Hit> hits;
  std::string text;
  const bool keyed = KeyOfFocus(search, area) != ScanKey::None;
  for (bool more = !area.Eof(); more; more = NextWithin(area, prefix, keyed)) {
    const char* record = area.RecordBuffer();
    reader.Compared(reader.View(record, reader.Searched()), text);
    if (!BeginsWith(text, prefix)) break;
    if (ZQ_WILDCARD(TrimRight(text), search.term, search.exact)) hits.push_back(reader.HitOf(record));
  }
  return hits;
}

}  // namespace

void PrefixSeek(const SideSearch& search, RowSink& rows) {
  SideReader reader(search);
  std::string key(search.term);
  if (search.exact) {
    // The whole field: the term padded to its width, compared over all of it.
    if (key.size() > reader.SearchedWidth()) return;
    key = rt::PADR(key, reader.SearchedWidth());
  }
  rt::WorkArea& area = reader.Area();
  area.Seek(rt::Value(key), false);
  if (!area.Found()) return;
  rows.Header(std::string(10, ' ') + DirectionText(search.table, search.side, false), {},
              HeaderCode(search.table, search.side));
  const bool keyed = KeyOfFocus(search, area) != ScanKey::None;
  std::string text;
  do {
    const char* record = area.RecordBuffer();
    reader.Compared(reader.View(record, reader.Searched()), text);
    if (!BeginsWith(text, key)) break;
    WriteHit(search, reader.ViewOf(record), rows);
  } while (NextWithin(area, key, keyed));
}

void WILDSEEK(const SideSearch& search, RowSink& rows) {
  SideReader reader(search);
  const std::string prefix = GETSEEKWORD(search.term);
  const ScanKey scanKey = prefix.empty() ? KeyOfFocus(search, reader.Area()) : ScanKey::None;
  const std::vector<Hit> hits =
      scanKey != ScanKey::None ? ScanAll(search, reader, scanKey) : WalkOrder(search, reader, prefix);
  PairSet seen;
  bool header = false;
  for (const Hit& hit : hits) {
    if (!seen.Insert(hit)) continue;
    if (!header) {
      rows.Header(std::string(5, ' ') + "-> " + DirectionText(search.table, search.side, true),
                  std::string(5, ' ') + "-> Wildcardsuche", HeaderCode(search.table, search.side));
      header = true;
    }
    WriteHit(search, hit.View(), rows);
  }
}

}  // namespace voskdar
