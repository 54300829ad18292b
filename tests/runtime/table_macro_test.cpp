// Orders whose keys the macro compiler evaluates: keys built from the text
// alone, index files reopened by their stored key text, a public function
// called by name from a key, the macro side's view of fields, and the table
// functions called from compiled text.

#include "runtime/macro.h"
#include "runtime/memvar.h"
#include "tests/runtime/table_test_support.h"

namespace rt::test {
namespace {

class MacroKeyTest : public TableTest {};

// Folds the accented letters that the French rows below use.
Value FoldAccents(Args a) {
  std::string s = a.empty() ? std::string() : a[0].AsString();
  for (char& c : s) {
    if (c == '\xE9' || c == '\xE8') c = 'e';
    if (c == '\xE0') c = 'a';
  }
  return Value(s);
}

TEST_F(MacroKeyTest, KeyTextAloneBuildsTheOrderAndReopensIt) {
  RegisterFunction("TRANSCHR", FoldAccents);
  MakeWordTable("F.DBF", {{"Kaffee", "caf\xE9"}, {"Haus", "maison"}, {"Vater", "p\xE8re"}, {"Land", "cafard"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("F"), "DBUCH", false, false));
  ASSERT_TRUE(ORDCREATE(Path("F1"), "", "upper(DEUTSCH)+upper(FREMD)"));
  ASSERT_TRUE(ORDCREATE(Path("F2"), "", "upper(TransChr(FREMD))"));
  EXPECT_TRUE(DBSEEK("CAFE"));
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Kaffee");
  DBAPPEND();
  FIELDPUT("DEUTSCH", "Bahnhof");
  FIELDPUT("FREMD", "gar\xE9");
  DBCOMMIT();
  DBCLOSEAREA();

  ASSERT_TRUE(DBUSEAREA(true, "", Path("F"), "DBUCH", false, false));
  ASSERT_TRUE(ORDLISTADD(Path("F1")));
  ASSERT_TRUE(ORDLISTADD(Path("F2.NTX")));
  EXPECT_EQ(ORDKEY(2), "upper(TransChr(FREMD))");
  ORDSETFOCUS(2);
  EXPECT_TRUE(DBSEEK("GARE"));
  EXPECT_EQ(Trimmed(FIELDGET("DEUTSCH")), "Bahnhof");
  FIELDPUT("FREMD", "p\xE8re noir");
  DBSKIP(0);
  EXPECT_TRUE(DBSEEK("PERE NOIR"));
  ORDSETFOCUS(1);
  EXPECT_EQ(GermanColumn(), (std::vector<std::string>{"Bahnhof", "Haus", "Kaffee", "Land", "Vater"}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(MacroKeyTest, MacrosSeeFieldsBeforeVariablesAndAliasedAreas) {
  MakeWordTable("A.DBF", {{"eins", "one"}});
  MakeWordTable("B.DBF", {{"zwei", "two"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("A"), "DBF", false, false));
  ASSERT_TRUE(DBUSEAREA(true, "", Path("B"), "DTMP", false, false));
  PRIVATE("DEUTSCH", "Variable");
  EXPECT_EQ(Trimmed(MacroEval("DEUTSCH")), "zwei");
  EXPECT_EQ(Trimmed(MacroEval("DBF->FREMD")), "one");
  EXPECT_EQ(Trimmed(MacroEval("(\"DBF\")->(upper(DEUTSCH))")), "EINS");
  EXPECT_EQ(SELECT(), 2);
  DBCLOSEALL();
  EXPECT_EQ(MacroEval("DEUTSCH").AsString(), "Variable");
}

// A grid compiles its tag and key-number blocks from text and tests for a
// function with TYPE(): the table functions answer there as they answer
// the program.
TEST_F(MacroKeyTest, TableFunctionsAnswerCompiledText) {
  MakeWordTable("T.DBF", {{"zwei", "two"}, {"eins", "one"}, {"drei", "three"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("T"), "DBUCH", false, false));
  ASSERT_TRUE(ORDCREATE(Path("DEUTSCH"), "", "upper(DEUTSCH)"));
  ASSERT_TRUE(ORDCREATE(Path("FREMD"), "", "upper(FREMD)"));
  EXPECT_EQ(TYPE("OrdSetFocus()"), "C");
  EXPECT_EQ(TYPE("OrdKeyNo()"), "N");
  EXPECT_EQ(TYPE("Eof()"), "L");
  EXPECT_EQ(TYPE("NoSuchTableFunction()"), "U");

  const Value reader = MacroCompile("{|| OrdSetFocus() }");
  const Value setter = MacroCompile("{|uTag| OrdSetFocus(uTag) }");
  EXPECT_EQ(reader.Eval().AsString(), "FREMD");
  EXPECT_EQ(setter.Eval("DEUTSCH").AsString(), "FREMD");
  EXPECT_EQ(reader.Eval().AsString(), "DEUTSCH");
  EXPECT_EQ(INDEXORD(), 1);

  EXPECT_TRUE(MacroEval("DbSeek('ZWEI')").AsLogical());
  EXPECT_EQ(MacroEval("RecNo()").AsNumber(), 1);
  EXPECT_EQ(MacroEval("{|| OrdKeyNo() }").Eval().AsNumber(), 3);
  EXPECT_EQ(MacroEval("DBUCH->(LastRec())").AsNumber(), 3);
  EXPECT_EQ(MacroEval("Select('DBUCH')").AsNumber(), SELECT());
  MacroEval("DbGoTop(), DbSkip()");
  EXPECT_EQ(Trimmed(MacroEval("FieldGet(1)")), "eins");
  EXPECT_EQ(Trimmed(MacroEval("FieldGet(FieldPos('FREMD'))")), "one");
  MacroEval("DbCloseArea()");
  EXPECT_FALSE(USED());
  EXPECT_TRUE(errors.empty());
}

TEST_F(MacroKeyTest, AKeyTextThatDoesNotCompileIsAnError) {
  MakeWordTable("S.DBF", {{"a", "b"}});
  ASSERT_TRUE(DBUSEAREA(true, "", Path("S"), "", false, false));
  EXPECT_FALSE(ORDCREATE(Path("S1"), "", "upper(DEUTSCH"));
  EXPECT_FALSE(errors.empty());
  EXPECT_EQ(INDEXORD(), 0);
}

}  // namespace
}  // namespace rt::test
