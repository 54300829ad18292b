#pragma once
// The date form of the grid's incremental seek: the seek text of a date
// order is a mask "  /  /    " that the user's digits fill from the left.

#include <string>
#include <string_view>

namespace grid {

// The empty date seek text.
inline constexpr std::string_view kEmptyDateSeek = "  /  /    ";

// The seek text after one key. A digit fills the first blank; Backspace (8)
// blanks the last digit typed, stepping over a separator, or drops the last
// character of a full text; every other key, and a digit into a full text,
// beeps and leaves the text as it was. The result is always 10 characters.
std::string DATESEEK(std::string_view cText, int nKey);

}  // namespace grid
