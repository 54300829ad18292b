#include "services/date_text.h"

#include <cstdio>

#include "runtime/settings.h"

namespace svc {
namespace {

// Julian day number to the Gregorian calendar (Fliegel and Van Flandern).
void Ymd(std::int32_t jd, int& y, int& m, int& d) {
  std::int64_t l = jd + 68569;
  std::int64_t n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  std::int64_t i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  std::int64_t j = 80 * l / 2447;
  d = static_cast<int>(l - 2447 * j / 80);
  l = j / 11;
  m = static_cast<int>(j + 2 - 12 * l);
  y = static_cast<int>(100 * (n - 49) + i + l);
}

std::string Digits(int value, std::size_t width, bool blank) {
  if (blank) return std::string(width, ' ');
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", static_cast<int>(width), value);
  std::string s(buf);
  return s.substr(s.size() - width);
}

}  // namespace

std::string DateText(std::int32_t julian) {
  int y = 0, m = 0, d = 0;
  const bool empty = julian <= 0;
  if (!empty) Ymd(julian, y, m, d);
  const std::string& format = rt::Sets().dateFormat;
  std::string out;
  for (std::size_t i = 0; i < format.size();) {
    char c = static_cast<char>(format[i] | 0x20);
    std::size_t run = 1;
    while (i + run < format.size() && static_cast<char>(format[i + run] | 0x20) == c) ++run;
    if (c == 'y') {
      out += Digits(y, rt::Sets().century ? 4 : 2, empty);
    } else if (c == 'm' || c == 'd') {
      out += Digits(c == 'm' ? m : d, 2, empty);
    } else {
      out.append(format, i, run);
    }
    i += run;
  }
  return out;
}

}  // namespace svc
