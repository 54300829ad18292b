#include "runtime/memolines.h"

#include "runtime/strings.h"

namespace rt {

namespace {

constexpr char kSoftCr = '\x8D';

struct Layout {
  std::size_t lineLen;
  std::size_t tab;
  bool wrap;
};

Layout MakeLayout(long lineLen, long tabSize, bool wrap) {
  Layout l;
  l.lineLen = lineLen < 1 ? 79 : static_cast<std::size_t>(lineLen);
  l.tab = tabSize < 1 ? 1 : static_cast<std::size_t>(tabSize);
  if (l.tab > l.lineLen) l.tab = l.lineLen;
  l.wrap = wrap;
  return l;
}

// The line that starts at `pos`: its text ends at *end, the next line
// starts at *next (always after pos while text is left).
void NextLine(std::string_view s, std::size_t pos, const Layout& l, std::size_t* end, std::size_t* next) {
  std::size_t col = 0;
  std::size_t lastBlank = std::string_view::npos;
  for (std::size_t i = pos; i < s.size(); ++i) {
    const char c = s[i];
    if ((c == '\r' || c == kSoftCr) && i + 1 < s.size() && s[i + 1] == '\n') {
      *end = i;
      *next = i + 2;
      return;
    }
    if (c == '\n') {
      *end = i;
      *next = i + 1;
      return;
    }
    const std::size_t w = c == '\t' ? l.tab - col % l.tab : 1;
    if (col + w > l.lineLen) {
      if (i == pos) {  // not even one character fits: take it anyway
        *end = *next = i + 1;
      } else if (c == ' ') {
        *end = i;
        *next = i + 1;
      } else if (l.wrap && lastBlank != std::string_view::npos) {
        *end = lastBlank;
        *next = lastBlank + 1;
      } else {
        *end = *next = i;
      }
      return;
    }
    if (c == ' ' || c == '\t') lastBlank = i;
    col += w;
  }
  *end = *next = s.size();
}

}  // namespace

long MLCOUNT(std::string_view text, long lineLen, long tabSize, bool wordWrap) {
  const Layout l = MakeLayout(lineLen, tabSize, wordWrap);
  long count = 0;
  std::size_t end, next;
  for (std::size_t pos = 0; pos < text.size(); pos = next) {
    NextLine(text, pos, l, &end, &next);
    ++count;
  }
  return count;
}

MemoLines::MemoLines(std::string_view text, long lineLen, long tabSize, bool wordWrap) : text_(text) {
  const Layout l = MakeLayout(lineLen, tabSize, wordWrap);
  lineLen_ = l.lineLen;
  tab_ = l.tab;
  wrap_ = l.wrap;
}

std::string MemoLines::Line(long n) {
  const Layout l{lineLen_, tab_, wrap_};
  if (StringTooLong(l.lineLen, "MEMOLINE")) return {};
  if (n < 1) n = 1;
  if (n < n_) {
    n_ = 1;
    pos_ = 0;
  }
  std::size_t end = 0, next = 0;
  for (;; ++n_, pos_ = next) {
    if (pos_ >= text_.size()) return {};
    NextLine(text_, pos_, l, &end, &next);
    if (n_ == n) break;
  }
  std::string line;
  line.reserve(l.lineLen);
  for (std::size_t i = pos_; i < end && line.size() < l.lineLen; ++i) {
    if (text_[i] == '\t') line.append(l.tab - line.size() % l.tab, ' ');
    else line += text_[i];
  }
  line.resize(l.lineLen, ' ');
  return line;
}

std::string MEMOLINE(std::string_view text, long lineLen, long n, long tabSize, bool wordWrap) {
  return MemoLines(text, lineLen, tabSize, wordWrap).Line(n);
}

std::string HARDCR(std::string_view text) {
  std::string r(text);
  for (std::size_t i = 0; i + 1 < r.size(); ++i)
    if (r[i] == kSoftCr && r[i + 1] == '\n') r[i] = '\r';
  return r;
}

}  // namespace rt
