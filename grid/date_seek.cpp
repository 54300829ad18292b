#include "grid/date_seek.h"

#include "grid/seek_clock.h"

namespace grid {
namespace {

constexpr std::size_t kDateLen = kEmptyDateSeek.size();
constexpr int kBackspace = 8;

// A short text is completed from the empty mask, separators included.
std::string Padded(std::string_view text) {
  std::string s(text);
  if (s.size() < kDateLen) s += kEmptyDateSeek.substr(s.size());
  return s;
}

}  // namespace

std::string DATESEEK(std::string_view cText, int nKey) {
  std::string s = Padded(cText);
  const std::size_t blank = s.find(' ');
  if (nKey >= '0' && nKey <= '9') {
    if (blank == std::string::npos) {
      SeekBeep();
      return s;
    }
    s[blank] = static_cast<char>(nKey);
    return s;
  }
  if (nKey != kBackspace) {
    SeekBeep();
    return s;
  }
  if (blank == std::string::npos) {
    s.pop_back();
  } else if (blank == 3 || blank == 6) {
    // The first blank follows a separator: the digit before it goes.
    s[blank - 2] = ' ';
  } else if (blank > 0) {
    s[blank - 1] = ' ';
  }
  return Padded(s);
}

}  // namespace grid
