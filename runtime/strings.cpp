#include "runtime/strings.h"

#include "runtime/dates.h"
#include "runtime/error.h"
#include "runtime/numbers.h"
#include "runtime/text_case.h"

namespace rt {

namespace {

std::size_t Clamp(long n) { return n <= 0 ? 0 : static_cast<std::size_t>(n); }

bool IsLeftSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool StringTooLong(std::size_t n, const char* operation) {
  if (n <= kMaxStringLength) return false;
  auto e = MakeError(EG_STROVERFLOW, 1209, "BASE", operation);
  e->canDefault = true;
  RaiseError(e);
  return true;
}

std::string SUBSTR(std::string_view s, long start, std::optional<long> count) {
  const auto size = static_cast<long>(s.size());
  long pos;  // 0-based
  if (start < 0) {
    pos = size + start;
    if (pos < 0) pos = 0;
  } else {
    pos = start > 0 ? start - 1 : 0;
  }
  if (pos >= size) return {};
  long len = count ? *count : size - pos;
  if (len > size - pos) len = size - pos;
  if (len <= 0) return {};
  return std::string(s.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(len)));
}

std::string LEFT(std::string_view s, long n) { return std::string(s.substr(0, Clamp(n))); }

std::string RIGHT(std::string_view s, long n) {
  std::size_t k = std::min(Clamp(n), s.size());
  return std::string(s.substr(s.size() - k));
}

std::size_t AT(std::string_view search, std::string_view s) {
  if (search.empty()) return 0;
  std::size_t p = s.find(search);
  return p == std::string_view::npos ? 0 : p + 1;
}

std::size_t RAT(std::string_view search, std::string_view s) {
  if (search.empty()) return 0;
  std::size_t p = s.rfind(search);
  return p == std::string_view::npos ? 0 : p + 1;
}

std::string STRTRAN(std::string_view s, std::string_view search, std::string_view replace,
                    std::optional<long> start, std::optional<long> count) {
  if (search.empty()) return std::string(s);
  const long first = start && *start > 0 ? *start : 1;
  long left = count ? *count : -1;  // -1: no limit
  if (left == 0) return std::string(s);
  std::string r;
  std::size_t pos = 0;
  long seen = 0;
  while (left != 0) {
    std::size_t hit = s.find(search, pos);
    if (hit == std::string_view::npos) break;
    ++seen;
    r.append(s, pos, hit - pos);
    if (seen >= first) {
      r.append(replace);
      if (left > 0) --left;
    } else {
      r.append(search);
    }
    pos = hit + search.size();
    if (StringTooLong(r.size(), "STRTRAN")) return {};
  }
  r.append(s.substr(pos));
  return r;
}

std::string STUFF(std::string_view s, long start, long del, std::string_view insert) {
  std::size_t pos = start > 0 ? static_cast<std::size_t>(start - 1) : 0;
  if (pos > s.size()) pos = s.size();
  std::size_t d = std::min(Clamp(del), s.size() - pos);
  if (StringTooLong(s.size() - d + insert.size(), "STUFF")) return {};
  std::string r(s.substr(0, pos));
  r.append(insert);
  r.append(s.substr(pos + d));
  return r;
}

std::string PADR(std::string_view s, long len, char fill) {
  std::size_t n = Clamp(len);
  if (StringTooLong(n, "PADR")) return {};
  std::string r(s.substr(0, n));
  r.append(n - r.size(), fill);
  return r;
}

std::string PADL(std::string_view s, long len, char fill) {
  std::size_t n = Clamp(len);
  if (StringTooLong(n, "PADL")) return {};
  if (s.size() >= n) return std::string(s.substr(0, n));
  std::string r(n - s.size(), fill);
  r.append(s);
  return r;
}

std::string PADC(std::string_view s, long len, char fill) {
  std::size_t n = Clamp(len);
  if (StringTooLong(n, "PADC")) return {};
  if (s.size() >= n) return std::string(s.substr(0, n));
  std::size_t left = (n - s.size()) / 2;
  std::string r(left, fill);
  r.append(s);
  r.append(n - r.size(), fill);
  return r;
}

std::string PadText(const Value& v) {
  if (v.IsString()) return v.AsString();
  if (v.IsNumber()) return LTRIM(STR(v));
  if (v.IsDate()) return DTOC(Date{v.AsJulian()});
  return {};
}

std::string RTRIM(std::string_view s) {
  std::size_t end = s.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(s.substr(0, end + 1));
}

std::string TRIM(std::string_view s) { return RTRIM(s); }

std::string LTRIM(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsLeftSpace(s[i])) ++i;
  return std::string(s.substr(i));
}

std::string ALLTRIM(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsLeftSpace(s[i])) ++i;
  return RTRIM(s.substr(i));
}

std::string TrimBlanks(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : RTRIM(s.substr(first));
}

std::string SPACE(long n) {
  if (StringTooLong(Clamp(n), "SPACE")) return {};
  return std::string(Clamp(n), ' ');
}

std::string REPLICATE(std::string_view s, long n) {
  std::size_t times = Clamp(n);
  if (s.empty() || times == 0) return {};
  if (times > kMaxStringLength / s.size()) {  // s.size() * times would be too long
    StringTooLong(kMaxStringLength + 1, "REPLICATE");
    return {};
  }
  std::string r;
  r.reserve(s.size() * times);
  for (std::size_t i = 0; i < times; ++i) r.append(s);
  return r;
}

std::string UPPER(std::string_view s) { return AsciiUpper(s); }
std::string LOWER(std::string_view s) { return AsciiLower(s); }

bool ISALPHA(std::string_view s) {
  return !s.empty() && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}
bool ISDIGIT(std::string_view s) { return !s.empty() && s[0] >= '0' && s[0] <= '9'; }
bool ISUPPER(std::string_view s) { return !s.empty() && s[0] >= 'A' && s[0] <= 'Z'; }
bool ISLOWER(std::string_view s) { return !s.empty() && s[0] >= 'a' && s[0] <= 'z'; }

std::string CHR(long code) {
  return std::string(1, static_cast<char>(static_cast<unsigned char>(((code % 256) + 256) % 256)));
}

int ASC(std::string_view s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); }

}  // namespace rt
