#include <gtest/gtest.h>

#include <type_traits>

#include "runtime/array_cycles.h"
#include "runtime/array_fns.h"
#include "runtime/macro.h"
#include "runtime/memvar.h"
#include "runtime/compare.h"
#include "runtime/settings.h"
#include "runtime/value.h"
#include "runtime/value_fns.h"

namespace rt {
namespace {

// A pointer or handle must not become .T. through the pointer-to-bool
// conversion; character pointers stay texts.
struct OpaqueHandle;
static_assert(!std::is_constructible_v<rt::Value, OpaqueHandle*>);
static_assert(!std::is_constructible_v<rt::Value, const void*>);
static_assert(!std::is_constructible_v<rt::Value, std::nullptr_t>);
static_assert(std::is_constructible_v<rt::Value, char*>);

TEST(Value, ArraysAreSharedAndACloneCopiesDeep) {
  Value a = Value::Array({1, Value::Array({"x"})});
  Value b = a;
  b.At(1) = 99;
  EXPECT_EQ(a.At(1).AsNumber(), 99);

  Value c = ACLONE(a);
  c.At(2).At(1) = "changed";
  EXPECT_EQ(a.At(2).At(1).AsString(), "x");
  EXPECT_FALSE(c.At(2) == a.At(2));
}

TEST(ArrayCycles, FreesArraysOnlyEachOtherHoldAndKeepsWhatIsHeld) {
  CollectArrayCycles();
  const std::size_t before = LiveArrays();
  {
    // Cycles made by xBase code: a self-holding array and two arrays holding
    // each other, both let go when the private variables are released.
    const std::size_t mark = PrivateMark();
    PRIVATE("aSelf", Value::Array({}));
    PRIVATE("aPair", Value());
    MacroEval("AADD(aSelf, aSelf), aPair := {{}, {}}, AADD(aPair[1], aPair[2]), AADD(aPair[2], aPair[1])");
    ReleasePrivates(mark);
  }
  Value held = Value::Array({1});
  held.AsArrayPtr()->items.push_back(held);  // a cycle still held from here
  Value inner = Value::Array({"kept"});
  Value byBlock = Value::Block([inner](Args) { return inner; });
  inner.AsArrayPtr()->items.push_back(inner);  // a cycle a block holds
  inner = Value();
  Value chain = Value::Array({Value::Array({Value::Array({"deep"})})});

  EXPECT_GT(LiveArrays(), before + 5);
  EXPECT_EQ(CollectArrayCycles(), 3u) << "the self-holding array and the pair";
  EXPECT_EQ(LiveArrays(), before + 5);
  EXPECT_EQ(held.Len(), 2u);
  EXPECT_EQ(held.At(2).At(1).AsNumber(), 1);
  EXPECT_EQ(byBlock.Eval().At(1).AsString(), "kept");
  EXPECT_EQ(chain.At(1).At(1).At(1).AsString(), "deep");

  held.AsArrayPtr()->items.clear();
  byBlock.Eval().AsArrayPtr()->items.clear();
  held = byBlock = chain = Value();
  EXPECT_EQ(CollectArrayCycles(), 0u);
  EXPECT_EQ(LiveArrays(), before);
}

TEST(Value, NumbersKeepTheirDecimals) {
  EXPECT_EQ(Value(7).AsNumberInfo().dec, 0);
  EXPECT_EQ(Value::Num(1.50, 4, 2).AsNumberInfo().dec, 2);
  EXPECT_EQ(Value(0.5).AsNumberInfo().dec, -1);
  EXPECT_EQ(Value(-2.9).AsInt(), -2);
  EXPECT_EQ(Value(1e300).AsInt(), std::numeric_limits<long>::max());
}

struct StringCase {
  const char* left;
  const char* right;
  bool exactSet;
  bool eq;       // =
  bool exactEq;  // ==
  bool lt;       // <
};

class StringComparison : public ::testing::TestWithParam<StringCase> {
 protected:
  void TearDown() override { Sets().exact = false; }
};

TEST_P(StringComparison, FollowsSetExact) {
  const StringCase& c = GetParam();
  Sets().exact = c.exactSet;
  EXPECT_EQ(EQ(c.left, c.right), c.eq) << c.left << " = " << c.right;
  EXPECT_EQ(EXACTEQ(c.left, c.right), c.exactEq) << c.left << " == " << c.right;
  EXPECT_EQ(LT(c.left, c.right), c.lt) << c.left << " < " << c.right;
  EXPECT_EQ(NE(c.left, c.right), !c.eq);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StringComparison,
    ::testing::Values(StringCase{"abc", "ab", false, true, false, false},
                      StringCase{"ab", "abc", false, false, false, true},
                      StringCase{"abc", "", false, true, false, false},
                      StringCase{"abc", "abc", false, true, true, false},
                      StringCase{"abc", "ab", true, false, false, false},
                      StringCase{"abc  ", "abc", true, true, false, false},
                      StringCase{"abc  ", "abc", false, true, false, false},
                      StringCase{"ab", "abc", true, false, false, true},
                      // bytes above 127 order as unsigned: "\xC4" (A umlaut) after "Z"
                      StringCase{"Z", "\xC4", false, false, false, true}));

TEST(Value, ComparesNumbersDatesAndLogicals) {
  EXPECT_TRUE(LT(1, 2.5));
  EXPECT_TRUE(EQ(2, 2.0));
  EXPECT_TRUE(GT(Value(Date{2460000}), Value(Date{2459999})));
  EXPECT_TRUE(LT(false, true));
  EXPECT_TRUE(EXACTEQ(Value(), Value()));
  EXPECT_FALSE(EQ(Value(), 0));
  Value a = Value::Array({});
  EXPECT_TRUE(EXACTEQ(a, a));
  EXPECT_FALSE(EXACTEQ(a, Value::Array({})));
}

TEST(Value, BlockWritesByReferenceArguments) {
  Value swap = Value::Block([](Args a) {
    std::swap(a[0], a[1]);
    return Value(true);
  });
  Value x = "left", y = 2;
  EXPECT_TRUE(swap.EvalRef(x, y).AsLogical());
  EXPECT_EQ(x.AsNumber(), 2);
  EXPECT_EQ(y.AsString(), "left");

  Value byValue = 5;
  swap.Eval(byValue, 6);
  EXPECT_EQ(byValue.AsNumber(), 5);
}

TEST(Value, ValtypeAndEmpty) {
  struct Case {
    Value v;
    const char* type;
    bool empty;
  } cases[] = {
      {Value(), "U", true},
      {Value(false), "L", true},
      {Value(true), "L", false},
      {Value(0), "N", true},
      {Value(0.1), "N", false},
      {Value(" \t\r\n"), "C", true},
      {Value(" x"), "C", false},
      {Value(Date{}), "D", true},
      {Value(Date{2451545}), "D", false},
      {Value::Array({}), "A", true},
      {Value::Array({Value()}), "A", false},
      {Value::Block([](Args) { return Value(); }), "B", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VALTYPE(c.v), c.type);
    EXPECT_EQ(EMPTY(c.v), c.empty) << VALTYPE(c.v);
  }
  EXPECT_EQ(LEN("abc"), 3u);
  EXPECT_EQ(LEN(Value::ArrayOf(4)), 4u);
}

std::vector<double> Numbers(const Value& a) {
  std::vector<double> r;
  for (const Value& v : a.Items()) r.push_back(v.IsNil() ? -1 : v.AsNumber());
  return r;
}

TEST(ArrayFunctions, ShiftScanAndSize) {
  Value a = Value::Array({1, 2, 3, 4});
  ADEL(a, 2);
  EXPECT_EQ(Numbers(a), (std::vector<double>{1, 3, 4, -1}));
  AINS(a, 1);
  EXPECT_EQ(Numbers(a), (std::vector<double>{-1, 1, 3, 4}));
  ASIZE(a, 2);
  EXPECT_EQ(Numbers(a), (std::vector<double>{-1, 1}));
  EXPECT_EQ(AADD(a, 7).AsNumber(), 7);
  EXPECT_EQ(ATAIL(a).AsNumber(), 7);
  EXPECT_TRUE(ATAIL(Value::Array({})).IsNil());

  Value words = Value::Array({"Haus", "Hausboot", 3, "Baum"});
  EXPECT_EQ(ASCAN(words, "Hausb"), 2u);  // "=" is non-exact
  EXPECT_EQ(ASCAN(words, 3), 3u);
  EXPECT_EQ(ASCAN(words, "Haus", 2), 2u);
  EXPECT_EQ(ASCAN(words, "Haus", 3, 2), 0u);
  EXPECT_EQ(ASCAN(words, Value::Block([](Args a) { return Value(a[1].AsNumber() == 4); })), 4u);
}

TEST(ArrayFunctions, SortIsStableAndSurvivesInconsistentBlocks) {
  Value a = Value::Array({"b", "a", "c", "a"});
  ASORT(a);
  EXPECT_EQ(a.At(1).AsString(), "a");
  EXPECT_EQ(a.At(4).AsString(), "c");

  Value pairs = Value::Array({Value::Array({2, "x"}), Value::Array({1, "y"}), Value::Array({2, "z"})});
  ASORT(pairs, {}, {}, Value::Block([](Args a) { return Value(LT(a[0].At(1), a[1].At(1))); }));
  EXPECT_EQ(pairs.At(1).At(2).AsString(), "y");
  EXPECT_EQ(pairs.At(2).At(2).AsString(), "x");
  EXPECT_EQ(pairs.At(3).At(2).AsString(), "z");

  Value n = Value::ArrayOf(0);
  for (int i = 0; i < 100; ++i) AADD(n, i % 7);
  ASORT(n, {}, {}, Value::Block([](Args) { return Value(true); }));
  EXPECT_EQ(n.Len(), 100u);

  Value part = Value::Array({5, 4, 3, 2, 1});
  ASORT(part, 2, 3);
  EXPECT_EQ(Numbers(part), (std::vector<double>{5, 2, 3, 4, 1}));
}

TEST(ArrayFunctions, AevalPassesElementAndIndex) {
  Value a = Value::Array({10, 20, 30});
  double sum = 0;
  AEVAL(a, Value::Block([&](Args x) {
          sum += x[0].AsNumber() * x[1].AsNumber();
          return Value();
        }),
        2);
  EXPECT_EQ(sum, 20 * 2 + 30 * 3);
}

}  // namespace
}  // namespace rt
