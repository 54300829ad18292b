// The Get edit buffer: pictures, typed keys and caret moves, and the value
// written back.
#include <gtest/gtest.h>

#include "runtime/dates.h"
#include "runtime/get.h"
#include "runtime/object.h"
#include "runtime/settings.h"

namespace rt {
namespace {

// A variable behind a block, as the fields of a dialog bind theirs.
struct Variable {
  Value value;
  Value Block() {
    return Value::Block([this](Args a) {
      if (a.empty()) return value;
      value = a[0];
      return value;
    });
  }
};

// Keys: a character is typed; {name} is a key: L R H E W(ord left) V(word
// right) D(elete) B(ackspace) .(to decimals) I(nsert mode on) U(ndo).
void Keys(Get& g, std::string_view keys) {
  bool insert = false;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] != '{') {
      insert ? g.Insert(keys[i]) : g.Overstrike(keys[i]);
      continue;
    }
    const char k = keys[++i];
    ++i;  // the closing brace
    switch (k) {
      case 'L': g.Left(); break;
      case 'R': g.Right(); break;
      case 'H': g.Home(); break;
      case 'E': g.End(); break;
      case 'W': g.WordLeft(); break;
      case 'V': g.WordRight(); break;
      case 'D': g.Delete(); break;
      case 'B': g.BackSpace(); break;
      case '.': g.ToDecPos(); break;
      case 'I': insert = true; break;
      case 'U': g.Undo(); break;
      default: FAIL() << "unknown key " << k;
    }
  }
}

class GetTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Sets();
    Sets().dateFormat = "dd.mm.yyyy";
    Sets().century = true;
    Sets().epoch = 1950;
  }
  void TearDown() override { Sets() = saved_; }

  std::shared_ptr<Get> Edit(Value value, const char* picture) {
    var_.value = std::move(value);
    auto g = std::make_shared<Get>();
    g->New(0, 0, var_.Block(), "cVar", picture ? Value(picture) : Value());
    g->SetFocus();
    return g;
  }

  Variable var_;

 private:
  SetTable saved_;
};

struct KeyCase {
  const char* what;
  Value value;
  const char* picture;
  bool clear;  // the clear flag set before the keys, as a field entered by Home sets it for numbers
  const char* keys;
  const char* buffer;
  int pos;
  Value assigned;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

Date Ymd(int y, int m, int d) { return MakeDate(y, m, d); }

class GetKeys : public GetTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(GetKeys, BufferPositionAndValue) {
  const KeyCase& c = GetParam();
  auto g = Edit(c.value, c.picture);
  g->SetClear(c.clear || g->Clear());
  Keys(*g, c.keys);
  EXPECT_EQ(g->Buffer(), c.buffer) << c.what;
  EXPECT_EQ(g->Pos(), c.pos) << c.what;
  g->Assign();
  if (c.assigned.IsNumber()) EXPECT_DOUBLE_EQ(var_.value.AsNumber(), c.assigned.AsNumber()) << c.what;
  else EXPECT_EQ(var_.value, c.assigned) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GetKeys,
    testing::Values(
        KeyCase{"@! upper-cases buffer and typing", Value("haus      "), "@!", false, "ab{I}c", "ABCUS     ", 4,
                Value("ABCUS     ")},
        KeyCase{"no picture edits the text as is", Value("T\xFCr"), nullptr, false, "{E}{D}x", "T\xFCx", 3, Value("T\xFCx")},
        KeyCase{"@R literals are skipped and kept out", Value("1234"), "@R 99/99", false, "{R}{R}7", "12/74", 5,
                Value("1274")},
        KeyCase{"@R template longer than the text", Value("12"), "@R 99-99", false, "{E}78", "12-78", 5,
                Value("1278")},
        KeyCase{"literals without @R stay in the value", Value("12345"), "99-99", false, "7{R}8", "72-85", 5,
                Value("72-85")},
        KeyCase{"@K empties the field on the first key", Value("alt  "), "@K", false, "n", "n    ", 2,
                Value("n    ")},
        KeyCase{"A takes letters only", Value("ab1"), "AA9", false, "1\xE4{R}x", "\xE4""b1", 3, Value("\xE4""b1")},
        KeyCase{"N and 9 refuse what is not theirs", Value("a1"), "N9", false, "-{R}z", "a1", 2, Value("a1")},
        KeyCase{"digits then , jump to the decimals", Value(12.5), "999.99", true, "5{.}25", "  5.25", 6,
                Value(5.25)},
        KeyCase{"letters in numbers are refused", Value(12.5), "999.99", false, "a", " 12.50", 1, Value(12.5)},
        KeyCase{"minus makes the number negative", Value(5), "999", true, "-7", "-7 ", 3, Value(-7)},
        KeyCase{"@E edits with a decimal comma", Value(1234.5), "@E 999,999.99", false, "{.}75", "  1.234,75", 10,
                Value(1234.75)},
        KeyCase{"number without template edits STR's layout", Value::Num(3.5, 5, 1), nullptr, true, "42{.}1",
                " 42.1", 5, Value(42.1)},
        KeyCase{"Delete closes up within the digits", Value(123), "999", false, "{D}", "23 ", 1, Value(23)},
        KeyCase{"dd.mm.yyyy skips the points", Value(Ymd(2024, 1, 31)), nullptr, false, "1503",
                "15.03.2024", 7, Value(Ymd(2024, 3, 15))},
        KeyCase{"31.02. is a bad date and not assigned", Value(Ymd(2024, 1, 31)), nullptr, false, "3102",
                "31.02.2024", 7, Value(Ymd(2024, 1, 31))},
        KeyCase{"logical takes T F Y N", Value(false), nullptr, false, "y", "T", 1, Value(true)},
        KeyCase{"logical with Y template", Value(true), "Y", false, "xf", "N", 1, Value(false)},
        KeyCase{"typed past the end stays at the last slot", Value("  "), "99", false, "123", "12", 2,
                Value("12")},
        KeyCase{"Home and End", Value("ab   "), nullptr, false, "{E}c{H}x", "xbc  ", 2, Value("xbc  ")},
        KeyCase{"word moves", Value("eins zwei drei"), nullptr, false, "{V}{V}D{W}{W}Z", "eins Zwei Drei", 7,
                Value("eins Zwei Drei")},
        KeyCase{"BackSpace at the start does nothing", Value("ab"), nullptr, false, "{B}", "ab", 1, Value("ab")},
        KeyCase{"Undo brings the original back", Value("alt"), nullptr, false, "neu{U}", "alt", 1, Value("alt")}));

TEST_F(GetTest, TypeOutAndRejectedFlags) {
  auto g = Edit(Value("  "), "99");
  g->Overstrike('1');
  EXPECT_FALSE(g->TypeOut());
  g->Overstrike('x');
  EXPECT_TRUE(g->Rejected());
  g->Overstrike('2');
  EXPECT_FALSE(g->Rejected());
  EXPECT_TRUE(g->TypeOut());
  g->Overstrike('3');
  EXPECT_TRUE(g->Rejected()) << "a full field takes nothing more";
  g->Left();
  EXPECT_FALSE(g->TypeOut());
}

TEST_F(GetTest, DatesInBothFormats) {
  Sets().dateFormat = "mm/dd/yy";
  Sets().century = false;
  auto g = Edit(Value(Ymd(2024, 1, 31)), nullptr);
  EXPECT_EQ(g->Buffer(), "01/31/24");
  Keys(*g, "12");
  g->Assign();
  EXPECT_EQ(var_.value, Value(Ymd(2024, 12, 31)));
  g->KillFocus();

  auto e = Edit(Value(Ymd(2024, 1, 31)), "@E");
  EXPECT_EQ(e->Buffer(), "31/01/24");
  Keys(*e, "2902");
  EXPECT_FALSE(e->BadDate());
  e->Assign();
  EXPECT_EQ(var_.value, Value(Ymd(2024, 2, 29)));
  Keys(*e, "{H}30");
  EXPECT_TRUE(e->BadDate());
  e->SetBuffer("  /  /  ");
  EXPECT_FALSE(e->BadDate());
  e->Assign();
  EXPECT_EQ(var_.value, Value(Date{})) << "a blanked date is the empty date";
}

TEST_F(GetTest, FocusOriginalAndChanged) {
  auto g = Edit(Value("abc"), nullptr);
  EXPECT_TRUE(g->HasFocus());
  EXPECT_EQ(g->Type(), "C");
  EXPECT_EQ(g->Name(), "cVar");
  EXPECT_FALSE(g->Changed());
  g->Overstrike('x');
  EXPECT_TRUE(g->Changed());
  var_.value = Value("neu");
  EXPECT_EQ(g->Original(), Value("abc"));
  g->UpdateBuffer();
  EXPECT_EQ(g->Buffer(), "neu");
  g->KillFocus();
  EXPECT_FALSE(g->HasFocus());
  EXPECT_EQ(g->Pos(), 0);
  g->Overstrike('z');
  EXPECT_EQ(var_.value, Value("neu")) << "no editing without the focus";
}

TEST_F(GetTest, ResetAndSetBufferKeepTheLength) {
  auto g = Edit(Value(12.5), "999.99");
  EXPECT_EQ(g->DecPos(), 4);
  g->SetBuffer("7");
  EXPECT_EQ(g->Buffer(), "7     ");
  g->SetBuffer("123456789");
  EXPECT_EQ(g->Buffer(), "123456");
  g->Reset();
  EXPECT_EQ(g->Buffer(), " 12.50");
  EXPECT_FALSE(g->Changed());
}

TEST_F(GetTest, ValuesUnfitForEditingDoNoHarm) {
  auto nil = Edit(Value(), "@!");
  EXPECT_EQ(nil->Type(), "U");
  EXPECT_TRUE(nil->TypeOut());
  nil->Insert('a');
  nil->Delete();
  nil->BackSpace();
  nil->WordRight();
  EXPECT_TRUE(nil->Rejected());
  nil->Assign();
  EXPECT_TRUE(var_.value.IsNil());

  auto logical = Edit(Value(true), "999.99");
  EXPECT_EQ(logical->Buffer(), "T");
  logical->Overstrike('5');
  EXPECT_TRUE(logical->Rejected());

  auto wide = Edit(Value(123456.0), "999.99");
  EXPECT_EQ(wide->Buffer(), "***.**");
  wide->Assign();
  EXPECT_DOUBLE_EQ(var_.value.AsNumber(), 0) << "asterisks read back as no digits";
}

TEST_F(GetTest, MessagesByName) {
  var_.value = Value("ab");
  Value g = CreateObject("GET");
  SendV(g, "New", 1, 2, var_.Block(), "c", "@!");
  SendV(g, "SetFocus");
  EXPECT_EQ(SendV(g, "buffer"), Value("AB"));
  SendV(g, "Overstrike", "z");
  SendV(g, "Assign");
  EXPECT_EQ(var_.value, Value("ZB"));
  SendV(g, "KillFocus");
  EXPECT_TRUE(SendV(g, "buffer").IsNil());
}

}  // namespace
}  // namespace rt
