#include "runtime/dates.h"

#include <cstdint>
#include <cstdio>

#include "runtime/lang.h"
#include "runtime/os.h"
#include "runtime/settings.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// The year part of a format: a run of y or Y.
struct YearRun {
  std::size_t pos;
  std::size_t len;
};

YearRun FindYear(std::string_view fmt) {
  std::string up = AsciiUpper(fmt);
  std::size_t p = up.find('Y');
  if (p == std::string::npos) return {std::string::npos, 0};
  std::size_t e = p;
  while (e < up.size() && up[e] == 'Y') ++e;
  return {p, e - p};
}

}  // namespace

Date MakeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return Date{};
  // Fliegel and Van Flandern's conversion of a Gregorian date.
  const long a = (14 - month) / 12;
  const long y = year + 4800 - a;
  const long m = month + 12 * a - 3;
  return Date{static_cast<std::int32_t>(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045)};
}

void SplitDate(Date d, int* year, int* month, int* day) {
  if (d.julian <= 0) {
    *year = *month = *day = 0;
    return;
  }
  const std::int64_t a = std::int64_t{d.julian} + 32044;
  const std::int64_t b = (4 * a + 3) / 146097;
  const std::int64_t c = a - 146097 * b / 4;
  const std::int64_t e = (4 * c + 3) / 1461;
  const std::int64_t f = c - 1461 * e / 4;
  const std::int64_t m = (5 * f + 2) / 153;
  *day = static_cast<int>(f - (153 * m + 2) / 5 + 1);
  *month = static_cast<int>(m + 3 - 12 * (m / 10));
  *year = static_cast<int>(100 * b + e - 4800 + m / 10);
}

Date DATE() {
  os::LocalTime t = os::Now();
  return MakeDate(t.year, t.month, t.day);
}

std::string TIME() {
  os::LocalTime t = os::Now();
  return TimeText(t.hour, t.minute, t.second);
}

std::string TimeText(int hour, int minute, int second) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour % 100, minute % 100, second % 100);
  return buf;
}

double SECONDS() {
  os::LocalTime t = os::Now();
  return t.hour * 3600.0 + t.minute * 60.0 + t.second + (t.millisecond / 10) / 100.0;
}

int DAY(Date d) {
  int y, m, dd;
  SplitDate(d, &y, &m, &dd);
  return dd;
}

int MONTH(Date d) {
  int y, m, dd;
  SplitDate(d, &y, &m, &dd);
  return m;
}

int YEAR(Date d) {
  int y, m, dd;
  SplitDate(d, &y, &m, &dd);
  return y;
}

int DOW(Date d) {
  if (d.julian <= 0) return 0;
  return static_cast<int>((std::int64_t{d.julian} + 1) % 7) + 1;
}

std::string CDOW(Date d) {
  int dow = DOW(d);
  return dow == 0 ? std::string() : std::string(CurrentLang().days[static_cast<std::size_t>(dow - 1)]);
}

std::string CMONTH(Date d) {
  int m = MONTH(d);
  return m == 0 ? std::string() : std::string(CurrentLang().months[static_cast<std::size_t>(m - 1)]);
}

std::string DTOS(Date d) {
  int y, m, dd;
  SplitDate(d, &y, &m, &dd);
  if (y == 0) return std::string(8, ' ');
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", y % 10000, m % 100, dd % 100);
  return buf;
}

Date STOD(std::string_view text) {
  if (text.size() < 8) return Date{};
  int v[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  std::size_t p = 0;
  for (int k = 0; k < 3; ++k) {
    for (int i = 0; i < widths[k]; ++i, ++p) {
      char c = text[p];
      if (c < '0' || c > '9') return Date{};
      v[k] = v[k] * 10 + (c - '0');
    }
  }
  return MakeDate(v[0], v[1], v[2]);
}

std::string DateFormat() {
  std::string fmt = Sets().dateFormat;
  YearRun y = FindYear(fmt);
  if (y.pos == std::string::npos) return fmt;
  const std::size_t want = Sets().century ? 4 : 2;
  if (y.len != want) fmt.replace(y.pos, y.len, want, fmt[y.pos]);
  return fmt;
}

std::string DTOC(Date d) { return DateToText(d, DateFormat()); }

std::string DateToText(Date d, std::string_view fmt) {
  int year, month, day;
  SplitDate(d, &year, &month, &day);
  const bool empty = year == 0;
  const std::string up = AsciiUpper(fmt);
  std::string out(fmt);
  // Each run of D, M or Y takes the value's last digits, as many as the run is long.
  for (std::size_t i = 0; i < up.size();) {
    char c = up[i];
    if (c != 'D' && c != 'M' && c != 'Y') {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < up.size() && up[j] == c) ++j;
    long v = c == 'D' ? day : c == 'M' ? month : year;
    for (std::size_t k = j; k > i; --k) {
      out[k - 1] = empty ? ' ' : static_cast<char>('0' + v % 10);
      v /= 10;
    }
    i = j;
  }
  return out;
}

Date CTOD(std::string_view text) {
  const std::string up = AsciiUpper(DateFormat());
  // Read the digit groups of the text in order; the format says which group
  // is the day, the month and the year.
  int order[3];
  int n = 0;
  for (std::size_t i = 0; i < up.size() && n < 3;) {
    char c = up[i];
    if (c == 'D' || c == 'M' || c == 'Y') {
      bool seen = false;
      for (int k = 0; k < n; ++k) seen = seen || order[k] == c;
      if (!seen) order[n++] = c;
      while (i < up.size() && up[i] == c) ++i;
    } else {
      ++i;
    }
  }
  if (n < 3) return Date{};
  long value[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int group = 0;
  std::size_t i = 0;
  while (i < text.size() && group < 3) {
    while (i < text.size() && (text[i] < '0' || text[i] > '9')) ++i;
    if (i >= text.size()) break;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      if (digits[group] < 9) value[group] = value[group] * 10 + (text[i] - '0');
      ++digits[group];
      ++i;
    }
    ++group;
  }
  if (group < 3) return Date{};
  int year = 0, month = 0, day = 0;
  for (int k = 0; k < 3; ++k) {
    if (order[k] == 'D') day = static_cast<int>(value[k]);
    if (order[k] == 'M') month = static_cast<int>(value[k]);
    if (order[k] == 'Y') {
      year = static_cast<int>(value[k]);
      if (digits[k] <= 2) {
        const int epoch = Sets().epoch;
        year += (epoch / 100) * 100;
        if (year < epoch) year += 100;
      }
    }
  }
  return MakeDate(year, month, day);
}

}  // namespace rt
