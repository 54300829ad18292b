#pragma once
// The quick search's wildcard patterns: "?" stands for any one character,
// and the first "*" for any run of characters; a second "*" is an ordinary
// character. Both sides arrive upper-cased; matching is case-sensitive.

#include <cstddef>
#include <string>
#include <string_view>

namespace voskdar {

bool HasWildcard(std::string_view pattern);

// The literal text before the first wildcard character: what a scan can
// seek in the index before it tests each entry.
std::string GETSEEKWORD(std::string_view pattern);

// Position-wise comparison from the 1-based nStart to the pattern's end,
// "?" matching any character. Positions before nStart are the caller's
// (its prefix scan guarantees them); text beyond the pattern is not
// compared, so a pattern matches every text that begins with a match.
bool CHECKSTR(std::string_view text, std::string_view pattern, std::size_t nStart);

// Whether the text matches the pattern. With `whole` set a pattern without
// "*" must cover the whole text (the exact search); otherwise it matches
// every text that begins with a match.
bool ZQ_WILDCARD(std::string_view text, std::string_view pattern, bool whole = false);

}  // namespace voskdar
