#include "apps/voskdar/wildcards.h"

#include <algorithm>

namespace voskdar {

namespace {

// The xBase non-exact "=": the left side begins with the right side.
bool BeginsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string_view TrimRight(std::string_view s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

// 1-based position of c in s, 0 when absent.
std::size_t Position(std::string_view s, char c) {
  const auto at = s.find(c);
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

bool HasWildcard(std::string_view pattern) { return pattern.find_first_of("?*") != std::string_view::npos; }

std::string GETSEEKWORD(std::string_view pattern) {
  return std::string(pattern.substr(0, pattern.find_first_of("?*")));
}

bool CHECKSTR(std::string_view text, std::string_view pattern, std::size_t nStart) {
  if (text.size() < pattern.size()) return false;
  for (std::size_t i = std::max<std::size_t>(nStart, 1); i <= pattern.size(); ++i) {
    if (pattern[i - 1] != '?' && pattern[i - 1] != text[i - 1]) return false;
  }
  return true;
}

bool ZQ_WILDCARD(std::string_view text, std::string_view pattern, bool whole) {
  const std::size_t q = Position(pattern, '?');
  const std::size_t s = Position(pattern, '*');
  if (s == 0) {
    if (whole && text.size() != pattern.size()) return false;
    return q == 0 || CHECKSTR(text, pattern, q);
  }
  const std::string_view begin = pattern.substr(0, s - 1);
  const std::string_view rest = TrimRight(pattern.substr(s, 50));
  if (q == 0) return BeginsWith(text, begin) && EndsWith(text, rest);
  if (q < s) return CHECKSTR(text, begin, q) && EndsWith(text, rest);
  return BeginsWith(text, begin) && text.size() >= rest.size() &&
         CHECKSTR(text.substr(text.size() - rest.size()), rest, 1);
}

}  // namespace voskdar
