// TRANSFORM with the pictures the programs use, exact texts.
#include <gtest/gtest.h>

#include "runtime/dates.h"
#include "runtime/settings.h"
#include "runtime/transform.h"

namespace rt {
namespace {

struct PictureCase {
  Value value;
  const char* picture;
  const char* expected;
};

class Transform : public testing::TestWithParam<PictureCase> {
 protected:
  void SetUp() override {
    saved_ = Sets();
    Sets().decimals = 2;
    Sets().fixed = false;
    Sets().dateFormat = "dd.mm.yy";
    Sets().century = false;
  }
  void TearDown() override { Sets() = saved_; }

 private:
  SetTable saved_;
};

TEST_P(Transform, GivesTheExactText) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(TRANSFORM(c.value, c.picture), c.expected) << "picture \"" << c.picture << "\"";
}

const Value k150 = Value::Num(1.5, 4, 2);  // the literal 1.50

INSTANTIATE_TEST_SUITE_P(
    Numbers, Transform,
    testing::Values(PictureCase{Value(12.5), "999.99", " 12.50"}, PictureCase{Value(0), "999.99", "  0.00"},
                    PictureCase{Value(-3.14159), "999.99", " -3.14"},
                    PictureCase{Value(1234.5), "999.99", "***.**"},
                    PictureCase{Value(1234.5), "@E 999,999", "  1.235"},
                    PictureCase{Value(1234.5), "@E 999,999.99", "  1.234,50"},
                    PictureCase{Value(1234567), "9,999,999", "1,234,567"},
                    PictureCase{Value(1234), "9,999,999", "    1,234"},
                    PictureCase{Value(1234567), "9,999,999 bytes", "1,234,567 bytes"},
                    PictureCase{Value(123456789), "999,999,999,999", "    123,456,789"},
                    PictureCase{Value(999999999999.0), "999,999,999,999", "999,999,999,999"},
                    PictureCase{Value(42), "99999", "   42"}, PictureCase{Value(123456), "99999", "*****"},
                    PictureCase{Value(42), "@K 99999", "   42"}, PictureCase{Value(0), "@Z 999", "   "},
                    PictureCase{Value(5), "@Z 999", "  5"}, PictureCase{Value(42), "@B 99999", "42   "},
                    PictureCase{Value(42), "@C 999", " 42 CR"}, PictureCase{Value(-42), "@C 999", "-42"},
                    PictureCase{Value(-42), "@X 999", " 42 DB"}, PictureCase{Value(42), "@X 999", " 42"},
                    PictureCase{Value(-42), "@( 999", "(42)"}, PictureCase{Value(-5), "@( 999", " (5)"},
                    PictureCase{Value(5), "$$$9", "$$$5"}, PictureCase{Value(5), "***9", "***5"},
                    PictureCase{Value(1234.5), "", "      1234.50"}, PictureCase{k150, "", "1.50"},
                    PictureCase{k150, "@E", "1,50"}, PictureCase{Value(7), "@B", "7         "},
                    PictureCase{Value(0), "@Z", "          "}, PictureCase{Value(2.5), "9", "3"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, Transform,
    testing::Values(PictureCase{Value("hello"), "@!", "HELLO"}, PictureCase{Value("hello"), "", "hello"},
                    PictureCase{Value("\xE4" "bc"), "@!", "\xE4" "BC"},
                    PictureCase{Value("abcdef"), "@R XX-XX", "ab-cd"},
                    PictureCase{Value("abcdef"), "XX-XX", "ab-de"}, PictureCase{Value("ab"), "@R XX-XX", "ab   "},
                    PictureCase{Value("ab"), "XXXX", "ab"}, PictureCase{Value("hello world"), "!XXXXXXXXXX", "Hello world"},
                    PictureCase{Value("hello"), "@K", "hello"}, PictureCase{Value("12345678"), "@K 99999", "12345"},
                    PictureCase{Value("abc"), "@!R X-X", "A-B"}, PictureCase{Value(""), "@!", ""}));

INSTANTIATE_TEST_SUITE_P(
    DatesAndLogicals, Transform,
    testing::Values(PictureCase{Value(MakeDate(2024, 1, 31)), "", "31.01.24"},
                    PictureCase{Value(MakeDate(2024, 1, 31)), "@D", "31.01.24"},
                    PictureCase{Value(MakeDate(2024, 1, 31)), "@E", "31/01/24"},
                    PictureCase{Value(Date{}), "", "  .  .  "}, PictureCase{Value(Date{}), "@Z", "        "},
                    PictureCase{Value(true), "", "T"}, PictureCase{Value(false), "Y", "N"},
                    PictureCase{Value(true), "L", "T"}, PictureCase{Value(), "", ""},
                    PictureCase{Value::Array({1}), "@!", ""}));

TEST(TransformCentury, EuropeanDatesFollowTheCentury) {
  SetTable saved = Sets();
  Sets().century = true;
  Sets().dateFormat = "dd.mm.yyyy";
  EXPECT_EQ(TRANSFORM(Value(MakeDate(2024, 1, 31)), "@E"), "31/01/2024");
  EXPECT_EQ(TRANSFORM(Value(MakeDate(2024, 1, 31)), ""), "31.01.2024");
  Sets() = saved;
}

}  // namespace
}  // namespace rt
