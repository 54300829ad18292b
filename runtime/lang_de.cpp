// The German language table. Its texts are stored in code page 850 (the
// byte escapes are umlauts and sharp s: 0x84 a-umlaut, 0x81 u-umlaut, 0x8E
// A-umlaut, 0x99 O-umlaut, 0x9A U-umlaut, 0xE1 sharp s), split from the
// following letters so that no escape runs on into them.
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
      850,
      {"%1 an Position %2", "leerer Ausdruck", "unerwartet: %1", "unerwartetes Byte 0x%1",
       "unerwarteter Name %1", "%1 erwartet, %2 gefunden", "Ausdruck zu tief verschachtelt",
       "Ausdruck zu komplex", "diesem Ausdruck kann nichts zugewiesen werden",
       "%1() braucht zwei oder drei Argumente", "Parameter %1 doppelt benannt", "zu viele Blockparameter",
       "Hexadezimalzahl ohne Ziffern", "Datumsliteral braucht acht Ziffern (0dJJJJMMTT)",
       "ung\x81" "ltiges Datumsliteral", "Name direkt nach einer Zahl", "Datumsliteral ohne Ende",
       "Zeichenkette ohne Ende"},
      {"Textende", "Zahl", "Zeichenkette", "Datum", "Name", "Makrovariable", "Symbol"},
      {"Die Tabelle braucht mindestens ein Feld", "Ung\x81" "ltiger Feldname: %1", "Doppelter Feldname: %1",
       "Ung\x81" "ltige Feldl\x84" "nge: %1", "Ung\x81" "ltiger Feldtyp: %1", "Datensatz zu lang",
       "Zu viele Felder", "Ung\x81" "ltige Tabellenstruktur", "Tabellenstruktur fehlt",
       "Unbekannter Tabellentreiber: %1", "Alias schon in Gebrauch: %1", "Alias nicht gefunden: %1",
       "Feld nicht gefunden: %1", "Feldnummer au\xE1" "erhalb der Tabelle", "Falscher Datentyp f\x81" "r Feld %1",
       "Zahl zu gro\xE1" " f\x81" "r Feld %1", "Indexschl\x81" "ssel zu lang", "Indexausdruck zu lang",
       "Indexschl\x81" "ssel hat den falschen Typ", "Indexausdruck nicht auswertbar: %1",
       "Indexausdruck fehlerhaft: %1",
       "Der Index wurde w\x84" "hrend einer \x8E" "nderung unterbrochen und muss neu aufgebaut werden",
       "Tabellenkopf besch\x84" "digt", "Der Tabelle fehlen Datens\x84" "tze",
       "Der Tabellenkopf z\x84" "hlt weniger Datens\x84" "tze, als die Datei enth\x84" "lt",
       "Memodatei besch\x84" "digt", "Indexdatei besch\x84" "digt"}};
  return table;
}

}  // namespace rt
