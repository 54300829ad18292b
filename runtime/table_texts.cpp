#include "runtime/table_texts.h"

namespace rt {

std::string TableMessage(TableText text, std::string_view arg) {
  const std::string_view pattern = CurrentLang().Table(text);
  std::string out;
  out.reserve(pattern.size() + arg.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == '1') {
      out += arg;
      ++i;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace rt
