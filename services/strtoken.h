#pragma once
// The token splitter.

#include <string>
#include <string_view>

namespace svc {

// The occurrence-th token (0 and 1 both give the first) of text. With the
// blank delimiter, runs of blanks separate tokens and leading blanks are
// skipped; with any other delimiter, two adjacent delimiters enclose an
// empty token. The delimiter is the first byte of delimiter (a zero byte when
// it is empty). Beyond the last token the result is "".
std::string STRTOKEN(std::string_view text, int occurrence, std::string_view delimiter = " ");

}  // namespace svc
