// The German language table. Its texts are stored in code page 850 (the
// byte escapes are umlauts and sharp s: 0x84 a-umlaut, 0x81 u-umlaut, 0x99
// O-umlaut, 0x9A U-umlaut, 0xE1 sharp s), split from the following letters
// so that no escape runs on into them.
#include "runtime/lang_tables.h"

namespace rt {

const LangTable& LangGerman() {
  static const LangTable table{
      "DE",
      {"Januar", "Februar", "M\x84" "rz", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
       "November", "Dezember"},
      {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
      {"Unbekannter Fehler", "Argumentfehler", "Bereichs\x81" "berschreitung",
       "Zeichenketten\x81" "berlauf", "Numerischer \x9A" "berlauf", "Division durch Null",
       "Numerischer Fehler", "Syntaxfehler", "Operation zu komplex", "", "", "Zu wenig Speicher",
       "Undefinierte Funktion", "Keine exportierte Methode", "Variable existiert nicht",
       "Alias existiert nicht", "Keine exportierte Variable", "Unzul\x84" "ssige Zeichen im Alias",
       "Alias bereits in Benutzung", "", "Fehler beim Erstellen", "Fehler beim \x99" "ffnen",
       "Fehler beim Schlie\xE1" "en", "Lesefehler", "Schreibfehler", "Druckfehler", "", "", "", "",
       "Operation nicht unterst\x81" "tzt", "Grenze \x81" "berschritten", "Besch\x84" "digung festgestellt",
       "Datentypfehler", "Datenbreitenfehler", "Arbeitsbereich nicht belegt",
       "Arbeitsbereich nicht indiziert", "Exklusiver Zugriff erforderlich", "Sperre erforderlich",
       "Schreiben nicht erlaubt", "Sperre beim Anh\x84" "ngen fehlgeschlagen", "Sperre fehlgeschlagen"},
      850};
  return table;
}

}  // namespace rt
