#include "runtime/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "runtime/error.h"
#include "runtime/settings.h"
#include "runtime/strings.h"

namespace rt {

namespace {

// A double carries 17 significant digits; more decimals add only zeros.
constexpr int kMaxDecimals = 99;

// |value| * 10^dec rounded half away from zero, as a string of decimal
// digits without leading zeros ("0" for zero). Works on the shortest decimal
// form of the double, so that what was written as 1.005 rounds as 1.005.
std::string ScaledDigits(double value, int dec) {
  double a = std::fabs(value);
  if (a == 0) return "0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  std::size_t e = sci.find('e');
  std::string mant;
  for (char c : sci.substr(0, e))
    if (c != '.') mant += c;
  int exp10 = std::atoi(std::string(sci.substr(e + 1)).c_str());
  // a = 0.mant * 10^(exp10 + 1); the scaled value has k digits before its point.
  long k = static_cast<long>(exp10) + 1 + dec;
  if (k < 0) return "0";
  std::string digits;
  bool roundUp = false;
  if (k == 0) {
    roundUp = mant[0] >= '5';
  } else {
    auto uk = static_cast<std::size_t>(k);
    digits = mant.substr(0, std::min(uk, mant.size()));
    if (digits.size() < uk) digits.append(uk - digits.size(), '0');
    roundUp = uk < mant.size() && mant[uk] >= '5';
  }
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0)
      digits.insert(digits.begin(), '1');
    else
      ++digits[i - 1];
  }
  std::size_t nz = digits.find_first_not_of('0');
  return nz == std::string::npos ? "0" : digits.substr(nz);
}

std::string FixedText(double value, int dec) {
  if (dec < 0) dec = 0;
  std::string s = ScaledDigits(value, dec);
  const bool zero = s == "0";
  auto ud = static_cast<std::size_t>(dec);
  if (s.size() < ud + 1) s.insert(0, ud + 1 - s.size(), '0');
  if (dec > 0) s.insert(s.size() - ud, 1, '.');
  if (value < 0 && !zero) s.insert(0, 1, '-');
  return s;
}

ErrorOutcome ArgError(int subCode, const char* op, std::initializer_list<Value> args) {
  auto e = MakeError(EG_ARG, subCode, "BASE", op);
  e->args = Value::Array(args);
  e->canSubstitute = true;
  return RaiseError(e);
}

}  // namespace

std::string FormatNumber(double value, int width, int dec) {
  if (width < 1) width = 1;
  if (StringTooLong(static_cast<std::size_t>(width), "STR")) return {};
  if (dec > kMaxDecimals) dec = kMaxDecimals;
  if (!std::isfinite(value)) return std::string(static_cast<std::size_t>(width), '*');
  std::string s = FixedText(value, dec);
  if (s.size() > static_cast<std::size_t>(width)) return std::string(static_cast<std::size_t>(width), '*');
  s.insert(0, static_cast<std::size_t>(width) - s.size(), ' ');
  return s;
}

double RoundHalfAway(double value, int dec) {
  if (!std::isfinite(value) || dec > kMaxDecimals) return value;
  if (dec < -kMaxDecimals) return 0;
  if (dec < 0) {
    // Rounding to tens, hundreds, ...: scale down, round, scale up.
    double p = std::pow(10.0, -dec);
    return RoundHalfAway(value / p, 0) * p;
  }
  return std::strtod(FixedText(value, dec).c_str(), nullptr);
}

NumberLayout DefaultLayout(const Number& n) {
  const SetTable& set = Sets();
  int dec = n.dec < 0 ? set.decimals : n.dec;
  if (set.fixed && n.dec != 0) dec = set.decimals;
  int intWidth;
  if (n.width > 0) {
    intWidth = n.width - (n.dec > 0 ? n.dec + 1 : 0);
    if (intWidth < 1) intWidth = 1;
  } else {
    intWidth = (n.value >= 1e10 || n.value <= -1e9) ? 20 : 10;
  }
  return {intWidth + (dec > 0 ? dec + 1 : 0), dec};
}

std::string STR(double n, int width, int dec) { return FormatNumber(n, width, dec < 0 ? 0 : dec); }

std::string STR(const Value& n, std::optional<int> width, std::optional<int> dec) {
  if (!n.IsNumber()) {
    return ArgError(1099, "STR", {n}).value.AsString();
  }
  const Number& info = n.AsNumberInfo();
  if (!width) {
    NumberLayout l = DefaultLayout(info);
    return FormatNumber(info.value, l.width, l.dec);
  }
  int w = *width < 1 ? 10 : *width;
  int d = dec ? std::max(*dec, 0) : 0;
  return FormatNumber(info.value, w, d);
}

std::string STRZERO(const Value& n, std::optional<int> width, std::optional<int> dec) {
  std::string s = STR(n, width, dec);
  if (!n.IsNumber()) return s;
  bool negative = false;
  for (char& c : s) {
    if (c == ' ') {
      c = '0';
    } else if (c == '-') {
      negative = true;
      c = '0';
    } else {
      break;
    }
  }
  if (negative) s[0] = '-';
  return s;
}

Value VAL(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string num;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) num += text[i++];
  int decimals = 0;
  bool seenPoint = false, seenDigit = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      num += c;
      seenDigit = true;
      if (seenPoint) ++decimals;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
      num += c;
    } else {
      break;
    }
  }
  double v = seenDigit ? std::strtod(num.c_str(), nullptr) : 0.0;
  return Value::Num(v, static_cast<int>(std::min<std::size_t>(text.size(), 255)), decimals);
}

Value INT(const Value& n) {
  if (!n.IsNumber()) return ArgError(1090, "INT", {n}).value;
  return Value::Num(std::trunc(n.AsNumber()), 0, 0);
}

Value ROUND(const Value& n, int dec) {
  if (!n.IsNumber()) return ArgError(1094, "ROUND", {n, dec}).value;
  return Value::Num(RoundHalfAway(n.AsNumber(), dec), 0, std::clamp(dec, 0, kMaxDecimals));
}

Value ABS(const Value& n) {
  if (!n.IsNumber()) return ArgError(1089, "ABS", {n}).value;
  Number info = n.AsNumberInfo();
  info.value = std::fabs(info.value);
  return Value(info);
}

Value MIN(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return a.AsNumber() <= b.AsNumber() ? a : b;
  if (a.IsDate() && b.IsDate()) return a.AsJulian() <= b.AsJulian() ? a : b;
  return ArgError(1092, "MIN", {a, b}).value;
}

Value MAX(const Value& a, const Value& b) {
  if (a.IsNumber() && b.IsNumber()) return a.AsNumber() >= b.AsNumber() ? a : b;
  if (a.IsDate() && b.IsDate()) return a.AsJulian() >= b.AsJulian() ? a : b;
  return ArgError(1093, "MAX", {a, b}).value;
}

Value MOD(const Value& a, const Value& b) {
  if (!a.IsNumber() || !b.IsNumber()) return ArgError(1085, "%", {a, b}).value;
  double x = a.AsNumber(), base = b.AsNumber();
  if (base == 0) {
    auto e = MakeError(EG_ZERODIV, 1341, "BASE", "%");
    e->args = Value::Array({a, b});
    e->canSubstitute = true;
    return RaiseError(e).value;
  }
  double r = std::fmod(x, base);
  if (r != 0 && ((x > 0) ? base < 0 : base > 0)) r += base;
  const int da = a.AsNumberInfo().dec, db = b.AsNumberInfo().dec;
  return Value::Num(r, 0, (da < 0 || db < 0) ? -1 : std::max(da, db));
}

std::string I2BIN(long n) {
  auto u = static_cast<unsigned long>(n);
  return std::string{static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF)};
}

int BIN2I(std::string_view s) {
  unsigned u = 0;
  for (std::size_t i = 0; i < 2 && i < s.size(); ++i) u |= static_cast<unsigned>(static_cast<unsigned char>(s[i])) << (8 * i);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(u));
}

std::string L2BIN(long n) {
  auto u = static_cast<std::uint32_t>(n);
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>((u >> (8 * i)) & 0xFF);
  return s;
}

std::int32_t BIN2L(std::string_view s) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4 && i < s.size(); ++i)
    u |= static_cast<std::uint32_t>(static_cast<unsigned char>(s[i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

}  // namespace rt
