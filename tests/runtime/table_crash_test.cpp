// A kill at any point of an append, a replace, a pack or a zap, and a power
// cut at any flush, leave a table that opens again with every committed
// row, and orders that either hold exactly the table's keys or are refused
// as interrupted. The kill is simulated by dropping every file change after
// the n-th, for every n until the operation runs through; the power cut by
// the files as they were at their flushes. A flush that fails is reported.

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

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
      ++matched_;
    }
  }

  // The one error raised since the last look: a write error naming `file`.
  void ExpectWriteErrorFor(const std::string& file) {
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]->genCode, EG_WRITE);
    EXPECT_TRUE(AsciiUpper(errors[0]->filename).ends_with(file)) << errors[0]->filename;
    errors.clear();
  }

  int refused_ = 0;
  int matched_ = 0;

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

TEST_F(CrashTest, ZapLeavesEitherTheOldOrAnEmptyTable) {
  EveryCrashPoint([](int&) { DbZap(); },
                  [](int) {
                    const long count = RECCOUNT();
                    ASSERT_TRUE(count == kRows || count == 0) << count;
                    if (count == kRows) {
                      DBGOTO(kRows);
                      EXPECT_EQ(German(), Word(kRows));
                    }
                  });
}

// A flush that fails at DBCOMMIT or at closing raises a write error naming
// the file, the table's as much as an order's. The orders keep their marks,
// since what they cover may not be on the disk: after a failed close they
// are refused, while a commit that succeeds on a second try settles them.
TEST_F(CrashTest, AFailedFlushRaisesAWriteErrorAndKeepsTheOrdersMarked) {
  for (const char* file : {"K.DBF", "K1.NTX"}) {
    for (const bool close : {false, true}) {
      SCOPED_TRACE(std::string(file) + (close ? " at close" : " at commit"));
      Fresh();
      DBGOTO(2);
      FIELDPUT("DEUTSCH", "anders");
      DBGOTO(3);
      TableFlushFailsFor(file);
      if (close)
        DBCLOSEALL();
      else
        DBCOMMIT();
      TableFlushFailsFor({});
      ExpectWriteErrorFor(file);
      if (!close) DBCOMMIT();
      DBCLOSEALL();
      ASSERT_TRUE(errors.empty()) << errors[0]->description;
      ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, true));
      DBGOTO(2);
      EXPECT_EQ(German(), "anders");
      refused_ = matched_ = 0;
      ExpectOrdersMatchTable();
      EXPECT_EQ(refused_, close ? 2 : 0);
      DBCLOSEALL();
    }
  }
}

// A pack whose rename went through but whose folder flush failed goes on
// with the packed table: both orders are rebuilt for it, and the error is
// raised all the same.
TEST_F(CrashTest, PackWithAFailedFolderFlushRebuildsTheOrdersAndRaises) {
  Fresh();
  TableFlushFailsFor("K.DBF/..");
  DbPack();
  TableFlushFailsFor({});
  ExpectWriteErrorFor("K.DBF");
  EXPECT_EQ(RECCOUNT(), kRows - 5);
  EXPECT_EQ(ORDNAME(1), "K2");
  EXPECT_EQ(ORDNAME(2), "K1");
  ORDSETFOCUS(Value(2));
  EXPECT_EQ(ORDKEYCOUNT(), kRows - 5);
  DBCLOSEALL();
  ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, true));
  ExpectOrdersMatchTable();
  EXPECT_EQ(matched_, 2);
  EXPECT_TRUE(errors.empty());
}

// An order whose rebuild after the pack's rename fails is no longer used by
// the area and refused when opened; the other order is rebuilt.
TEST_F(CrashTest, PackWithAFailedOrderRebuildDropsThatOrder) {
  Fresh();
  ORDSETFOCUS(Value(2));
  TableFlushObserver([](const std::string& path) {
    if (path.ends_with("K.DBF/..")) TableFlushFailsFor("K1.NTX");
  });
  DbPack();
  TableFlushObserver({});
  TableFlushFailsFor({});
  ExpectWriteErrorFor("K1.NTX");
  EXPECT_EQ(RECCOUNT(), kRows - 5);
  EXPECT_EQ(ORDNAME(1), "K2");
  EXPECT_EQ(ORDNAME(2), "");
  EXPECT_EQ(INDEXORD(), 0);
  DBCLOSEALL();
  ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, true));
  ExpectOrdersMatchTable();
  EXPECT_EQ(refused_, 1);
  EXPECT_EQ(matched_, 1);
}

#if !defined(_WIN32)
std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// What a power cut may leave: each file as it was at its own last flush
// (the table as it was before a rename over it until its folder is
// flushed), and the same with each order's header page as last written,
// which the system may write back on its own at any time. Taken just
// before and just after every flush. (Native only: a copy on Windows would
// need the files the area holds exclusively.)
class PowerCuts {
 public:
  PowerCuts(std::function<std::string(const std::string&)> path, std::vector<std::string> files)
      : path_(std::move(path)) {
    for (const std::string& f : files) durable_[f] = ReadAll(path_(f));
    TableFlushObserver([this](const std::string& flushed) { Flushed(flushed); });
  }
  ~PowerCuts() { TableFlushObserver({}); }
  PowerCuts(const PowerCuts&) = delete;
  PowerCuts& operator=(const PowerCuts&) = delete;

  struct Disk {
    std::string when;
    std::map<std::string, std::string> files;
  };
  const std::vector<Disk>& Disks() const noexcept { return disks_; }

 private:
  void Flushed(const std::string& flushed) {
    std::string name = AsciiUpper(flushed);
    const bool folder = name.ends_with("/..");
    if (folder) name.resize(name.size() - 3);
    name = name.substr(name.find_last_of("/\\") + 1);
    if (!durable_.contains(name)) return;  // a table's copy before its rename
    Take("before the flush of " + flushed, true);
    durable_[name] = ReadAll(path_(name));
    Take("after the flush of " + flushed, false);
    Take("after the flush of " + flushed, true);
  }

  void Take(const std::string& when, bool writtenHeaders) {
    Disk disk{when + (writtenHeaders ? ", header pages as written" : ""), durable_};
    if (writtenHeaders) {
      for (auto& [name, bytes] : disk.files) {
        if (!name.ends_with(".NTX")) continue;
        const std::string header = ReadAll(path_(name)).substr(0, 1024);
        if (bytes.size() < header.size()) bytes.resize(header.size(), '\0');
        bytes.replace(0, header.size(), header);
      }
    }
    disks_.push_back(std::move(disk));
  }

  std::function<std::string(const std::string&)> path_;
  std::map<std::string, std::string> durable_;
  std::vector<Disk> disks_;
};

TEST_F(CrashTest, APowerCutAtAnyFlushLeavesOrdersTrueToTheTableOrRefused) {
  struct Case {
    const char* what;
    std::function<void()> op;
    std::vector<long> counts;  // the record counts the table may come back with
  };
  const Case cases[] = {
      {"append",
       [] {
         for (int i = 1; i <= 2; ++i) {
           DBAPPEND();
           FIELDPUT("DEUTSCH", Numbered("neu", i));
           FIELDPUT("FREMD", Numbered("new", i));
           DBCOMMIT();
         }
       },
       {kRows, kRows + 1, kRows + 2}},
      {"replace",
       [] {
         for (int i = 2; i <= 3; ++i) {
           DBGOTO(i);
           FIELDPUT("DEUTSCH", Numbered("anders", i));
           DBCOMMIT();
         }
       },
       {kRows}},
      {"append closed without a commit",
       [] {
         DBAPPEND();
         FIELDPUT("FREMD", "new");
         DBCLOSEALL();
       },
       {kRows, kRows + 1}},
      {"pack", [] { DbPack(); }, {kRows, kRows - 5}},
      {"zap", [] { DbZap(); }, {kRows, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh();
    std::vector<PowerCuts::Disk> disks;
    {
      PowerCuts cuts([this](const std::string& name) { return Path(name); }, {"K.DBF", "K1.NTX", "K2.NTX"});
      c.op();
      DBCLOSEALL();
      disks = cuts.Disks();
    }
    ASSERT_TRUE(errors.empty()) << errors[0]->description;
    ASSERT_FALSE(disks.empty());
    refused_ = matched_ = 0;
    for (const PowerCuts::Disk& disk : disks) {
      SCOPED_TRACE(disk.when);
      for (const auto& [name, bytes] : disk.files) {
        std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
        out << bytes;
      }
      ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "K", false, true));
      EXPECT_NE(std::find(c.counts.begin(), c.counts.end(), RECCOUNT()), c.counts.end()) << RECCOUNT();
      ExpectOrdersMatchTable();
      DBCLOSEALL();
      ASSERT_TRUE(errors.empty()) << errors[0]->description;
    }
    EXPECT_GT(refused_, 0) << "no power cut left an order marked";
    EXPECT_GT(matched_, 0) << "no power cut left an order to use";
  }
}
#endif

}  // namespace
}  // namespace rt::test
