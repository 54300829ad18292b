// The editor's changes to its word table, without windows: the save of an
// entry, the duplicate walk, the leftover of a killed add, the export and
// the checks before an import; and a kill at every change point of each
// path, simulated by dropping every file change after the n-th.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "apps/common/transchr.h"
#include "apps/common/word_tables.h"
#include "apps/dravonel/entry_store.h"
#include "runtime/strings.h"
#include "runtime/table_file.h"
#include "tests/runtime/table_test_support.h"

namespace {

using namespace rt;
using Rows = std::vector<std::pair<std::string, std::string>>;

const common::WordTable& English() { return common::kWordTables[0]; }

class EntryStore : public rt::test::TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    common::RegisterWordFunctions();
  }

  // DEUENG with the rows and both orders as the editor builds them, open
  // as DBUCH with order 1 in force.
  void Words(const Rows& rows) {
    MakeWordTable("DEUENG.DBF", rows);
    ASSERT_TRUE(DBUSEAREA(true, "", Path("DEUENG.DBF"), "DBUCH", false, false));
    for (int order : {1, 2})
      ASSERT_TRUE(ORDCREATE(Path(common::IndexName(English(), order)), "",
                            common::OrderKey(English(), order, common::KeyStyle::Editor)));
    ORDSETFOCUS(Value(1));
  }
  // Opens DBUCH again with both orders; an order refused as interrupted is
  // built again, as the editor's start-up check does.
  void Reopen() {
    DBCLOSEALL();
    ASSERT_TRUE(DBUSEAREA(true, "", Path("DEUENG.DBF"), "DBUCH", false, false));
    for (int order : {1, 2}) {
      const std::size_t before = errors.size();
      const std::string file = Path(common::IndexName(English(), order));
      ORDLISTCLEAR();
      if (!ORDLISTADD(file) || errors.size() > before) {
        ASSERT_EQ(errors.back()->genCode, EG_CORRUPTION);
        errors.resize(before);
        ++rebuilt_;
        ORDLISTCLEAR();
        ASSERT_TRUE(ORDCREATE(file, "", common::OrderKey(English(), order, common::KeyStyle::Editor)));
      }
    }
    ORDLISTCLEAR();
    for (int order : {1, 2}) ASSERT_TRUE(ORDLISTADD(Path(common::IndexName(English(), order))));
    ORDSETFOCUS(Value(1));
  }

  // Each order holds exactly one key per record, equal to its expression
  // on that record, in key order.
  static std::string KeyOf(int order) {
    const std::string foreign = UPPER(FIELDGET("FREMD").AsString());
    return order == 1 ? UPPER(FIELDGET("DEUTSCH").AsString()) + foreign : foreign;
  }
  void ExpectOrdersMatchTable() {
    for (int order : {1, 2}) {
      SCOPED_TRACE(order);
      std::vector<std::pair<std::string, long>> walked, expected;
      ORDSETFOCUS(Value(0));
      for (DBGOTOP(); !DbEof(); DBSKIP(1)) expected.emplace_back(KeyOf(order), RECNO());
      ORDSETFOCUS(Value(order));
      for (DBGOTOP(); !DbEof(); DBSKIP(1)) walked.emplace_back(KeyOf(order), RECNO());
      for (std::size_t i = 1; i < walked.size(); ++i)
        EXPECT_LE(walked[i - 1].first, walked[i].first) << walked[i - 1].second << " " << walked[i].second;
      std::sort(walked.begin(), walked.end());
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(walked, expected);
    }
    ORDSETFOCUS(Value(1));
  }

  static std::string Text(const char* field) { return Trimmed(FIELDGET(field)); }
  static std::vector<std::string> Column(const char* field) {
    std::vector<std::string> out;
    for (DBGOTOP(); !DbEof(); DBSKIP(1)) out.push_back(Text(field) + (DELETED() ? "*" : ""));
    return out;
  }
  // No live row with both terms blank and STATUS 0 (the blank row an add
  // writes first) is left once the editor has opened the table.
  static void ExpectNoBlankEntry() {
    ORDSETFOCUS(Value(0));
    for (DBGOTOP(); !DbEof(); DBSKIP(1)) {
      const bool blank = Text("DEUTSCH").empty() && Text("FREMD").empty() && FIELDGET("STATUS").AsNumber() == 0;
      EXPECT_FALSE(blank && !DELETED()) << "blank row " << RECNO();
    }
    ORDSETFOCUS(Value(1));
  }

  // Runs op under a kill after every possible number of file changes until
  // it runs through; check sees the table reopened as the editor opens it.
  void EveryKillPoint(const Rows& rows, const std::function<void()>& prepare, const std::function<void(int&)>& op,
                      const std::function<void(int)>& check) {
    for (long n = 0; n < 3000; ++n) {
      SCOPED_TRACE(n);
      DBCLOSEALL();
      Words(rows);
      prepare();
      DBCOMMIT();
      int done = 0;
      TableCrashAfterChanges(n);
      op(done);
      const bool killed = TableCrashHappened();
      DBCLOSEALL();
      TableCrashAfterChanges(-1);
      errors.clear();
      Reopen();
      dravonel::MarkUnfinishedAdds();
      check(done);
      ExpectOrdersMatchTable();
      ExpectNoBlankEntry();
      ASSERT_TRUE(errors.empty()) << errors[0]->description;
      if (!killed) {
        EXPECT_GT(rebuilt_, 0) << "no kill point left an order marked";
        return;
      }
    }
    FAIL() << "the operation never ran through";
  }

  int rebuilt_ = 0;
};

const Rows kHouse{{"Haus", "house"}, {"haus", "HOUSE"}, {"Haus", "home"}, {"Baum", "tree"}};

TEST_F(EntryStore, AddAndEditWriteTheRowAndBothOrdersFindIt) {
  Words(kHouse);
  dravonel::SaveEntry(true, "Katze", "cat");
  const long added = RECNO();
  EXPECT_EQ(added, 5);
  EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 1);
  EXPECT_EQ(Text("SPRACHE"), "");
  EXPECT_TRUE(DBSEEK(Value("KATZE")));
  ORDSETFOCUS(Value(2));
  EXPECT_TRUE(DBSEEK(Value("CAT")));
  ORDSETFOCUS(Value(1));
  DBGOTO(added);
  EXPECT_EQ(RECNO(), added);

  // An edit sets STATUS 2, also on an added row, and saves an emptied field.
  dravonel::SaveEntry(false, "Kater", "");
  EXPECT_EQ(RECNO(), added);
  EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 2);
  EXPECT_EQ(Text("DEUTSCH"), "Kater");
  EXPECT_EQ(Text("FREMD"), "");
  ORDSETFOCUS(Value(1));
  EXPECT_TRUE(DBSEEK(Value("KATER")));
  EXPECT_EQ(RECNO(), added);
  ExpectOrdersMatchTable();
}

// A term longer than the field is cut by its width; the next field keeps
// its value.
TEST_F(EntryStore, OverLongTermsAreCutByTheFieldWidth) {
  Words({{"Baum", "tree"}});
  const std::string longGerman(80, 'G'), longForeign(70, 'f');
  dravonel::SaveEntry(true, longGerman, longForeign);
  EXPECT_EQ(Text("DEUTSCH"), longGerman.substr(0, 50));
  EXPECT_EQ(Text("FREMD"), longForeign.substr(0, 50));
  EXPECT_EQ(Text("SPRACHE"), "");
  EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 1);
  ExpectOrdersMatchTable();
}

// At the end of the table an edit has no row: nothing is written.
TEST_F(EntryStore, EditWithoutACurrentRowWritesNothing) {
  Words({{"Baum", "tree"}});
  DBGOBOTTOM();
  DBSKIP(1);
  ASSERT_TRUE(DbEof());
  EXPECT_FALSE(dravonel::HasCurrentRow());
  dravonel::SaveEntry(false, "Geist", "ghost");
  EXPECT_EQ(RECCOUNT(), 1);
  EXPECT_EQ(Column("DEUTSCH"), std::vector<std::string>{"Baum"});
  DBCLOSEALL();
  EXPECT_FALSE(dravonel::HasCurrentRow());
}

TEST_F(EntryStore, DuplicateRuns) {
  const struct {
    const char* name;
    Rows rows;
    std::vector<long> deletedBefore;
    int order;
    long marked;
    std::vector<std::string> german;  // in order 1 afterwards, "*" = deleted
  } cases[] = {
      {"case only", kHouse, {}, 1, 1, {"Baum", "Haus", "Haus", "haus*"}},
      {"none", {{"Haus", "house"}, {"Haus", "home"}}, {}, 1, 0, {"Haus", "Haus"}},
      // The user deleted the run's first row: its live copy stays.
      {"first deleted", kHouse, {1}, 1, 0, {"Baum", "Haus", "Haus*", "haus"}},
      {"middle deleted", {{"a", "x"}, {"A", "X"}, {"a", "X"}}, {2}, 1, 1, {"a", "A*", "a*"}},
      // Only adjacent rows count: in order 2 "home" separates the houses.
      {"order 2", {{"Haus", "house"}, {"Heim", "house"}, {"haus", "house"}}, {}, 2, 0, {"Haus", "haus", "Heim"}},
      {"three live", {{"b", "y"}, {"B", "y"}, {"b", "Y"}}, {}, 1, 2, {"b", "B*", "b*"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DBCLOSEALL();
    Words(c.rows);
    for (long r : c.deletedBefore) {
      DBGOTO(r);
      DBDELETE();
    }
    ORDSETFOCUS(Value(c.order));
    EXPECT_EQ(dravonel::MarkDuplicates(), c.marked);
    EXPECT_EQ(INDEXORD(), c.order);
    ORDSETFOCUS(Value(1));
    EXPECT_EQ(Column("DEUTSCH"), c.german);
  }
}

TEST_F(EntryStore, TheBlankRowOfAnUnfinishedAddIsMarkedDeleted) {
  Words({{"Baum", "tree"}});
  DBAPPEND();  // a killed add: the blank row the append writes first
  DBAPPEND();
  FIELDPUT("STATUS", 2);  // an edit that emptied both fields: kept
  DBAPPEND();
  FIELDPUT("FREMD", "only foreign");
  DBCOMMIT();
  EXPECT_EQ(dravonel::MarkUnfinishedAdds(), 1);
  DBGOTO(2);
  EXPECT_TRUE(DELETED());
  DBGOTO(3);
  EXPECT_FALSE(DELETED());
  DBGOTO(4);
  EXPECT_FALSE(DELETED());
  EXPECT_EQ(dravonel::MarkUnfinishedAdds(), 0);
}

TEST_F(EntryStore, ExportHoldsExactlyTheOwnRowsAndReplacesTheOldFile) {
  Words(kHouse);
  const std::string target = Path("DEUENG.EXP");
  { std::ofstream(target) << "an older export"; }
  const long status[] = {1, 0, 2, 0};
  for (long r = 1; r <= 4; ++r) {
    DBGOTO(r);
    FIELDPUT("STATUS", status[r - 1]);
  }
  DBGOTO(3);
  DBDELETE();
  DBGOTO(2);
  EXPECT_EQ(dravonel::ExportOwnRows(target), dravonel::ExportResult::Done);
  EXPECT_EQ(RECNO(), 2);
  EXPECT_EQ(ALIAS(), "DBUCH");
  EXPECT_FALSE(std::filesystem::exists(Path("DEUENG.NEW")));
  EXPECT_TRUE(dravonel::ImportableFile(target));
  ASSERT_TRUE(DBUSEAREA(true, "", target, "EXP", false, true));
  // In the order in force when copied: Haus/home before Haus/house.
  EXPECT_EQ(Column("FREMD"), (std::vector<std::string>{"home*", "house"}));
  DBGOTOP();
  EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 2);
  EXPECT_EQ(Text("SPRACHE"), "EN");
  DBCLOSEAREA();

  // Appending the export doubles those rows, STATUS and marks carried over.
  DBSELECTAREA("DBUCH");
  ASSERT_TRUE(DbApp(target));
  EXPECT_EQ(RECCOUNT(), 6);
  DBGOTO(5);
  EXPECT_EQ(Text("FREMD"), "home");
  EXPECT_TRUE(DELETED());
  ExpectOrdersMatchTable();
}

// The own rows of a large table are found without a walk along the order,
// and come out in the order in force; the scan lets the windows run now
// and then.
TEST_F(EntryStore, ExportOfALargeTableKeepsTheOrderInForceAndLetsTheWindowsRun) {
  Rows rows;
  for (int i = 0; i < 20000; ++i) rows.emplace_back("Wort" + std::to_string(i), "word" + std::to_string(19999 - i));
  Words(rows);
  for (const long r : {5L, 15000L, 19990L}) {
    DBGOTO(r);
    FIELDPUT("STATUS", 1);
  }
  ORDSETFOCUS(Value(2));
  DBGOTO(7);
  int looks = 0;
  const std::string target = Path("DEUENG.EXP");
  EXPECT_EQ(dravonel::ExportOwnRows(target, [&looks] { ++looks; }), dravonel::ExportResult::Done);
  EXPECT_EQ(looks, 1);
  EXPECT_EQ(RECNO(), 7);
  ASSERT_TRUE(DBUSEAREA(true, "", target, "EXP", false, true));
  EXPECT_EQ(Column("FREMD"), (std::vector<std::string>{"word10", "word19995", "word5000"}));
  DBCLOSEAREA();
  EXPECT_TRUE(errors.empty());
}

// A file that is cut off, damaged or lacks a term field is refused before
// anything is appended.
TEST_F(EntryStore, ImportChecksTheWholeFileFirst) {
  Words(kHouse);
  const std::string good = Path("GOOD.EXP");
  DBGOTO(1);
  FIELDPUT("STATUS", 1);
  DBGOTO(4);
  FIELDPUT("STATUS", 1);
  ASSERT_EQ(dravonel::ExportOwnRows(good), dravonel::ExportResult::Done);
  const std::string bytes = [&] {
    std::ifstream in(good, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }();
  ASSERT_TRUE(dravonel::ImportableFile(good));
  MakeWordTable("NOFREMD.DBF", {});
  {
    // A table with DEUTSCH only.
    ASSERT_TRUE(DBCREATE(Path("ONLYDE.EXP"), Value::Array({Value::Array({"DEUTSCH", "C", 50, 0})})));
  }
  DBSELECTAREA("DBUCH");
  const struct {
    const char* name;
    std::string content;
  } bad[] = {{"cut in the last row", bytes.substr(0, bytes.size() - 60)},
             {"cut in the header", bytes.substr(0, 40)},
             {"empty", ""},
             {"text", "DEUTSCH;FREMD\r\nHaus;house\r\n"},
             {"damaged header", std::string(32, '\xFF') + bytes.substr(32)}};
  for (const auto& b : bad) {
    SCOPED_TRACE(b.name);
    const std::string file = Path("BAD.EXP");
    { std::ofstream(file, std::ios::binary) << b.content; }
    EXPECT_FALSE(dravonel::ImportableFile(file));
    EXPECT_EQ(ALIAS(), "DBUCH");
  }
  EXPECT_FALSE(dravonel::ImportableFile(Path("ONLYDE.EXP")));
  EXPECT_FALSE(dravonel::ImportableFile(Path("MISSING.EXP")));
  EXPECT_EQ(ALIAS(), "DBUCH");
  EXPECT_EQ(RECCOUNT(), 4);
  errors.clear();
}

// Kills at every change point of each save path leave a table that opens
// with every saved row, no blank entry and both orders true to it.
TEST_F(EntryStore, AKilledAddLosesNothing) {
  EveryKillPoint(
      kHouse, [] {},
      [](int& done) {
        for (int i = 1; i <= 2; ++i) {
          dravonel::SaveEntry(true, Numbered("Neu", i), Numbered("new", i));
          if (!TableCrashHappened()) done = i;
        }
      },
      [](int done) {
        ASSERT_GE(RECCOUNT(), 4 + done);
        for (long r = 1; r <= 4; ++r) {
          DBGOTO(r);
          EXPECT_EQ(Text("DEUTSCH"), kHouse[static_cast<std::size_t>(r - 1)].first);
        }
        for (int i = 1; i <= done; ++i) {
          DBGOTO(4 + i);
          EXPECT_EQ(Text("DEUTSCH"), Numbered("Neu", i));
          EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 1);
        }
      });
}

TEST_F(EntryStore, AKilledEditOrDeleteLosesNothing) {
  EveryKillPoint(
      kHouse, [] {},
      [](int& done) {
        DBGOTO(4);
        dravonel::SaveEntry(false, "Eiche", "oak");
        if (!TableCrashHappened()) done = 1;
        DBGOTO(1);
        DBDELETE();
        DBCOMMIT();
        if (!TableCrashHappened()) done = 2;
        DBRECALL();
        DBCOMMIT();
        if (!TableCrashHappened()) done = 3;
      },
      [](int done) {
        ASSERT_EQ(RECCOUNT(), 4);
        DBGOTO(4);
        if (done >= 1) {
          EXPECT_EQ(Text("DEUTSCH"), "Eiche");
          EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 2);
        } else {
          EXPECT_TRUE(Text("DEUTSCH") == "Baum" || Text("DEUTSCH") == "Eiche") << Text("DEUTSCH");
        }
        // A kill inside the delete or the recall leaves the mark either way.
        DBGOTO(1);
        if (done == 3) {
          EXPECT_FALSE(DELETED());
        }
        EXPECT_EQ(Text("DEUTSCH"), "Haus");
      });
}

TEST_F(EntryStore, AKilledDuplicateWalkLosesNothing) {
  Rows rows = kHouse;
  for (int i = 0; i < 6; ++i) rows.emplace_back("Haus", "house");
  EveryKillPoint(
      rows, [] {},
      [](int& done) {
        dravonel::MarkDuplicates();
        DBCOMMIT();
        if (!TableCrashHappened()) done = 1;
      },
      [&rows](int done) {
        ASSERT_EQ(RECCOUNT(), static_cast<long>(rows.size()));
        // The first row of the run stays whatever the walk had marked.
        DBGOTO(1);
        EXPECT_FALSE(DELETED());
        long live = 0;
        ORDSETFOCUS(Value(0));
        for (DBGOTOP(); !DbEof(); DBSKIP(1)) live += DELETED() ? 0 : 1;
        if (done) {
          EXPECT_EQ(live, 3);
        }
        ORDSETFOCUS(Value(1));
      });
}

TEST_F(EntryStore, AKilledImportOrPackLosesNothing) {
  const std::string file = Path("DEUENG.EXP");
  EveryKillPoint(
      kHouse,
      [&] {
        for (long r = 1; r <= 3; ++r) {
          DBGOTO(r);
          FIELDPUT("STATUS", 1);
        }
        DBGOTO(2);
        DBDELETE();
        ASSERT_EQ(dravonel::ExportOwnRows(file), dravonel::ExportResult::Done);
      },
      [&](int& done) {
        DbApp(file);
        DBCOMMIT();
        if (!TableCrashHappened()) done = 1;
        DbPack();
        if (!TableCrashHappened()) done = 2;
      },
      [](int done) {
        // The live rows before the import stay, in their order, followed by
        // the live rows imported so far (a pack removes only marked rows).
        const std::vector<std::string> before{"house", "home", "tree"}, imported{"home", "house"};
        std::vector<std::string> live;
        ORDSETFOCUS(Value(0));
        for (DBGOTOP(); !DbEof(); DBSKIP(1))
          if (!DELETED()) live.push_back(Text("FREMD"));
        ORDSETFOCUS(Value(1));
        ASSERT_GE(live.size(), before.size());
        ASSERT_LE(live.size(), before.size() + imported.size());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), live.begin()));
        EXPECT_TRUE(std::equal(live.begin() + 3, live.end(), imported.begin()));
        if (done >= 1) {
          EXPECT_EQ(live.size(), 5u);
        }
        if (done == 2) {
          EXPECT_EQ(RECCOUNT(), 5);
        }
      });
}

}  // namespace
