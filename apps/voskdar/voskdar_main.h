#pragma once
// The quick-search program's start-up, main window and exit.

#include <optional>
#include <string>

namespace voskdar {

// cParam: the first word of the command line, none when there is none.
void MAIN(std::optional<std::string> cParam);

// The search term a start with cParam gets: blanks for none, a blank word
// or "@"; else the word up to its first control character, padded or cut
// to the term's length.
std::string StartTerm(const std::optional<std::string>& cParam);

}  // namespace voskdar
