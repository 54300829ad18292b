#include "grid/grid_messages.h"

#include <array>
#include <cctype>

#include "runtime/codepage.h"
#include "runtime/strings.h"

namespace grid {

namespace {

// Code page 850, as the table has always been stored.
constexpr std::array<const char*, kMessageCount> kOemTexts{
    "Ja",
    "Nein",
    "Der Satz ist gesperrt",
    "Bitte noch einmal versuchen",
    "Der Satz konnte nicht erzeugt werden",
    "&R\x81"
    "ckg\x84ngig",
    "Spalte &Kopieren",
    "Spalte A&usschneiden",
    "Spalte E&inf\x81gen",
    "Spalte &L\x94schen",
    "L\x94schen",
    "Kopieren",
    "Ausschneiden",
    "Nach &Unten",
    "Nach &Rechts",
    "Nach &Oben",
    "Nach &Links",
    "Zum &N\x84"
    "chsten",
    "Cu&rsor",
    "Datum:",
    "Seite:",
    "Uhrzeit:",
    "(Vorschau)",
    "Spalte",
    "Sichtbarer Bereich",
    "Spaltenbreite",
    "TGBrowse SetFilter() Typ passt nicht zum aktuellen Index",
    "Fehler",
    "Die Datei",
    "existiert nicht",
    "Breite:",
    "Memo Feld",
    "Bearbeiten",
    "&\x9A"
    "bernehmen",
    "A&bbrechen",
    "&Hilfe",
    "Soll der Satz gel\x94scht werden ?",
    "Soll die Zeile gel\x94scht werden ?",
    "Bitte best\x84tigen",
    "Der Satz wird verwendet und kann nicht gesperrt werden",
    "Taste [Esc] beendet die Bearbeitung",
    "", "", "", "", "", "", "", "", "",
    " Bis ",
    " Von ",
    " In ",
    " Und ",
    " Oder ",
};

const std::array<std::string, kMessageCount>& Texts() {
  static const std::array<std::string, kMessageCount> texts = [] {
    std::array<std::string, kMessageCount> t;
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = rt::Cp850To1252(kOemTexts[i]);
    return t;
  }();
  return texts;
}

}  // namespace

rt::Value LOADMSG() {
  rt::Value a = rt::Value::Array();
  for (const std::string& text : Texts()) a.Items().push_back(rt::Value(text));
  return a;
}

const std::string& GridMessage(int n) {
  static const std::string none;
  return n >= 1 && n <= kMessageCount ? Texts()[static_cast<std::size_t>(n - 1)] : none;
}

std::string PROPER(std::string_view c) {
  std::string text = rt::LOWER(rt::ALLTRIM(c));
  bool wordStart = true;
  for (char& ch : text) {
    if (wordStart) ch = rt::UPPER(std::string_view(&ch, 1))[0];
    wordStart = ch == ' ' || ch == '.';
  }
  for (int n = 51; n <= kMessageCount; ++n) text = rt::STRTRAN(text, GridMessage(n), rt::LOWER(GridMessage(n)));
  return text;
}

}  // namespace grid
