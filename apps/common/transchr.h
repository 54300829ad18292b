#pragma once
// Accent folding for the foreign side's index key and searches, and the two
// hooks every German or foreign term passes on its way to and from a table.

#include <string>
#include <string_view>

#include "runtime/value.h"

namespace common {

// Replaces the accented letters of Windows-1252 text by their base letters
// (umlauts, sharp s, n with tilde and the ligatures stay as they are).
void TransChrInPlace(std::string& text);
std::string TRANSCHR(std::string_view text);

// The stored tables hold plain text, so both hooks hand the value back.
rt::Value ENTCRYPT(const rt::Value& value);
rt::Value VERCRYPT(const rt::Value& value);

// Enters TRANSCHR, ENTCRYPT and VERCRYPT into the runtime's function
// registry, so that index keys such as "upper(TransChr(FREMD))" find them.
// Every program that opens the word tables' indexes calls it at start.
void RegisterWordFunctions();

}  // namespace common
