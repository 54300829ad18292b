#include "apps/voskdar/search_texts.h"

#include <array>

#include "runtime/codepage.h"

namespace voskdar {

namespace {

struct Directions {
  std::string_view german, foreign, germanWild, foreignWild;
};

// In the catalogue's order ENG, FRA, ITA, SPA, POR, LAT. The two wildcard
// texts of French are kept in the OEM code page, as the program always had
// them, and converted where they are used; "Potugiesisch" is the program's
// own spelling of that header.
constexpr std::array<Directions, 6> kDirections{{
    {"Deutsch - Englisch", "Englisch - Deutsch", "Deutsch / Englisch", "Englisch / Deutsch"},
    {"Deutsch - Franz\xF6sisch", "Franz\xF6sisch - Deutsch", "Deutsch / Franz\x94sisch", "Franz\x94sisch / Deutsch"},
    {"Deutsch - Italienisch", "Italienisch - Deutsch", "Deutsch / Italienisch", "Italienisch / Deutsch"},
    {"Deutsch - Spanisch", "Spanisch - Deutsch", "Deutsch / Spanisch", "Spanisch / Deutsch"},
    {"Deutsch - Portugiesisch", "Portugiesisch - Deutsch", "Deutsch / Portugiesisch", "Potugiesisch / Deutsch"},
    {"Deutsch - Latein", "Latein - Deutsch", "Deutsch / Latein", "Latein / Deutsch"},
}};

std::size_t TableIndex(const common::WordTable& table) {
  return static_cast<std::size_t>(&table - common::kWordTables.data());
}

}  // namespace

std::string DirectionText(const common::WordTable& table, SearchSide side, bool wildcard) {
  const Directions& d = kDirections.at(TableIndex(table));
  if (!wildcard) return std::string(side == SearchSide::German ? d.german : d.foreign);
  const std::string_view oem = side == SearchSide::German ? d.germanWild : d.foreignWild;
  return TableIndex(table) == 1 ? rt::Cp850To1252(oem) : std::string(oem);
}

std::string HeaderCode(const common::WordTable& table, SearchSide side) {
  return side == SearchSide::German ? std::string(table.base.substr(3)) : "DEU";
}

std::string NotFoundText(std::string_view term) {
  return "Der Suchbegriff '" + std::string(term) + "' wurde nicht gefunden !";
}

std::string UnreadableFileText(std::string_view file, std::string_view reason) {
  return "Die Datei " + std::string(file) + " kann nicht gelesen werden (" + std::string(reason) +
         ").\r\nSie wird bei dieser Suche \xFC" "bergangen.";
}

std::string ScratchFailedText(std::string_view file, std::string_view reason) {
  return "Die Ergebnisdatei " + std::string(file) + " kann nicht angelegt werden (" + std::string(reason) +
         ").\r\nEs wurde nicht gesucht.";
}

std::string ScratchWriteText(std::string_view file, std::string_view reason) {
  return "Die Ergebnisdatei " + std::string(file) + " kann nicht geschrieben werden (" + std::string(reason) +
         ").\r\nDie Treffer k\xF6nnen nicht angezeigt werden.";
}

}  // namespace voskdar
