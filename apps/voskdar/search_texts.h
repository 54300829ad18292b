#pragma once
// The texts of the scratch table's header rows and the search's messages,
// in Windows-1252.

#include <string>
#include <string_view>

#include "apps/common/word_tables.h"

namespace voskdar {

enum class SearchSide { German, Foreign };

// "Deutsch - Englisch" (prefix and exact) or "Deutsch / Englisch" (wildcard)
// for the table and side.
std::string DirectionText(const common::WordTable& table, SearchSide side, bool wildcard);
// The flag bitmap of a header row: the table's code on the German side,
// "DEU" on the foreign side.
std::string HeaderCode(const common::WordTable& table, SearchSide side);

inline constexpr std::string_view kErrorTitle = "Fehler";
// The help topics of the search dialog and of the result list.
inline constexpr const char* kSearchHelpTopic = "Begriff suchen";
inline constexpr const char* kResultsHelpTopic = "Trefferliste";
inline constexpr std::string_view kNoTermText = "Es wurde kein Suchbegriff eingegeben !";
std::string NotFoundText(std::string_view term);
// A table, index or the scratch table that a search cannot use, and why.
std::string UnreadableFileText(std::string_view file, std::string_view reason);
std::string ScratchFailedText(std::string_view file, std::string_view reason);
std::string ScratchWriteText(std::string_view file, std::string_view reason);

}  // namespace voskdar
