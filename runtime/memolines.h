#pragma once
// Lines of memo text as MLCOUNT and MEMOLINE see them. A line ends at CR LF,
// at a soft return (byte 0x8D then LF) or at a lone LF; a line longer than
// the line length wraps after its last blank (word wrap) or at the length
// (without word wrap, or for a word longer than a line). A blank at a wrap
// point is swallowed. Tabs advance to the next multiple of the tab size; a
// tab size below 1 counts as 1. A line length below 1 means 79.

#include <string>
#include <string_view>

namespace rt {

long MLCOUNT(std::string_view text, long lineLen = 79, long tabSize = 4, bool wordWrap = true);
// Line n (1-based) with tabs expanded, padded with blanks to the line
// length; "" past the last line.
std::string MEMOLINE(std::string_view text, long lineLen = 79, long n = 1, long tabSize = 4, bool wordWrap = true);
// The lines of one memo in order. Asking for line n after line m <= n goes
// on from line m, so a loop over every line reads the text once where a
// loop of MEMOLINE calls reads it again from the top for every line. The
// text must outlive the reader and stay unchanged.
class MemoLines {
 public:
  MemoLines(std::string_view text, long lineLen = 79, long tabSize = 4, bool wordWrap = true);
  // As MEMOLINE(text, lineLen, n, tabSize, wordWrap).
  std::string Line(long n);

 private:
  std::string_view text_;
  std::size_t lineLen_, tab_;
  bool wrap_;
  long n_ = 1;            // the line that starts at pos_
  std::size_t pos_ = 0;
};

// Soft returns (0x8D LF) become hard ones (CR LF).
std::string HARDCR(std::string_view text);

}  // namespace rt
