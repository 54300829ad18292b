// Macro evaluation: literals, operators, names resolved to fields and
// memory variables, calls through the function registry, code blocks, "&",
// TYPE(), errors through the error block, and the cache.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "runtime/codepage.h"
#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/functions.h"
#include "runtime/lang.h"
#include "runtime/macro.h"
#include "runtime/memvar.h"
#include "runtime/object.h"
#include "runtime/settings.h"
#include "runtime/text_case.h"
#include "tests/runtime/error_log.h"

namespace rt {
namespace {

// Two work areas as the table driver would present them.
class FakeTables : public MacroHost {
 public:
  struct Area {
    std::string alias;
    std::vector<std::string> names;
    std::vector<Value> values;
  };
  std::map<int, Area> areas;
  int current = 1;
  int selects = 0;

  int CurrentArea() override { return current; }
  int AreaOfAlias(std::string_view alias) override {
    for (auto& [n, a] : areas)
      if (a.alias == AsciiUpper(alias)) return n;
    return 0;
  }
  int FieldIndex(int area, std::string_view name) override {
    auto it = areas.find(area);
    if (it == areas.end()) return 0;
    for (std::size_t i = 0; i < it->second.names.size(); ++i)
      if (it->second.names[i] == AsciiUpper(name)) return static_cast<int>(i) + 1;
    return 0;
  }
  Value GetField(int area, int index) override { return areas[area].values[static_cast<std::size_t>(index) - 1]; }
  void PutField(int area, int index, const Value& v) override {
    areas[area].values[static_cast<std::size_t>(index) - 1] = v;
  }
  int SelectArea(int area) override {
    ++selects;
    int old = current;
    current = area;
    return old;
  }
};

// Folds accented letters to their base letters, as the editor's TRANSCHR
// does for index keys (a few of them are enough here).
Value TransChr(Args a) {
  std::string s = a.empty() ? std::string() : a[0].AsString();
  for (char& c : s) {
    switch (static_cast<unsigned char>(c)) {
      case 0xE9: case 0xE8: case 0xEA: c = 'e'; break;  // é è ê
      case 0xC9: c = 'E'; break;                        // É
      case 0xE7: c = 'c'; break;                        // ç
      default: break;
    }
  }
  return Value(s);
}

using test::ErrorLog;

class MacroTest : public testing::Test {
 protected:
  void SetUp() override {
    tables.areas[1] = {"DBUCH", {"DEUTSCH", "FREMD", "STATUS"},
                       {Value("Haus      "), Value("caf\xE9     "), Value::Num(1, 1, 0)}};
    tables.areas[2] = {"DTMP", {"WORT"}, {Value("Wort")}};
    previousHost_ = SetMacroHost(&tables);
    RegisterFunction("TransChr", TransChr);
    mark_ = PrivateMark();
  }
  void TearDown() override {
    ReleasePrivates(mark_);
    SetMacroHost(previousHost_);
  }
  FakeTables tables;
  std::size_t mark_ = 0;
  MacroHost* previousHost_ = nullptr;
};

TEST_F(MacroTest, Literals) {
  Value n = MacroEval("1.50");
  EXPECT_EQ(n.AsNumber(), 1.5);
  EXPECT_EQ(n.AsNumberInfo().dec, 2);
  EXPECT_EQ(MacroEval("42").AsNumberInfo().dec, 0);
  EXPECT_EQ(MacroEval(".5").AsNumber(), 0.5);
  EXPECT_EQ(MacroEval("0x1F").AsNumber(), 31);
  EXPECT_EQ(MacroEval("\"dou'ble\"").AsString(), "dou'ble");
  EXPECT_EQ(MacroEval("'sin\"gle'").AsString(), "sin\"gle");
  EXPECT_EQ(MacroEval("[brackets]").AsString(), "brackets");
  EXPECT_TRUE(MacroEval(".T.").AsLogical());
  EXPECT_FALSE(MacroEval(".f.").AsLogical());
  EXPECT_TRUE(MacroEval(".y.").AsLogical());
  EXPECT_TRUE(MacroEval("NIL").IsNil());
  EXPECT_EQ(MacroEval("0d20240131").AsJulian(), MakeDate(2024, 1, 31).julian);
  EXPECT_EQ(MacroEval("d\"2024-01-31\"").AsJulian(), MakeDate(2024, 1, 31).julian);
  Value a = MacroEval("{1, 'two', {3}, }");
  ASSERT_TRUE(a.IsArray());
  ASSERT_EQ(a.Len(), 4u);
  EXPECT_EQ(a.At(3).At(1).AsNumber(), 3);
  EXPECT_TRUE(a.At(4).IsNil());
}

struct OpCase {
  const char* text;
  Value expected;
};

class MacroOperators : public MacroTest, public testing::WithParamInterface<OpCase> {};

TEST_P(MacroOperators, GiveTheXBaseResult) {
  const OpCase& c = GetParam();
  Value v = MacroEval(c.text);
  EXPECT_EQ(v, c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MacroOperators,
    testing::Values(OpCase{"1 + 2 * 3", Value(7)}, OpCase{"(1 + 2) * 3", Value(9)}, OpCase{"7 - 2 - 1", Value(4)},
                    OpCase{"2 ** 3 ** 2", Value(64)}, OpCase{"-2 ^ 2", Value(4)}, OpCase{"- (2 ** 2)", Value(-4)},
                    OpCase{"7 % 3", Value(1)}, OpCase{"-7 % 3", Value(-1)}, OpCase{"10 / 4", Value(2.5)},
                    OpCase{"'ab' + 'cd'", Value("abcd")}, OpCase{"'ab  ' - 'cd'", Value("abcd  ")},
                    OpCase{"0d20240131 + 1", Value(MakeDate(2024, 2, 1))},
                    OpCase{"0d20240301 - 0d20240201", Value(29)}, OpCase{"'b' $ 'abc'", Value(true)},
                    OpCase{"'x' $ 'abc'", Value(false)}, OpCase{"'abc' = 'ab'", Value(true)},
                    OpCase{"'abc' == 'ab'", Value(false)}, OpCase{"'ab' = 'abc'", Value(false)},
                    OpCase{"1 <> 2", Value(true)}, OpCase{"1 # 1", Value(false)}, OpCase{"1 != 2", Value(true)},
                    OpCase{"2 < 10", Value(true)}, OpCase{"'b' > 'a'", Value(true)}, OpCase{"3 >= 3", Value(true)},
                    OpCase{"3 <= 2", Value(false)}, OpCase{".NOT. .T.", Value(false)}, OpCase{"!.F.", Value(true)},
                    OpCase{"! 1 = 2", Value(true)}, OpCase{".T. .AND. .F.", Value(false)},
                    OpCase{".F. .OR. .T.", Value(true)}, OpCase{".T. .OR. nosuchvar", Value(true)},
                    OpCase{".F. .AND. nosuchvar", Value(false)}, OpCase{"1 < 2 .AND. 2 < 3", Value(true)},
                    OpCase{"IIF(.T., 'yes', nosuchfunction())", Value("yes")}, OpCase{"IF(1 > 2, 1, 2)", Value(2)},
                    OpCase{"{10, 20, 30}[2]", Value(20)}, OpCase{"{1, {2, 3}}[2, 2]", Value(3)},
                    OpCase{"(1, 2, 3)", Value(3)}, OpCase{"Len('abc') + Len({1})", Value(4)}));

TEST_F(MacroTest, FieldsComeBeforeMemoryVariables) {
  PRIVATE("DEUTSCH", "the variable");
  PRIVATE("cOnly", "memvar");
  EXPECT_EQ(MacroEval("DEUTSCH").AsString(), "Haus      ");
  EXPECT_EQ(MacroEval("M->DEUTSCH").AsString(), "the variable");
  EXPECT_EQ(MacroEval("MEMVAR->deutsch").AsString(), "the variable");
  EXPECT_EQ(MacroEval("FIELD->DEUTSCH").AsString(), "Haus      ");
  EXPECT_EQ(MacroEval("cOnly").AsString(), "memvar");
  EXPECT_EQ(MacroEval("dtmp->wort").AsString(), "Wort");
  EXPECT_EQ(MacroEval("DTMP->(WORT + '!')").AsString(), "Wort!");
  EXPECT_EQ(tables.current, 1);
  PRIVATE("cAlias", "DTMP");
  EXPECT_EQ(MacroEval("(cAlias)->WORT").AsString(), "Wort");
  EXPECT_EQ(MacroEval("&cAlias->WORT").AsString(), "Wort");
  EXPECT_EQ(MacroEval("(2)->WORT").AsString(), "Wort");
  EXPECT_EQ(MacroEval("(cAlias)->(Len(WORT))").AsNumber(), 4);
  EXPECT_EQ(tables.current, 1);
}

TEST_F(MacroTest, IndexKeyWithAProgramFunctionAndAFieldProvider) {
  EXPECT_EQ(MacroEval("upper(TransChr(FREMD))").AsString(), "CAFE     ");
  EXPECT_EQ(MacroEval("upper(DEUTSCH)+upper(FREMD)").AsString(), "HAUS      CAF\xE9     ");
  Value key = MacroCompile("{||upper(TransChr(FREMD))}");
  ASSERT_TRUE(key.IsBlock());
  tables.areas[1].values[1] = Value("\xC9t\xE9");
  EXPECT_EQ(key.Eval().AsString(), "ETE");
  // The same text compiles once.
  EXPECT_TRUE(MacroCompile("{||upper(TransChr(FREMD))}") == key);
  Value plain = MacroCompile("upper(DEUTSCH)");
  ASSERT_TRUE(plain.IsBlock());
  EXPECT_EQ(plain.Eval().AsString(), "HAUS      ");
}

// UPPER and LOWER change the evaluator's own copy of their argument, never
// the variable, field or parameter it came from; a program's function of
// the same name still wins, also in a text compiled before.
TEST_F(MacroTest, CaseFunctionsLeaveTheirSourcesAlone) {
  PRIVATE("cWord", "Haus");
  EXPECT_EQ(MacroEval("Upper(cWord) + Lower(cWord) + cWord").AsString(), "HAUShausHaus");
  EXPECT_EQ(MEMVARGET("cWord").AsString(), "Haus");
  EXPECT_EQ(MacroEval("upper(DEUTSCH) + DEUTSCH").AsString(), "HAUS      Haus      ");
  EXPECT_EQ(tables.areas[1].values[0].AsString(), "Haus      ");
  EXPECT_EQ(MacroCompile("{|c| Upper(c) + c}").Eval("ab").AsString(), "ABab");

  const PublicFn builtin = *FindFunction("LOWER");
  RegisterFunction("Lower", [](Args a) { return Value("own " + a[0].AsString()); });
  EXPECT_EQ(MacroEval("Upper(cWord) + Lower(cWord) + cWord").AsString(), "HAUSown HausHaus");
  RegisterBuiltinFunction("LOWER", builtin, AsciiLowerInPlace);
  EXPECT_EQ(MacroEval("Lower(cWord)").AsString(), "haus");
}

TEST_F(MacroTest, AssignmentsReachFieldsVariablesAndElements) {
  MacroEval("FREMD := 'house'");
  EXPECT_EQ(tables.areas[1].values[1].AsString(), "house");
  MacroEval("DTMP->WORT := 'neu'");
  EXPECT_EQ(tables.areas[2].values[0].AsString(), "neu");
  PRIVATE("nCount", 1);
  EXPECT_EQ(MacroEval("nCount += 2").AsNumber(), 3);
  EXPECT_EQ(MacroEval("nCount++").AsNumber(), 3);
  EXPECT_EQ(MacroEval("++nCount").AsNumber(), 5);
  EXPECT_EQ(MEMVARGET("nCount").AsNumber(), 5);
  PRIVATE("aList", Value::Array({1, 2}));
  MacroEval("aList[2] := 'two'");
  EXPECT_EQ(MEMVARGET("aList").At(2).AsString(), "two");
}

// A program's function that stands in for a built-in one for the length of
// a test; the built-in one comes back even when the test stops early.
class StandIn {
 public:
  StandIn(const char* name, PublicFn fn) : name_(name), saved_(*FindFunctionEntry(name)) {
    RegisterFunction(name, std::move(fn));
  }
  ~StandIn() { RegisterBuiltinFunction(name_, saved_.fn, saved_.inPlace); }
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

 private:
  const char* name_;
  FunctionEntry saved_;
};

TEST_F(MacroTest, CodeBlockLiteralsTakeParameters) {
  std::vector<std::string> focused;
  StandIn focus("OrdSetFocus", [&](Args a) {
    if (!a.empty()) focused.push_back(a[0].AsString());
    return Value("DEUENG1");
  });
  Value setter = MacroEval("{|uTag| OrdSetFocus(uTag) }");
  ASSERT_TRUE(setter.IsBlock());
  EXPECT_EQ(setter.Eval("DEUENG2").AsString(), "DEUENG1");
  ASSERT_EQ(focused.size(), 1u);
  EXPECT_EQ(focused[0], "DEUENG2");

  Value adder = MacroEval("{|a| {|b| a + b} }").Eval(10);
  EXPECT_EQ(adder.Eval(5).AsNumber(), 15);

  Value bump = MacroEval("{|x, y| x := x + 1, y}");
  Value x = 1, y;
  bump.EvalRef(x, y);
  EXPECT_EQ(x.AsNumber(), 2);  // parameters are the caller's slots
  EXPECT_TRUE(MacroEval("{|a, b| b}").Eval(1).IsNil());
  EXPECT_EQ(MacroEval("Eval({|n| n * 2}, 21)").AsNumber(), 42);
}

TEST_F(MacroTest, MacroOperatorEvaluatesATextAsAWhole) {
  PRIVATE("cExpr", "1 + 2");
  EXPECT_EQ(MacroEval("&cExpr * 2").AsNumber(), 6);
  EXPECT_EQ(MacroEval("&cExpr. * 3").AsNumber(), 9);
  EXPECT_EQ(MacroEval("&('Upper(' + '\"x\")')").AsString(), "X");
}

TEST_F(MacroTest, MessagesReachObjects) {
  auto e = MakeError(EG_OPEN, 1001, "DBFNTX", "DBUSEAREA");
  PRIVATE("oErr", Value(ObjectPtr(e)));
  EXPECT_EQ(MacroEval("oErr:genCode").AsNumber(), EG_OPEN);
  EXPECT_EQ(MacroEval("oErr:subSystem + '/' + Str(oErr:subCode, 4)").AsString(), "DBFNTX/1001");
  MacroEval("oErr:cargo := 'note'");
  EXPECT_EQ(e->cargo.AsString(), "note");
}

TEST_F(MacroTest, TypeReportsWithoutRunningProgramFunctions) {
  int calls = 0;
  RegisterFunction("SideEffect", [&](Args) {
    ++calls;
    return Value(1);
  });
  PRIVATE("cText", "x");
  EXPECT_EQ(TYPE("1 + 1"), "N");
  EXPECT_EQ(TYPE("'a'"), "C");
  EXPECT_EQ(TYPE("cText"), "C");
  EXPECT_EQ(TYPE("DEUTSCH"), "C");
  EXPECT_EQ(TYPE("STATUS"), "N");
  EXPECT_EQ(TYPE("Date()"), "D");
  EXPECT_EQ(TYPE(".T."), "L");
  EXPECT_EQ(TYPE("{1}"), "A");
  EXPECT_EQ(TYPE("{|| 1}"), "B");
  EXPECT_EQ(TYPE("Upper('a')"), "C");
  EXPECT_EQ(TYPE("cmKeyNo()"), "U");
  EXPECT_EQ(TYPE("nosuchvariable"), "U");
  EXPECT_EQ(TYPE("SideEffect()"), "UI");
  EXPECT_EQ(TYPE("TransChr('a')"), "UI");
  EXPECT_EQ(TYPE("1 +"), "UE");
  EXPECT_EQ(TYPE("'a' + 1"), "UE");
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(MacroEval("Type('cText')").AsString(), "C");
}

TEST_F(MacroTest, DivisionByZeroGoesThroughTheErrorBlock) {
  ErrorLog log;
  log.answer = Value(0);
  ErrorBlockScope guard(log.Block());
  EXPECT_EQ(MacroEval("10 / 0").AsNumber(), 0);
  ASSERT_EQ(log.errors.size(), 1u);
  EXPECT_EQ(log.errors[0]->genCode, EG_ZERODIV);
  EXPECT_EQ(log.errors[0]->operation, "/");
  EXPECT_TRUE(log.errors[0]->canSubstitute);
  log.answer = Value("none");
  EXPECT_EQ(MacroEval("5 % 0").AsString(), "none");
  EXPECT_EQ(log.errors[1]->subCode, 1341);
}

struct BadText {
  const char* text;
  int genCode;
};

class MacroErrors : public MacroTest, public testing::WithParamInterface<BadText> {};

TEST_P(MacroErrors, RaiseAClearErrorAndGiveTheSubstitute) {
  ErrorLog log;
  log.answer = Value("substitute");
  ErrorBlockScope guard(log.Block());
  EXPECT_EQ(MacroEval(GetParam().text), Value("substitute")) << GetParam().text;
  ASSERT_FALSE(log.errors.empty()) << GetParam().text;
  EXPECT_EQ(log.errors.front()->genCode, GetParam().genCode) << GetParam().text;
  EXPECT_FALSE(log.errors.front()->description.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MacroErrors,
    testing::Values(BadText{"upper(", EG_SYNTAX}, BadText{"1 +", EG_SYNTAX}, BadText{"(1", EG_SYNTAX},
                    BadText{"'open", EG_SYNTAX}, BadText{"1 2", EG_SYNTAX}, BadText{"a :=", EG_SYNTAX},
                    BadText{"1 := 2", EG_SYNTAX}, BadText{"{|a, a| a}", EG_SYNTAX}, BadText{"", EG_SYNTAX},
                    BadText{"\x01", EG_SYNTAX}, BadText{".X.", EG_SYNTAX}, BadText{"0d2024", EG_SYNTAX},
                    BadText{"NoSuchFunction(1)", EG_NOFUNC}, BadText{"nosuchvariable", EG_NOVAR},
                    BadText{"NOALIAS->FIELD", EG_NOALIAS}, BadText{"DBUCH->NOFIELD", EG_NOVAR},
                    BadText{"'a' + 1", EG_ARG}, BadText{"-'a'", EG_ARG}, BadText{"1 .AND. .T.", EG_ARG},
                    BadText{"{1}[5]", EG_BOUND}, BadText{"'abc'[1]", EG_ARG},
                    BadText{"Upper(1)", EG_ARG}, BadText{"&('1 +')", EG_SYNTAX}));

TEST_F(MacroTest, SyntaxErrorSaysWhatAndWhere) {
  ErrorLog log;
  ErrorBlockScope guard(log.Block());
  EXPECT_TRUE(MacroCompile("upper(DEUTSCH))").IsNil());
  ASSERT_EQ(log.errors.size(), 1u);
  const ErrorPtr& e = log.errors[0];
  EXPECT_EQ(e->genCode, EG_SYNTAX);
  EXPECT_EQ(e->subCode, 1449);
  EXPECT_EQ(e->description, "Syntax error: unexpected ')' at position 15 in \"upper(DEUTSCH))\"");
}

// A text compiled once words its error in the language selected when the
// error is raised; the German details keep the table's code page 850.
TEST_F(MacroTest, SyntaxErrorDetailsFollowTheLanguageTable) {
  ErrorLog log;
  ErrorBlockScope guard(log.Block());
  HB_LANGSELECT("DE");
  for (const char* text : {"upper(DEUTSCH))", "{|a b| a}", "0d20241399", "", "{|a, a| a}", "1 \x01"})
    EXPECT_TRUE(MacroCompile(text).IsNil()) << text;
  HB_LANGSELECT("EN");
  EXPECT_TRUE(MacroCompile("{|a b| a}").IsNil());
  ASSERT_EQ(log.errors.size(), 7u);
  EXPECT_EQ(log.errors[0]->description, "Syntaxfehler: unerwartet: ')' an Position 15 in \"upper(DEUTSCH))\"");
  EXPECT_EQ(log.errors[1]->description, "Syntaxfehler: ',' erwartet, Name gefunden an Position 5 in \"{|a b| a}\"");
  EXPECT_EQ(log.errors[2]->description,
            "Syntaxfehler: ung\x81" "ltiges Datumsliteral an Position 1 in \"0d20241399\"");
  EXPECT_EQ(Cp850To1252(log.errors[2]->description),
            "Syntaxfehler: ung\xFC" "ltiges Datumsliteral an Position 1 in \"0d20241399\"");
  EXPECT_EQ(log.errors[3]->description, "Syntaxfehler: leerer Ausdruck in \"\"");
  EXPECT_EQ(log.errors[4]->description, "Syntaxfehler: Parameter A doppelt benannt an Position 6 in \"{|a, a| a}\"");
  EXPECT_EQ(log.errors[5]->description, "Syntaxfehler: unerwartetes Byte 0x01 an Position 3 in \"1 \x01\"");
  EXPECT_EQ(log.errors[6]->description, "Syntax error: expected ',', found name at position 5 in \"{|a b| a}\"");
}

TEST_F(MacroTest, RunawayNestingAndRecursionEndInErrors) {
  ErrorLog log;
  ErrorBlockScope guard(log.Block());
  std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
  EXPECT_TRUE(MacroEval(deep).IsNil());
  std::string longSum = "1";
  for (int i = 0; i < 5000; ++i) longSum += "+1";
  EXPECT_TRUE(MacroEval(longSum).IsNil());
  std::string wide = "1";
  for (int i = 0; i < 150; ++i) wide += "+1";
  EXPECT_EQ(MacroEval(wide).AsNumber(), 151);
  ASSERT_EQ(log.errors.size(), 2u);
  EXPECT_EQ(log.errors[0]->genCode, EG_SYNTAX);

  PRIVATE("bSelf");
  MacroEval("bSelf := {|| Eval(bSelf) }");
  EXPECT_TRUE(MacroEval("Eval(bSelf)").IsNil());
  ASSERT_EQ(log.errors.size(), 3u);
  EXPECT_EQ(log.errors[2]->genCode, EG_COMPLEXITY);
  PRIVATE("cLoop", "&cLoop");
  MacroEval("&cLoop");
  ASSERT_EQ(log.errors.size(), 4u);
  EXPECT_EQ(log.errors[3]->genCode, EG_COMPLEXITY);
}

#if !defined(_WIN32)
// Counts the allocations of this test program (native builds only).
std::atomic<long> gAllocations{0};
}  // namespace
}  // namespace rt

// The replacements are kept out of line: inlined into a caller, GCC 12 pairs
// the malloc() and free() it sees there with the other side's operator and
// warns of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t n) {
  rt::gAllocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace rt {
namespace {

TEST_F(MacroTest, EvaluatingACompiledExpressionAllocatesNothingOfItsOwn) {
  PRIVATE("nA", 20);
  PRIVATE("nB", 2);
  Value block = MacroCompile("IIF(nA > nB .AND. STATUS = 1, nA * 2 + Abs(nB) - Int(DBUCH->STATUS), 0)");
  ASSERT_TRUE(block.IsBlock());
  EXPECT_EQ(block.Eval().AsNumber(), 41);
  const long before = gAllocations.load();
  Value r;
  for (int i = 0; i < 100; ++i) r = block.Eval();
  EXPECT_EQ(gAllocations.load() - before, 0);
  EXPECT_EQ(r.AsNumber(), 41);
}

// A message by name, in any case, is looked up without copying the name,
// assignments included; names longer than a string keeps in place show a
// copy.
class WordCounter : public Object {
 public:
  RT_CLASS_DECL()
  long nCountOfEveryWordInTheTable = 0;
};

const ClassInfo& WordCounter::ClassDef() {
  static const ClassInfo info("TWORDCOUNTERFORSENDS", &Object::ClassDef(), FactoryOf<WordCounter>(), [](ClassInfo& c) {
    ClassBuilder<WordCounter>(c).Data("nCountOfEveryWordInTheTable", &WordCounter::nCountOfEveryWordInTheTable);
  });
  return info;
}

TEST(SendByName, AllocatesNothing) {
  const Value counter(std::make_shared<WordCounter>());
  Send(counter, "NCOUNTOFEVERYWORDINTHETABLE");
  Value slots[] = {Value(7)};
  const long before = gAllocations.load();
  for (int i = 0; i < 100; ++i) Send(counter, "_nCountOfEveryWordInTheTable", Args(slots, 1));
  const Value count = Send(counter, "ncountofeverywordinthetable");
  EXPECT_EQ(gAllocations.load() - before, 0);
  EXPECT_EQ(count.AsNumber(), 7);
}
#endif

}  // namespace
}  // namespace rt
