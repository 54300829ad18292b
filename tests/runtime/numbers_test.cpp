// STR, STRZERO, VAL and the number functions, with exact texts.
#include <gtest/gtest.h>

#include <optional>

#include "runtime/error.h"
#include "runtime/numbers.h"
#include "runtime/settings.h"

namespace rt {
namespace {

class SettingsGuard {
 public:
  SettingsGuard() : saved_(Sets()) {}
  ~SettingsGuard() { Sets() = saved_; }

 private:
  SetTable saved_;
};

struct StrCase {
  Value n;
  std::optional<int> width;
  std::optional<int> dec;
  const char* expected;
};

class Str : public testing::TestWithParam<StrCase> {};

TEST_P(Str, GivesTheExactText) {
  SettingsGuard guard;
  Sets().decimals = 2;
  Sets().fixed = false;
  const StrCase& c = GetParam();
  EXPECT_EQ(STR(c.n, c.width, c.dec), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Str,
    testing::Values(StrCase{Value(123), {}, {}, "       123"}, StrCase{Value(-5), {}, {}, "        -5"},
                    StrCase{Value::Num(1.5, 4, 2), {}, {}, "1.50"},           // the literal 1.50
                    StrCase{Value(10.0 / 4), {}, {}, "         2.50"},        // computed: SET DECIMALS
                    StrCase{Value::Num(1e10, 0, 0), {}, {}, "         10000000000"},
                    StrCase{Value(123.456), 8, 2, "  123.46"}, StrCase{Value(1.005), 5, 2, " 1.01"},
                    StrCase{Value(2.675), 4, 2, "2.68"}, StrCase{Value(-0.004), 5, 2, " 0.00"},
                    StrCase{Value(0.5), 3, {}, "  1"}, StrCase{Value(-0.5), 3, {}, " -1"},
                    StrCase{Value(2.5), 3, 0, "  3"}, StrCase{Value(12345), 3, {}, "***"},
                    StrCase{Value(1e15), 5, 2, "*****"}, StrCase{Value(7), 0, {}, "         7"},
                    StrCase{Value(-1234.5), 9, 1, "  -1234.5"}, StrCase{Value(0.1 + 0.2), 4, 2, "0.30"}));

TEST(StrSettings, FixedAndDecimals) {
  SettingsGuard guard;
  Sets().decimals = 3;
  Sets().fixed = true;
  EXPECT_EQ(STR(Value::Num(1.5, 4, 2)), "1.500");
  EXPECT_EQ(STR(Value(7)), "         7");  // integers keep no decimals
  Sets().fixed = false;
  Sets().decimals = 4;
  EXPECT_EQ(STR(Value(1.0 / 3)), "         0.3333");
  EXPECT_EQ(STR(Value::Num(1.5, 4, 2)), "1.50");
}

TEST(StrZero, PadsWithZerosAndKeepsTheSignInFront) {
  EXPECT_EQ(STRZERO(Value(5), 4), "0005");
  EXPECT_EQ(STRZERO(Value(-5), 4), "-005");
  EXPECT_EQ(STRZERO(Value(1.5), 6, 2), "001.50");
  EXPECT_EQ(STRZERO(Value(12345), 3), "***");
}

TEST(Val, ReadsLeadingNumbers) {
  Value v = VAL("12.50");
  EXPECT_EQ(v.AsNumber(), 12.5);
  EXPECT_EQ(v.AsNumberInfo().dec, 2);
  EXPECT_EQ(STR(v), "12.50");
  EXPECT_EQ(VAL("  -3").AsNumber(), -3);
  EXPECT_EQ(STR(VAL("  42")), "  42");
  EXPECT_EQ(VAL("abc").AsNumber(), 0);
  EXPECT_EQ(VAL("1.2.3").AsNumber(), 1.2);
  EXPECT_EQ(VAL("").AsNumber(), 0);
  EXPECT_EQ(VAL("7kg").AsNumber(), 7);
}

TEST(NumberFunctions, IntRoundAbsMinMaxMod) {
  EXPECT_EQ(INT(Value(-2.7)).AsNumber(), -2);
  EXPECT_EQ(INT(Value(2.7)).AsNumberInfo().dec, 0);
  EXPECT_EQ(ROUND(Value(2.5), 0).AsNumber(), 3);
  EXPECT_EQ(ROUND(Value(-2.5), 0).AsNumber(), -3);
  EXPECT_EQ(ROUND(Value(1234.5678), 2).AsNumber(), 1234.57);
  EXPECT_EQ(ROUND(Value(1250), -2).AsNumber(), 1300);
  EXPECT_EQ(STR(ROUND(Value(1.005), 2)), "         1.01");
  EXPECT_EQ(ABS(Value(-3)).AsNumber(), 3);
  EXPECT_EQ(MIN(Value(2), Value(-1)).AsNumber(), -1);
  EXPECT_EQ(MAX(Value(2), Value(-1)).AsNumber(), 2);
  EXPECT_EQ(MAX(Value(Date{10}), Value(Date{20})).AsJulian(), 20);
  EXPECT_EQ(MOD(Value(-5), Value(3)).AsNumber(), 1);
  EXPECT_EQ(MOD(Value(5), Value(-3)).AsNumber(), -1);
  EXPECT_EQ(MOD(Value(5), Value(3)).AsNumber(), 2);
  EXPECT_EQ(MOD(Value(6), Value(3)).AsNumber(), 0);

  ErrorBlockScope block(Value::Block([](Args a) {
    EXPECT_EQ(a[0].As<Error>()->genCode, EG_ZERODIV);
    return Value(-1);
  }));
  EXPECT_EQ(MOD(Value(5), Value(0)).AsNumber(), -1);
}

TEST(NumberFunctions, BinaryConversions) {
  EXPECT_EQ(I2BIN(1), std::string("\x01\x00", 2));
  EXPECT_EQ(I2BIN(-1), "\xFF\xFF");
  EXPECT_EQ(BIN2I("\xFF\xFF"), -1);
  EXPECT_EQ(BIN2I(I2BIN(12345)), 12345);
  EXPECT_EQ(BIN2I("\x01"), 1);
  EXPECT_EQ(BIN2I(""), 0);
  EXPECT_EQ(L2BIN(0x01020304), "\x04\x03\x02\x01");
  EXPECT_EQ(BIN2L(L2BIN(-70000)), -70000);
}

}  // namespace
}  // namespace rt
