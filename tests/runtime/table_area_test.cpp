// Work areas: movement, SET DELETED, deletion and packing, orders kept
// current through every change, seeking, export and import, opening modes.

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "runtime/table_errors.h"
#include "runtime/work_areas.h"
#include "tests/runtime/table_test_support.h"

namespace rt::test {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

class WorkAreaTest : public TableTest {
 protected:
  // Opens the word table W with both orders built, order 1 in force.
  void OpenWithOrders(const std::string& name) {
    ASSERT_TRUE(DBUSEAREA(true, "", Path(name), "DBUCH", false, false));
    ASSERT_TRUE(ORDCREATE(Path("W1"), "", "upper(DEUTSCH)+upper(FREMD)", GermanKey()));
    ASSERT_TRUE(ORDCREATE(Path("W2"), "", "upper(FREMD)", ForeignKey()));
    ORDSETFOCUS(1);
  }

  // The table in two shared areas ONE and TWO, each with the German order
  // built once under the given name.
  void OpenSharedTwice(const std::string& table, const std::string& order) {
    ASSERT_TRUE(DBUSEAREA(true, "", Path(table), "ONE", false, false));
    ASSERT_TRUE(ORDCREATE(Path(order), "", "upper(DEUTSCH)+upper(FREMD)", GermanKey()));
    DBCLOSEAREA();
    for (const char* alias : {"ONE", "TWO"}) {
      ASSERT_TRUE(DBUSEAREA(true, "", Path(table), alias, true, false));
      ASSERT_TRUE(ORDLISTADD(Path(order)));
    }
  }

  // Every live row's key in the order in force must match a fresh sort of
  // the table; both files must pass the structure check.
  void ExpectOrdersCurrent() {
    WorkArea* a = WorkAreas::Get().SelectedArea();
    ASSERT_NE(a, nullptr);
    for (int n = 1; n <= a->OrderCount(); ++n) {
      std::vector<std::pair<std::string, long>> expected;
      int old = INDEXORD();
      ORDSETFOCUS(0);
      for (DBGOTOP(); !DbEof(); DBSKIP(1)) {
        std::string key = n == 1 ? GermanKey().Eval().AsString() : ForeignKey().Eval().AsString();
        expected.emplace_back(key, RECNO());
      }
      std::sort(expected.begin(), expected.end());
      ORDSETFOCUS(n);
      std::vector<std::pair<std::string, long>> actual;
      for (DBGOTOP(); !DbEof(); DBSKIP(1))
        actual.emplace_back(n == 1 ? GermanKey().Eval().AsString() : ForeignKey().Eval().AsString(), RECNO());
      EXPECT_EQ(actual, expected) << "order " << n;
      EXPECT_EQ(a->Order(n)->Verify(), static_cast<std::uint32_t>(RECCOUNT())) << "order " << n;
      ORDSETFOCUS(old);
    }
  }
};

TEST_F(WorkAreaTest, MovementKnowsBothEndsAndTheDeletedSetting) {
  MakeWordTable("M.DBF", {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("M"), "", false, false));
  DBGOTO(2);
  DBDELETE();
  DBGOTO(4);
  DBDELETE();
  DBGOTOP();
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"a", "b", "c", "d"}));
  Sets().deleted = true;
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(RECCOUNT(), 4);
  EXPECT_EQ(LASTREC(), 4);
  EXPECT_EQ(COUNT(), 2);
  DBGOBOTTOM();
  EXPECT_EQ(RECNO(), 3);
  DBSKIP(1);
  EXPECT_TRUE(DbEof());
  EXPECT_EQ(RECNO(), 5);
  DBSKIP(-1);
  EXPECT_EQ(RECNO(), 3);
  DBSKIP(-5);
  EXPECT_TRUE(BOF());
  EXPECT_EQ(RECNO(), 1);
  long visits = 0;
  DBEVAL(Value::Block([&](Args) {
    ++visits;
    return Value();
  }));
  EXPECT_EQ(visits, 2);
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, BothOrdersStayCurrentThroughAppendsEditsDeletesAndPack) {
  MakeWordTable("W.DBF", {{"Haus", "house"}, {"Baum", "tree"}, {"haus", "HOUSE"}, {"Zug", "train"}});
  OpenWithOrders("W");
  ExpectOrdersCurrent();
  DBAPPEND();
  FIELDPUT("DEUTSCH", "Apfel");
  FIELDPUT("FREMD", "apple");
  DBAPPEND();
  FIELDPUT("DEUTSCH", "\xC4rger");
  FIELDPUT("FREMD", "anger");
  DBCOMMIT();
  ExpectOrdersCurrent();
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"Apfel", "Baum", "Haus", "haus", "Zug", "\xC4rger"}));
  ASSERT_TRUE(DBSEEK("BAUM"));
  FIELDPUT("DEUTSCH", "Wald");
  FIELDPUT("FREMD", "forest");
  DBGOTO(RECNO());
  ExpectOrdersCurrent();
  ASSERT_TRUE(DBSEEK("ZUG"));
  DBDELETE();
  ORDSETFOCUS(2);
  ASSERT_TRUE(DBSEEK("HOUSE"));
  DBDELETE();
  DBSKIP(1);
  ExpectOrdersCurrent();
  DbPack();
  EXPECT_EQ(RECCOUNT(), 4);
  ExpectOrdersCurrent();
  ORDSETFOCUS(1);
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"Apfel", "haus", "Wald", "\xC4rger"}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, OrdersSurviveCloseAndReopenThroughTheirKeyText) {
  MakeWordTable("R.DBF", {{"b", "x"}, {"a", "y"}});
  OpenWithOrders("R");
  EXPECT_EQ(ORDNAME(1), "W1");
  EXPECT_EQ(ORDKEY(2), "upper(FREMD)");
  EXPECT_EQ(INDEXKEY(1), "upper(DEUTSCH)+upper(FREMD)");
  EXPECT_EQ(ORDSETFOCUS("w2"), "W1");
  EXPECT_EQ(INDEXORD(), 2);
  EXPECT_EQ(ORDKEYCOUNT(), 2);
  DBGOBOTTOM();
  EXPECT_EQ(ORDKEYNO(), 2);
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, SeekFindsPrefixesWithUmlautsAndMissesLeaveEndOfFile) {
  MakeWordTable("S.DBF", {{"Haus", "house"},
                          {"Haust\xFCr", "front door"},
                          {"\xC4pfel", "apples"},
                          {"\xC4rger", "anger"},
                          {"M\xFCller", "miller"},
                          {"Maus", "mouse"}});
  OpenWithOrders("S");
  struct Case {
    const char* key;
    bool soft;
    bool found;
    const char* lands;  // German term of the record reached; "" = end of file
  };
  const Case cases[] = {
      {"HAUS", false, true, "Haus"},
      {"HAUST\xFC", false, true, "Haust\xFCr"},
      {"\xC4R", false, true, "\xC4rger"},
      {"\xC4", false, true, "\xC4pfel"},
      {"M\xFC", false, true, "M\xFCller"},
      {"HAUSX", false, false, ""},
      {"HAUSX", true, false, "Maus"},
      {"\xFF", true, false, ""},
      {"Haus", false, false, ""},  // keys are upper case: byte comparison
      {"", false, true, "Haus"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(DBSEEK(c.key, c.soft), c.found);
    EXPECT_EQ(FOUND(), c.found);
    EXPECT_EQ(DbEof(), std::string(c.lands).empty());
    EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), c.lands);
  }
  Sets().softseek = true;
  EXPECT_FALSE(DBSEEK("HAUSX"));
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Maus");
  Sets().softseek = false;
  ASSERT_TRUE(DBSEEK("HAUS"));
  DBDELETE();
  Sets().deleted = true;
  EXPECT_TRUE(DBSEEK("HAUS"));
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Haust\xFCr");
  EXPECT_FALSE(DBSEEK("HAUSE"));
  EXPECT_TRUE(DbEof());
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, AWalkWithinAKeyPrefixSkipsDeletedRowsAndEndsAtEndOfFile) {
  MakeWordTable("K.DBF", {{"Haus", "house"},
                          {"Maus", "mouse"},
                          {"Haust\xFCr", "front door"},
                          {"Hand", "hand"},
                          {"Hausboot", "houseboat"},
                          {"Hausbau", "house building"}});
  OpenWithOrders("K");
  WorkArea& area = *WorkAreas::Get().SelectedArea();
  const auto walk = [&](std::string_view start) {
    std::vector<std::string> seen;
    if (!DBSEEK(std::string(start))) return seen;
    do seen.push_back(Trimmed(FIELDGET("DEUTSCH")));
    while (area.SkipWithinKey(start));
    EXPECT_TRUE(DbEof());
    EXPECT_EQ(RECNO(), LASTREC() + 1);
    return seen;
  };
  using Terms = std::vector<std::string>;
  EXPECT_EQ(walk("HAUS"), (Terms{"Haus", "Hausbau", "Hausboot", "Haust\xFCr"}));
  EXPECT_EQ(walk("HAUSB"), (Terms{"Hausbau", "Hausboot"}));
  EXPECT_EQ(walk("MAUS"), (Terms{"Maus"}));
  EXPECT_EQ(walk("HAUSX"), Terms{});
  // A hidden row inside the prefix is passed over, one at its end ends it.
  ASSERT_TRUE(DBSEEK("HAUSBOOT"));
  DBDELETE();
  ASSERT_TRUE(DBSEEK("HAUST"));
  DBDELETE();
  Sets().deleted = true;
  EXPECT_EQ(walk("HAUS"), (Terms{"Haus", "Hausbau"}));
  EXPECT_EQ(walk("HAUSBO"), Terms{});
  Sets().deleted = false;
  EXPECT_EQ(walk("HAUSBO"), (Terms{"Hausboot"}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, SeekWithoutAnOrderOrWithTheWrongTypeRaisesAnError) {
  MakeWordTable("E.DBF", {{"a", "b"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("E"), "", false, false));
  EXPECT_FALSE(DBSEEK("A"));
  EXPECT_EQ(LastGenCode(), EG_NOORDER);
  ASSERT_TRUE(ORDCREATE(Path("E1"), "", "upper(DEUTSCH)", GermanKey()));
  EXPECT_FALSE(DBSEEK(5));
  EXPECT_EQ(LastGenCode(), EG_DATATYPE);
}

TEST_F(WorkAreaTest, NumericAndDateKeysOrderLikeTheirValues) {
  ASSERT_TRUE(DBCREATE(Path("N.DBF"), Value::Array({Value::Array({"BETRAG", "N", 8, 2}), Value::Array({"TAG", "D", 8, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("N"), "", false, false));
  const double amounts[] = {12.5, -3.25, 0, -120.75, 7, -3.5, 99999.99};
  const int days[] = {2460100, 2451545, 2460000, 2415021, 2460099, 2400000, 2460101};
  for (int i = 0; i < 7; ++i) {
    DBAPPEND();
    FIELDPUT("BETRAG", Value::Num(amounts[i], 8, 2));
    FIELDPUT("TAG", Date{days[i]});
  }
  ASSERT_TRUE(ORDCREATE(Path("N1"), "", "BETRAG", Value::Block([](Args) { return FIELDGET("BETRAG"); })));
  std::vector<double> seen;
  for (DBGOTOP(); !DbEof(); DBSKIP(1)) seen.push_back(FIELDGET("BETRAG").AsNumber());
  std::vector<double> sorted(std::begin(amounts), std::end(amounts));
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(seen, sorted);
  EXPECT_TRUE(DBSEEK(Value::Num(-3.25, 8, 2)));
  EXPECT_EQ(RECNO(), 2);
  EXPECT_FALSE(DBSEEK(Value::Num(-3.3, 8, 2), true));
  EXPECT_DOUBLE_EQ(FIELDGET("BETRAG").AsNumber(), -3.25);

  ASSERT_TRUE(ORDCREATE(Path("N2"), "", "TAG", Value::Block([](Args) { return FIELDGET("TAG"); })));
  std::vector<int> daysSeen;
  for (DBGOTOP(); !DbEof(); DBSKIP(1)) daysSeen.push_back(FIELDGET("TAG").AsJulian());
  std::vector<int> daysSorted(std::begin(days), std::end(days));
  std::sort(daysSorted.begin(), daysSorted.end());
  EXPECT_EQ(daysSeen, daysSorted);
  EXPECT_TRUE(DBSEEK(Date{2460099}));
  EXPECT_EQ(RECNO(), 5);
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, ZapEmptiesTableMemoAndOrders) {
  MakeWordTable("Z.DBF", {{"a", "b"}, {"c", "d"}});
  OpenWithOrders("Z");
  DbZap();
  EXPECT_EQ(RECCOUNT(), 0);
  EXPECT_EQ(ORDKEYCOUNT(), 0);
  DBGOTOP();
  EXPECT_TRUE(DbEof() && BOF());
  DBAPPEND();
  FIELDPUT("DEUTSCH", "neu");
  DBCOMMIT();
  ExpectOrdersCurrent();
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, ExportCopiesOwnRowsWithDeletedMarksAndImportAppendsThem) {
  MakeWordTable("X.DBF", {{"Haus", "house"}, {"Baum", "tree"}, {"Zug", "train"}});
  OpenWithOrders("X");
  ORDSETFOCUS(0);
  DBGOTO(1);
  FIELDPUT("STATUS", 2);
  DBGOTO(3);
  FIELDPUT("STATUS", 1);
  DBDELETE();
  ORDSETFOCUS(1);
  ASSERT_TRUE(DbCopy(Path("X.EXP"), Value(), Value::Block([](Args) { return Value(FIELDGET("STATUS").AsNumber() > 0); })));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("X.EXP"), "EXP", false, true));
  EXPECT_EQ(FCOUNT(), 4);
  EXPECT_EQ(RECCOUNT(), 2);
  DBGOTO(1);
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Haus");
  EXPECT_FALSE(DELETED());
  DBGOTO(2);
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Zug");
  EXPECT_TRUE(DELETED());
  DBCLOSEAREA();

  DBSELECTAREA("DBUCH");
  ASSERT_TRUE(DbApp(Path("X.EXP")));
  EXPECT_EQ(RECCOUNT(), 5);
  DBGOTO(5);
  EXPECT_TRUE(DELETED());
  EXPECT_EQ(FIELDGET("STATUS").AsNumber(), 1);
  EXPECT_EQ(Trimmed(FIELDGET("SPRACHE")), "EN");
  ExpectOrdersCurrent();
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"Baum", "Haus", "Haus", "Zug", "Zug"}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, CopyOfChosenRecordsKeepsTheirOrderAndMarksAndRefusesAMissingOne) {
  MakeWordTable("R.DBF", {{"Haus", "house"}, {"Baum", "tree"}, {"Zug", "train"}});
  OpenWithOrders("R");
  DBGOTO(3);
  DBDELETE();
  DBCOMMIT();
  ASSERT_TRUE(DbCopyRecords(Path("R.EXP"), {3, 1}, Value::Array({"DEUTSCH"})));
  EXPECT_EQ(RECNO(), 1);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("R.EXP"), "EXP", false, true));
  EXPECT_EQ(FCOUNT(), 1);
  ASSERT_EQ(RECCOUNT(), 2);
  DBGOTO(1);
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Zug");
  EXPECT_TRUE(DELETED());
  DBGOTO(2);
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Haus");
  EXPECT_FALSE(DELETED());
  DBCLOSEAREA();
  EXPECT_TRUE(errors.empty());

  DBSELECTAREA("DBUCH");
  EXPECT_FALSE(DbCopyRecords(Path("R2.EXP"), {1, 9}));
  ASSERT_FALSE(errors.empty());
  EXPECT_EQ(errors.back()->genCode, EG_READ);
}

TEST_F(WorkAreaTest, AppendFromATableWithOtherFieldsMatchesByName) {
  ASSERT_TRUE(DBCREATE(Path("O.DBF"), Value::Array({Value::Array({"FREMD", "C", 10, 0}),
                                                    Value::Array({"EXTRA", "N", 3, 0})})));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("O"), "", false, false));
  DBAPPEND();
  FIELDPUT("FREMD", "only");
  FIELDPUT("EXTRA", 7);
  DBCLOSEAREA();
  MakeWordTable("T.DBF", {});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("T"), "", false, false));
  ASSERT_TRUE(DbApp(Path("O")));
  EXPECT_EQ(RECCOUNT(), 1);
  EXPECT_EQ(Trimmed(FIELDGET("FREMD")), "only");
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "");
}

TEST_F(WorkAreaTest, ExclusiveOpenRefusesEveryOtherOpenWithNetErr) {
  MakeWordTable("L.DBF", {{"a", "b"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("L"), "DBUCH", false, false));
  EXPECT_FALSE(NETERR());
  int held = SELECT();
  for (bool shared : {false, true}) {
    errors.clear();
    EXPECT_FALSE(DBUSEAREA(true, "", Path("L"), "OTHER", shared, true));
    EXPECT_TRUE(NETERR());
    EXPECT_FALSE(USED());
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0]->genCode, EG_OPEN);
    EXPECT_EQ(errors[0]->osCode, 32);
    EXPECT_TRUE(errors[0]->canDefault);
  }
  DBSELECTAREA(held);
  DBCLOSEAREA();
  ASSERT_TRUE(DBUSEAREA(true, "", Path("L"), "R1", true, true));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("L"), "R2", true, true));
  EXPECT_FALSE(NETERR());
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "a");
  errors.clear();
  EXPECT_FALSE(DBUSEAREA(true, "", Path("L"), "EX", false, false));
  EXPECT_EQ(LastGenCode(), EG_OPEN);
  errors.clear();
  EXPECT_FALSE(DBUSEAREA(true, "", Path("MISSING"), "", false, false));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]->osCode, 2);
}

TEST_F(WorkAreaTest, SharedAreasSeeEachOthersCommittedRowsAndKeys) {
  MakeWordTable("V.DBF", {{"Haus", "house"}});
  ASSERT_NO_FATAL_FAILURE(OpenSharedTwice("V", "V1"));
  DBSELECTAREA("ONE");
  DBAPPEND();
  FIELDPUT("DEUTSCH", "Zug");
  FIELDPUT("FREMD", "train");
  DBCOMMIT();
  DBUNLOCK();
  DBSELECTAREA("TWO");
  EXPECT_TRUE(DBSEEK("ZUG"));
  EXPECT_EQ(RECCOUNT(), 2);
  DBGOBOTTOM();
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Zug");
  EXPECT_TRUE(errors.empty());
}

// A shared area keeps the order pages it read while the order's header says
// nothing changed, and reads them again after another program's change: a
// finished one counts the header's version (bytes 2-3) up, one under way
// carries the change mark (bytes 1020-1023).
TEST_F(WorkAreaTest, SharedAreasKeepOrderPagesUntilAnotherProgramChangesThem) {
  MakeWordTable("S.DBF", {{"Haus", "house"}, {"Zug", "train"}});
  ASSERT_NO_FATAL_FAILURE(OpenSharedTwice("S", "S1"));
  auto version = [&] {
    std::ifstream f(Path("S1.NTX"), std::ios::binary);
    unsigned char b[4] = {};
    f.read(reinterpret_cast<char*>(b), sizeof b);
    return b[2] | b[3] << 8;
  };
  // Writes bytes into the order file behind both areas' backs.
  auto patch = [&](std::streamoff at, const std::string& bytes) {
    std::fstream f(Path("S1.NTX"), std::ios::binary | std::ios::in | std::ios::out);
    f.seekp(at);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  };
  const int before = version();
  DBSELECTAREA("TWO");
  ASSERT_TRUE(DBSEEK("HAUS"));

  DBSELECTAREA("ONE");
  ASSERT_TRUE(DBSEEK("HAUS"));
  ASSERT_TRUE(DBRLOCK(RECNO()));
  FIELDPUT("DEUTSCH", "Maus");
  DBCOMMIT();
  DBUNLOCK();
  EXPECT_EQ(version(), before + 1);
  DBSELECTAREA("TWO");
  EXPECT_FALSE(DBSEEK("HAUS"));
  EXPECT_TRUE(DBSEEK("MAUS"));
  EXPECT_EQ(RECNO(), 1);

  std::string bytes;
  {
    std::ifstream f(Path("S1.NTX"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(f), {});
  }
  const std::size_t key = bytes.find("MAUS ", 1024);
  ASSERT_NE(key, std::string::npos);
  patch(static_cast<std::streamoff>(key), "LAUS");
  EXPECT_TRUE(DBSEEK("MAUS")) << "a page changed without the version is not read again";
  patch(1020, "CHG!");
  EXPECT_TRUE(DBSEEK("LAUS")) << "a change under way is read";
  EXPECT_TRUE(errors.empty());
}

// Record locks are byte-range locks of each area's own handle, so two shared
// areas of one program keep each other out of a record as two programs would.
TEST_F(WorkAreaTest, RecordLocksOfSharedAreasExcludeEachOther) {
  MakeWordTable("K.DBF", {{"a", "b"}, {"c", "d"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "ONE", true, false));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("K"), "TWO", true, false));
  DBSELECTAREA("ONE");
  EXPECT_TRUE(DBRLOCK(1));
  DBSELECTAREA("TWO");
  EXPECT_FALSE(DBRLOCK(1));
  EXPECT_TRUE(DBRLOCK(2));  // the neighbouring record is free
  DBSELECTAREA("ONE");
  EXPECT_FALSE(DBRLOCK(2));
  DBUNLOCK();
  DBSELECTAREA("TWO");
  EXPECT_TRUE(DBRLOCK(1));
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, ReadOnlyAndSharedAreasGuardTheirRecords) {
  MakeWordTable("G.DBF", {{"a", "b"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("G"), "RO", true, true));
  FIELDPUT("DEUTSCH", "x");
  EXPECT_EQ(LastGenCode(), EG_READONLY);
  DBCLOSEAREA();
  ASSERT_TRUE(DBUSEAREA(true, "", Path("G"), "SH", true, false));
  errors.clear();
  FIELDPUT("DEUTSCH", "x");
  EXPECT_EQ(LastGenCode(), EG_UNLOCKED);
  DbPack();
  EXPECT_EQ(LastGenCode(), EG_SHARED);
  errors.clear();
  EXPECT_TRUE(RLOCK());
  FIELDPUT("DEUTSCH", "x");
  DBUNLOCK();
  DBAPPEND();
  FIELDPUT("DEUTSCH", "y");
  DBCOMMIT();
  EXPECT_EQ(RECCOUNT(), 2);
  EXPECT_TRUE(errors.empty());
}

TEST_F(WorkAreaTest, AliasesSelectAreasAndEvaluateInThem) {
  MakeWordTable("A.DBF", {{"eins", "one"}});
  MakeWordTable("B.DBF", {{"zwei", "two"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("A"), "DBF", false, false));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("B"), "DTMP", false, false));
  EXPECT_EQ(SELECT("dbf"), 1);
  EXPECT_EQ(SELECT(), 2);
  EXPECT_EQ(RDDNAME(), "DBFNTX");
  EXPECT_EQ(Trimmed(AliasEval("DBF", [] { return FIELDGET("DEUTSCH"); })), "eins");
  EXPECT_EQ(SELECT(), 2);
  EXPECT_FALSE(DBUSEAREA(true, "", Path("B"), "DBF", true, true));
  EXPECT_EQ(LastGenCode(), EG_DUPALIAS);
  AliasEval("NOPE", [] { return Value(); });
  EXPECT_EQ(LastGenCode(), EG_NOALIAS);
  EXPECT_EQ(RDDSETDEFAULT("DBF"), "DBFNTX");
  EXPECT_EQ(RDDSETDEFAULT(), "DBFNTX");
  DBCLOSEALL();
  EXPECT_FALSE(USED());
  EXPECT_EQ(SELECT("DTMP"), 0);
}

TEST_F(WorkAreaTest, EvalBlockRunsEveryNRecordsAndFalseStopsTheBuild) {
  Rows rows;
  for (int i = 0; i < 250; ++i) rows.emplace_back(Numbered("w", 1000 + i), "f");
  MakeWordTable("P.DBF", rows);
  ASSERT_TRUE(DBUSEAREA(true, "", Path("P"), "", false, false));
  struct Case {
    long every;
    long stopAfterCalls;  // 0: never stop
    long calls;
    long keys;
  };
  const Case cases[] = {{2, 0, 125, 250}, {0, 0, 250, 250}, {100, 0, 2, 250}, {10, 3, 3, 30}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.every);
    long calls = 0;
    std::vector<long> seen;
    ORDCONDSET(true, Value::Block([&](Args) {
                 ++calls;
                 seen.push_back(RECNO());
                 return Value(c.stopAfterCalls == 0 || calls < c.stopAfterCalls);
               }),
               c.every);
    ASSERT_TRUE(ORDCREATE(Path("P1"), "", "upper(DEUTSCH)", GermanKey()));
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(ORDKEYCOUNT(), c.keys);
    if (c.every > 0) {
      EXPECT_EQ(seen.front(), c.every);
    }
  }
  // The conditions hold for one build only.
  long total = 0;
  ORDCONDSET(true, Value::Block([&](Args) {
               ++total;
               return Value(true);
             }),
             0);
  ASSERT_TRUE(ORDCREATE(Path("P1"), "", "upper(DEUTSCH)", GermanKey()));
  ASSERT_TRUE(ORDCREATE(Path("P1"), "", "upper(DEUTSCH)", GermanKey()));
  EXPECT_EQ(total, 250);
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace rt::test
