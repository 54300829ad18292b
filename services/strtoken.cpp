#include "services/strtoken.h"

namespace svc {

std::string STRTOKEN(std::string_view text, int occurrence, std::string_view delimiter) {
  const char delim = delimiter.empty() ? '\0' : delimiter.front();
  const std::size_t n = text.size();
  std::size_t pos = 0;
  int counted = 0;
  for (;;) {
    if (delim == ' ') {
      while (pos < n && text[pos] == ' ') ++pos;
    } else if (pos < n && text[pos] == delim) {
      ++pos;
    }
    std::size_t end = text.find(delim, pos);
    if (end == std::string_view::npos) end = n;
    ++counted;
    if (counted >= occurrence) return std::string(text.substr(pos, end - pos));
    if (end >= n) return {};
    pos = end;
  }
}

}  // namespace svc
