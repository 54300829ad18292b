#pragma once
// Values as display text, as the class library shows a value that has no
// picture, and the empty value of a value's type.

#include <string>

#include "runtime/value.h"

namespace rt {

// Text unchanged; dates by DTOC; logicals ".T." or ".F."; numbers as STR
// shows them, trimmed (1.50 gives "1.50"); code blocks "{|| ... }"; arrays
// "{ ... }"; objects "Object"; NIL "".
std::string CVALTOCHAR(const Value& v);

// Blanks of the same length for text, zero with the number's decimals,
// .F., the empty date; NIL for every other type.
Value UVALBLANK(const Value& v);

}  // namespace rt
