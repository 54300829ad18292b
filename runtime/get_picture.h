#pragma once
// The picture of a Get while it is edited: which buffer positions take a
// typed character, which character each accepts, how a value becomes the
// edit buffer and how the buffer becomes a value again.
//
// The picture language is TRANSFORM's (runtime/transform.h). While editing,
// template characters 9 # A N X L Y ! are slots that take a character of
// their class; any other template character is a literal that the caret
// skips. Functions that matter here: ! upper-cases every typed letter, K
// clears the field on the first key, R keeps template literals out of a text
// value, E edits numbers with "," as the decimal point and dates as
// dd/mm/yy(yy). Numbers without a template edit in the layout STR gives
// them; dates always edit in the date format (SET DATE or, with E, the
// European one); logicals edit as one "T"/"F" slot ("Y"/"N" with a Y
// template).

#include <optional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace rt {

struct EditPicture {
  char type = 'U';          // type of the value being edited: C N D L, U for anything else
  bool upper = false;       // @!
  bool clearOnKey = false;  // @K
  bool insertLiterals = false;  // @R
  bool european = false;    // @E
  std::string tmpl;         // the editing template, one character per buffer position
  std::string dateFormat;   // the date format a date is edited in
  int decPos = 0;           // 1-based position of the decimal point; 0 without decimals
};

EditPicture MakeEditPicture(std::string_view picture, const Value& value);

// Whether buffer position i (0-based) takes typed characters.
bool IsEditSlot(const EditPicture& p, std::size_t i);
// The character slot i stores for a typed c (upper-cased where asked), or
// nothing when the slot refuses c.
std::optional<char> AcceptChar(const EditPicture& p, std::size_t i, char c);

// The edit buffer showing a value: exactly one character per template position.
std::string PutMask(const EditPicture& p, const Value& value);
// The value a buffer stands for. `original` is the value editing started
// from: a text value keeps the part of it that lies beyond the buffer, and
// a number keeps its kind of display.
Value UnTransformBuffer(const EditPicture& p, const std::string& buffer, const Value& original);
// A date buffer that has digits but names no date.
bool IsBadDateBuffer(const EditPicture& p, const std::string& buffer);

}  // namespace rt
