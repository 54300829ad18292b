// Day numbers, date parts and names, DTOC/CTOD in both date formats.
#include <gtest/gtest.h>

#include <regex>

#include "runtime/codepage.h"
#include "runtime/dates.h"
#include "runtime/lang.h"
#include "runtime/settings.h"

namespace rt {
namespace {

class DateSettings : public testing::Test {
 protected:
  void SetUp() override { saved_ = Sets(); }
  void TearDown() override {
    Sets() = saved_;
    HB_LANGSELECT("EN");
  }
  static void German(bool century) {
    Sets().dateFormat = century ? "dd.mm.yyyy" : "dd.mm.yy";
    Sets().century = century;
  }

 private:
  SetTable saved_;
};

TEST(Dates, DayNumbers) {
  EXPECT_EQ(MakeDate(2000, 1, 1).julian, 2451545);
  EXPECT_EQ(MakeDate(2024, 2, 29).julian - MakeDate(2024, 2, 28).julian, 1);
  EXPECT_EQ(MakeDate(2023, 2, 29).julian, 0);
  EXPECT_EQ(MakeDate(2024, 13, 1).julian, 0);
  EXPECT_EQ(MakeDate(1900, 2, 29).julian, 0);
  EXPECT_NE(MakeDate(2000, 2, 29).julian, 0);
  for (int jd : {2299161, 2415021, 2451545, 2460341, 5373484}) {
    int y, m, d;
    SplitDate(Date{jd}, &y, &m, &d);
    EXPECT_EQ(MakeDate(y, m, d).julian, jd);
  }
  int y, m, d;
  SplitDate(Date{}, &y, &m, &d);
  EXPECT_EQ(y + m + d, 0);
}

TEST(Dates, PartsAndNames) {
  const Date d = MakeDate(2024, 1, 31);
  EXPECT_EQ(DAY(d), 31);
  EXPECT_EQ(MONTH(d), 1);
  EXPECT_EQ(YEAR(d), 2024);
  EXPECT_EQ(DOW(d), 4);  // a Wednesday
  EXPECT_EQ(DOW(MakeDate(2000, 1, 1)), 7);
  EXPECT_EQ(DOW(MakeDate(2024, 2, 4)), 1);
  EXPECT_EQ(DOW(Date{}), 0);
  EXPECT_EQ(CDOW(d), "Wednesday");
  EXPECT_EQ(CMONTH(d), "January");
  EXPECT_EQ(CDOW(Date{}), "");
  EXPECT_EQ(CMONTH(Date{}), "");
}

TEST_F(DateSettings, GermanNamesAreCodePage850) {
  HB_LANGSELECT("DE");
  const Date march = MakeDate(2024, 3, 6);
  EXPECT_EQ(CMONTH(march), "M\x84rz");
  EXPECT_EQ(Cp850To1252(CMONTH(march)), "M\xE4rz");
  EXPECT_EQ(CDOW(march), "Mittwoch");
  EXPECT_EQ(CDOW(MakeDate(2024, 3, 3)), "Sonntag");
}

TEST(Dates, DtosAndStod) {
  EXPECT_EQ(DTOS(MakeDate(2024, 1, 31)), "20240131");
  EXPECT_EQ(DTOS(Date{}), "        ");
  EXPECT_EQ(STOD("20240131").julian, MakeDate(2024, 1, 31).julian);
  EXPECT_EQ(STOD("2024013").julian, 0);
  EXPECT_EQ(STOD("        ").julian, 0);
  EXPECT_EQ(STOD("20241301").julian, 0);
}

struct DateText {
  bool century;
  int year, month, day;  // 0: the empty date
  const char* text;
};

class DtocCtod : public DateSettings, public testing::WithParamInterface<DateText> {};

TEST_P(DtocCtod, RoundTrip) {
  const DateText& c = GetParam();
  German(c.century);
  Sets().epoch = 1950;
  const Date d = c.year ? MakeDate(c.year, c.month, c.day) : Date{};
  EXPECT_EQ(DTOC(d), c.text);
  EXPECT_EQ(CTOD(c.text).julian, d.julian) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Table, DtocCtod,
                         testing::Values(DateText{false, 2024, 1, 31, "31.01.24"},
                                         DateText{false, 1999, 12, 24, "24.12.99"},
                                         DateText{false, 2049, 7, 1, "01.07.49"},
                                         DateText{false, 1950, 7, 1, "01.07.50"},
                                         DateText{false, 0, 0, 0, "  .  .  "},
                                         DateText{true, 2024, 1, 31, "31.01.2024"},
                                         DateText{true, 1887, 3, 9, "09.03.1887"},
                                         DateText{true, 0, 0, 0, "  .  .    "}));

TEST_F(DateSettings, CtodReadsLooseAndRejectsBadDates) {
  German(false);
  EXPECT_EQ(CTOD("1.2.2024").julian, MakeDate(2024, 2, 1).julian);
  EXPECT_EQ(CTOD("31.01.24").julian, MakeDate(1924, 1, 31).julian);  // SET EPOCH 1900
  Sets().epoch = 1980;
  EXPECT_EQ(CTOD("31.01.24").julian, MakeDate(2024, 1, 31).julian);
  EXPECT_EQ(CTOD("31.01.85").julian, MakeDate(1985, 1, 31).julian);
  EXPECT_EQ(CTOD("").julian, 0);
  EXPECT_EQ(CTOD("32.01.24").julian, 0);
  EXPECT_EQ(CTOD("29.02.23").julian, 0);
  EXPECT_EQ(CTOD("31.01").julian, 0);
  EXPECT_EQ(CTOD("  -  -  ").julian, 0);
}

TEST_F(DateSettings, FormatFollowsTheCenturySetting) {
  Sets().dateFormat = "dd.mm.yy";
  Sets().century = true;
  EXPECT_EQ(DateFormat(), "dd.mm.yyyy");
  EXPECT_EQ(DTOC(MakeDate(2024, 1, 31)), "31.01.2024");
  Sets().dateFormat = "dd.mm.yyyy";
  Sets().century = false;
  EXPECT_EQ(DTOC(MakeDate(2024, 1, 31)), "31.01.24");
  Sets().dateFormat = "mm/dd/yy";
  EXPECT_EQ(DTOC(MakeDate(2024, 1, 31)), "01/31/24");
  EXPECT_EQ(CTOD("01/31/24").julian, MakeDate(1924, 1, 31).julian);
  Sets().dateFormat = "yyyy.mm.dd";
  Sets().century = true;
  EXPECT_EQ(DTOC(MakeDate(2024, 1, 31)), "2024.01.31");
  EXPECT_EQ(CTOD("2024.01.31").julian, MakeDate(2024, 1, 31).julian);
}

TEST(Dates, ClockReadings) {
  EXPECT_TRUE(std::regex_match(TIME(), std::regex("[0-2][0-9]:[0-5][0-9]:[0-5][0-9]")));
  const double s = SECONDS();
  EXPECT_GE(s, 0);
  EXPECT_LT(s, 86400);
  EXPECT_GT(DATE().julian, MakeDate(2020, 1, 1).julian);
}

TEST(Dates, TimeTextPadsEachPartToTwoDigits) {
  EXPECT_EQ(TimeText(9, 5, 7), "09:05:07");
  EXPECT_EQ(TimeText(23, 59, 59), "23:59:59");
  EXPECT_EQ(TimeText(0, 0, 0), "00:00:00");
}

}  // namespace
}  // namespace rt
