// CVALTOCHAR, UVALBLANK and the arithmetic operators.
#include <gtest/gtest.h>

#include "runtime/arith.h"
#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/numbers.h"
#include "runtime/settings.h"
#include "runtime/value_text.h"

namespace rt {
namespace {

TEST(ValueText, CValToChar) {
  SetTable saved = Sets();
  Sets().dateFormat = "dd.mm.yy";
  Sets().century = false;
  Sets().decimals = 2;
  EXPECT_EQ(CVALTOCHAR(Value::Num(1.5, 4, 2)), "1.50");
  EXPECT_EQ(CVALTOCHAR(Value()), "");
  EXPECT_EQ(CVALTOCHAR(Value(7)), "7");
  EXPECT_EQ(CVALTOCHAR(Value(-7)), "-7");
  EXPECT_EQ(CVALTOCHAR(Value(10.0 / 4)), "2.50");
  EXPECT_EQ(CVALTOCHAR(Value("  text  ")), "  text  ");
  EXPECT_EQ(CVALTOCHAR(Value(MakeDate(2024, 1, 31))), "31.01.24");
  EXPECT_EQ(CVALTOCHAR(Value(true)), ".T.");
  EXPECT_EQ(CVALTOCHAR(Value(false)), ".F.");
  EXPECT_EQ(CVALTOCHAR(Value::Block([](Args) { return Value(); })), "{|| ... }");
  EXPECT_EQ(CVALTOCHAR(Value::Array({1})), "{ ... }");
  EXPECT_EQ(CVALTOCHAR(Value(MakeError(EG_ARG, 1, "BASE", "x"))), "Object");
  Sets() = saved;
}

TEST(ValueText, UValBlank) {
  EXPECT_EQ(UVALBLANK(Value("abc")).AsString(), "   ");
  Value zero = UVALBLANK(Value::Num(1.5, 4, 2));
  EXPECT_EQ(zero.AsNumber(), 0);
  EXPECT_EQ(STR(zero), "0.00");
  EXPECT_EQ(UVALBLANK(Value(true)), Value(false));
  EXPECT_EQ(UVALBLANK(Value(MakeDate(2024, 1, 31))).AsJulian(), 0);
  EXPECT_TRUE(UVALBLANK(Value::Array({1})).IsNil());
  EXPECT_TRUE(UVALBLANK(Value()).IsNil());
}

TEST(Arithmetic, NumbersKeepTheirDecimals) {
  SetTable saved = Sets();
  Sets().decimals = 2;
  const Value a = Value::Num(1.5, 4, 2);  // 1.50
  EXPECT_EQ(STR(Plus(a, Value(1))), "         2.50");
  EXPECT_EQ(STR(Plus(Value(1), Value(2))), "         3");
  EXPECT_EQ(Mult(a, Value::Num(1.5, 3, 1)).AsNumberInfo().dec, 3);
  EXPECT_EQ(STR(Divide(Value(10), Value(4))), "         2.50");
  EXPECT_EQ(Modulus(Value(7), Value(-3)).AsNumber(), 1);
  EXPECT_EQ(Power(Value(2), Value(10)).AsNumber(), 1024);
  EXPECT_EQ(STR(Negate(a)), "        -1.50");  // a computed number: the default width
  Sets() = saved;
}

TEST(Arithmetic, StringsAndDates) {
  EXPECT_EQ(Plus(Value("ab"), Value("cd")).AsString(), "abcd");
  EXPECT_EQ(Minus(Value("ab  "), Value("cd ")).AsString(), "abcd   ");
  EXPECT_EQ(Minus(Value("   "), Value("x")).AsString(), "x   ");
  const Date d = MakeDate(2024, 2, 28);
  EXPECT_EQ(Plus(Value(d), Value(2)).AsJulian(), MakeDate(2024, 3, 1).julian);
  EXPECT_EQ(Plus(Value(1), Value(d)).AsJulian(), MakeDate(2024, 2, 29).julian);
  EXPECT_EQ(Minus(Value(d), Value(28)).AsJulian(), MakeDate(2024, 1, 31).julian);
  EXPECT_EQ(Minus(Value(MakeDate(2025, 1, 1)), Value(MakeDate(2024, 1, 1))).AsNumber(), 366);
  EXPECT_EQ(Plus(Value(Date{}), Value(5)).AsJulian(), 0);  // the empty date stays empty
}

TEST(Arithmetic, DatesBeyondTheYear9999RaiseANumericOverflow) {
  std::vector<int> seen;
  ErrorBlockScope block(Value::Block([&](Args a) {
    seen.push_back(a[0].As<Error>()->genCode);
    return Value(Date{});
  }));
  EXPECT_EQ(Plus(Value(MakeDate(2024, 1, 31)), Value(1e10)).AsJulian(), 0);
  EXPECT_EQ(Minus(Value(MakeDate(2024, 1, 31)), Value(3e6)).AsJulian(), 0);
  EXPECT_EQ(Plus(Value(MakeDate(9999, 12, 30)), Value(1)).AsJulian(), MakeDate(9999, 12, 31).julian);
  EXPECT_EQ(seen, (std::vector<int>{EG_NUMOVERFLOW, EG_NUMOVERFLOW}));
}

TEST(Arithmetic, WrongTypesAndZeroDivisorsGoThroughTheErrorBlock) {
  std::vector<std::pair<int, int>> seen;
  ErrorBlockScope block(Value::Block([&](Args a) {
    auto e = a[0].As<Error>();
    seen.emplace_back(e->genCode, e->subCode);
    return Value(99);
  }));
  EXPECT_EQ(Plus(Value("a"), Value(1)).AsNumber(), 99);
  EXPECT_EQ(Minus(Value(1), Value(MakeDate(2024, 1, 1))).AsNumber(), 99);
  EXPECT_EQ(Mult(Value("a"), Value(2)).AsNumber(), 99);
  EXPECT_EQ(Divide(Value(1), Value(0)).AsNumber(), 99);
  EXPECT_EQ(Modulus(Value(1), Value(0)).AsNumber(), 99);
  EXPECT_EQ(Power(Value(), Value(1)).AsNumber(), 99);
  EXPECT_EQ(Negate(Value("x")).AsNumber(), 99);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{EG_ARG, 1081},
                                                    {EG_ARG, 1082},
                                                    {EG_ARG, 1083},
                                                    {EG_ZERODIV, 1340},
                                                    {EG_ZERODIV, 1341},
                                                    {EG_ARG, 1088},
                                                    {EG_ARG, 1080}}));
}

}  // namespace
}  // namespace rt
