// The wording of a macro syntax error in a language table's texts: the
// detail with its %1 and %2 filled in, followed by the position.
#include <string>

#include "runtime/macro_ast.h"

namespace rt::macro {

namespace {

std::string Fill(std::string_view pattern, const std::string& first, const std::string& second) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[++i] == '1' ? first : second;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace

std::string DescribeSyntax(const SyntaxDetail& d, const LangTable& lang) {
  const std::string first = d.text.empty() ? TokenName(d.what == SyntaxText::Expected ? d.expected : d.found, lang)
                                           : d.text;
  const std::string detail = Fill(lang.Syntax(d.what), first, TokenName(d.found, lang));
  if (d.what == SyntaxText::Empty) return detail;
  return Fill(lang.Syntax(SyntaxText::AtPosition), detail, std::to_string(d.pos + 1));
}

}  // namespace rt::macro
