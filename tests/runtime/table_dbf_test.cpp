// The DBF and DBT files: structure, field values, the phantom record, header
// bytes that other xBase tools read, and damaged files.

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

#include "runtime/dates.h"
#include "runtime/dbf_file.h"
#include "runtime/lang.h"
#include "runtime/record_windows.h"
#include "runtime/strings.h"
#include "runtime/table_file.h"
#include "runtime/table_errors.h"
#include "runtime/table_texts.h"
#include "tests/runtime/table_test_support.h"

namespace rt::test {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void WriteAll(const std::string& path, const std::string& data) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << data;
}

class DbfTable : public TableTest {
 protected:
  Value Structure() {
    return Value::Array({Value::Array({"NAME", "C", 20, 0}), Value::Array({"LONGTEXT", "C", 300, 0}),
                         Value::Array({"MENGE", "N", 8, 2}), Value::Array({"AKTIV", "L", 1, 0}),
                         Value::Array({"DATUM", "D", 8, 0}), Value::Array({"NOTIZ", "M", 10, 0})});
  }
};

// Which records each read brings in: a full window from the first record
// and for a scan going on, the aligned 4 KB block for a record reached on
// its own, twice the window for a read next to a shorter one; windows the
// walk may come back to stay until eight newer ones push them out.
TEST(RecordWindowsTest, ReadsFollowScansAndKeepTheBlocksOfAWalk) {
  constexpr std::uint16_t kLength = 100;  // 655 records in 64 KB, 40 in 4 KB
  constexpr std::uint32_t kCount = 2000;
  RecordWindows windows;
  windows.Reset(kLength);
  // The plan read for the record, or none when a window held it; the bytes
  // found must be the record's own (its number in front).
  const auto read = [&](std::uint32_t recno) -> std::optional<std::pair<std::uint32_t, std::uint32_t>> {
    std::optional<std::pair<std::uint32_t, std::uint32_t>> made;
    if (!windows.Find(recno)) {
      const RecordWindows::Plan plan = windows.PlanFor(recno, kCount);
      char* buffer = windows.Buffer(plan);
      for (std::uint32_t i = 0; i < plan.count; ++i) {
        const std::uint32_t r = plan.first + i;
        std::memcpy(buffer + std::size_t{i} * kLength, &r, sizeof r);
      }
      windows.Filled(plan);
      made.emplace(plan.first, plan.count);
    }
    std::uint32_t held = 0;
    std::memcpy(&held, windows.Find(recno), sizeof held);
    EXPECT_EQ(held, recno);
    return made;
  };
  using Read = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(read(1), (Read{1, 655}));
  EXPECT_EQ(read(656), (Read{656, 655}));
  EXPECT_EQ(read(1000), std::nullopt);
  EXPECT_EQ(read(2), (Read{1, 40})) << "the scan kept to its one window";
  windows.Clear();
  EXPECT_EQ(read(1000), (Read{961, 40}));
  EXPECT_EQ(read(1001), (Read{1001, 80}));
  EXPECT_EQ(read(1081), (Read{1081, 160}));
  EXPECT_EQ(read(970), std::nullopt);
  EXPECT_EQ(read(1990), (Read{1961, 40}));
  EXPECT_EQ(read(1960), (Read{1881, 80}));
  EXPECT_EQ(read(1999), std::nullopt);
  EXPECT_EQ(read(1900), std::nullopt);
  // A record written reaches every window that holds it.
  const std::uint32_t changed = 4711;
  std::vector<char> record(kLength, ' ');
  std::memcpy(record.data(), &changed, sizeof changed);
  windows.Update(1990, record.data());
  std::uint32_t held = 0;
  std::memcpy(&held, windows.Find(1990), sizeof held);
  EXPECT_EQ(held, changed);
  // Eight more blocks, none next to another, push the older windows out.
  for (std::uint32_t r = 41; r <= 8 * 80; r += 80) EXPECT_EQ(read(r), (Read{r, 40}));
  EXPECT_EQ(read(1000), (Read{961, 40}));
}

TEST_F(DbfTable, FieldsOfEveryTypeRoundTripThroughCloseAndReopen) {
  ASSERT_TRUE(DBCREATE(Path("T.DBF"), Structure()));
  ASSERT_TRUE(DBUSEAREA(true, "DBFNTX", Path("T"), "", false, false));
  EXPECT_EQ(ALIAS(), "T");
  std::string longText(300, 'x');
  longText[299] = 'E';
  std::string memo(1500, 'm');
  memo += "\r\nEnde \xC4\xD6\xDC";
  DBAPPEND();
  FIELDPUT("NAME", "M\xFCller");
  FIELDPUT("LONGTEXT", longText);
  FIELDPUT("MENGE", Value::Num(-12.5, 6, 1));
  FIELDPUT("AKTIV", true);
  FIELDPUT("DATUM", MakeDate(2024, 2, 29));
  FIELDPUT("NOTIZ", memo);
  DBAPPEND();
  FIELDPUT("NAME", "Zweiter");
  DBCLOSEAREA();

  ASSERT_TRUE(DBUSEAREA(true, "DBF", Path("T.DBF"), "X", false, true));
  EXPECT_EQ(RECCOUNT(), 2);
  Value st = DBSTRUCT();
  ASSERT_EQ(st.Len(), 6u);
  EXPECT_EQ(st.At(2).At(3).AsInt(), 300);
  EXPECT_EQ(st.At(3).At(4).AsInt(), 2);
  EXPECT_EQ(FIELDGET(1).AsString(), std::string("M\xFCller") + std::string(14, ' '));
  EXPECT_EQ(FIELDGET("LONGTEXT").AsString(), longText);
  EXPECT_DOUBLE_EQ(FIELDGET("MENGE").AsNumber(), -12.5);
  EXPECT_EQ(FIELDGET("MENGE").AsNumberInfo().dec, 2);
  EXPECT_TRUE(FIELDGET("AKTIV").AsLogical());
  EXPECT_EQ(FIELDGET("DATUM").AsJulian(), MakeDate(2024, 2, 29).julian);
  EXPECT_EQ(FIELDGET("NOTIZ").AsString(), memo);
  DBSKIP(1);
  EXPECT_EQ(FIELDGET("DATUM").AsJulian(), 0);
  EXPECT_FALSE(FIELDGET("AKTIV").AsLogical());
  EXPECT_EQ(FIELDGET("NOTIZ").AsString(), "");
  EXPECT_TRUE(errors.empty());
}

TEST_F(DbfTable, HeaderBytesFollowTheDBaseIIILayout) {
  ASSERT_TRUE(DBCREATE(Path("H.DBF"), Value::Array({Value::Array({"A", "C", 3, 0}), Value::Array({"N", "N", 5, 1})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("H"), "", false, false));
  DBAPPEND();
  FIELDPUT("A", "ab");
  FIELDPUT("N", 3.3);
  DBAPPEND();
  DBDELETE();
  DBCLOSEAREA();
  std::string b = ReadAll(Path("H.DBF"));
  const std::size_t hdr = 32 + 2 * 32 + 1;
  ASSERT_EQ(b.size(), hdr + 2 * 9 + 1);
  EXPECT_EQ(static_cast<unsigned char>(b[0]), 0x03);
  EXPECT_EQ(b[4], 2);
  EXPECT_EQ(static_cast<unsigned char>(b[8]), hdr);
  EXPECT_EQ(b[10], 9);
  EXPECT_EQ(b.substr(32, 2), std::string("A\0", 2));
  EXPECT_EQ(b[32 + 11], 'C');
  EXPECT_EQ(b[64 + 11], 'N');
  EXPECT_EQ(b[64 + 16], 5);
  EXPECT_EQ(b[64 + 17], 1);
  EXPECT_EQ(static_cast<unsigned char>(b[29]), 0x57);  // Windows-1252
  EXPECT_EQ(b[hdr - 1], 0x0D);
  EXPECT_EQ(b.substr(hdr, 9), " ab   3.3");
  EXPECT_EQ(b[hdr + 9], '*');
  EXPECT_EQ(b.back(), 0x1A);
}

TEST_F(DbfTable, ABlockOfRecordsIsAppendedWholeAfterTheLast) {
  ASSERT_TRUE(DBCREATE(Path("B.DBF"), Value::Array({Value::Array({"A", "C", 3, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("B"), "", false, false));
  DBAPPEND();
  FIELDPUT("A", "one");
  DBCLOSEAREA();
  DbfFile dbf;
  dbf.Open(Path("B.DBF"), TableShare::Exclusive, false);
  EXPECT_EQ(dbf.AppendRecords(" two*thr", 2), 3u);
  EXPECT_EQ(dbf.RecCount(), 3u);
  char rec[4];
  dbf.ReadRecord(3, rec);
  EXPECT_EQ(std::string(rec, 4), "*thr");
  dbf.Close();
  const std::string b = ReadAll(Path("B.DBF"));
  const std::size_t hdr = 32 + 32 + 1;
  EXPECT_EQ(b.substr(hdr), " one two*thr\x1A");
  EXPECT_EQ(b[4], 3);

  // A block that cannot be written names the file and leaves the count.
  dbf.Open(Path("B.DBF"), TableShare::Exclusive, true);
  try {
    dbf.AppendRecords(" new", 1);
    ADD_FAILURE() << "a read-only table took the block";
  } catch (const TableFault& fault) {
    EXPECT_EQ(fault.genCode, EG_WRITE);
    EXPECT_NE(fault.filename.find("B.DBF"), std::string::npos) << fault.filename;
  }
  EXPECT_EQ(dbf.RecCount(), 3u);
}

TEST_F(DbfTable, PhantomRecordReadsBlankAndIgnoresWrites) {
  ASSERT_TRUE(DBCREATE(Path("P"), Value::Array({Value::Array({"A", "C", 4, 0}), Value::Array({"N", "N", 3, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("P"), "", false, false));
  DBGOTOP();
  EXPECT_TRUE(DbEof());
  EXPECT_TRUE(BOF());
  EXPECT_EQ(RECNO(), 1);
  FIELDPUT("A", "zz");
  EXPECT_EQ(FIELDGET("A").AsString(), "    ");
  EXPECT_EQ(FIELDGET("N").AsNumber(), 0);
  EXPECT_EQ(RECCOUNT(), 0);
  DBAPPEND();
  FIELDPUT("A", "eins");
  DBGOTO(7);
  EXPECT_TRUE(DbEof());
  EXPECT_EQ(RECNO(), 2);
  EXPECT_EQ(FIELDGET("A").AsString(), "    ");
  EXPECT_TRUE(errors.empty());
}

TEST_F(DbfTable, BadValuesRaiseErrorsAndLeaveTheFieldAlone) {
  ASSERT_TRUE(DBCREATE(Path("V"), Value::Array({Value::Array({"A", "C", 4, 0}), Value::Array({"N", "N", 3, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("V"), "", false, false));
  DBAPPEND();
  FIELDPUT("N", 42);
  FIELDPUT("N", 12345);
  EXPECT_EQ(LastGenCode(), EG_DATAWIDTH);
  FIELDPUT("N", "x");
  EXPECT_EQ(LastGenCode(), EG_DATATYPE);
  FIELDPUT("A", 5);
  EXPECT_EQ(LastGenCode(), EG_DATATYPE);
  FIELDGET("NOSUCH");
  EXPECT_EQ(LastGenCode(), EG_NOVAR);
  EXPECT_EQ(FIELDGET("N").AsNumber(), 42);
  EXPECT_EQ(errors.size(), 4u);
}

// The descriptions come from the selected language table, in its code page
// (850 for "DE", like the runtime's other German error texts).
TEST_F(DbfTable, CreateRejectsBadStructuresWithAGermanText) {
  struct Case {
    Value structure;
    const char* german;
    const char* english;
  };
  const Case cases[] = {
      {Value::Array({Value::Array({"A", "X", 4, 0})}), "Ung\x81ltiger Feldtyp: A", "Invalid field type: A"},
      {Value::Array({Value::Array({"A", "C", 4, 0}), Value::Array({"a", "N", 3, 0})}), "Doppelter Feldname: A",
       "Duplicate field name: A"},
      {Value::Array({Value::Array({"1A", "C", 4, 0})}), "Ung\x81ltiger Feldname: 1A", "Invalid field name: 1A"},
      {Value::Array({Value::Array({"A", "N", 300, 0})}), "Ung\x81ltige Feldl\x84nge: A", "Invalid field length: A"},
      {Value::Array(), "Die Tabelle braucht mindestens ein Feld", "The table needs at least one field"},
  };
  for (const char* lang : {"DE", "EN"}) {
    HB_LANGSELECT(lang);
    for (const Case& c : cases) {
      errors.clear();
      EXPECT_FALSE(DBCREATE(Path("BAD"), c.structure));
      ASSERT_EQ(errors.size(), 1u);
      EXPECT_EQ(errors[0]->genCode, EG_ARG);
      EXPECT_EQ(errors[0]->description, std::string(lang) == "DE" ? c.german : c.english);
    }
  }
  HB_LANGSELECT("EN");
}

TEST_F(DbfTable, DamagedFilesRaiseCorruptionWithTheFileName) {
  ASSERT_TRUE(DBCREATE(Path("G.DBF"), Value::Array({Value::Array({"A", "C", 4, 0}), Value::Array({"M", "M", 10, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("G"), "", false, false));
  DBAPPEND();
  FIELDPUT("A", "abcd");
  FIELDPUT("M", "memo text");
  DBCLOSEAREA();
  const std::string good = ReadAll(Path("G.DBF"));
  const std::string goodMemo = ReadAll(Path("G.DBT"));
  struct Case {
    const char* what;
    std::string dbf;
    std::string dbt;
    bool failsOnOpen;
  };
  std::string badType = good;
  badType[32 + 11] = 'Q';
  std::string badRecLen = good;
  badRecLen[10] = 99;
  std::string badHdrLen = good;
  badHdrLen[8] = static_cast<char>(0xFF);
  badHdrLen[9] = 0x7F;
  std::string badVersion = good;
  badVersion[0] = 0x30;
  std::string memoPastEnd = good;
  memoPastEnd.replace(32 + 64 + 1 + 1 + 4, 10, "      9999");
  // 8589934593 is block 1 after a 32-bit wrap.
  std::string memoPastWrap = good;
  memoPastWrap.replace(32 + 64 + 1 + 1 + 4, 10, "8589934593");
  auto withHeaderLength = [&](int delta) {
    std::string b = good;
    const int len = (static_cast<unsigned char>(b[8]) | (static_cast<unsigned char>(b[9]) << 8)) + delta;
    b[8] = static_cast<char>(len & 0xFF);
    b[9] = static_cast<char>(len >> 8);
    return b;
  };
  std::string noTerminator = good;
  noTerminator[32 + 64] = ' ';
  std::string rowsLost = good;
  rowsLost[4] = 3;
  const Case cases[] = {
      {"truncated header", good.substr(0, 20), goodMemo, true},
      {"unknown field type", badType, goodMemo, true},
      {"record length not the sum of the fields", badRecLen, goodMemo, true},
      {"header longer than the file", badHdrLen, goodMemo, true},
      {"foreign version byte", badVersion, goodMemo, true},
      {"header length one short", withHeaderLength(-1), goodMemo, true},
      {"header length one over", withHeaderLength(1), goodMemo, true},
      {"header length a descriptor over", withHeaderLength(32), goodMemo, true},
      {"no terminator after the descriptors", noTerminator, goodMemo, true},
      {"two whole rows lost", rowsLost, goodMemo, true},
      {"memo block beyond the memo file", memoPastEnd, goodMemo, false},
      {"memo block past 32 bits", memoPastWrap, goodMemo, false},
      {"memo without its end mark", good, goodMemo.substr(0, 520), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteAll(Path("G.DBF"), c.dbf);
    WriteAll(Path("G.DBT"), c.dbt);
    errors.clear();
    bool opened = DBUSEAREA(true, "", Path("G"), "", false, true);
    EXPECT_EQ(opened, !c.failsOnOpen);
    if (opened) {
      EXPECT_TRUE(FIELDGET("M").AsString().empty());
      DBCLOSEAREA();
    } else {
      EXPECT_FALSE(USED());
    }
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]->genCode, EG_CORRUPTION);
    EXPECT_NE(errors[0]->filename.find("G.DB"), std::string::npos);
  }
}

// A count one above what the file holds is a last record cut off while it
// was written: the table opens without it. Reserved zero bytes after the
// terminator and a table of another code page open too.
TEST_F(DbfTable, TablesOtherToolsLeaveOpenAsTheyAre) {
  ASSERT_TRUE(DBCREATE(Path("C.DBF"), Value::Array({Value::Array({"A", "C", 4, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("C"), "", false, false));
  for (const char* v : {"one", "two"}) {
    DBAPPEND();
    FIELDPUT("A", v);
  }
  DBCLOSEAREA();
  const std::string good = ReadAll(Path("C.DBF"));
  const std::size_t hdr = 32 + 32 + 1;
  std::string cutOff = good.substr(0, hdr + 5 + 2);
  cutOff[4] = 2;
  std::string reserved = good;
  reserved.insert(hdr, 263, '\0');
  reserved[8] = static_cast<char>((hdr + 263) & 0xFF);
  reserved[9] = static_cast<char>((hdr + 263) >> 8);
  std::string noCodePage = good;
  noCodePage[29] = 0;
  struct Case {
    const char* what;
    std::string bytes;
    long rows;
  };
  for (const Case& c : {Case{"last record cut off", cutOff, 1}, Case{"reserved room", reserved, 2},
                        Case{"no code-page mark", noCodePage, 2}}) {
    SCOPED_TRACE(c.what);
    WriteAll(Path("C.DBF"), c.bytes);
    ASSERT_TRUE(DBUSEAREA(true, "", Path("C"), "", false, true));
    EXPECT_EQ(RECCOUNT(), c.rows);
    DBGOBOTTOM();
    EXPECT_EQ(Trimmed(FIELDGET("A")), c.rows == 1 ? "one" : "two");
    DBCLOSEAREA();
  }
  EXPECT_TRUE(errors.empty());
}

std::uint64_t Checksum(const std::string& bytes) {
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  return h;
}

// A header that counts fewer records than the file holds (more than the one
// an append cut off before its count leaves) would let the next append
// write over a row and a pack drop the rest: the table is refused, with the
// file named and not one byte changed, and the program goes on.
TEST_F(DbfTable, ACountShortOfTheRowsInTheFileIsRefusedAndNoByteChanges) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 1; i <= 5; ++i) rows.emplace_back(Numbered("wort", i), "");
  MakeWordTable("S.DBF", rows);
  const std::string good = ReadAll(Path("S.DBF"));
  for (const char count : {0, 3}) {
    SCOPED_TRACE(static_cast<int>(count));
    std::string shortCount = good;
    shortCount[4] = count;
    WriteAll(Path("S.DBF"), shortCount);
    errors.clear();
    EXPECT_FALSE(DBUSEAREA(true, "", Path("S"), "S", false, false));
    EXPECT_FALSE(USED());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]->genCode, EG_CORRUPTION);
    EXPECT_EQ(errors[0]->description, TableMessage(TableText::RowsUncounted));
    EXPECT_NE(errors[0]->filename.find("S.DBF"), std::string::npos);
    EXPECT_EQ(Checksum(ReadAll(Path("S.DBF"))), Checksum(shortCount));
  }
  WriteAll(Path("S.DBF"), good);
  errors.clear();
  ASSERT_TRUE(DBUSEAREA(true, "", Path("S"), "S", false, false));
  EXPECT_EQ(RECCOUNT(), 5);
  EXPECT_TRUE(errors.empty());
}

// One whole record past the count is what an append leaves that was cut off
// before it wrote the count: the table opens without it, and the next
// append takes that slot.
TEST_F(DbfTable, ARecordAppendedBeforeItsCountOpensAndItsSlotIsReused) {
  MakeWordTable("U.DBF", {{"eins", ""}, {"zwei", ""}});
  std::string cutOff = ReadAll(Path("U.DBF"));
  cutOff[4] = 1;
  WriteAll(Path("U.DBF"), cutOff);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("U"), "U", false, false));
  EXPECT_EQ(RECCOUNT(), 1);
  DBAPPEND();
  FIELDPUT("DEUTSCH", "drei");
  DBCLOSEAREA();
  EXPECT_EQ(ReadAll(Path("U.DBF")).size(), cutOff.size());
  ASSERT_TRUE(DBUSEAREA(true, "", Path("U"), "U", false, true));
  EXPECT_EQ(RECCOUNT(), 2);
  DBGOTO(2);
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "drei");
  EXPECT_TRUE(errors.empty());
}

// A next-free block beyond the memo file's end is damage: the write is
// refused and the file keeps its size and its memos.
TEST_F(DbfTable, DamagedNextFreeBlockRefusesTheMemoWrite) {
  ASSERT_TRUE(DBCREATE(Path("M.DBF"), Value::Array({Value::Array({"M", "M", 10, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("M"), "", false, false));
  for (const char* v : {"erste", "zweite"}) {
    DBAPPEND();
    FIELDPUT("M", v);
  }
  DBCLOSEAREA();
  const std::string goodMemo = ReadAll(Path("M.DBT"));
  for (const std::string& next : {std::string("\xFF\xFF\xFF\xFF"), std::string("\x40\0\0\0", 4)}) {
    std::string memo = goodMemo;
    memo.replace(0, 4, next);
    WriteAll(Path("M.DBT"), memo);
    errors.clear();
    ASSERT_TRUE(DBUSEAREA(true, "", Path("M"), "", false, false));
    DBGOTO(1);
    FIELDPUT("M", std::string(2000, 'x'));
    DBCLOSEAREA();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]->genCode, EG_CORRUPTION);
    EXPECT_EQ(ReadAll(Path("M.DBT")), memo);
    ASSERT_TRUE(DBUSEAREA(true, "", Path("M"), "", false, true));
    DBGOTO(2);
    EXPECT_EQ(FIELDGET("M").AsString(), "zweite");
    DBCLOSEAREA();
  }
}

// DBCOMMIT and closing make table, memo and orders durable; a pack makes
// the folder durable after its rename.
TEST_F(DbfTable, CommitCloseAndPackFlushEveryFileAndTheFolder) {
  std::vector<std::string> flushed;
  TableFlushObserver([&](const std::string& path) { flushed.push_back(UPPER(path)); });
  auto seen = [&](const std::string& name) {
    return std::any_of(flushed.begin(), flushed.end(),
                       [&](const std::string& p) { return p.size() >= name.size() && p.ends_with(name); });
  };
  ASSERT_TRUE(DBCREATE(Path("F.DBF"), Value::Array({Value::Array({"A", "C", 4, 0}), Value::Array({"M", "M", 10, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("F"), "", false, false));
  ASSERT_TRUE(ORDCREATE(Path("F1"), "", "A", Value::Block([](Args) { return FIELDGET("A"); })));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    flushed.clear();
    DBAPPEND();
    FIELDPUT("A", "abc");
    FIELDPUT("M", "memo");
    if (round == 0)
      DBCOMMIT();
    else
      DBCLOSEAREA();
    EXPECT_TRUE(seen("F.DBF"));
    EXPECT_TRUE(seen("F.DBT"));
    EXPECT_TRUE(seen("F1.NTX"));
  }
  ASSERT_TRUE(DBUSEAREA(true, "", Path("F"), "", false, false));
  DBGOTO(1);
  DBDELETE();
  flushed.clear();
  DbPack();
  EXPECT_TRUE(seen("F.DBF/.."));
  TableFlushObserver({});
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace rt::test
