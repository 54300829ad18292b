#pragma once
// Language tables: month and day names and the runtime's error descriptions.
// The programs start with "EN" and select "DE" in their main function.

#include <array>
#include <cstdint>
#include <string_view>

namespace rt {

// The details of a macro syntax error, as indexes into LangTable::syntax.
enum class SyntaxText : std::uint8_t {
  AtPosition,          // %1 the detail, %2 the 1-based position
  Empty,
  Unexpected,          // %1 a token or character
  UnexpectedByte,      // %1 two hexadecimal digits
  UnexpectedName,      // %1 the name
  Expected,            // %1 the token wanted, %2 the one found
  NestedTooDeeply,
  TooComplex,
  CannotAssign,
  IifArguments,        // %1 the function name
  ParameterTwice,      // %1 the parameter name
  TooManyParameters,
  HexWithoutDigits,
  DateDigits,
  InvalidDate,
  NameAfterNumber,
  UnterminatedDate,
  UnterminatedString,
  Count
};

// Tokens a syntax error names in words rather than by their characters, as
// indexes into LangTable::tokenWords.
enum class TokenWord : std::uint8_t { EndOfText, Number, String, Date, Name, MacroVariable, Token, Count };

// The table drivers' own descriptions of a failure, as indexes into
// LangTable::tableTexts; %1 is the name of the field, alias, driver or file.
enum class TableText : std::uint8_t {
  NoFields,
  BadFieldName,        // %1 the field
  DuplicateFieldName,  // %1 the field
  BadFieldLength,      // %1 the field
  BadFieldType,        // %1 the field
  RecordTooLong,
  TooManyFields,
  BadStructure,
  NoStructure,
  UnknownDriver,       // %1 the driver
  AliasInUse,          // %1 the alias
  AliasNotFound,       // %1 the alias
  FieldNotFound,       // %1 the field
  FieldNumberOutside,
  WrongFieldType,      // %1 the field
  NumberTooWide,       // %1 the field
  KeyTooLong,
  KeyTextTooLong,
  KeyWrongType,
  KeyTextNotEvaluable, // %1 the key text
  KeyTextInvalid,      // %1 the key text
  OrderInterrupted,
  TableHeaderDamaged,
  RowsMissing,
  RowsUncounted,
  MemoDamaged,
  IndexDamaged,
  Count
};

struct LangTable {
  std::string_view id;
  std::array<std::string_view, 12> months;
  std::array<std::string_view, 7> days;  // Sunday first
  // Indexed by generic error code; codes beyond the table have no text.
  std::array<std::string_view, 42> errors;
  // The code page the texts are stored in (the "DE" table keeps 850, as
  // the runtime's German table always did); callers that show a text in a
  // window convert it with Cp850To1252.
  int codePage = 1252;
  std::array<std::string_view, static_cast<std::size_t>(SyntaxText::Count)> syntax;
  std::array<std::string_view, static_cast<std::size_t>(TokenWord::Count)> tokenWords;
  std::array<std::string_view, static_cast<std::size_t>(TableText::Count)> tableTexts;

  std::string_view ErrorText(int genCode) const;
  std::string_view Syntax(SyntaxText t) const { return syntax[static_cast<std::size_t>(t)]; }
  std::string_view Word(TokenWord w) const { return tokenWords[static_cast<std::size_t>(w)]; }
  std::string_view Table(TableText t) const { return tableTexts[static_cast<std::size_t>(t)]; }
};

const LangTable& CurrentLang();
// Selects a table by id and returns the previous id; an unknown id keeps the
// current table.
std::string_view HB_LANGSELECT(std::string_view id);
std::string_view HB_LANGSELECT();

}  // namespace rt
