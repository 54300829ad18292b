#pragma once
// The catalogue of the six word tables: their base names, table, index and
// export files, the key of each order as each program builds it, and the
// texts of the progress dialog while an order is built.

#include <array>
#include <string>
#include <string_view>

namespace common {

// The German side's key differs between the programs; either serves both,
// as both seek only German prefixes in order 1.
enum class KeyStyle { Editor, QuickSearch };

struct WordTable {
  std::string_view base;  // also the dictionary code and the [Export] key
  bool foldsForeign;      // order 2 folds accents through TRANSCHR
  std::string_view meterText[2];  // order 1, order 2
};

inline constexpr std::array<WordTable, 6> kWordTables{{
    {"DEUENG", false, {"Deutsch/Englisch Index aufbauen...", "Englisch/Deutsch Index aufbauen..."}},
    {"DEUFRA", true, {"Deutsch/Franz\xF6sisch Index aufbauen...", "Franz\xF6sisch/Deutsch Index aufbauen..."}},
    {"DEUITA", true, {"Deutsch/Italienisch Index aufbauen...", "Italienisch/Deutsch Index aufbauen..."}},
    {"DEUSPA", true, {"Deutsch/Spanisch Index aufbauen...", "Spanisch/Deutsch Index aufbauen..."}},
    {"DEUPOR", true, {"Deutsch/Portugiesisch Index aufbauen...", "Portugiesisch/Deutsch Index aufbauen..."}},
    {"DEULAT", false, {"Deutsch/Latein Index aufbauen...", "Latein/Deutsch Index aufbauen..."}},
}};

inline constexpr std::string_view kDefaultDictionary = "DEUENG";

// Null when the base is none of the six.
const WordTable* FindWordTable(std::string_view base);

// ".\DEUENG.DBF": the name the programs test for presence.
std::string TablePath(const WordTable& table);
// "DEUENG1" / "DEUENG2": the name given to the driver, which adds ".NTX".
std::string IndexName(const WordTable& table, int order);
// ".\DEUENG1.NTX".
std::string IndexPath(const WordTable& table, int order);
// "DEUENG.EXP".
std::string ExportName(const WordTable& table);
std::string OrderKey(const WordTable& table, int order, KeyStyle style);
std::string_view MeterText(const WordTable& table, int order);

}  // namespace common
