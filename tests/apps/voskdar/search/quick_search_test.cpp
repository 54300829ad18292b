// The quick search on small word tables: the rows it writes to the scratch
// table, its messages, and the tables and files it cannot use.

#include "apps/voskdar/quick_search.h"
#include "apps/voskdar/result_rows.h"
#include "apps/voskdar/scratch_table.h"
#include "apps/voskdar/search_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "runtime/settings.h"
#include "runtime/strings.h"
#include "runtime/table_fns.h"
#include "tests/apps_common/work_dir.h"

namespace voskdar {
namespace {

struct Entry {
  std::string deutsch, fremd;
  bool deleted = false;
};

// A word table as delivered (50-character terms, a language code) with the
// index pair built with the given program's keys.
void MakeTable(const common::WordTable& table, const std::vector<Entry>& entries, std::string_view sprache,
               common::KeyStyle keys = common::KeyStyle::QuickSearch) {
  const rt::Value structure = rt::Value::Array(
      {rt::Value::Array({"DEUTSCH", "C", 50, 0}), rt::Value::Array({"FREMD", "C", 50, 0}),
       rt::Value::Array({"SPRACHE", "C", 2, 0}), rt::Value::Array({"STATUS", "N", 1, 0})});
  const std::string file = std::string(table.base) + ".DBF";
  ASSERT_TRUE(rt::DBCREATE(file, structure));
  ASSERT_TRUE(rt::DBUSEAREA(true, "", file, "MAKE", false, false));
  for (const Entry& e : entries) {
    rt::DBAPPEND();
    rt::FIELDPUT("DEUTSCH", e.deutsch);
    rt::FIELDPUT("FREMD", e.fremd);
    rt::FIELDPUT("SPRACHE", std::string(sprache));
    rt::FIELDPUT("STATUS", 0);
    if (e.deleted) rt::DBDELETE();
  }
  for (int order : {1, 2})
    ASSERT_TRUE(rt::ORDCREATE(common::IndexName(table, order), "", common::OrderKey(table, order, keys)));
  rt::DBCLOSEAREA();
}

const common::WordTable& Eng() { return common::kWordTables[0]; }
const common::WordTable& Fra() { return common::kWordTables[1]; }

const std::vector<Entry> kEnglish = {
    {"Haus", "house"},     {"Haus", "home"},        {"Haust\xFCr", "front door"}, {"Hans", "Jack"},
    {"Baumhaus", "tree house"}, {"Rathaus", "town hall"}, {"Haus", "house"},   {"Caf\xE9", "caf\xE9"},
    {"ABC", "abc"},        {"Hausboot", "houseboat", true}};
const std::vector<Entry> kFrench = {
    {"Haus", "maison"}, {"Caf\xE9", "caf\xE9"}, {"Kaffeehaus", "caf\xE9"}, {"naiv", "na\xEFve"}, {"Haus", "foyer"}};

// A scratch-table row, trimmed: WORT, FREMD, SPRACHE, BITMAP.
struct Row {
  std::string wort, fremd, sprache, bitmap;
  bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << "{" << r.wort << "|" << r.fremd << "|" << r.sprache << "|" << r.bitmap << "}";
}

Row Header(std::string direction, std::string code) { return {std::string(10, ' ') + direction, "", "", code}; }
Row WildHeader(std::string direction, std::string code) {
  return {"     -> " + direction, "     -> Wildcardsuche", "", code};
}
Row Data(std::string wort, std::string fremd, std::string sprache) { return {wort, fremd, sprache, ""}; }

// Every row of VOSKTEMP.DBF, read from the file after the search closed it.
std::vector<Row> ScratchRows() {
  std::vector<Row> rows;
  if (!rt::DBUSEAREA(true, "", "VOSKTEMP.DBF", "CHECK", false, true)) return rows;
  for (rt::DBGOTOP(); !rt::DbEof(); rt::DBSKIP())
    rows.push_back({rt::RTRIM(rt::FIELDGET("WORT").AsString()), rt::RTRIM(rt::FIELDGET("FREMD").AsString()),
                    rt::RTRIM(rt::FIELDGET("SPRACHE").AsString()), rt::RTRIM(rt::FIELDGET("BITMAP").AsString())});
  rt::DBCLOSEAREA();
  return rows;
}

class QuickSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    common::RegisterWordFunctions();
    rt::Sets().deleted = true;
    rt::Sets().exclusive = false;
  }
  void TearDown() override {
    rt::DBCLOSEALL();
    rt::Sets() = rt::SetTable{};
  }

  // Runs a search as the dialog does; the messages are kept.
  long Search(std::string_view term, SearchOptions options) {
    const long n = SearchTables(term, options, {[this](std::string_view text) { errors.emplace_back(text); },
                                                [this] { ++busy; }});
    rt::DBCLOSEALL();
    return n;
  }

  common::test::WorkDir dir;
  std::vector<std::string> errors;
  int busy = 0;
};

struct RowCase {
  const char* name;
  const char* term;
  SearchOptions options;
  std::vector<Row> rows;
};

SearchOptions Sides(bool eng, bool fra, bool german, bool foreign, bool exact = false) {
  SearchOptions o;
  o.languages = {eng, fra, false, false, false, false};
  o.german = german;
  o.foreign = foreign;
  o.exact = exact;
  return o;
}

const std::string kFra = "Deutsch - Franz\xF6sisch";
const std::string kFraBack = "Franz\xF6sisch - Deutsch";
const std::string kFraWildBack = "Franz\xF6sisch / Deutsch";

const RowCase kRowCases[] = {
    {"PrefixGermanSideOneHeaderPerTable", "haus", Sides(true, true, true, false),
     {Header("Deutsch - Englisch", "ENG"), Data("Haus", "house", "EN"), Data("Haus", "home", "EN"),
      Data("Haus", "house", "EN"), Data("Haust\xFCr", "front door", "EN"), Header(kFra, "FRA"),
      Data("Haus", "maison", "FR"), Data("Haus", "foyer", "FR")}},
    {"ExactGermanSideShowsTheForeignTermTwice", "Haus", Sides(true, true, true, false, true),
     {Header("Deutsch - Englisch", "ENG"), Data("house", "house", "EN"), Data("home", "home", "EN"),
      Data("house", "house", "EN"), Header(kFra, "FRA"), Data("maison", "maison", "FR"),
      Data("foyer", "foyer", "FR")}},
    {"ForeignSidePrefixFoldsForFrench", "CAFE", Sides(true, true, false, true),
     {Header(kFraBack, "DEU"), Data("Caf\xE9", "caf\xE9", "FR"), Data("Kaffeehaus", "caf\xE9", "FR")}},
    {"QuestionMarkFindsHausAndHaustuerOncePerPair", "h?us", Sides(true, false, true, false),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("Haus", "house", "EN"), Data("Haus", "home", "EN"),
      Data("Haust\xFCr", "front door", "EN")}},
    {"LeadingStarFindsWordsEndingInHaus", "*haus", Sides(true, false, true, false),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("Baumhaus", "tree house", "EN"), Data("Haus", "house", "EN"),
      Data("Haus", "home", "EN"), Data("Rathaus", "town hall", "EN")}},
    {"StarInTheMiddle", "ha*s", Sides(true, false, true, false),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("Hans", "Jack", "EN"), Data("Haus", "house", "EN"),
      Data("Haus", "home", "EN")}},
    {"OverlappingParts", "AB*BC", Sides(true, false, true, false),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("ABC", "abc", "EN")}},
    {"LoneStarFindsEveryLiveEntryInKeyOrder", "*", Sides(true, false, true, false),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("ABC", "abc", "EN"), Data("Baumhaus", "tree house", "EN"),
      Data("Caf\xE9", "caf\xE9", "EN"), Data("Hans", "Jack", "EN"), Data("Haus", "house", "EN"),
      Data("Haus", "home", "EN"), Data("Haust\xFCr", "front door", "EN"), Data("Rathaus", "town hall", "EN")}},
    {"FrenchWildcardHeaderOfTheForeignSide", "na*", Sides(false, true, false, true),
     {WildHeader(kFraWildBack, "DEU"), Data("naiv", "na\xEFve", "FR")}},
    // The term keeps its accents where the key does: the German side and
    // the English foreign side.
    {"AccentedTermFromTheGermanSide", "Caf\xE9", Sides(true, true, true, false),
     {Header("Deutsch - Englisch", "ENG"), Data("Caf\xE9", "caf\xE9", "EN"), Header(kFra, "FRA"),
      Data("Caf\xE9", "caf\xE9", "FR")}},
    {"AccentedTermFromTheEnglishSide", "caf\xE9", Sides(true, false, false, true),
     {Header("Englisch - Deutsch", "DEU"), Data("Caf\xE9", "caf\xE9", "EN")}},
    // The scan compares the folded field with the folded pattern.
    {"FoldedWildcardFromTheFrenchSide", "cafe*", Sides(false, true, false, true),
     {WildHeader(kFraWildBack, "DEU"), Data("Caf\xE9", "caf\xE9", "FR"), Data("Kaffeehaus", "caf\xE9", "FR")}},
    {"AccentedWildcardFromTheFrenchSide", "na\xEFve*", Sides(false, true, false, true),
     {WildHeader(kFraWildBack, "DEU"), Data("naiv", "na\xEFve", "FR")}},
    // Exact search with "?" matches whole terms of the pattern's length.
    {"ExactQuestionMark", "h?us", Sides(true, false, true, false, true),
     {WildHeader("Deutsch / Englisch", "ENG"), Data("house", "house", "EN"), Data("home", "home", "EN")}},
};

class SearchRows : public QuickSearch, public ::testing::WithParamInterface<RowCase> {};

TEST_P(SearchRows, WritesTheseRows) {
  MakeTable(Eng(), kEnglish, "EN");
  MakeTable(Fra(), kFrench, "FR");
  const RowCase& c = GetParam();
  EXPECT_EQ(Search(c.term, c.options), static_cast<long>(c.rows.size()));
  EXPECT_EQ(ScratchRows(), c.rows);
  EXPECT_TRUE(errors.empty()) << errors.front();
  EXPECT_EQ(busy, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchRows, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuickSearch, NothingFoundLeavesAnEmptyScratchTableAndSaysSo) {
  MakeTable(Eng(), kEnglish, "EN");
  MakeTable(Fra(), kFrench, "FR");
  struct Miss {
    const char* term;
    SearchOptions options;
    const char* shown;
  };
  for (const Miss& m : {Miss{"x*y", Sides(true, true, true, true), "X*Y"},
                        Miss{"haus", Sides(false, false, true, true), "HAUS"},
                        Miss{"haus", Sides(true, true, false, false), "HAUS"},
                        Miss{"Haust\xFCr  ", Sides(true, false, false, true), "HAUST\xFCR"}}) {
    errors.clear();
    EXPECT_EQ(Search(m.term, m.options), 0) << m.term;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], std::string("Der Suchbegriff '") + m.shown + "' wurde nicht gefunden !");
    EXPECT_TRUE(std::filesystem::exists("VOSKTEMP.DBF"));
    EXPECT_TRUE(ScratchRows().empty());
  }
}

TEST_F(QuickSearch, AnEmptyTermIsRefusedBeforeAnythingIsTouched) {
  MakeTable(Eng(), kEnglish, "EN");
  for (const char* term : {"", "                                        ", " \t\r\n "}) {
    errors.clear();
    EXPECT_EQ(Search(term, Sides(true, false, true, true)), -1);
    EXPECT_EQ(errors, std::vector<std::string>{"Es wurde kein Suchbegriff eingegeben !"});
  }
  EXPECT_FALSE(std::filesystem::exists("VOSKTEMP.DBF"));
  EXPECT_EQ(busy, 0);
}

TEST_F(QuickSearch, OddTermsSearchWithoutHarm) {
  MakeTable(Eng(), kEnglish, "EN");
  for (const std::string& term : std::vector<std::string>{"'", "\"haus\"", "h'aus", "\x01\x02", "?", "**", std::string(60, 'h')}) {
    errors.clear();
    EXPECT_GE(Search(term, Sides(true, false, true, true)), 0) << term;
  }
  EXPECT_EQ(Search("?", Sides(true, false, true, false)), 9);  // every live entry, one header
}

TEST_F(QuickSearch, TheEditorsGermanKeyGivesItsOwnOrderToAFullScan) {
  MakeTable(Eng(), kEnglish, "EN", common::KeyStyle::Editor);
  EXPECT_EQ(Search("*haus", Sides(true, false, true, false)), 5);
  EXPECT_EQ(ScratchRows(), (std::vector<Row>{WildHeader("Deutsch / Englisch", "ENG"),
                                             Data("Baumhaus", "tree house", "EN"), Data("Haus", "home", "EN"),
                                             Data("Haus", "house", "EN"), Data("Rathaus", "town hall", "EN")}));
}

TEST_F(QuickSearch, ATableThatCannotBeReadIsNamedAndPassedOver) {
  MakeTable(Fra(), kFrench, "FR");
  // English is selected but its table is gone; the French foreign index is
  // damaged.
  std::ofstream("DEUFRA2.NTX", std::ios::binary | std::ios::trunc) << std::string(1024, '\x7F');
  EXPECT_EQ(Search("haus", Sides(true, true, true, true)), 3);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].find("DEUENG.DBF"), std::string::npos) << errors[0];
  EXPECT_NE(errors[1].find("DEUFRA2.NTX"), std::string::npos) << errors[1];
  for (const std::string& e : errors) EXPECT_NE(e.find("\xFC" "bergangen"), std::string::npos) << e;
  EXPECT_EQ(ScratchRows(), (std::vector<Row>{Header(kFra, "FRA"), Data("Haus", "maison", "FR"),
                                             Data("Haus", "foyer", "FR")}));
}

TEST_F(QuickSearch, AScratchTableHeldElsewhereStopsTheSearch) {
  MakeTable(Eng(), kEnglish, "EN");
  ASSERT_EQ(Search("haus", Sides(true, false, true, false)), 5);
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "VOSKTEMP.DBF", "HOLDER", false, false));
  const int holder = rt::SELECT();
  EXPECT_EQ(SearchTables("haus", Sides(true, false, true, true),
                         {[this](std::string_view text) { errors.emplace_back(text); }, [this] { ++busy; }}),
            -1);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("VOSKTEMP.DBF"), std::string::npos) << errors[0];
  EXPECT_EQ(rt::SELECT("DDBF"), 0);  // no word table was opened
  EXPECT_EQ(busy, 1);                 // only the first search got that far
  rt::DBSELECTAREA(holder);
  rt::DBCLOSEAREA();
  EXPECT_EQ(ScratchRows().size(), 5u);  // the held table kept its rows
}

// More hits than a block of scratch rows: every one is written, in the
// order found, and the table reads back whole.
TEST_F(QuickSearch, ManyHitsAreWrittenInBlocksAndAllArrive) {
  std::vector<Entry> entries;
  const int count = static_cast<int>(::voskdar::ScratchRows::kBlockRows) * 2 + 7;
  for (int i = 0; i < count; ++i) entries.push_back({"Wort" + std::to_string(10000 + i), "word"});
  MakeTable(Eng(), entries, "EN");
  ASSERT_EQ(Search("wort*", Sides(true, false, true, false)), count + 1);
  EXPECT_TRUE(errors.empty());
  const std::vector<Row> rows = ScratchRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(count) + 1);
  EXPECT_EQ(rows[0], WildHeader("Deutsch / Englisch", "ENG"));
  for (int i = 0; i < count; ++i)
    EXPECT_EQ(rows[static_cast<std::size_t>(i) + 1], Data("Wort" + std::to_string(10000 + i), "word", "EN"));
}

// A scratch table that takes no rows: the block write fails, and the
// failure is reported once, naming the file; the rows given are counted.
TEST_F(QuickSearch, AFailedBlockWriteIsReportedNamingTheFile) {
  ASSERT_TRUE(MAKETEMP());
  rt::DBCLOSEAREA();
  ASSERT_TRUE(rt::DBUSEAREA(true, "", std::string(kScratchFile), std::string(kScratchAlias), false, true));
  ::voskdar::ScratchRows rows;
  for (std::uint32_t i = 0; i < ::voskdar::ScratchRows::kBlockRows + 3; ++i) rows.Data("Haus", "house", "EN");
  EXPECT_FALSE(rows.Flush());
  EXPECT_EQ(rows.Count(), static_cast<long>(::voskdar::ScratchRows::kBlockRows) + 3);
  EXPECT_FALSE(rows.Failure().empty());
  const std::string text = ScratchWriteText(kScratchFile, rows.Failure());
  EXPECT_NE(text.find("Die Ergebnisdatei VOSKTEMP.DBF kann nicht geschrieben werden ("), std::string::npos) << text;
  rt::DBCLOSEALL();
  EXPECT_TRUE(ScratchRows().empty());
}

}  // namespace
}  // namespace voskdar

namespace voskdar {
namespace {

struct CopyCase {
  const char* name;
  const char* term;
  SearchOptions options;
  const char* fraSprache;
  // Per scratch row: the word a copy gives, "-" for a header row.
  std::vector<std::string> copied;
};

// A copy gives the term of the other language than the one searched, on
// every kind of row; the French table of the last case was added to by the
// editor (no language code), and its rows copy like any other.
const CopyCase kCopyCases[] = {
    {"GermanPrefix", "haus", Sides(true, false, true, false), "FR", {"-", "house", "home", "house", "front door"}},
    {"GermanExact", "Haus", Sides(true, false, true, false, true), "FR", {"-", "house", "home", "house"}},
    {"GermanWildcard", "ha*s", Sides(true, false, true, false), "FR", {"-", "Jack", "house", "home"}},
    {"ForeignPrefix", "house", Sides(true, false, false, true), "FR", {"-", "Haus", "Haus"}},
    {"ForeignWildcard", "na*", Sides(false, true, false, true), "FR", {"-", "naiv"}},
    {"BothSides", "caf\xE9", Sides(false, true, true, true), "FR", {"-", "caf\xE9", "-", "Caf\xE9", "Kaffeehaus"}},
    {"RowsTheEditorAdded", "haus", Sides(false, true, true, false), "", {"-", "maison", "foyer"}},
};

class CopyRows : public QuickSearch, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(CopyRows, CopyTheOtherLanguage) {
  const CopyCase& c = GetParam();
  MakeTable(Eng(), kEnglish, "EN");
  MakeTable(Fra(), kFrench, c.fraSprache);
  ASSERT_GT(Search(c.term, c.options), 0);
  ASSERT_TRUE(rt::DBUSEAREA(true, "", "VOSKTEMP.DBF", "DTMP", false, true));
  long data = 0;
  for (const std::string& s : c.copied) data += s != "-";
  EXPECT_EQ(HitCount(), data);
  EXPECT_EQ(rt::RECNO(), 1);
  std::vector<std::string> copied;
  for (; !rt::DbEof(); rt::DBSKIP()) {
    const long recno = rt::RECNO();
    copied.push_back(CopiedTerm().value_or("-"));
    EXPECT_EQ(rt::RECNO(), recno);
  }
  EXPECT_EQ(copied, c.copied);
  EXPECT_FALSE(CopiedTerm().has_value());  // past the last row
}

INSTANTIATE_TEST_SUITE_P(Cases, CopyRows, ::testing::ValuesIn(kCopyCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace voskdar
