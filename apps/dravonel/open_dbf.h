#pragma once
// Opens a dictionary's table for the editor as DBUCH with both orders.

#include <string_view>

namespace dravonel {

// The alias under which the editor keeps its open word table.
inline constexpr std::string_view kWordAlias = "DBUCH";

// Packs the previous table first when deletions are pending. A table that
// cannot be opened exclusively, lacks a word field or an index file raises
// an error naming it that cannot default (a retry opens again); no area is
// left half open.
void OPENDBF(std::string_view cBase);

}  // namespace dravonel
