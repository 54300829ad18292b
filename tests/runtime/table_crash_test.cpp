// A kill at any point of an append, a replace or a pack leaves a table that
// opens again with every committed row, and orders that either hold exactly
// the table's keys or are refused as interrupted. The kill is simulated by
// dropping every file change after the n-th, for every n until the
// operation runs through.

#include <algorithm>
#include <functional>

#include "runtime/table_file.h"
#include "tests/runtime/table_test_support.h"

namespace rt::test {
namespace {

class CrashTest : public TableTest {
 protected:
  static constexpr int kRows = 20;

  static std::string Word(int i) { return Numbered("wort", i); }

  void Fresh() {
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 1; i <= kRows; ++i) rows.emplace_back(Word(i), Numbered("f", i));
    MakeWordTable("K.DBF", rows);
    ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, false));
    ASSERT_TRUE(ORDCREATE(Path("K2"), "", "upper(FREMD)", ForeignKey()));
    ASSERT_TRUE(ORDCREATE(Path("K1"), "", "upper(DEUTSCH)+upper(FREMD)", GermanKey()));
    for (int i = 1; i <= kRows; i += 4) {
      DBGOTO(i);
      DBDELETE();
    }
    DBCOMMIT();
  }

  // Runs op under a crash after every possible number of changes; check
  // sees the reopened table and the number of rows op had committed.
  void EveryCrashPoint(const std::function<void(int& committed)>& op, const std::function<void(int)>& check) {
    for (long n = 0; n < 2000; ++n) {
      SCOPED_TRACE(n);
      Fresh();
      int committed = 0;
      TableCrashAfterChanges(n);
      op(committed);
      bool crashed = TableCrashHappened();
      DBCLOSEALL();  // still "dead": whatever closing writes is dropped too
      TableCrashAfterChanges(-1);
      errors.clear();
      ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, true));
      check(committed);
      ExpectOrdersMatchTable();
      DBCLOSEALL();
      ASSERT_TRUE(errors.empty()) << errors[0]->description;
      if (!crashed) {
        EXPECT_GT(refused_, 0) << "no kill point left an order marked";
        return;
      }
    }
    FAIL() << "the operation never ran through";
  }

  using Entries = std::vector<std::pair<std::string, long>>;

  // Each order opens and holds exactly one entry per row of the table, or is
  // refused as damaged and never used.
  void ExpectOrdersMatchTable() {
    const std::pair<const char*, Value> orders[] = {{"K1", GermanKey()}, {"K2", ForeignKey()}};
    for (const auto& [file, key] : orders) {
      SCOPED_TRACE(file);
      Entries expected;
      for (DBGOTOP(); !DbEof(); DBSKIP(1)) expected.emplace_back(key.Eval().AsString(), RECNO());
      std::sort(expected.begin(), expected.end());
      const std::size_t before = errors.size();
      ORDLISTADD(Path(file));
      if (errors.size() > before) {
        EXPECT_EQ(errors.back()->genCode, EG_CORRUPTION);
        EXPECT_EQ(INDEXORD(), 0);
        errors.resize(before);
        ++refused_;
        continue;
      }
      Entries walked;
      for (DBGOTOP(); !DbEof(); DBSKIP(1)) walked.emplace_back(key.Eval().AsString(), RECNO());
      EXPECT_EQ(walked, expected);
      ORDLISTCLEAR();
    }
  }

  int refused_ = 0;

  static std::string German() {
    std::string s = FIELDGET("DEUTSCH").AsString();
    return s.substr(0, s.find_last_not_of(' ') + 1);
  }
};

TEST_F(CrashTest, AppendKeepsEveryCommittedRow) {
  EveryCrashPoint(
      [](int& committed) {
        for (int i = 1; i <= 3; ++i) {
          DBAPPEND();
          FIELDPUT("DEUTSCH", Numbered("neu", i));
          DBCOMMIT();
          if (!TableCrashHappened()) committed = i;
        }
      },
      [](int committed) {
        ASSERT_GE(RECCOUNT(), kRows + committed);
        ASSERT_LE(RECCOUNT(), kRows + 3);
        for (int i = 1; i <= kRows; ++i) {
          DBGOTO(i);
          EXPECT_EQ(German(), Word(i));
        }
        for (int i = 1; i <= committed; ++i) {
          DBGOTO(kRows + i);
          EXPECT_EQ(German(), Numbered("neu", i));
        }
      });
}

TEST_F(CrashTest, ReplaceKeepsEveryCommittedValueAndNoTornRecord) {
  EveryCrashPoint(
      [](int& committed) {
        for (int i = 1; i <= 4; ++i) {
          DBGOTO(i);
          FIELDPUT("DEUTSCH", Numbered("anders", i));
          DBCOMMIT();
          if (!TableCrashHappened()) committed = i;
        }
      },
      [](int committed) {
        ASSERT_EQ(RECCOUNT(), kRows);
        for (int i = 1; i <= kRows; ++i) {
          DBGOTO(i);
          std::string now = German();
          if (i <= committed)
            EXPECT_EQ(now, Numbered("anders", i));
          else
            EXPECT_TRUE(now == Word(i) || now == Numbered("anders", i)) << now;
        }
      });
}

TEST_F(CrashTest, PackLeavesEitherTheOldOrTheNewTable) {
  EveryCrashPoint([](int&) { DbPack(); },
                  [](int) {
                    long count = RECCOUNT();
                    ASSERT_TRUE(count == kRows || count == kRows - 5) << count;
                    std::vector<std::string> live;
                    for (DBGOTOP(); !DbEof(); DBSKIP(1))
                      if (!DELETED()) live.push_back(German());
                    std::vector<std::string> expected;
                    for (int i = 1; i <= kRows; ++i)
                      if ((i - 1) % 4 != 0) expected.push_back(Word(i));
                    EXPECT_EQ(live, expected);
                  });
}

}  // namespace
}  // namespace rt::test
